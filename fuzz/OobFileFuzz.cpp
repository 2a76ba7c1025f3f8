// Any bytes given to the .oob reader as a company file and then as a battalion file: no crash,
// and every template kept names only templates loaded before it.
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>
#include <unordered_map>

#include "base/TextInput.h"
#include "oob/DatabaseLoader.h"
#include "oob/ErrorLog.h"
#include "oob/OobDatabase.h"
#include "oob/OrgTemplate.h"
#include "oob/PlatoonTemplate.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace valdren;
  OobDatabase database;
  for (std::uint32_t reference : {1101u, 1102u, 1103u}) {
    auto platoon = std::make_unique<PlatoonTemplate>();
    platoon->reference = reference;
    database.Append(std::move(platoon));
  }
  std::ostringstream sink;
  ErrorLog log(sink);
  const std::string text = TextMode(std::string_view(reinterpret_cast<const char*>(data), size));
  LoadOobFile(database, kCompany, "company.oob", text, log);
  LoadOobFile(database, kBattalion, "battalion.oob", text, log);

  std::unordered_map<const UnitTemplate*, std::size_t> positions;
  for (const auto& node : database.Templates()) {
    if (const auto* unit = dynamic_cast<const OrgTemplate*>(node.item)) {
      for (const SubunitGroup& group : unit->groups)
        for (const SubunitChoice& choice : group.choices)
          if (!positions.contains(choice.item)) std::abort();
    }
    positions.emplace(node.item, positions.size());
  }
  return 0;
}
