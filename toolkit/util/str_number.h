#pragma once
// Numbers in texts (conventions in str_text.h). A number is a run of decimal digits.

#include <cstdint>
#include <string>
#include <string_view>

// The value of the leading decimal number as "%d" reads it (white space, sign, digits); 0 when there is
// none; values beyond the 32-bit range are held at its limits.
int32_t StrToInt(std::string_view text);
// The value in decimal.
void StrFromInt(int32_t value, std::string& out);
// Skips non-digits from the position and copies the next number into out, leaving the position on the
// octet after it: 1. When none follows: 0 with an empty out and the position at the end of the text; a
// position outside the text gives 0 with an empty out and the position unchanged.
int StrNextNumber(std::string_view text, int32_t& position, std::string& out);
// As StrNextNumber, but out keeps at most 99 digits of the number (the rest is passed over), and out and the
// position are left unchanged when no digit follows.
int StrNextDigits(std::string_view text, int32_t& position, std::string& out);
// Copies the last number into out; out is untouched when the text has no digit.
void StrLastNumber(std::string_view text, std::string& out);
// The sum of two decimal numbers given as texts: a text holding a '.' is read as a real ("%lf"), else as an
// integer ("%d"); the sum is written as an integer when both are integers, else with six decimals.
std::string StrAddNumbers(std::string_view a, std::string_view b);
// Reads a pair "%d,%d" from each text; 1 when a's first number is greater, or the first numbers are equal
// and a's second is greater; else 0.
int StrPairGreater(std::string_view a, std::string_view b);
// Removes every '0' that does not follow a digit, so each number loses its leading zeros.
void StrDropLeadingZeros(std::string& text);
// Puts zeros before every number shorter than width digits.
void StrPadNumbers(std::string& text, int32_t width);
// Removes each '.' that stands between two digits.
void StrDropPointsBetweenDigits(std::string& text);
// out := the text without the digits at its end: 1; 0 (out empty) when every octet is a digit.
int StrStripTrailingDigits(std::string_view text, std::string& out);
