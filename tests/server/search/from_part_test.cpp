// The tables a split form's statement reads: those of the from-part that its where-part names.

#include "Quorvane/search/from_part.h"

#include <gtest/gtest.h>

namespace {

struct FromPartCase {
    const char* what;
    const char* fromPart;
    const char* where;
    const char* expected;
};

TEST(FromPartNamedBy, KeepsTheNamedTables) {
    const FromPartCase cases[] = {
        {"one word of three", "WORDS, WORDS W2, WORDS W3", "WORDS.WORD = 'CAT'", "WORDS"},
        {"two words of three", "WORDS, WORDS W2, WORDS W3",
         "WORDS.WORD = 'A' AND W2.TITLE_NO = WORDS.TITLE_NO AND W2.WORD = 'B'", "WORDS, WORDS W2"},
        {"the third named alone", "WORDS, WORDS W2, WORDS W3", "W3.WORD = 'A'", "WORDS, WORDS W3"},
        {"an alias in a literal names nothing", "WORDS, WORDS W2", "WORDS.WORD = 'W2.X'", "WORDS"},
        {"a literal with a doubled quote", "WORDS, WORDS W2", "WORDS.WORD = 'O''NEIL W2.X'", "WORDS"},
        {"a name after the literal", "WORDS, WORDS W2", "WORDS.WORD = 'O''' AND W2.WORD = 'B'",
         "WORDS, WORDS W2"},
        {"case ignored", "WORDS, WORDS W2", "words.WORD = 'A' AND w2.WORD = 'B'", "WORDS, WORDS W2"},
        {"the end of a longer name", "WORDS, WORDS W2", "WORDS.WORD = 'A' AND XW2.WORD = 'B'", "WORDS"},
        {"a table without alias by its name", "TITLES, SERIES", "SERIES.SERIES_NO = TITLES.SERIES_NO",
         "TITLES, SERIES"},
        {"the first table kept unnamed", "TITLES, WORDS W2", "W2.WORD = 'A'", "TITLES, WORDS W2"},
        {"one table as written", "WORDS", "1 = 1", "WORDS"},
        {"a join as written", "TITLES JOIN SERIES ON SERIES.SERIES_NO = TITLES.SERIES_NO, WORDS W2",
         "TITLES.TITLE_NO = 1", "TITLES JOIN SERIES ON SERIES.SERIES_NO = TITLES.SERIES_NO, WORDS W2"},
    };
    for (const FromPartCase& row : cases) {
        SCOPED_TRACE(row.what);
        EXPECT_EQ(FromPartNamedBy(row.fromPart, row.where), row.expected);
    }
}

}  // namespace
