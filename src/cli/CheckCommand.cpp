// valdren check: how many templates of each echelon the database holds, and how many warnings
// its load wrote to error.log.

#include <string_view>

#include "cli/Tool.h"
#include "oob/Echelon.h"

namespace valdren::cli {

void AddCheckCommand(CommandList& commands) {
  commands.Add("check", "Load the database and count its templates and warnings", [](Tool& tool) {
    constexpr std::string_view kLabels[kEchelonCount] = {"Platoons",  "Companies", "Battalions",
                                                         "Regiments", "Brigades",  "Divisions",
                                                         "Corps",     "Armies"};
    const OobDatabase& database = tool.Database();
    for (int echelon = 0; echelon < kEchelonCount; ++echelon)
      tool.out << kLabels[echelon] << ": " << database.Count(echelon) << '\n';
    tool.out << "Warnings: " << tool.Warnings() << '\n';
    return tool.Finish();
  });
}

}  // namespace valdren::cli
