#include "Quorvane/text/diacritic_folding.h"

#include <array>
#include <string_view>

namespace {

// The n-th accented letter folds to the n-th base letter.
constexpr std::u8string_view kAccented = u8"ÀÈÌÒÙàèìòùÁÉÍÓÚÝáéíóúýÂÊÎÔÛâêîôûÃÑÕãñõÄËÏÖÜäëïöüÿÅåÇç";
constexpr std::string_view kBases = "AEIOUAEIOUAEIOUYAEIOUYAEIOUAEIOUANOANOAEIOUAEIOUYAACC";

constexpr uint32_t kFirstFolded = 0xC0;

// Every accented letter above is a two-octet UTF-8 sequence of U+00C0-U+00FF.
constexpr std::array<char, 0x40> buildFoldingTable() {
    std::array<char, 0x40> table{};
    for (size_t n = 0; n < kBases.size(); ++n) {
        auto lead = static_cast<uint32_t>(kAccented[2 * n]);
        auto trail = static_cast<uint32_t>(kAccented[2 * n + 1]);
        uint32_t codePoint = ((lead & 0x1F) << 6) | (trail & 0x3F);
        table[codePoint - kFirstFolded] = kBases[n];
    }
    return table;
}

static_assert(kAccented.size() == 2 * kBases.size() && kBases.size() == 53);
constexpr std::array<char, 0x40> kFolding = buildFoldingTable();

}  // namespace

char FoldDiacritic(uint32_t codePoint) {
    if (codePoint < kFirstFolded || codePoint > 0xFF) return 0;
    return kFolding[codePoint - kFirstFolded];
}
