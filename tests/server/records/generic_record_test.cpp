#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "Quorvane/config/ini_readers.h"
#include "Quorvane/present/record_formats.h"
#include "Quorvane/records/grs1_elements.h"
#include "Quorvane/records/grs1_prepare.h"
#include "Quorvane/records/grs1_record.h"
#include "Quorvane/records/grs1_statement_columns.h"
#include "Quorvane/records/marc_rows.h"
#include "tests/server/records/text_builders_fixture.h"
#include "toolkit/api/kiv_single_asn1_type.h"
#include "toolkit/external/kiv_check_generic_record.h"

namespace {

std::vector<GenericDefinition> parse(std::initializer_list<const char*> texts) {
    std::vector<GenericDefinition> definitions;
    for (const char* text : texts) {
        std::optional<GenericDefinition> definition = ParseGenericDefinition(text);
        EXPECT_TRUE(definition) << text;
        if (definition) definitions.push_back(std::move(*definition));
    }
    return definitions;
}

struct Built {
    KivArray<KivTaggedElement> elements;
    std::uint32_t length = 0;
};

// Built from the definitions and the fields, full or brief; the statement columns are those the present
// statements select.
Built build(std::initializer_list<const char*> texts, std::initializer_list<FieldSpec> fields,
            bool full = true, const std::set<std::string>& statementColumns = {}) {
    RecordFields list = makeFields(fields);
    const FieldRows rows = GroupRows(list, true);
    PreparedGenericDefinitions prepared = PrepareGenericDefinitions(
        parse(texts), rows.empty() ? nullptr : &rows.front(), full, statementColumns, utf8Conversion());
    Built built;
    built.length = prepared.length;
    if (!prepared.definitions.empty()) {
        built.elements = BuildTaggedElements(prepared.definitions.front().parentId, prepared.definitions);
    }
    return built;
}

std::string stringOf(const KivTaggedElement& element) {
    EXPECT_EQ(element.sContent.eElementDataGType, EDT_String);
    const auto& text = element.sContent.uElementDataG.psString;
    return text ? text->pcValue : "<none>";
}

// The tag as "type/number" or "type/'text'".
std::string tagOf(const KivTaggedElement& element) {
    std::string tag = std::to_string(element.pulTagType.value_or(0)) + "/";
    const KivStringOrNumeric& value = element.sTagValue;
    if (value.eStringOrNumeric == 2) return tag + std::to_string(value.uStringOrNumeric.ulNumeric);
    EXPECT_EQ(value.eStringOrNumeric, 1);
    return tag + "'" + value.uStringOrNumeric.psString->pcValue + "'";
}

TEST(GenericRecord, TopLevelElementsFromColumns) {
    const Built built = build({"0|2|1|STRING|TITLE", "0|2|2|STRING|AUTHOR", "0|3|title|STRING|TITLE"},
                              {{"TITLE", "Dune"}, {"AUTHOR", "Herbert"}, {"AUTHOR", "Later row", 2}});
    ASSERT_EQ(built.elements.size(), 3u);
    EXPECT_EQ(tagOf(*built.elements[0]), "2/1");
    EXPECT_EQ(stringOf(*built.elements[0]), "Dune");
    EXPECT_EQ(tagOf(*built.elements[1]), "2/2");
    EXPECT_EQ(stringOf(*built.elements[1]), "Herbert");
    EXPECT_EQ(tagOf(*built.elements[2]), "3/'title'");
    EXPECT_FALSE(built.elements[0]->pulTagOccurrence);
    EXPECT_FALSE(built.elements[0]->psAppliedVariant);
    EXPECT_EQ(built.length, 4u + 7u + 4u);
}

TEST(GenericRecord, SubtreesHoldTheirLevelAndEmptyOnesArePruned) {
    const auto texts = {"0|2|5|SUBTREE|9", "9|2|1|STRING|NOTE",   "0|2|6|SUBTREE|1",
                        "1|2|7|SUBTREE|2", "2|2|8|STRING|SERIES", "0|2|1|STRING|TITLE"};
    const Built all = build(texts, {{"TITLE", "Dune"}, {"NOTE", "Signed"}, {"SERIES", "Saga"}});
    ASSERT_EQ(all.elements.size(), 3u);
    const KivTaggedElement& note = *all.elements[0];
    ASSERT_EQ(note.sContent.eElementDataGType, EDT_Subtree);
    ASSERT_EQ(note.sContent.uElementDataG.ppsSubTree.size(), 1u);
    EXPECT_EQ(stringOf(*note.sContent.uElementDataG.ppsSubTree[0]), "Signed");
    const auto& outer = all.elements[1]->sContent.uElementDataG.ppsSubTree;
    ASSERT_EQ(outer.size(), 1u);
    ASSERT_EQ(outer[0]->sContent.uElementDataG.ppsSubTree.size(), 1u);
    EXPECT_EQ(stringOf(*outer[0]->sContent.uElementDataG.ppsSubTree[0]), "Saga");
    EXPECT_EQ(stringOf(*all.elements[2]), "Dune");

    // Brief, without the columns: the subtrees are left empty and dropped, the nested ones too.
    const Built none = build(texts, {{"TITLE", "Dune"}}, false);
    ASSERT_EQ(none.elements.size(), 1u);
    EXPECT_EQ(stringOf(*none.elements[0]), "Dune");
    // A subtree that is the last definition holds nothing.
    EXPECT_EQ(build({"0|2|1|STRING|TITLE", "0|2|5|SUBTREE|9"}, {{"TITLE", "Dune"}}).elements.size(), 1u);
}

TEST(GenericRecord, ContentTypes) {
    struct Case {
        const char* definition;
        const char* value;
        std::int32_t type;
        std::string content;  // the value as the element holds it
    };
    const Case cases[] = {
        {"0|2|1|STRING|V", "text", EDT_String, "text"},
        {"0|2|1|OCTETS|V", "oct\x01", EDT_Octets, "oct\x01"},
        {"0|2|1|NUMERIC|V", "1999", EDT_Numeric, "1999"},
        {"0|2|1|NUMERIC|V", " 42 ", EDT_Numeric, "42"},
        {"0|2|1|NUMERIC|V", "c1999", EDT_ElementNotThere, ""},
        {"0|2|1|NUMERIC|V", "99999999999", EDT_ElementNotThere, ""},
        {"0|2|1|DATE|V", "20240131120000.0", EDT_Date, "20240131120000.0"},
        {"0|2|1|BOOL|V", "True", EDT_TrueOrFalse, "1"},
        {"0|2|1|BOOL|V", "t", EDT_TrueOrFalse, "1"},
        {"0|2|1|BOOL|V", "1", EDT_TrueOrFalse, "0"},
        {"0|2|1|BOOL|V", "False", EDT_TrueOrFalse, "0"},
        {"0|2|1|OID|V", "1.2.840.10003", EDT_Oid, "1.2.840.10003"},
        {"0|2|1|OID|V", "1.2.x", EDT_ElementNotThere, ""},
        {"0|2|1|TEXT|V", "text", EDT_ElementNotThere, ""},
    };
    for (const Case& c : cases) {
        const Built built = build({c.definition}, {{"V", c.value}});
        ASSERT_EQ(built.elements.size(), 1u) << c.definition << " " << c.value;
        const KivElementDataG& content = built.elements[0]->sContent;
        EXPECT_EQ(content.eElementDataGType, c.type) << c.definition << " " << c.value;
        const auto& data = content.uElementDataG;
        std::string held;
        if (data.psString) held = data.psString->pcValue;
        if (data.psOctets) held = data.psOctets->pcValue;
        if (c.type == EDT_Numeric) held = std::to_string(data.ulNumeric);
        if (data.pcDate) held = *data.pcDate;
        if (c.type == EDT_TrueOrFalse) held = std::to_string(data.fTrueOrFalse);
        if (data.pcOid) held = *data.pcOid;
        EXPECT_EQ(held, c.content) << c.definition << " " << c.value;
    }
}

TEST(GenericRecord, OnlyTheContentFieldTakesTheValue) {
    // Columns named like content types, and values holding '|', leave the other fields as written.
    const Built built = build(
        {"0|2|16|DATE|DATE", "0|2|1|STRING|STRING|NULL|1.2.840.10003.12.1|2|1|text/plain",
         "0|2|2|STRING|TITLE|ROUTINE1", "0|2|3|NUMERIC|YEAR"},
        {{"DATE", "20240131"}, {"STRING", "0|3|x|OID|y"}, {"TITLE", "a|b|SUBTREE|9"}, {"YEAR", "1999"}});
    ASSERT_EQ(built.elements.size(), 4u);
    EXPECT_EQ(tagOf(*built.elements[0]), "2/16");
    ASSERT_EQ(built.elements[0]->sContent.eElementDataGType, EDT_Date);
    EXPECT_EQ(built.elements[0]->sContent.uElementDataG.pcDate, "20240131");
    EXPECT_EQ(stringOf(*built.elements[1]), "0|3|x|OID|y");
    ASSERT_TRUE(built.elements[1]->psAppliedVariant);
    EXPECT_EQ(built.elements[1]->psAppliedVariant->pcGlobalVariantSetId, "1.2.840.10003.12.1");
    EXPECT_EQ(tagOf(*built.elements[2]), "2/2");
    EXPECT_EQ(stringOf(*built.elements[2]), "a|b|SUBTREE|9");
    EXPECT_EQ(built.elements[3]->sContent.uElementDataG.ulNumeric, 1999u);
}

TEST(GenericRecord, RoutinesAndVariants) {
    const Built built =
        build({"0|2|1|STRING|STATUS|ROUTINE5", "0|2|2|STRING|TITLE|NULL|1.2.840.10003.12.1|2|1|text/plain",
               "0|2|3|STRING|TITLE|notaroutine|1.2.840.10003.12.1|3|4|NULL"},
              {{"STATUS", "F"}, {"TITLE", "AF"}});
    ASSERT_EQ(built.elements.size(), 3u);
    EXPECT_EQ(stringOf(*built.elements[0]), "AVAILABLE");
    EXPECT_EQ(stringOf(*built.elements[2]), "AF");  // a sixth field without ROUTINE names no routine
    const KivVariant& text = *built.elements[1]->psAppliedVariant;
    ASSERT_EQ(text.ppsTriples.size(), 1u);
    EXPECT_FALSE(text.ppsTriples[0]->pcVariantSetId);
    EXPECT_EQ(text.ppsTriples[0]->ulClass, 2u);
    EXPECT_EQ(text.ppsTriples[0]->ulType, 1u);
    ASSERT_EQ(text.ppsTriples[0]->sValue.eVariantValueType, VVT_InternationalString);
    EXPECT_EQ(text.ppsTriples[0]->sValue.uVariantValueType.psInternationalString->pcValue, "text/plain");
    const KivVariant& null = *built.elements[2]->psAppliedVariant;
    EXPECT_EQ(null.ppsTriples[0]->ulClass, 3u);
    EXPECT_EQ(null.ppsTriples[0]->sValue.eVariantValueType, VVT_Null);
}

TEST(GenericRecord, ColumnsWithoutValues) {
    const auto texts = {"0|2|4|NUMERIC|PUB_YEAR", "0|2|1|STRING|TITLE", "0|2|9|STRING|Sample catalogue"};
    // Every column empty: the first such definition stands alone, as a string saying so.
    const Built empty = build(texts, {{"TITLE", std::nullopt}, {"PUB_YEAR", std::nullopt}}, false);
    ASSERT_EQ(empty.elements.size(), 1u);
    EXPECT_EQ(tagOf(*empty.elements[0]), "2/4");
    EXPECT_EQ(stringOf(*empty.elements[0]), "Not available");
    EXPECT_EQ(empty.length, 26u);
    // A routine without a value counts as an empty column.
    const Built routine = build({"0|2|1|STRING|STATUS|ROUTINE5"}, {{"STATUS", "D"}}, false);
    ASSERT_EQ(routine.elements.size(), 1u);
    EXPECT_EQ(stringOf(*routine.elements[0]), "Not available");
    // A content the record lacks: a column a present statement selects is dropped; any other content is
    // literal text, which stands when full and is dropped when brief.
    const Built full = build(texts, {{"TITLE", "Dune"}}, true, {"TITLE", "PUB_YEAR"});
    ASSERT_EQ(full.elements.size(), 2u);
    EXPECT_EQ(stringOf(*full.elements[0]), "Dune");
    EXPECT_EQ(stringOf(*full.elements[1]), "Sample catalogue");
    EXPECT_EQ(build(texts, {{"TITLE", "Dune"}}, false, {"TITLE", "PUB_YEAR"}).elements.size(), 1u);
    // Without present statements every content the record lacks is literal text.
    const Built literal = build(texts, {{"TITLE", "Dune"}}, true);
    ASSERT_EQ(literal.elements.size(), 3u);
    EXPECT_EQ(literal.elements[0]->sContent.eElementDataGType, EDT_ElementNotThere);  // "PUB_YEAR": no number
    // Some value present: no stand-in.
    EXPECT_EQ(build(texts, {{"TITLE", "Dune"}, {"PUB_YEAR", std::nullopt}}, false).elements.size(), 1u);
}

TEST(GenericRecord, SubtreeThatHoldsItselfIsNotThere) {
    const Built built =
        build({"0|2|5|SUBTREE|1", "1|2|6|SUBTREE|0", "0|2|1|STRING|TITLE"}, {{"TITLE", "Dune"}});
    ASSERT_EQ(built.elements.size(), 2u);
    const auto& inner = built.elements[0]->sContent.uElementDataG.ppsSubTree;
    ASSERT_EQ(inner.size(), 1u);
    EXPECT_EQ(inner[0]->sContent.eElementDataGType, EDT_ElementNotThere);
}

class GenericBuild : public TextBuilderTest {};

TEST_F(GenericBuild, ShippedDefinitionsGiveAValidRecord) {
    writeFile(kIniFileName, "[Present]\npcSourceCharacterSet=UTF-8\n");
    session_.controlFilesDir = kShippedControlDir;
    session_.currentDatabase = "SAMPLE";
    LoadPresentDefinitions(session_);
    PresentCacheEntry entry = makeEntry({{"TITLE_NO", "7"},
                                         {"TITLE", "The \u00e9t\u00e9 book"},
                                         {"PUB_YEAR", "1999"},
                                         {"EDITION", "2nd ed."},
                                         {"ILLUSTRATED", "True"},
                                         {"STATUS_CODE", "F"},
                                         {"STAMP_005", "20240131120000.0"},
                                         {"AUTHOR", "Smith, Ann", 1},
                                         {"AUTHOR", "Jones, Bo", 2}});
    auto single = std::make_unique<KivSingleASN1Type>();
    single->eASN1Type = AT_GenericRecord;
    single->uASN1.psGenericRecord = std::make_unique<KivGenericRecord>();
    KivGenericRecord& record = *single->uASN1.psGenericRecord;
    ASSERT_EQ(BuildGenericRecord(entry, record, session_, placement_), 1);
    EXPECT_EQ(placement_.octetsPlaced, 65u);  // the values put in
    std::vector<std::string> tags;
    for (const KivTaggedElement& element : record.ppsTaggedElement) tags.push_back(tagOf(element));
    // Every content of the shipped layout is a column of the present statements: what the record lacks
    // (PUB_PLACE, the DIMENSIONS of the subtree ...) is left out.
    EXPECT_EQ(tags, (std::vector<std::string>{"2/1", "2/2", "2/4", "2/17", "3/'status'", "1/14", "1/16"}));
    EXPECT_EQ(stringOf(*record.ppsTaggedElement[1]), "Smith, Ann");
    const auto& edition = record.ppsTaggedElement[3]->sContent.uElementDataG.ppsSubTree;
    ASSERT_EQ(edition.size(), 2u);
    EXPECT_EQ(edition[0]->sContent.uElementDataG.psString->pcValue, "2nd ed.");
    EXPECT_EQ(edition[1]->sContent.uElementDataG.fTrueOrFalse, 1u);
    SIError* error = nullptr;
    EXPECT_EQ(KivCheckGenericRecord(1, single.get(), "psSingleASN1Type->", &error), 0);
    SIFreeError(&error);

    // Brief: only the columns the record has.
    session_.cacheFormat = 0;
    KivGenericRecord brief;
    ASSERT_EQ(BuildGenericRecord(entry, brief, session_, placement_), 1);
    EXPECT_EQ(brief.ppsTaggedElement.size(), 7u);
    EXPECT_EQ(logged(), "");
}

// With record formats the full/brief choice stays full, so a brief format's records leave out the columns
// only the full format fetches because they are columns, while literal text stands.
TEST_F(GenericBuild, ColumnsOfAnyRecordFormatAreNeverShownByTheirNames) {
    writeControl("recordformats.tblx", "\"BRIEF\",\"present.brief\";\n\"FULL\",\"present.full\";\n");
    writeControl("present.brief", "#DEFAULT#\nSELECT TITLE_NO, TITLE FROM TITLES WHERE TITLE_NO = XXXXX;\n");
    writeControl("present.full",
                 "#DEFAULT#\nSELECT TITLE_NO, TITLE, Language_Code FROM TITLES WHERE TITLE_NO = XXXXX;\n"
                 "SELECT AUTHOR FROM AUTHORS WHERE TITLE_NO = XXXXX;\n");
    writeControl(
        "genericdef.tblx",
        "\"DEFAULT\";\n\"0|2|1|STRING|TITLE\",\"0|2|2|STRING|AUTHOR\",\"0|2|20|STRING|LANGUAGE_CODE\","
        "\"0|3|source|STRING|Sample catalogue\";\n");
    LoadPresentDefinitions(session_);
    ASSERT_TRUE(session_.recordFormats);
    EXPECT_EQ(PresentStatementColumns(session_),
              (std::set<std::string>{"TITLE_NO", "TITLE", "LANGUAGE_CODE", "AUTHOR"}));

    // A brief record, and a full one whose author statement found nothing.
    PresentCacheEntry brief = makeEntry({{"TITLE_NO", "7"}, {"TITLE", "Dune"}});
    PresentCacheEntry full = makeEntry({{"TITLE_NO", "7"}, {"TITLE", "Dune"}, {"LANGUAGE_CODE", "eng"}});
    for (const auto& [entry, texts] :
         {std::pair{&brief, std::vector<std::string>{"Dune", "Sample catalogue"}},
          std::pair{&full, std::vector<std::string>{"Dune", "eng", "Sample catalogue"}}}) {
        KivGenericRecord record;
        ASSERT_EQ(BuildGenericRecord(*entry, record, session_, placement_), 1);
        std::vector<std::string> values;
        for (const KivTaggedElement& element : record.ppsTaggedElement) values.push_back(stringOf(element));
        EXPECT_EQ(values, texts);
    }
    session_.cacheFormat = 0;
    KivGenericRecord record;
    ASSERT_EQ(BuildGenericRecord(brief, record, session_, placement_), 1);
    EXPECT_EQ(record.ppsTaggedElement.size(), 1u) << "literal text only in full records";
}

TEST_F(GenericBuild, RefusedBySizeCheck) {
    writeControl("genericdef.tblx", "\"DEFAULT\";\n\"0|2|1|STRING|TITLE\";\n");
    PresentCacheEntry entry = makeEntry({{"TITLE", "Dune"}});
    session_.maximumMessageSize = 3;
    KivGenericRecord record;
    EXPECT_EQ(BuildGenericRecord(entry, record, session_, placement_), 0);
    EXPECT_EQ(placement_.sizeDiagnostic, 17);
    EXPECT_FALSE(record.ppsTaggedElement.present());
    session_.maximumMessageSize = 4;
    placement_.sizeDiagnostic = 0;
    EXPECT_EQ(BuildGenericRecord(entry, record, session_, placement_), 1);
    EXPECT_EQ(record.ppsTaggedElement.size(), 1u);
}

TEST_F(GenericBuild, NoDefinitionLeft) {
    writeControl("genericdef.tblx",
                 "\"BOOKS\";\n\"0|2|1|STRING|TITLE\";\n\"DEFAULT\";\n\"0|2|5|SUBTREE|1\";\n");
    PresentCacheEntry entry = makeEntry({{"TITLE", "Dune"}});
    KivGenericRecord record;
    ASSERT_EQ(BuildGenericRecord(entry, record, session_, placement_), 1);
    EXPECT_TRUE(record.ppsTaggedElement.present());  // present and empty
    EXPECT_EQ(record.ppsTaggedElement.size(), 0u);
    session_.currentDatabase = "BOOKS";
    ASSERT_EQ(BuildGenericRecord(entry, record, session_, placement_), 1);
    EXPECT_EQ(record.ppsTaggedElement.size(), 1u);
}

}  // namespace
