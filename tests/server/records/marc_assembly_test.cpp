#include <gtest/gtest.h>

#include "Quorvane/records/marc_directory.h"
#include "Quorvane/records/marc_record_assembly.h"
#include "tests/server/records/marc_fixture.h"

namespace {

using Assembly = MarcTest;

std::string assembleFields(std::vector<std::pair<std::string, std::string>> fields,
                           std::string_view typeLetters = "nam",
                           std::optional<std::string_view> storedLeader = std::nullopt) {
    MarcRecordParts parts;
    for (auto& [tag, text] : fields) AddMarcField(parts, text, tag);
    return AssembleMarcRecord(parts, typeLetters, storedLeader).value_or("refused");
}

TEST_F(Assembly, TwoFieldsGiveDirectoryBaseAddressAndTerminators) {
    std::string title;
    AppendMarcSubfield(title, "Title", "a", "10", true, SourceCharset::Windows1252);
    AppendMarcSubfield(title, "By someone", "c", std::nullopt, false, SourceCharset::Windows1252);
    std::string subject;
    AppendMarcSubfield(subject, "Birds", "a", " 0", true, SourceCharset::Windows1252);
    MarcRecordParts parts;
    AddMarcField(parts, title, "245");
    AddMarcField(parts, subject, "650");
    EXPECT_TRUE(title.empty());
    std::string record = AssembleMarcRecord(parts, "nam", std::nullopt).value();

    const std::string title245 =
        "10\x1F"
        "aTitle\x1F"
        "cBy someone\x1E";
    const std::string subject650 =
        " 0\x1F"
        "aBirds\x1E";
    const std::string expected =
        "00082nam a2200049   4500"
        "245002200000"
        "650001000022"
        "\x1E" +
        title245 + subject650 + "\x1D";
    EXPECT_EQ(record, expected);
    EXPECT_EQ(record.size(), 82u);
    EXPECT_EQ(fieldsOf(record), (std::vector<std::string>{"245 10$aTitle$cBy someone", "650  0$aBirds"}));
}

TEST_F(Assembly, LeaderTypeLettersAndStoredLeader) {
    EXPECT_EQ(assembleFields({{"001", "1"}}, "nam").substr(0, 24), "00040nam a2200037   4500");
    EXPECT_EQ(assembleFields({{"001", "1"}}, "ab").substr(5, 5), "ab  a");
    EXPECT_EQ(assembleFields({{"001", "1"}}, "ngmx").substr(5, 5), "ngm a");
    // A stored leader of 24 characters gives octets 5-11 and 17-23; octet 9 is 'a' in every record.
    EXPECT_EQ(assembleFields({{"001", "1"}}, "nam", "99999cjm  2299999 i 4500").substr(0, 24),
              "00040cjm a2200037 i 4500");
    // Any other length is not a leader.
    EXPECT_EQ(assembleFields({{"001", "1"}}, "nam", "99999cjm  2299999 i 450").substr(0, 24),
              "00040nam a2200037   4500");
    // No fields: a leader, an empty directory and both terminators.
    EXPECT_EQ(assembleFields({}), "00026nam a2200025   4500\x1E\x1D");
}

TEST_F(Assembly, AppendingSubfields) {
    struct Case {
        std::string before;
        std::optional<std::string> value;
        std::optional<std::string> code;
        std::optional<std::string> indicators;
        bool newField;
        std::string after;
    };
    const std::optional<std::string> none;
    const Case cases[] = {
        {"10\x1F"
         "aA",
         "B", "b", none, false,
         "10\x1F"
         "aA\x1F"
         "bB"},
        {"10\x1F"
         "aA",
         "B", none, none, false,
         "10\x1F"
         "aA B"},  // continued without a code: a blank
        {"10\x1F"
         "aA",
         "B", "a", "01", false,
         "01\x1F"
         "aB"},  // indicators restart the field
        {"10\x1F"
         "aA",
         "B", none, none, true, "B"},
        {"10\x1F"
         "aA",
         none, "b", "01", true, ""},  // new field without a value: empty
        {"10\x1F"
         "aA",
         none, "b", "01", false,
         "10\x1F"
         "aA"},  // no value: nothing
        {"", "B", "a", "1", true,
         "1 \x1F"
         "aB"},  // indicators fitted to two characters
        {"", "B", "a", "123", true,
         "12\x1F"
         "aB"},
        {"", "caf<d:aa>e \x80", none, none, true,
         "caf\xCC\x81"
         "e \xE2\x82\xAC"},
    };
    for (const Case& c : cases) {
        std::string field = c.before;
        std::optional<std::string_view> value, code, indicators;
        if (c.value) value = *c.value;
        if (c.code) code = *c.code;
        if (c.indicators) indicators = *c.indicators;
        AppendMarcSubfield(field, value, code, indicators, c.newField, SourceCharset::Windows1252);
        EXPECT_EQ(field, c.after) << testing::PrintToString(c.before) << " + " << c.value.value_or("(none)");
    }
    std::string utf8;
    AppendMarcSubfield(utf8,
                       "ni\xC3\xB1"
                       "a",
                       "a", "10", true, SourceCharset::Utf8);
    EXPECT_EQ(utf8,
              "10\x1F"
              "ani\xC3\xB1"
              "a");
    std::string cp1252;
    AppendMarcSubfield(cp1252,
                       "ni\xC3\xB1"
                       "a",
                       "a", "10", true, SourceCharset::Windows1252);
    EXPECT_EQ(cp1252,
              "10\x1F"
              "ani\xC3\x83\xC2\xB1"
              "a");
}

TEST_F(Assembly, TerminatorsInAFieldAreDropped) {
    // A database value (or code, or indicator) holding terminators cannot break the record's structure.
    EXPECT_EQ(fieldsOf(assembleFields({{"500",
                                        "1\x1E"
                                        "0\x1F"
                                        "aA\x1D"
                                        "B"},
                                       {"501", "\x1E\x1D"}})),
              (std::vector<std::string>{"500 10$aAB"}));
}

TEST_F(Assembly, IndicatorTextAndTags) {
    const std::pair<std::string, std::string> indicators[] = {
        {"1.0", "01"}, {"10", "10"}, {"1", "01"},  {"2.5", "02"}, {"12.0", "12"},
        {" 1", " 1"},  {"ab", "ab"}, {"1 ", "1 "}, {"", ""},      {".", ""},
    };
    for (const auto& [text, expected] : indicators) {
        std::string normalised = text;
        NormaliseIndicatorText(normalised);
        EXPECT_EQ(normalised, expected) << text;
    }
    EXPECT_EQ(MarcTag("1"), "001");
    EXPECT_EQ(MarcTag("24"), "024");
    EXPECT_EQ(MarcTag("HLD"), "HLD");
    EXPECT_EQ(MarcTag(""), std::nullopt);
    EXPECT_EQ(MarcTag("2450"), std::nullopt);
}

TEST_F(Assembly, LongFieldsAreCutWithinTheFourDigitLength) {
    struct Case {
        std::string text;
        std::size_t fieldLength;  // with the terminator
    };
    const std::string euro = "\xE2\x82\xAC";
    std::string euros;
    while (euros.size() < 12000) euros += euro;
    const Case cases[] = {
        {std::string(9998, 'x'), 9999},   // fits exactly
        {std::string(12000, 'x'), 9999},  // cut
        {euros, 9997},                    // never inside a UTF-8 sequence
        {std::string(9997, 'x') + "\x1F"
                                  "abc",
         9998},  // never after a lone delimiter
        {std::string(9996, 'x') + "\x1F"
                                  "abc",
         9999},  // a code with an empty value stays
    };
    for (const Case& c : cases) {
        std::string text = c.text;
        std::string record = assembleFields({{"520", text}});
        std::optional<MarcStructure> structure = ReadMarcStructure(record);
        ASSERT_TRUE(structure);
        ASSERT_EQ(structure->entries.size(), 1u);
        EXPECT_EQ(structure->entries[0].length, c.fieldLength) << c.text.size();
        EXPECT_EQ(record.substr(structure->baseAddress, c.fieldLength - 1),
                  c.text.substr(0, c.fieldLength - 1));
    }
    EXPECT_NE(takeLog().find("MARC field 520 of 12001 octets cut to 9999"), std::string::npos);
}

TEST_F(Assembly, RecordsBeyondFiveDigitsAreRefused) {
    // Ten fields: 24 + 120 + 1 + data + 1 octets; data of 99,853 octets makes exactly 99,999.
    std::vector<std::pair<std::string, std::string>> fields(10, {"500", std::string(9984, 'x')});
    fields.back().second = std::string(9987, 'x');
    std::string record = assembleFields(fields);
    EXPECT_EQ(record.size(), 99999u);
    EXPECT_EQ(record.substr(0, 5), "99999");
    EXPECT_TRUE(ReadMarcStructure(record));
    EXPECT_TRUE(takeLog().empty());

    fields.back().second += 'x';
    EXPECT_EQ(assembleFields(fields), "refused");
    EXPECT_NE(takeLog().find("MARC record of 100000 octets refused"), std::string::npos);
}

}  // namespace
