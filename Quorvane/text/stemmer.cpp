#include "Quorvane/text/stemmer.h"

#include <span>
#include <string_view>

#include "toolkit/util/str_text.h"

namespace {

// A suffix, the text that replaces it and how many letters go (more than the suffix for ISM, fewer
// for TION).
struct SuffixRule {
    std::string_view suffix;
    std::string_view replacement;
    size_t removed;
};

constexpr SuffixRule replace(std::string_view suffix, std::string_view replacement) {
    return {suffix, replacement, suffix.size()};
}

constexpr SuffixRule remove(std::string_view suffix, size_t removed) {
    return {suffix, {}, removed};
}

// Double suffixes; the second-to-last letter of each decides its group.
constexpr SuffixRule kDoubleSuffixes[] = {
    replace("ATIONAL", "ATE"), replace("TIONAL", "TION"),                             // A
    replace("ENCI", "ENCE"),   replace("ANCI", "ANCE"),                               // C
    replace("IZER", "IZE"),    replace("ISER", "ISE"),                                // E
    replace("ABLI", "ABLE"),   replace("ALLI", "AL"),     replace("ENTLI", "ENT"),    // L
    replace("ELI", "E"),       replace("OUSLI", "OUS"),                               //
    replace("IZATION", "IZE"), replace("ISATION", "ISE"), replace("ATION", "ATE"),    // O
    replace("ATOR", "ATE"),                                                           //
    replace("ALISM", "AL"),    replace("IVENESS", "IVE"), replace("FULNESS", "FUL"),  // S
    replace("OUSNESS", "OUS"),                                                        //
    replace("ALITI", "AL"),    replace("IVITI", "IVE"),   replace("BILITI", "BIE"),   // T
};

constexpr SuffixRule kSuffixes[] = {
    replace("ICATE", "IC"), replace("ATIVE", ""),  replace("ALIZE", "AL"), replace("ALISE", "AL"),
    replace("ICITI", "IC"), replace("ICAL", "IC"), replace("FUL", ""),     replace("NESS", ""),
};

constexpr SuffixRule kEndings[] = {
    replace("AL", ""),   replace("ANCE", ""), replace("ENCE", ""), replace("ER", ""),    replace("IC", ""),
    replace("ABLE", ""), replace("IBLE", ""), replace("ANT", ""),  replace("EMENT", ""), replace("ENT", ""),
    replace("SION", ""), remove("TION", 3),   replace("OU", ""),   remove("ISM", 4),     replace("ATE", ""),
    replace("ITI", ""),  replace("OUS", ""),  replace("IVE", ""),  replace("IZE", ""),   replace("ISE", ""),
};

bool isPlainVowel(char c) {
    return c == 'A' || c == 'E' || c == 'I' || c == 'O' || c == 'U';
}

bool isVowelAt(const std::string& word, size_t i) {
    char c = word[i];
    return isPlainVowel(c) || (c == 'Y' && i > 0 && !isPlainVowel(word[i - 1]));
}

// The number of places in the first k letters where a vowel is followed by a consonant.
int measure(const std::string& word, size_t k) {
    int count = 0;
    for (size_t i = 0; i + 1 < k; ++i) {
        if (isVowelAt(word, i) && !isVowelAt(word, i + 1)) ++count;
    }
    return count;
}

bool hasVowel(const std::string& word, size_t k) {
    for (size_t i = 0; i < k; ++i) {
        if (isVowelAt(word, i)) return true;
    }
    return false;
}

// A word ends with a suffix only when it is longer than the suffix.
bool endsWith(const std::string& word, std::string_view suffix) {
    return word.size() > suffix.size() &&
           std::string_view(word).substr(word.size() - suffix.size()) == suffix;
}

int measureWithout(const std::string& word, std::string_view suffix) {
    return measure(word, word.size() - suffix.size());
}

bool isConsonantVowelConsonant(const std::string& word, size_t first) {
    return !isVowelAt(word, first) && isVowelAt(word, first + 1) && !isVowelAt(word, first + 2);
}

// The first rule whose suffix the word ends with is the one considered: it applies when the measure
// without the suffix is above minimum, and no later rule is tried either way.
void applyFirstSuffix(std::string& word, std::span<const SuffixRule> rules, int minimum) {
    for (const SuffixRule& rule : rules) {
        if (!endsWith(word, rule.suffix)) continue;
        if (measureWithout(word, rule.suffix) > minimum) {
            word.resize(word.size() - rule.removed);
            word += rule.replacement;
        }
        return;
    }
}

void stepPlurals(std::string& word) {
    if (endsWith(word, "SSES") || endsWith(word, "IES")) {
        word.resize(word.size() - 2);
    } else if (!endsWith(word, "SS") && endsWith(word, "S")) {
        word.pop_back();
    }
}

void stepPastAndProgressive(std::string& word) {
    size_t length = word.size();
    if (length > 3 && endsWith(word, "EED") && measureWithout(word, "EED") > 0) {
        word.pop_back();
        return;
    }
    if (endsWith(word, "ED") && hasVowel(word, length - 2)) {
        word.resize(length - 2);
    } else if (endsWith(word, "ING") && hasVowel(word, length - 3)) {
        word.resize(length - 3);
    } else {
        return;
    }
    length = word.size();
    if (endsWith(word, "AT") || endsWith(word, "BL") || endsWith(word, "IZ") || endsWith(word, "IS")) {
        word += 'E';
    } else if (length >= 2 && word[length - 1] == word[length - 2] && octet::isLetter(word[length - 1])) {
        char last = word[length - 1];
        if (last != 'L' && last != 'S' && last != 'Z') word.pop_back();
    } else if (length > 2 && measure(word, length) == 1 && isConsonantVowelConsonant(word, length - 3)) {
        word += 'E';
    }
}

void stepFinalY(std::string& word) {
    if (endsWith(word, "Y") && hasVowel(word, word.size() - 1)) word.back() = 'I';
}

void stepFinalE(std::string& word) {
    if (!endsWith(word, "E")) return;
    size_t length = word.size();
    int m = measure(word, length - 1);
    if (m > 1) {
        word.pop_back();
    } else if (m == 1 && length >= 4) {
        char middle = word[length - 2];
        bool keep = isVowelAt(word, length - 3) && !isVowelAt(word, length - 2) &&
                    isVowelAt(word, length - 1) && middle != 'W' && middle != 'X' && middle != 'Y';
        if (!keep) word.pop_back();
    }
}

void stepFinalLL(std::string& word) {
    if (endsWith(word, "LL") && measure(word, word.size() - 1) > 1) word.pop_back();
}

}  // namespace

void StemWord(std::string& word) {
    stepPlurals(word);
    stepPastAndProgressive(word);
    stepFinalY(word);
    applyFirstSuffix(word, kDoubleSuffixes, 0);
    applyFirstSuffix(word, kSuffixes, 0);
    applyFirstSuffix(word, kEndings, 1);
    stepFinalE(word);
    stepFinalLL(word);
}

void StemPhrase(std::string& text) {
    std::string stems;
    size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && octet::isWhite(text[i])) ++i;
        size_t start = i;
        while (i < text.size() && !octet::isWhite(text[i])) ++i;
        if (i == start) break;
        std::string word = text.substr(start, i - start);
        StemWord(word);
        if (!stems.empty()) stems += ' ';
        stems += word;
    }
    text = std::move(stems);
}
