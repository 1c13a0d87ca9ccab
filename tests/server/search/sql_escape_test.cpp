#include "Quorvane/search/sql_escape.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(SqlEscape, QuotesAreDoubled) {
    EXPECT_EQ(EscapeSqlLiteral("O'Brien's"), "O''Brien''s");
    EXPECT_EQ(EscapeSqlLiteral("''"), "''''");
    EXPECT_EQ(EscapeSqlLiteral("plain \"text\" \\"), "plain \"text\" \\");
    SqlText literal = SqlText::clientLiteral("a'b");
    EXPECT_EQ(literal.text(), "a''b");
    for (size_t i = 0; i < literal.size(); ++i) EXPECT_TRUE(literal.isClient(i));
}

// Builds a statement from pieces: server text, and client text (already escaped or not) marked as the
// client's octet by octet.
struct Piece {
    bool client;
    std::string text;
};

SqlText build(const std::vector<Piece>& pieces) {
    SqlText statement;
    for (const Piece& piece : pieces) {
        if (!piece.client) {
            statement.append(piece.text);
            continue;
        }
        // A client piece as it is, without escaping: the cases below include pieces that no builder should
        // ever make.
        for (char c : piece.text) {
            SqlText octet = SqlText::clientLiteral(std::string(1, c));
            statement.append(c == '\'' ? octet.substr(0, 1) : octet);
        }
    }
    return statement;
}

struct ConfinedCase {
    const char* what;
    std::vector<Piece> pieces;
    bool confined;
};

TEST(SqlEscape, ClientTextConfinedTable) {
    const ConfinedCase cases[] = {
        {"server text only", {{false, "SELECT A FROM T WHERE B = 'x''y' -- it's\n"}}, true},
        {"client text in a literal",
         {{false, "WHERE B LIKE '"}, {true, "X'' OR ''1''=''1"}, {false, "%'"}},
         true},
        {"client text in code", {{false, "WHERE B "}, {true, "IS NOT NULL"}}, false},
        {"client quote ends the literal",
         {{false, "WHERE B = '"}, {true, "X' OR 1=1 --"}, {false, "'"}},
         false},
        {"client quote pairs with the server's",
         {{false, "WHERE B = '"}, {true, "X'"}, {false, "' AND C = 'T'"}},
         false},
        {"client quote opens a literal", {{false, "WHERE B = "}, {true, "'"}, {false, "X'"}}, false},
        {"client text after the literal", {{false, "WHERE B = 'A'"}, {true, "B"}}, false},
        {"literal left open", {{false, "WHERE B = '"}, {true, "X"}}, false},
        {"client text in a comment", {{false, "WHERE B = 1 /* "}, {true, "X"}, {false, " */"}}, false},
        {"client text in a line comment", {{false, "WHERE B = 1 --"}, {true, "X"}}, false},
        {"client text in an identifier", {{false, "WHERE \""}, {true, "X"}, {false, "\" = 1"}}, false},
        {"quote in a server comment", {{false, "/* it's */ WHERE B = "}, {true, "X"}}, false},
        {"quote in a server identifier", {{false, "WHERE \"it's\" = '"}, {true, "X"}, {false, "'"}}, true},
        {"client comment mark in code", {{false, "WHERE B = 1 -"}, {true, "- X"}}, false},
        {"NUL in a literal", {{false, "WHERE B = '"}, {true, std::string("X\0Y", 3)}, {false, "'"}}, false},
        {"two literals",
         {{false, "A = '"}, {true, "X"}, {false, "' OR B = '"}, {true, "Y''"}, {false, "'"}},
         true},
    };
    for (const ConfinedCase& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(ClientTextConfined(build(c.pieces)), c.confined);
    }
}

struct LikeCase {
    const char* what;
    std::vector<Piece> pieces;
    const char* doubled;
};

TEST(SqlEscape, ClientBackslashesAreDoubledInLikePatternsOnly) {
    const LikeCase cases[] = {
        {"prefix pattern", {{false, "WHERE B LIKE '"}, {true, "5\\"}, {false, "%'"}}, "WHERE B LIKE '5\\\\%'"},
        {"word chain, any case and white space",
         {{false, "B like\n'%"}, {true, "\\A"}, {false, "%' AND  B LIKE '%"}, {true, "B\\"}, {false, "%'"}},
         "B like\n'%\\\\A%' AND  B LIKE '%B\\\\%'"},
        {"equality", {{false, "WHERE B = '"}, {true, "\\"}, {false, "'"}}, "WHERE B = '\\'"},
        {"literal after a LIKE pattern",
         {{false, "B LIKE 'A%' AND C = '"}, {true, "\\"}, {false, "'"}},
         "B LIKE 'A%' AND C = '\\'"},
        {"a word ending in LIKE", {{false, "WHERE UNLIKE '"}, {true, "\\"}, {false, "'"}}, "WHERE UNLIKE '\\'"},
        {"server backslashes stay", {{false, "B LIKE '\\"}, {true, "X"}, {false, "%'"}}, "B LIKE '\\X%'"},
    };
    for (const LikeCase& c : cases) {
        SCOPED_TRACE(c.what);
        SqlText doubled = DoubleLikeBackslashes(build(c.pieces));
        EXPECT_EQ(doubled.text(), c.doubled);
        EXPECT_TRUE(ClientTextConfined(doubled));
    }
}

TEST(SqlEscape, PlaceholdersAreFoundOnlyInServerText) {
    SqlText text("A XXTERMXX ");
    text.append(SqlText::clientLiteral("XXTERMXX")).append(" XXTERMXX");
    EXPECT_EQ(text.findServer("XXTERMXX"), 2u);
    EXPECT_EQ(text.findServer("XXTERMXX", 3), 20u);
    EXPECT_EQ(text.findServer("XXTERMXX", 21), SqlText::npos);

    text.replaceServer("XXTERMXX", SqlText::clientLiteral("XXTERMXX'"));
    EXPECT_EQ(text.text(), "A XXTERMXX'' XXTERMXX XXTERMXX''");
    EXPECT_EQ(text.findServer("XXTERMXX"), SqlText::npos);
    EXPECT_FALSE(text.isClient(0));
    EXPECT_TRUE(text.isClient(2));
    EXPECT_FALSE(text.isClient(12));

    SqlText part = text.substr(11, 3);
    EXPECT_EQ(part.text(), "' X");
    EXPECT_TRUE(part.isClient(0));
    EXPECT_FALSE(part.isClient(1));
}

}  // namespace
