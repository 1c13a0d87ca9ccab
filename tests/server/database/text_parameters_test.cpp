#include "Quorvane/database/text_parameters.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

TEST(TextParameters, QuotedTextsBecomeParametersOutsideNamesAndComments) {
    struct Case {
        const char* statement;
        std::optional<std::string> text;  // nothing: no parameterised form
        std::vector<std::string> values;
    };
    const Case cases[] = {
        {"SELECT K FROM W WHERE F = 'T' AND W LIKE 'ROC%'",
         "SELECT K FROM W WHERE F = ? AND W LIKE ?",
         {"T", "ROC%"}},
        {"SELECT K FROM W WHERE W='O''BRIEN' OR W=''", "SELECT K FROM W WHERE W=? OR W=?", {"O'BRIEN", ""}},
        {"SELECT K FROM W WHERE W IN ('A','B')", "SELECT K FROM W WHERE W IN (?,?)", {"A", "B"}},
        // Quoted names, comments and texts after a name character stay as written.
        {"SELECT \"it's\", `a'b`, [c'd] FROM W WHERE W = 'x'",
         "SELECT \"it's\", `a'b`, [c'd] FROM W WHERE W = ?",
         {"x"}},
        {"SELECT K FROM W -- don't\nWHERE W = 'x' /* it's */",
         "SELECT K FROM W -- don't\nWHERE W = ? /* it's */",
         {"x"}},
        {"SELECT K FROM W WHERE B = X'00FF' AND W = 'y'",
         "SELECT K FROM W WHERE B = X'00FF' AND W = ?",
         {"y"}},
        {"SELECT K FROM W WHERE B = X'00FF'", std::nullopt, {}},
        {"SELECT K FROM W WHERE N = 5", std::nullopt, {}},
        {"SELECT K FROM W WHERE W = 'open", std::nullopt, {}},
        {"SELECT \"K FROM W WHERE W = 'x'", std::nullopt, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.statement);
        std::optional<TextParameters> made = TextParameters::make(c.statement);
        ASSERT_EQ(made.has_value(), c.text.has_value());
        if (made) {
            EXPECT_EQ(made->text(), *c.text);
            EXPECT_EQ(made->values(), c.values);
        }
    }
}

}  // namespace
