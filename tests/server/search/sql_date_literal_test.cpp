#include "Quorvane/search/sql_date_literal.h"

#include <gtest/gtest.h>

#include "Quorvane/search/rpn_to_sql_settings.h"
#include "tests/server/scratch_dir.h"

namespace {

struct DateCase {
    const char* term;
    const char* access;  // nullptr: no year
    const char* iso;
};

TEST(SqlDateLiteral, LiteralsTable) {
    const DateCase cases[] = {
        {"20240315143000", "#15/3/2024 2:30:0 PM#", "'2024-03-15 14:30:00'"},
        {"2024", "#1/1/2024 0:0:0 AM#", "'2024-01-01 00:00:00'"},
        {"20240315", "#15/3/2024 0:0:0 AM#", "'2024-03-15 00:00:00'"},
        {"202403151205", "#15/3/2024 12:5:0 AM#", "'2024-03-15 12:05:00'"},
        {"2024031513", "#15/3/2024 1:0:0 PM#", "'2024-03-15 13:00:00'"},
        {" 1999 12 31", "#31/12/1999 0:0:0 AM#", "'1999-12-31 00:00:00'"},
        {"19991231235959.5Z", "#31/12/1999 11:59:59 PM#", "'1999-12-31 23:59:59'"},
        {"99", "#1/1/99 0:0:0 AM#", "'0099-01-01 00:00:00'"},
        {"2024-03-15", "#1/1/2024 0:0:0 AM#", "'2024-01-01 00:00:00'"},
        {"2024' OR '1'='1", "#1/1/2024 0:0:0 AM#", "'2024-01-01 00:00:00'"},
        {"", nullptr, nullptr},
        {"X2024", nullptr, nullptr},
        {"-2024", nullptr, nullptr},
    };
    for (const DateCase& c : cases) {
        SCOPED_TRACE(c.term);
        std::optional<std::string> access = DateToSqlLiteral(c.term, DateLiteralStyle::Access);
        std::optional<std::string> iso = DateToSqlLiteral(c.term, DateLiteralStyle::Iso);
        if (c.access == nullptr) {
            EXPECT_FALSE(access);
            EXPECT_FALSE(iso);
            continue;
        }
        EXPECT_EQ(access, c.access);
        EXPECT_EQ(iso, c.iso);
    }
}

class SqlSettings : public ScratchDirTest {};

TEST_F(SqlSettings, IniKeys) {
    EXPECT_EQ(ReadDateLiteralStyle(), DateLiteralStyle::Access);
    EXPECT_EQ(ReadDefaultUseAttribute(), 0);
    writeFile("Quorvane.INI", "[SQL]\npcDateLiteral=iso\nulDefaultUseAttribute=1016\n");
    EXPECT_EQ(ReadDateLiteralStyle(), DateLiteralStyle::Iso);
    EXPECT_EQ(ReadDefaultUseAttribute(), 1016);
    writeFile("Quorvane.INI", "[SQL]\npcDateLiteral=ACCESS\n");
    EXPECT_EQ(ReadDateLiteralStyle(), DateLiteralStyle::Access);
}

}  // namespace
