#include "Quorvane/text/marc_text.h"

#include <gtest/gtest.h>

#include "Quorvane/text/utf8.h"
#include "Quorvane/text/windows1252.h"

namespace {

struct ConversionCase {
    std::string value;
    std::string expected;
};

std::string convert(std::string_view value, SourceCharset charset, int32_t limit = 0) {
    std::string output = "old contents";
    size_t length = ConvertMarcText(output, value, limit, charset);
    EXPECT_EQ(length, output.size());
    return output;
}

TEST(EncodeUtf8, LengthsAndLimits) {
    struct Case {
        uint32_t codePoint;
        std::string expected;
    };
    const Case cases[] = {
        {0x41, "A"},
        {0x7F, "\x7F"},
        {0x80, "\xC2\x80"},
        {0xE9, "\xC3\xA9"},
        {0x7FF, "\xDF\xBF"},
        {0x800, "\xE0\xA0\x80"},
        {0x20AC, "\xE2\x82\xAC"},
        {0xFFFF, "\xEF\xBF\xBF"},
        {0x10000, "\xF0\x90\x80\x80"},
        {0x10FFFF, "\xF4\x8F\xBF\xBF"},
        {0, ""},
        {0xD800, ""},
        {0xDFFF, ""},
        {0x110000, ""},
        {0xFFFFFFFF, ""},
    };
    for (const Case& c : cases) {
        std::string output = "x";
        EXPECT_EQ(EncodeUtf8(output, c.codePoint), static_cast<int>(c.expected.size())) << c.codePoint;
        EXPECT_EQ(output, "x" + c.expected) << c.codePoint;
    }
}

TEST(DecodeUtf8, AcceptsOnlyWellFormedSequences) {
    struct Case {
        std::string text;
        uint32_t codePoint;
        size_t length;
    };
    const Case cases[] = {
        {"A", 0x41, 1},
        {"\xC3\xA9z", 0xE9, 2},
        {"\xE2\x82\xAC", 0x20AC, 3},
        {"\xF0\x9F\x98\x80", 0x1F600, 4},
        {"", 0, 0},
        {"\x80", 0, 0},  // continuation first
        {"\xC3", 0, 0},  // cut short
        {"\xC3z", 0, 0},
        {"\xC0\xAF", 0, 0},  // overlong
        {"\xE0\x80\xAF", 0, 0},
        {"\xED\xA0\x80", 0, 0},      // surrogate
        {"\xF4\x90\x80\x80", 0, 0},  // beyond U+10FFFF
        {"\xF8\x88\x80\x80\x80", 0, 0},
        {"\xFF", 0, 0},
    };
    for (const Case& c : cases) {
        Utf8Char decoded = DecodeUtf8(c.text);
        EXPECT_EQ(decoded.length, c.length) << testing::PrintToString(c.text);
        EXPECT_EQ(decoded.codePoint, c.codePoint) << testing::PrintToString(c.text);
    }
}

TEST(EncodeWindows1252Char, EveryOctet) {
    // Independent of the implementation's table: the published mapping of 0x80-0x9F.
    const uint32_t high[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                               0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                               0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                               0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
    for (int octet = 0; octet < 256; ++octet) {
        uint32_t codePoint =
            octet >= 0x80 && octet <= 0x9F ? high[octet - 0x80] : static_cast<uint32_t>(octet);
        std::string expected;
        EncodeUtf8(expected, codePoint);
        std::string output;
        EXPECT_EQ(EncodeWindows1252Char(output, static_cast<char>(octet)), static_cast<int>(expected.size()))
            << octet;
        EXPECT_EQ(output, expected) << octet;
    }
}

TEST(ConvertMarcText, Windows1252Source) {
    const ConversionCase cases[] = {
        {"caf<d:aa>e",
         "caf\xCC\x81"
         "e"},
        {"<d:00e9>t<d:00E9>", "\xC3\xA9t\xC3\xA9"},
        {"<d:0000>", "<d:0000>"},
        {"<d:GV>a",
         "\xCC\x80"
         "a"},
        {"<d:Ll><d:tR>", "\xEF\xB8\xA0\xEF\xB8\xA3"},
        {"<d:zz>", "<d:zz>"},
        {"<d:a>", "<d:a>"},
        {"<d:aaa>", "<d:aaa>"},
        {"<d:12345>", "<d:12345>"},
        {"<d:0x41>", "<d:0x41>"},  // four hexadecimal digits, no prefix or sign
        {"<d:+041>", "<d:+041>"},
        {"<d:d800>", "<d:d800>"},  // a surrogate is no character
        {"<d:a1>", "<d:a1>"},
        {"<d:aa", "<d:aa"},  // no '>'
        {"a>b<d:", "a>b<d:"},
        {"<d:<d:aa>", "<d:\xCC\x81"},  // the '<' of a failed code is text, the rest is read again
        {"<d:x<d:>", "<d:x<d:>"},
        {"\x80 \x81\x8D\x8F\x90\x9D \x93"
         "q\x94 \x99",
         "\xE2\x82\xAC  \xE2\x80\x9Cq\xE2\x80\x9D \xE2\x84\xA2"},
        {"\xE9<d:ce>\x80", "\xC3\xA9\xCC\xA7\xE2\x82\xAC"},
        {std::string("a\0b", 3), "ab"},
        {"", ""},
    };
    for (const ConversionCase& c : cases) {
        EXPECT_EQ(convert(c.value, SourceCharset::Windows1252), c.expected)
            << testing::PrintToString(c.value);
    }
}

TEST(ConvertMarcText, Utf8SourceIsPassedThrough) {
    const ConversionCase cases[] = {
        {"caf\u00e9 \u20ac \U0001F600", "caf\u00e9 \u20ac \U0001F600"},
        {"caf<d:aa>e \u00e9<d:00e9>",
         "caf\xCC\x81"
         "e \u00e9\u00e9"},
        {"<d:zz>\u00e9", "<d:zz>\u00e9"},
        // A stray octet is read as Windows-1252, so the output is always UTF-8.
        {"caf\xE9 \x80 \xC3", "caf\u00e9 \u20ac \u00c3"},
        {"\xED\xA0\x80", "\u00ed\u00a0\u20ac"},  // an encoded surrogate is three stray octets
        {"\x81", ""},
        // NUL is dropped wherever it stands.
        {std::string("\0a\0\xC3\xA9\0\xE9\0", 8), "a\u00e9\u00e9"},
    };
    for (const ConversionCase& c : cases) {
        EXPECT_EQ(convert(c.value, SourceCharset::Utf8), c.expected) << testing::PrintToString(c.value);
    }
}

TEST(ConvertMarcText, InputLimit) {
    std::string longValue(20000, 'a');
    EXPECT_EQ(convert(longValue, SourceCharset::Windows1252, 0).size(), 9999u);
    EXPECT_EQ(convert(longValue, SourceCharset::Windows1252, -5).size(), 9999u);
    EXPECT_EQ(convert(longValue, SourceCharset::Windows1252, 12000).size(), 12000u);
    EXPECT_EQ(convert("abc", SourceCharset::Windows1252, 1), "a");
    EXPECT_EQ(convert("\xE9\xE9\xE9", SourceCharset::Windows1252, 2), "\xC3\xA9\xC3\xA9");
    EXPECT_EQ(convert("ab<d:aa>", SourceCharset::Windows1252, 7), "ab<d:aa");  // the cut code is text
    // A UTF-8 limit never cuts a sequence in two.
    EXPECT_EQ(convert("a\u20acb", SourceCharset::Utf8, 1), "a");
    EXPECT_EQ(convert("a\u20acb", SourceCharset::Utf8, 2), "a");
    EXPECT_EQ(convert("a\u20acb", SourceCharset::Utf8, 3), "a");
    EXPECT_EQ(convert("a\u20acb", SourceCharset::Utf8, 4), "a\u20ac");
    EXPECT_EQ(convert("\U0001F600\U0001F600", SourceCharset::Utf8, 7), "\U0001F600");
    EXPECT_EQ(convert("a\xE9\x80zz", SourceCharset::Utf8, 2), "a\u00e9");  // stray octets are cut anywhere
}

TEST(ConvertMarcText, WorstCaseGrowthHasRoom) {
    std::string value(3000, '\x80');  // each octet becomes three
    std::string output;
    EXPECT_EQ(ConvertMarcText(output, value, 0, SourceCharset::Windows1252), 9000u);
    std::string codes;
    for (int i = 0; i < 500; ++i) codes += "<d:<d:";
    codes += "<d:ffff>";
    EXPECT_EQ(convert(codes, SourceCharset::Windows1252), codes.substr(0, codes.size() - 8) + "\xEF\xBF\xBF");
}

}  // namespace
