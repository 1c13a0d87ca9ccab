#pragma once
// Small tests that the validators share for ranges, booleans, bit strings and Init options.

#include <cstdint>

#include "toolkit/api/kiv_validation_text.h"

// One character per Init option bit, bit 0 first: '0' marks an option an application may not offer. Bits
// past its 15 characters may not be offered either.
inline constexpr char ALLOWED_OPTIONS[] = "111111111011101";

// 1 when value < low or value > high, all compared as unsigned 32-bit numbers: -1 is outside every range
// that starts at 0 or 1.
int KivIsOutOfRange(uint32_t value, uint32_t low, uint32_t high);

// 1 unless the value is 0 or 1.
int KivIsInvalidBoolean(uint32_t value);

// 1 when the text is absent or holds a character other than '0' and '1'; the empty text is valid.
int KivIsInvalidBitString(KivTextView text);

// 1 when the text has '1' where ALLOWED_OPTIONS has '0' or past its 15 characters; other characters are
// not looked at. An absent or empty text gives 0.
int KivHasDisallowedOptions(KivTextView text);
