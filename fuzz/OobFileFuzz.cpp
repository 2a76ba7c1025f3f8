// Any bytes given to the .oob reader as a company file and then as a battalion file: no crash,
// and every template kept names only templates loaded before it.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/TextInput.h"
#include "oob/DatabaseLoader.h"
#include "oob/ErrorLog.h"
#include "oob/OobDatabase.h"
#include "oob/OrgTemplate.h"
#include "oob/PlatoonTemplate.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace valdren;
  // Leaders and line platoons of two nations, the ones the seeds name. Every other one starts
  // in 1939, so choices both inside and outside their groups' dates are met.
  OobDatabase database;
  for (const std::uint32_t first : {101u, 401u, 1101u, 1401u})
    for (std::uint32_t reference = first; reference < first + 6; ++reference) {
      auto platoon = std::make_unique<PlatoonTemplate>();
      platoon->reference = reference;
      if (reference % 2 == 0) platoon->startYear = 39;
      database.Append(std::move(platoon));
    }
  std::ostringstream sink;
  ErrorLog log(sink);
  const std::string text = TextMode(std::string_view(reinterpret_cast<const char*>(data), size));
  LoadOobFile(database, kCompany, "company.oob", text, log);
  LoadOobFile(database, kBattalion, "battalion.oob", text, log);

  // Each template's place in load order, found by its address.
  std::vector<std::pair<const UnitTemplate*, std::size_t>> places;
  for (const auto& node : database.Templates())
    places.emplace_back(node.item, places.size());
  std::sort(places.begin(), places.end());
  const auto placeOf = [&](const UnitTemplate* unit) {
    const auto found =
        std::lower_bound(places.begin(), places.end(), std::pair{unit, std::size_t{0}});
    if (found == places.end() || found->first != unit) std::abort();  // not in the database
    return found->second;
  };
  for (const auto& node : database.Templates()) {
    const auto* const unit = dynamic_cast<const OrgTemplate*>(node.item);
    if (!unit) continue;
    const std::size_t place = placeOf(unit);
    for (const SubunitGroup& group : unit->groups)
      for (const SubunitChoice& choice : group.choices)
        if (placeOf(choice.item) >= place) std::abort();
  }
  return 0;
}
