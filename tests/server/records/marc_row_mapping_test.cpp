#include "Quorvane/records/marc_row_mapping.h"

#include <gtest/gtest.h>

#include "Quorvane/records/marc_record_builder.h"
#include "tests/server/records/marc_fixture.h"

namespace {

// One MARC_SUBFIELDS-like row; none for a NULL column.
struct Row {
    std::optional<std::string> tag;
    std::optional<std::string> ind1;
    std::optional<std::string> ind2;
    std::optional<std::string> code;
    std::optional<std::string> data;
    std::optional<std::string> seq;
};

const std::optional<std::string> none;

PresentCacheEntry entryOfRows(const std::vector<Row>& rows) {
    PresentCacheEntry entry = entryOf({});
    std::int32_t number = 0;
    for (const Row& row : rows) {
        ++number;
        AppendRecordField(entry.fields, "TITLE_NO", "9", number);  // columns of other statements
        AppendRecordField(entry.fields, "TAG", row.tag, number);
        AppendRecordField(entry.fields, "IND1", row.ind1, number);
        AppendRecordField(entry.fields, "IND2", row.ind2, number);
        AppendRecordField(entry.fields, "CODE", row.code, number);
        AppendRecordField(entry.fields, "DATA", row.data, number);
        AppendRecordField(entry.fields, "FIELD_SEQ", row.seq, number);
    }
    return entry;
}

MarcBlock2 rowBlock(bool withSameField) {
    MarcBlock2 block;
    block.databases = {"BOOKS"};
    block.tagNo = "TAG";
    block.indice1 = "IND1";
    block.indice2 = "IND2";
    block.subfield = "CODE";
    block.data = "DATA";
    if (withSameField) block.sameField = "FIELD_SEQ";
    return block;
}

class RowMapping : public MarcTest {
  protected:
    MarcBuildResult buildResult(const MarcBlock2& block, const std::vector<Row>& rows) {
        session_.marcHoldingsDefinitions = std::vector{block};
        PresentCacheEntry entry = entryOfRows(rows);
        MarcBuildResult built = BuildMarcRecord(entry, session_);
        EXPECT_EQ(built.refusal.condition(), 0u) << built.refusalInfo;
        return built;
    }
    std::string build(const MarcBlock2& block, const std::vector<Row>& rows) {
        return buildResult(block, rows).record;
    }
};

using Fields = std::vector<std::string>;

TEST_F(RowMapping, WithoutSameFieldColumnARepeatedCodeStartsAField) {
    const MarcBlock2 block = rowBlock(false);
    EXPECT_EQ(
        fieldsOf(build(block, {{"100", "1", " ", "a", "Ann", none}, {"100", "1", " ", "a", "Bob", none}})),
        (Fields{"100 1 $aAnn", "100 1 $aBob"}));
    EXPECT_EQ(
        fieldsOf(build(block, {{"100", "1", " ", "a", "Ann", none}, {"100", "1", " ", "d", "1900-", none}})),
        (Fields{"100 1 $aAnn$d1900-"}));
    EXPECT_EQ(
        fieldsOf(build(block, {{"100", "1", " ", "a", "Ann", none}, {"700", "1", " ", "d", "1900-", none}})),
        (Fields{"100 1 $aAnn", "700 1 $d1900-"}));
}

TEST_F(RowMapping, SameFieldKeysGroupRows) {
    const MarcBlock2 block = rowBlock(true);
    EXPECT_EQ(fieldsOf(build(block, {{"650", " ", "0", "a", "Birds", "7"},
                                     {"650", " ", "0", "x", "Europe", "7"},
                                     {"650", " ", "0", "a", "Trees", "8"},
                                     {"651", " ", "0", "a", "Alps", "8"},   // same key, another tag
                                     {"651", " ", "0", "a", "Jura", none},  // no key: a new field
                                     {"651", " ", "0", "x", "Maps", "8"}})),
              (Fields{"650  0$aBirds$xEurope", "650  0$aTrees", "651  0$aAlps", "651  0$aJura$xMaps"}));
}

TEST_F(RowMapping, LeaderControlFieldsTagsAndSkippedRows) {
    const MarcBlock2 block = rowBlock(true);
    std::string record = build(block, {{"000", none, none, none, "00000ngm a2200000 i 4500", "1"},
                                       {"1", none, none, none, "42", "2"},
                                       {"8", none, none, none, "900101s1990", "3"},
                                       {none, none, none, none, "merged from another statement", none},
                                       {"2450", "1", "0", "a", "Bad tag", "4"},
                                       {"245", none, "4", "a", "The birds", "5"},
                                       {"245", "1", "0", "c", "Ann", "5"}});
    EXPECT_EQ(fieldsOf(record), (Fields{"001 42", "008 900101s1990", "245 04$aThe birds$cAnn"}));
    EXPECT_EQ(record.substr(5, 19), "ngm a2200061 i 4500");
    EXPECT_NE(takeLog().find("Error in MARC tag definition"), std::string::npos);

    // Letters read as the number 0: LDR is the leader too; a leader of another length is not used.
    EXPECT_EQ(build(block, {{"LDR", none, none, none, "00000cjm a2200000 i 4500", "1"}}).substr(5, 19),
              "cjm a2200025 i 4500");
    EXPECT_EQ(build(block, {{"000", none, none, none, "short", "1"}}).substr(5, 19), "nam a2200025   4500");
}

TEST_F(RowMapping, RoutinesAndBlocksWithoutSubfieldColumn) {
    MarcBlock2 block = rowBlock(false);
    block.subfield.reset();
    block.indice1.reset();
    block.indice2.reset();
    block.indice = "DATA";
    block.indiceRoutine = "ROUTINE12";  // 10$a... gives "10"
    block.data = "DATA";
    block.dataRoutine = "ROUTINE11";  // 10$aTitle$cBy gives $aTitle$cBy
    EXPECT_EQ(fieldsOf(build(block, {{"245", none, none, none, "10$aTitle$cBy", none},
                                     {"245", none, none, none, "more", none},
                                     {"500", none, none, none, "No subfields", none}})),
              (Fields{"245 10$aTitle$cBy", "245   more", "500   No subfields"}));
}

TEST_F(RowMapping, MarcOidBecomesTheRecordsSyntax) {
    MarcBlock2 block = rowBlock(true);
    block.marcOid = "1.2.840.10003.5.11";
    EXPECT_EQ(buildResult(block, {{"001", none, none, none, "1", "1"}}).syntax, "1.2.840.10003.5.11");
    EXPECT_EQ(buildResult(rowBlock(true), {{"001", none, none, none, "1", "1"}}).syntax, std::nullopt);
}

TEST_F(RowMapping, MarcdefBlockComesFirst) {
    MarcRule control;
    control.tag = "001";
    control.label = "C";
    control.field = "TITLE_NO";
    control.fieldFromColumn = true;
    control.routine = "NULL";
    MarcBlock rules;
    rules.databases = {"DEFAULT"};
    rules.rules = {control};
    session_.marcDefinitions = std::vector{rules};
    EXPECT_EQ(fieldsOf(build(rowBlock(true), {{"500", " ", " ", "a", "Note", "1"}})), (Fields{"001 9"}));
}

// The columns a block's rows are read by, and the holdings columns; none the block leaves unnamed.
TEST(MarcRowColumns, TheColumnsTheBlockNames) {
    MarcBlock2 block = rowBlock(true);
    EXPECT_EQ(MarcRowColumns(block), (Fields{"TAG", "IND1", "IND2", "CODE", "DATA", "FIELD_SEQ"}));
    block.indice = "INDS";
    block.extraNo = "EXTRA_NO";
    block.holdings[0] = "BARCODE";
    block.holdings[3] = "LOCATION";
    EXPECT_EQ(MarcRowColumns(block), (Fields{"TAG", "INDS", "IND1", "IND2", "CODE", "DATA", "FIELD_SEQ",
                                             "EXTRA_NO", "BARCODE", "LOCATION"}));
    EXPECT_TRUE(MarcRowColumns(MarcBlock2{}).empty());
}

// The columns the builder reads, for the row mapping only: a marcdef.tblx block may read any first row.
TEST_F(RowMapping, ColumnsReadForTheRowMappingOnly) {
    session_.currentDatabase = "BOOKS";
    EXPECT_EQ(MarcColumnsRead(session_), std::nullopt) << "no block";
    session_.marcHoldingsDefinitions = std::vector{rowBlock(false)};
    EXPECT_EQ(MarcColumnsRead(session_), (Fields{"TAG", "IND1", "IND2", "CODE", "DATA"}));
    MarcBlock rules;
    rules.databases = {"BOOKS"};
    session_.marcDefinitions = std::vector{rules};
    EXPECT_EQ(MarcColumnsRead(session_), std::nullopt);
}

}  // namespace
