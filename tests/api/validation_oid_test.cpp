#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "toolkit/api/kiv_validation_oid.h"

namespace {

struct OidCase {
    std::string text;
    int invalid;
};

TEST(ValidationOidTest, DottedDecimalSyntax) {
    const std::vector<OidCase> cases = {
        {"1.2.840.10003.5.10", 0},
        {"0", 0},
        {"1", 0},  // one arc passes the syntax check
        {"1.4294967295", 0},
        {"2.999.0", 0},
        {".1.", 0},    // re-read tokens after leading or doubled dots
        {"0..0.", 0},  // make these pass as well
        {"01.2", 1},
        {"1.2.", 1},
        {"1..2", 1},
        {".1", 1},
        {"-1", 1},
        {"+1", 1},
        {"1.4294967296", 1},
        {"1.99999999999", 1},
        {"", 1},
        {".", 1},
        {"1.2 ", 1},
        {" 1.2", 1},
        {"1.a", 1},
        {"1.00", 1},
        {std::string("1.2\0"
                     "3",
                     5),
         1},
    };
    for (const OidCase& c : cases) EXPECT_EQ(KivIsInvalidOidText(c.text), c.invalid) << '"' << c.text << '"';
    EXPECT_EQ(KivIsInvalidOidText(nullptr), 1);
}

TEST(ValidationOidTest, TextsOf999CharactersOrMoreAreRefused) {
    std::string text = "10";
    for (int arc = 0; arc < 498; ++arc) text += ".1";
    ASSERT_EQ(text.size(), 998u);
    EXPECT_EQ(KivIsInvalidOidText(text), 0);
    text += "1";  // the last arc becomes 11
    EXPECT_EQ(KivIsInvalidOidText(text), 1);
    text += ".1";
    EXPECT_EQ(KivIsInvalidOidText(text), 1);
}

TEST(ValidationOidTest, FieldKindsRefuseAbsentAndMalformedTexts) {
    for (auto* check : {KivIsInvalidObjectIdentifier, KivIsInvalidAttributeSetId,
                        KivIsInvalidResourceReportFormat, KivIsInvalidOidValue}) {
        EXPECT_EQ(check(std::nullopt), 1);
        EXPECT_EQ(check(std::optional<std::string>("1.2.840.10003.3.1")), 0);
        EXPECT_EQ(check(std::optional<std::string>("1.2.")), 1);
    }
}

TEST(ValidationOidTest, UnknownExternalOidValue) {
    EXPECT_EQ(KivIsUnknownExternalOidValue(std::optional<std::string>("1.2.840.10003.5.102")), 0);
    EXPECT_EQ(KivIsUnknownExternalOidValue(std::string("1.0.10163.5.101")), 0);
    EXPECT_EQ(KivIsUnknownExternalOidValue("1.2.840.10003.5.10"), 1);
    EXPECT_EQ(KivIsUnknownExternalOidValue(std::nullopt), 1);
}

TEST(ValidationOidTest, TextsThatWouldEncodeAsAnEmptyIdentifier) {
    const std::vector<OidCase> cases = {
        {"1", 1}, {"0", 1}, {".1.", 1}, {"", 1}, {"1.2", 0}, {"0..0.", 0}, {"1.2.840.10003.5.10", 0},
    };
    for (const OidCase& c : cases)
        EXPECT_EQ(KivIsUnencodableOidText(c.text), c.invalid) << '"' << c.text << '"';
    EXPECT_EQ(KivIsUnencodableOidText(std::nullopt), 1);
}

}  // namespace
