#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "base/ErrorText.h"
#include "base/String.h"

namespace valdren {

class OobDatabase;

// Loads platoon00.obx to platoon19.obx, or platoon.obx when none of them exists.
ErrorText LoadPlatoons(OobDatabase& database, const std::filesystem::path& folder);

}  // namespace valdren
