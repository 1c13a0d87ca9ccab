#pragma once
// Removing white space from control-file texts.

#include <string>

// Removes every white-space character (blank, tab, line feed, vertical tab, form feed, carriage return)
// from the text; the rest keeps its order.
void RemoveWhiteSpace(std::string& text);
