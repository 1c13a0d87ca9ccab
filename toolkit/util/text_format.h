#pragma once
// Format markers "%d", "%s" and "%n" in fixed-layout format texts (conventions in str_text.h).

#include <cstdint>
#include <string>
#include <string_view>

// 1 with out holding the first format marker (the first '%' followed by 'd', 's' or 'n'); 0 with an empty
// out when there is none.
int StrFindFormatMarker(std::string_view text, std::string& out);
// The first "%d" of the text; when there is none the first "%s"; then the first "%n"; null when none occurs.
const char* StrFindAnyMarker(const char* text);
// Writes value as a field that ends on the first marker's second octet, both marker octets first becoming
// blanks; the value overwrites the octets before the marker as far as it reaches, and the format grows at
// its start when the value reaches beyond it. 1; 0 with the format unchanged when it has no marker.
int StrFillMarkerRight(std::string& format, std::string_view value);
// Writes value, trimmed of leading blanks and tabs, as a field that starts on the first marker's first
// octet, both marker octets first becoming blanks; the value overwrites what follows, and the format grows
// at its end when the value reaches beyond it. 1; 0 with the format unchanged when it has no marker.
int StrFillMarkerLeft(std::string& format, std::string_view value);
// The format's length + 20 for each "%d", + 80 for each "%s", + 300 for each "%n".
int32_t StrFormatLengthEstimate(std::string_view format);
