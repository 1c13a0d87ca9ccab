#include "Quorvane/search/rpn_to_sql_words.h"

#include "Quorvane/text/phrase_stop_words.h"
#include "toolkit/util/str_case.h"
#include "toolkit/util/str_edit.h"
#include "toolkit/util/str_text.h"

namespace {

bool isChainSeparator(char c) {
    return c == ';' || c == ':' || c == '.';
}

}  // namespace

std::vector<std::string> SplitAtWhiteSpace(std::string_view text) {
    std::vector<std::string> words;
    std::string word;
    for (char c : text) {
        if (!octet::isWhite(c)) {
            word += c;
        } else if (!word.empty()) {
            words.push_back(std::move(word));
            word.clear();
        }
    }
    if (!word.empty()) words.push_back(std::move(word));
    return words;
}

std::vector<std::string> CutChainWords(std::string_view text) {
    bool separatorsOnly = std::any_of(text.begin(), text.end(), isChainSeparator);
    std::vector<std::string> words;
    std::string word;
    for (char c : text) {
        bool white = octet::isWhite(c);
        if (isChainSeparator(c) || (white && !separatorsOnly)) {
            if (!word.empty()) words.push_back(std::move(word));
            word.clear();
        } else if (!white) {
            word += c;
        }
    }
    if (!word.empty()) words.push_back(std::move(word));
    return words;
}

std::string BareStopWord(std::string_view stopWord) {
    std::string bare;
    for (char c : stopWord) {
        if (!octet::isWhite(c)) bare += c;
    }
    return bare;
}

int32_t CountTermWords(std::string_view term, const std::vector<std::string>& stopWords) {
    std::string upper(term);
    StrUpper(upper);
    std::vector<std::string> words = SplitAtWhiteSpace(upper);
    DropStopWords(words, stopWords,
                  [](const std::string& word, const std::string& bare) { return word == bare; });
    return static_cast<int32_t>(words.size());
}

std::string RemoveStopWords(std::string_view term, const std::vector<std::string>& stopWords) {
    std::string text = " " + std::string(term) + " ";
    StrUpper(text);
    for (const std::string& stopWord : stopWords) {
        // Each replacement removes a character other than white space, so the loop ends.
        if (!IsUsableStopWord(stopWord)) continue;
        while (text.find(stopWord) != std::string::npos) StrReplaceAll(text, stopWord, " ");
    }
    return std::string(octet::trimBlanksAndTabs(text));
}
