#pragma once
// Words of search terms: cutting, stop words and the word count that selects WORDLIST mappings.

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The pieces of the text between runs of white space.
std::vector<std::string> SplitAtWhiteSpace(std::string_view text);

// The words of a word chain: when the text holds ';', ':' or '.', only those end a word and white space
// inside a word is dropped; otherwise white space ends words too. Empty words are left out.
std::vector<std::string> CutChainWords(std::string_view text);

// The stop word with its white space removed: the form a single word is compared with.
std::string BareStopWord(std::string_view stopWord);

// For each stop word, in list order, while more than one word is left: drops every word that equals the
// stop word's bare form (equal(word, bare)).
template <typename Word, typename Equal>
void DropStopWords(std::vector<Word>& words, const std::vector<std::string>& stopWords, Equal equal) {
    for (const std::string& stopWord : stopWords) {
        if (words.size() <= 1) continue;
        std::string bare = BareStopWord(stopWord);
        std::erase_if(words, [&](const Word& word) { return equal(word, bare); });
    }
}

// The number of words of the upper-cased term once its stop words are dropped.
int32_t CountTermWords(std::string_view term, const std::vector<std::string>& stopWords);

// The term framed by one blank on each side and upper-cased, every occurrence of each stop word (as
// written, in list order) replaced by one blank until none is left, then without leading and trailing
// blanks and tabs. Empty and blank stop words are passed over.
std::string RemoveStopWords(std::string_view term, const std::vector<std::string>& stopWords);
