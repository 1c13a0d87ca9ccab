#include "toolkit/asn1/known_oids.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(KnownOidsTest, KnownTextsMatchExactly) {
    const std::vector<const char*> known = {
        "1.2.840.10003.5.100",       "1.2.840.10003.5.102", "1.0.10163.5.102", "1.2.840.10003.9.4.1000.70.1",
        "1.2.840.10003.2.1000.99.1", "1.0.10163.10.2",      "1.2.10161.2.1",
    };
    for (const char* text : known) EXPECT_EQ(KivIsUnknownExternalOid(text), 0) << text;

    const std::vector<const char*> unknown = {
        "1.2.840.10003.8.2",    "1.2.840.10003.11.1",   "",
        "1.2.840.10003.5.0101", "1.2.840.10003.5.10",   "1.2.840.10003.5.1010",
        " 1.2.840.10003.5.101", "1.2.840.10003.5.101 ", "1.2.840.10003.5.101.",
        "1.0.10163.5.111",      "1.2.10161.2",
    };
    for (const char* text : unknown) EXPECT_EQ(KivIsUnknownExternalOid(text), 1) << text;
    EXPECT_EQ(KivIsUnknownExternalOid(nullptr), 1);
}

}  // namespace
