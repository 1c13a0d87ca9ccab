#pragma once
// The record syntaxes a Present can be answered in, as dotted object identifiers.

#include <algorithm>
#include <array>
#include <string_view>

inline constexpr std::string_view kUsMarcSyntax = "1.2.840.10003.5.10";
inline constexpr std::string_view kUkMarcSyntax = "1.2.840.10003.5.11";
inline constexpr std::string_view kSutrsRecordSyntax = "1.2.840.10003.5.101";
inline constexpr std::string_view kOpacPresentSyntax = "1.2.840.10003.5.102";
inline constexpr std::string_view kGenericRecordSyntax = "1.2.840.10003.5.105";
// HTML and the two XML syntaxes share one builder.
inline constexpr std::array<std::string_view, 3> kMarkupSyntaxes = {
    "1.2.840.10003.5.109.3", "1.2.840.10003.5.109.9", "1.2.840.10003.5.109.10"};

inline bool IsMarkupSyntax(std::string_view syntax) {
    return std::find(kMarkupSyntaxes.begin(), kMarkupSyntaxes.end(), syntax) != kMarkupSyntaxes.end();
}
