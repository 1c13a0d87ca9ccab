#pragma once
// How validation messages are formed from a format with "%s" placeholders, within the 5000 octets of the
// message as the application sees it. The texts are never read as formats.

#include <cstddef>
#include <string>
#include <string_view>

inline constexpr size_t kKivMessageOctets = 5000;

// The format with the path in place of its one "%s". The path is first cut to 4999 characters; when it
// is then at least 5000 minus the format's length long, only its last (5000 minus format length)
// characters are used, so the message never exceeds 4998 characters.
std::string kivMessageWithPath(std::string_view format, std::string_view path);

// The format with the two texts in place of its two "%s", in order. Each text is first cut to 4999
// characters; when together they reach 5000 minus the format's length, both are replaced by empty texts.
std::string kivMessageWithTwoTexts(std::string_view format, std::string_view first, std::string_view second);
