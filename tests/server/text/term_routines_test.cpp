#include "Quorvane/text/term_routines.h"

#include <gtest/gtest.h>

namespace {

struct TermCase {
    const char* selector;
    std::string term;
    std::string expected;
};

const std::vector<std::string> kStopWords = {"THE", "A", "LES"};

std::string apply(const TermCase& c, SourceCharset charset) {
    return ApplyTermRoutine(c.term, c.selector, kStopWords, charset);
}

TEST(TermRoutines, SelectorChoosesRoutineFromNinthCharacter) {
    const TermCase cases[] = {
        {"NULL", " a  b ", " a  b "},
        {"ROUTINE_6", "abc", "ABC"},
        {"xxxxxxxx6", "abc", "ABC"},   // the first eight characters are not examined
        {"ROUTINE_06", "abc", "ABC"},  // a decimal number, leading zero and all
        {"ROUTINE_8", "abc", "abc"},   // outside 1 to 7
        {"ROUTINE_0", "abc", "abc"},
        {"ROUTINE_-6", "abc", "abc"},
        {"ROUTINE_", "abc", "abc"},  // nothing from the ninth character on
        {"R6", "abc", "abc"},        // shorter than eight characters
        {"", "abc", "abc"},
        {"ROUTINE_X", "abc", "abc"},
        {"ROUTINE_99999999999", "abc", "abc"},
    };
    for (const TermCase& c : cases) EXPECT_EQ(apply(c, SourceCharset::Windows1252), c.expected) << c.selector;
}

TEST(TermRoutines, AbsentTermGivesTheWordTerm) {
    EXPECT_EQ(ApplyTermRoutine(std::nullopt, "ROUTINE_6", kStopWords, SourceCharset::Windows1252), "term");
    EXPECT_EQ(ApplyTermRoutine(std::nullopt, "NULL", kStopWords, SourceCharset::Utf8), "term");
}

TEST(TermRoutines, BlanksAndSemicolons) {
    const TermCase cases[] = {
        {"ROUTINE_1", "A  ;  B", "A;B"},
        {"ROUTINE_1", "A ;B", "A;B"},
        {"ROUTINE_1", "  A \t\n B  ", "A B "},  // runs keep their first character; trailing white stays
        {"ROUTINE_1", "A;  B", "A; B"},         // no white space before the ';'
        {"ROUTINE_1", "A\t; B", "A;B"},
        {"ROUTINE_1", "A ;\tB", "A;\tB"},  // only a blank after the ';' goes
        {"ROUTINE_1", "A ;", "A;"},
        {"ROUTINE_1", " ;A", ";A"},  // leading white space goes first
        {"ROUTINE_1", "", ""},
        {"ROUTINE_1", "   ", ""},
        {"ROUTINE_3", "A  ;  B", "A B"},
        {"ROUTINE_3", "A ;B", "A B"},
        {"ROUTINE_3", "A;B", "A;B"},
        {"ROUTINE_3", "X ; Y ; Z", "X Y Z"},
        {"ROUTINE_3", "\t A", "A"},
    };
    for (const TermCase& c : cases) EXPECT_EQ(apply(c, SourceCharset::Windows1252), c.expected) << c.term;
}

TEST(TermRoutines, SeparatorCut) {
    const TermCase cases[] = {
        {"ROUTINE_2", "X:Y;ABC:DEF", "ABC"},
        {"ROUTINE_2", "AB;CD", "AB"},
        {"ROUTINE_2", "TITLE", "TITLE"},  // no separator: the whole text
        {"ROUTINE_2", "A:B", "B"},
        {"ROUTINE_2", "A:", ""},
        {"ROUTINE_2", ";;:", ""},
        {"ROUTINE_2", "", ""},
    };
    for (const TermCase& c : cases) EXPECT_EQ(apply(c, SourceCharset::Windows1252), c.expected) << c.term;
}

TEST(TermRoutines, LettersAndDigitsOnly) {
    const TermCase cases[] = {
        {"ROUTINE_5", "0-19-852663-6", "0198526636"},
        {"ROUTINE_5", "a b\tc!", "abc"},  // case is kept
        {"ROUTINE_5", "caf\xE9", "caf"},  // 0x80 and above are not letters
        {"ROUTINE_5", "--", ""},
    };
    for (const TermCase& c : cases) EXPECT_EQ(apply(c, SourceCharset::Windows1252), c.expected) << c.term;
}

TEST(TermRoutines, FoldingWindows1252) {
    const TermCase cases[] = {
        {"ROUTINE_6", "l'\xE9t\xE9, d\xE9j\xE0 vu", "LETE DEJA VU"},
        {"ROUTINE_6", "  --Hello,   (world)!  ", "HELLO WORLD"},  // no blank at either end
        {"ROUTINE_6", "a'b", "AB"},                               // apostrophes join
        {"ROUTINE_6", "a ' b", "A B"},
        {"ROUTINE_6", "rock&roll_2\tgo", "ROCK ROLL 2 GO"},
        {"ROUTINE_6", "\xC0\xC8\xCC\xD2\xD9\xE0\xE8\xEC\xF2\xF9", "AEIOUAEIOU"},
        {"ROUTINE_6", "\xC1\xC9\xCD\xD3\xDA\xDD\xE1\xE9\xED\xF3\xFA\xFD", "AEIOUYAEIOUY"},
        {"ROUTINE_6", "\xC2\xCA\xCE\xD4\xDB\xE2\xEA\xEE\xF4\xFB", "AEIOUAEIOU"},
        {"ROUTINE_6", "\xC3\xD1\xD5\xE3\xF1\xF5", "ANOANO"},
        {"ROUTINE_6", "\xC4\xCB\xCF\xD6\xDC\xE4\xEB\xEF\xF6\xFC\xFF", "AEIOUAEIOUY"},
        {"ROUTINE_6", "\xC5\xE5\xC7\xE7", "AACC"},
        // Outside the table: kept as they are, small letters too (only ASCII letters are upper-cased).
        {"ROUTINE_6",
         "stra\xDF"
         "e \xE6 \xD8 \x9F \x80",
         "STRA\xDF"
         "E \xE6 \xD8 \x9F \x80"},
        {"ROUTINE_6", "a\xA0z", "A\xA0Z"},  // a no-break space is no white space
        {"ROUTINE_6", "", ""},
        {"ROUTINE_6", "?!", ""},
    };
    for (const TermCase& c : cases) EXPECT_EQ(apply(c, SourceCharset::Windows1252), c.expected) << c.term;
}

TEST(TermRoutines, FoldingUtf8) {
    const TermCase cases[] = {
        {"ROUTINE_6", "l'\u00e9t\u00e9, d\u00e9j\u00e0 vu", "LETE DEJA VU"},
        {"ROUTINE_6", "\u00c7a \u00f1and\u00fa \u00ff", "CA NANDU Y"},
        // Characters outside the table stay whole, beyond U+00FF too.
        {"ROUTINE_6", "\u0153uvre \u017e\u20ac \U0001F600", "\u0153UVRE \u017e\u20ac \U0001F600"},
        {"ROUTINE_6", "stra\u00dfe", "STRA\u00dfE"},
        // A stray octet is read as Windows-1252.
        {"ROUTINE_6", "caf\xE9 \xC3", "CAFE A"},
        {"ROUTINE_6", "\xC3\xA9\xA9", "E\xA9"},
    };
    for (const TermCase& c : cases) EXPECT_EQ(apply(c, SourceCharset::Utf8), c.expected) << c.term;
}

TEST(TermRoutines, LeadingStopWord) {
    const TermCase cases[] = {
        {"ROUTINE_7", "THE TIMES", "TIMES"},
        {"ROUTINE_7", "THE", "THE"},            // no white space: unchanged
        {"ROUTINE_7", "the times", "times"},    // compared upper-cased
        {"ROUTINE_7", "The, times", "times"},   // letters and digits of the first word only
        {"ROUTINE_7", "THE  TIMES", " TIMES"},  // one white-space character goes
        {"ROUTINE_7", "A\tTALE", "TALE"},
        {"ROUTINE_7", "THEN AGAIN", "THEN AGAIN"},
        {"ROUTINE_7", " THE TIMES", " THE TIMES"},  // empty first word: no stop word is empty
        {"ROUTINE_7", "-- TIMES", "-- TIMES"},
        {"ROUTINE_4", "Les Mis\xE9rables", "MISERABLES"},  // folded first
        {"ROUTINE_4", "l'\xE9t\xE9 d'or", "LETE DOR"},
        {"ROUTINE_4", "  The--Times ", "TIMES"},
    };
    for (const TermCase& c : cases) EXPECT_EQ(apply(c, SourceCharset::Windows1252), c.expected) << c.term;
}

TEST(TermRoutines, LeadingStopWordIgnoresUnusableStopWords) {
    const std::vector<std::string> faulty = {"", " "};
    EXPECT_EQ(ApplyTermRoutine(" X", "ROUTINE_7", faulty, SourceCharset::Windows1252), " X");
    EXPECT_EQ(ApplyTermRoutine("THE TIMES", "ROUTINE_7", {}, SourceCharset::Windows1252), "THE TIMES");
}

}  // namespace
