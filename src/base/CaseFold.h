#pragma once

#include <string_view>

namespace valdren {

// Names are bytes in the game's encoding, Windows-1252. Searching them ignores the case of its
// letters: ASCII, the accented capitals and small letters of 0xC0..0xFE, and the pairs
// Š/š, Œ/œ, Ž/ž and Ÿ/ÿ. Letters without a single-byte partner (ß, µ) match only themselves.
char FoldCase(char byte);

// Whether the text contains the part, letters compared without regard to case. Every text
// contains the empty part.
bool ContainsIgnoringCase(std::string_view text, std::string_view part);

}  // namespace valdren
