#pragma once
// Cutting a text at markers and into sections (conventions in str_text.h).

#include <cstdint>
#include <string>
#include <string_view>

// Most octets StrCopyUntilMarker writes into its output.
inline constexpr size_t kStrCopyUntilMarkerLimit = 300000;

// Copies the text from the position into out until the first occurrence of marker. The match is exact,
// except that where the rest of the current line is white space both in the text and in the marker, the two
// lines match whatever white space they hold, and after a line feed inside a match the white space that
// begins the next line is passed over in both. On a match: out ends where the marker began, the position
// moves past the marker, 1. Otherwise 0 with the position kept: out holds the rest of the text, or its first
// kStrCopyUntilMarkerLimit octets; an empty marker is never found; a position outside the text gives an
// empty out.
int StrCopyUntilMarker(std::string_view text, int32_t& position, std::string& out, std::string_view marker);
// StrCopyUntilMarker; when the marker holds only blanks and tabs, a piece of white space only does not
// count and the search goes on after it. 1 at the first piece that counts, 0 when a search gives 0.
int StrCopyUntilMarkerSkippingBlank(std::string_view text, int32_t& position, std::string& out,
                                    std::string_view marker);
// Copies into out the piece up to the nearest section marker (0xB6 0xB6, 0xB5 0xB5 or 0xB9 0xB9; on a tie
// the first of these) and moves the position past it: 1 for 0xB6 0xB6, 0 for 0xB5 0xB5, 2 for 0xB9 0xB9.
// 3 when none follows, the position kept and out holding the rest of the text.
int StrNextSection(std::string_view text, int32_t& position, std::string& out);
