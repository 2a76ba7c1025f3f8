#pragma once

#include <string_view>

#include <nlohmann/json.hpp>

namespace valdren::cli {

// JSON objects keep their members in the order they were added, the order the tool's
// documentation lists them in.
using Json = nlohmann::ordered_json;

// A text of the game's files as a JSON string: each byte becomes the character of the same code
// (Latin-1), so every byte survives the trip and comes back by the reverse mapping.
Json JsonText(std::string_view bytes);

}  // namespace valdren::cli
