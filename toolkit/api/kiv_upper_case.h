#pragma once
// Upper-casing of a text in place.

#include <string>

// Turns every character of the text into its upper-case form (C locale).
void KivUpperCase(std::string* text);
