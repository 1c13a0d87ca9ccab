#include "Quorvane/records/sutrs_wrap_text.h"

#include <string_view>
#include <vector>

namespace {

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// A UTF-8 continuation octet belongs to the character before it.
bool startsCharacter(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
}

struct Word {
    std::string_view text;
    std::size_t characters;
};

// The line's words: runs without white space, each cut into pieces of at most (width - 1) characters.
std::vector<Word> tidyWords(std::string_view line, std::size_t width) {
    const std::size_t longest = width > 1 ? width - 1 : 1;
    std::vector<Word> words;
    std::size_t i = 0;
    while (i < line.size()) {
        if (isSpace(line[i])) {
            ++i;
            continue;
        }
        const std::size_t start = i;
        std::size_t characters = 0;
        while (i < line.size() && !isSpace(line[i])) {
            if (startsCharacter(line[i])) {
                if (characters == longest) break;
                ++characters;
            }
            ++i;
        }
        words.push_back({line.substr(start, i - start), characters});
    }
    return words;
}

}  // namespace

void WrapText(std::string& text, std::size_t lineStart, std::size_t width) {
    const std::vector<Word> words = tidyWords(std::string_view(text).substr(lineStart), width);
    std::string wrapped;
    std::size_t lineLength = 0;
    for (const Word& word : words) {
        if (lineLength > 0 && lineLength + 1 + word.characters <= width) {
            wrapped += ' ';
            ++lineLength;
        } else if (lineLength > 0) {
            wrapped += '\n';
            lineLength = 0;
        }
        wrapped += word.text;
        lineLength += word.characters;
    }
    if (!wrapped.empty()) wrapped += '\n';
    text.replace(lineStart, std::string::npos, wrapped);
}
