#pragma once
// Edits of single octets and octet ranges (conventions in str_text.h).

#include <cstdint>
#include <string>

// In each run of ch, every second ch is dropped: '' becomes ', '''' becomes ''.
void StrHalveRuns(std::string& text, char ch);
// Each run of ch becomes one ch.
void StrCollapseRuns(std::string& text, char ch);
// Removes every ch.
void StrRemoveChar(std::string& text, char ch);
// Removes the octets from index from to index to, both included (to is cut back to the last octet);
// nothing when from lies outside the text or to is below from.
void StrDeleteRange(std::string& text, int32_t from, int32_t to);
// Sets the octets from index from to index to, both included, to ch; the buffer grows when to lies past
// its end, octets between its old end and from becoming blanks. Nothing when from is negative or to is
// below from.
void StrFillRange(std::string& buffer, int32_t from, int32_t to, char ch);
// Appends one octet.
void StrAppendChar(std::string& text, char ch);
// Reverses the octets.
void StrReverse(std::string& text);
