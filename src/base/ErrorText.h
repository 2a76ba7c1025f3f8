#pragma once

#include <optional>
#include <string>

namespace valdren {

// What a loading function returns: nothing on success, otherwise the text of the first error.
using ErrorText = std::optional<std::string>;

}  // namespace valdren
