#include "Quorvane/text/term_routines.h"

#include "Quorvane/text/diacritic_folding.h"
#include "Quorvane/text/routine_number.h"
#include "Quorvane/text/utf8.h"
#include "toolkit/util/str_text.h"

namespace {

constexpr size_t kSelectorNumberIndex = 8;

bool isPunctuation(char c) {
    return octet::isGraphic(c) && !octet::isAlnum(c);
}

// Each run of white space becomes its first character; leading white space is dropped.
std::string collapseWhiteRuns(std::string_view text) {
    std::string out;
    bool afterWhite = true;  // also drops the leading run
    for (char c : text) {
        bool white = octet::isWhite(c);
        if (!(white && afterWhite)) out += c;
        afterWhite = white;
    }
    return out;
}

// Routines 1 and 3: white-space runs collapsed, then each white-space character before a ';' is replaced,
// together with the ';' and one blank after it, by joint.
std::string tidyBlanks(std::string_view term, std::string_view joint) {
    std::string text = collapseWhiteRuns(term);
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (octet::isWhite(text[i]) && i + 1 < text.size() && text[i + 1] == ';') {
            out += joint;
            ++i;
            if (i + 1 < text.size() && text[i + 1] == ' ') ++i;
            continue;
        }
        out += text[i];
    }
    return out;
}

std::string separatorCut(std::string_view term) {
    std::string collected;
    for (char c : term) {
        if (c != ';' && c != ':') {
            collected += c;
        } else if (collected.size() >= 2) {
            return collected;
        } else {
            collected.clear();
        }
    }
    return collected;
}

std::string lettersAndDigits(std::string_view term) {
    std::string out;
    for (char c : term) {
        if (octet::isAlnum(c)) out += c;
    }
    return out;
}

// Appends the folded form of the character at the start of rest (not empty); gives the octets it took.
size_t appendFolded(std::string& out, std::string_view rest, SourceCharset charset) {
    auto lead = static_cast<unsigned char>(rest[0]);
    if (lead < 0x80) {
        out += octet::toUpper(rest[0]);
        return 1;
    }
    Utf8Char character{lead, 1};
    if (charset == SourceCharset::Utf8) {
        character = DecodeUtf8(rest);
        if (character.length == 0) character = {lead, 1};  // a stray octet is read as Windows-1252
    }
    char base = FoldDiacritic(character.codePoint);
    if (base != 0) {
        out += base;
    } else {
        out += rest.substr(0, character.length);
    }
    return character.length;
}

std::string fold(std::string_view term, SourceCharset charset) {
    std::string out;
    bool separatorPending = false;
    for (size_t i = 0; i < term.size();) {
        char c = term[i];
        if (c == '\'') {
            ++i;
            continue;
        }
        if (octet::isWhite(c) || isPunctuation(c)) {
            separatorPending = !out.empty();
            ++i;
            continue;
        }
        if (separatorPending) out += ' ';
        separatorPending = false;
        i += appendFolded(out, term.substr(i), charset);
    }
    return out;
}

std::string dropLeadingStopWord(std::string_view term, const std::vector<std::string>& stopWords) {
    size_t white = 0;
    while (white < term.size() && !octet::isWhite(term[white])) ++white;
    if (white == term.size()) return std::string(term);
    std::string head;
    for (char c : term.substr(0, white)) {
        if (octet::isAlnum(c)) head += octet::toUpper(c);
    }
    if (head.empty()) return std::string(term);  // no stop word is empty
    for (const std::string& stopWord : stopWords) {
        if (stopWord == head) return std::string(term.substr(white + 1));
    }
    return std::string(term);
}

}  // namespace

std::string ApplyTermRoutine(std::optional<std::string_view> term, std::string_view selector,
                             const std::vector<std::string>& stopWords, SourceCharset charset) {
    if (!term) return "term";
    if (selector == "NULL") return std::string(*term);
    switch (RoutineNumber(selector, kSelectorNumberIndex)) {
        case 1:
            return tidyBlanks(*term, ";");
        case 2:
            return separatorCut(*term);
        case 3:
            return tidyBlanks(*term, " ");
        case 4:
            return dropLeadingStopWord(fold(*term, charset), stopWords);
        case 5:
            return lettersAndDigits(*term);
        case 6:
            return fold(*term, charset);
        case 7:
            return dropLeadingStopWord(*term, stopWords);
        default:
            return std::string(*term);
    }
}
