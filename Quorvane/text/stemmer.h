#pragma once
// The suffix stemmer of search terms and relevance keywords.

#include <string>

// Stems one upper-case word in place. Only A-Z are letters to the stemmer: any other octet counts as a
// consonant and is never removed as part of a suffix.
void StemWord(std::string& word);
// Stems every word of the text in place: the text is cut at white space, each piece is stemmed and the
// stems are joined with one blank; leading and trailing white space disappears.
void StemPhrase(std::string& text);
