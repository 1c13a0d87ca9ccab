#pragma once
// Replacing one character by another.

#include <string>

// Replaces every occurrence of from by to, in place.
void ReplaceChar(std::string& text, char from, char to);
