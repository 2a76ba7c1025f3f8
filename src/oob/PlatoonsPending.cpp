#include "oob/PlatoonFile.h"

namespace valdren {

// Stands in until the platoon file reader lands: no platoons are loaded.
ErrorText LoadPlatoons(OobDatabase&, const std::filesystem::path&) { return std::nullopt; }

}  // namespace valdren
