#pragma once
// Term routines: the treatment a search mapping's selector asks for before a term reaches SQL.
//
//   1  runs of white space become their first character, leading white space goes; white space before
//      a ';' goes, with one blank after the ';'
//   2  the characters up to the first ';' or ':' that follows at least two of them; shorter pieces
//      before a separator are thrown away
//   3  as 1, but white space, ';' and one blank after it become one blank
//   4  routine 6, then routine 7
//   5  letters and digits only
//   6  folding: apostrophes dropped, each run of punctuation and white space one blank between two kept
//      characters, accented letters of the folding table to their capital base letter, every other
//      character upper-cased
//   7  a leading stop word and the white-space character after it dropped
//
// Character classes are ASCII (str_text.h); octets of 0x80 and above are never white space,
// punctuation, letters or digits.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Quorvane/text/source_charset.h"

// The term after the routine the selector chooses. "NULL" gives an unchanged copy; any other selector
// chooses by the number written from its ninth character on, and a number outside 1 to 7 (also for a
// selector of eight characters or fewer) gives an unchanged copy. An absent term gives "term".
// stopWords are the phrase stop words of routines 4 and 7. charset says how routine 6 reads octets of
// 0x80 and above: each as a Windows-1252 character, or as part of a UTF-8 sequence (an octet that
// begins no valid sequence is read as Windows-1252).
std::string ApplyTermRoutine(std::optional<std::string_view> term, std::string_view selector,
                             const std::vector<std::string>& stopWords, SourceCharset charset);
