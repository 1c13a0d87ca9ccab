#include "Quorvane/records/record_packaging.h"

#include <gtest/gtest.h>

#include <functional>

#include "Quorvane/records/holdings_extraction.h"
#include "Quorvane/records/marc_record_assembly.h"
#include "tests/server/records/marc_fixture.h"
#include "toolkit/api/kiv_check_external.h"
#include "toolkit/api/kiv_convert_external.h"
#include "toolkit/api/kiv_register_codec_types.h"

namespace {

constexpr std::string_view kUsMarc = "1.2.840.10003.5.10";
constexpr std::string_view kUkMarc = "1.2.840.10003.5.11";

MarcBlock2 holdingsBlock() {
    MarcBlock2 block;
    block.databases = {"DEFAULT"};
    block.tagNo = "TAG";
    block.indice1 = "IND1";
    block.indice2 = "IND2";
    block.subfield = "CODE";
    block.data = "DATA";
    block.sameField = "FIELD_SEQ";
    return block;
}

// A record's own rows (245 and 650) and its holdings rows as the holdings fetch numbers them: one row per
// non-empty column, all of one item sharing the item text of the item's first row.
void addRecordRows(PresentCacheEntry& entry) {
    const std::vector<std::vector<std::string>> rows = {{"245", "1", "0", "a", "Birds", "1"},
                                                        {"245", "1", "0", "c", "Ann", "1"},
                                                        {"650", " ", "0", "a", "Owls", "2"}};
    std::int32_t number = 0;
    for (const auto& row : rows) {
        ++number;
        const char* columns[] = {"TAG", "IND1", "IND2", "CODE", "DATA", "FIELD_SEQ"};
        for (int i = 0; i < 6; ++i) AppendRecordField(entry.fields, columns[i], row[i], number);
    }
}

void addItem(PresentCacheEntry& entry, std::int32_t& row,
             std::vector<std::pair<char, std::string>> subfields) {
    const std::string item = std::to_string(row);
    for (const auto& [code, value] : subfields) {
        AppendRecordField(entry.fields, "TAG", "HLD", row);
        AppendRecordField(entry.fields, "CODE", std::string(1, code), row);
        AppendRecordField(entry.fields, "DATA", value, row);
        AppendRecordField(entry.fields, "FIELD_SEQ", item, row);
        ++row;
    }
}

class Packaging : public MarcTest {
  protected:
    void SetUp() override {
        MarcTest::SetUp();
        session_.preferredMessageSize = 100000;
        session_.maximumMessageSize = 200000;
        session_.clientProtocolVersion = "111";
        session_.marcHoldingsDefinitions = std::vector{holdingsBlock()};
    }
};

std::string text(const std::unique_ptr<KivInternationalString>& value) {
    return value ? value->pcValue : "(absent)";
}

TEST_F(Packaging, OpacRecordCarriesHoldingsAndCirculation) {
    PresentCacheEntry entry = entryOf({});
    addRecordRows(entry);
    std::int32_t row = 10000;
    addItem(entry, row,
            {{'a', "B001"},
             {'b', "598 ANN"},
             {'c', "Main"},
             {'e', "Book"},
             {'f', "2"},
             {'g', "N"},
             {'i', "Y"},
             {'j', "N"}});
    addItem(entry, row,
            {{'a', "B002"},
             {'b', "598 ANN"},
             {'d', "Bindery"},
             {'f', "0"},
             {'g', "Y"},
             {'h', "2024-06-14"},
             {'i', "Y"},
             {'j', "Y"}});
    addItem(entry, row, {{'a', "B003"}, {'g', "N"}, {'i', "N"}, {'j', "N"}});
    addItem(entry, row, {{'b', "598 ANN"}, {'c', "Stack"}});

    KivResponseRecord record;
    EXPECT_TRUE(PackageOpacRecord(record, "BOOKS", entry, session_, placement_, kOpacRecordSyntax));
    ASSERT_EQ(record.eDbRecordType, DRT_Retrieval);
    EXPECT_EQ(text(record.psDatabaseName), "BOOKS");
    const KivExternal& external = *record.uDbRecord.psRetrievalRecord;
    EXPECT_EQ(external.pcObjectIdentifier, "1.2.840.10003.5.102");
    ASSERT_EQ(external.eValueType, EVT_SingleASN1Type);
    ASSERT_EQ(external.uExternalValue.psSingleASN1Type->eASN1Type, AT_OpacRecord);
    const KivOpacRecord& opac = *external.uExternalValue.psSingleASN1Type->uASN1.psOpacRecord;

    const KivExternal& bibliographic = *opac.psBibliographicRecord;
    EXPECT_EQ(bibliographic.pcObjectIdentifier, std::string(kUsMarc));
    ASSERT_EQ(bibliographic.eValueType, EVT_OctetAligned);
    const std::string& marc = bibliographic.uExternalValue.psOctetAligned->pcValue;
    EXPECT_EQ(fieldsOf(marc), (std::vector<std::string>{"245 10$aBirds$cAnn", "650  0$aOwls"}));
    EXPECT_EQ(marc.substr(0, 5), std::to_string(100000 + marc.size()).substr(1));

    ASSERT_EQ(opac.ppsHoldingsData.size(), 4u);
    for (const KivHoldingsRecord& holdings : opac.ppsHoldingsData) {
        EXPECT_EQ(holdings.eHoldingsRecType, HRT_HoldingsAndCirc);
    }
    const KivHoldingsAndCirc& first = opac.ppsHoldingsData[0]->uMarcOrHoldAndCirc.sHoldingsAndCirc;
    EXPECT_EQ(text(first.psCallNumber), "598 ANN");
    EXPECT_EQ(text(first.psLocalLocation), "Main");
    EXPECT_EQ(text(first.psFormat), "Book");
    ASSERT_EQ(first.ppsCircRecord.size(), 1u);
    const KivCircRecord& available = *first.ppsCircRecord[0];
    EXPECT_EQ(available.fAvailableNow, 1u);
    EXPECT_EQ(available.fOnHold, 1u);
    EXPECT_EQ(text(available.psItemId), "B001");
    EXPECT_EQ(text(available.psRestrictions), "(absent)");

    const KivCircRecord& onOrder =
        *opac.ppsHoldingsData[1]->uMarcOrHoldAndCirc.sHoldingsAndCirc.ppsCircRecord[0];
    EXPECT_EQ(onOrder.fAvailableNow, 0u);
    EXPECT_EQ(onOrder.fOnHold, 0u);
    EXPECT_EQ(text(onOrder.psRestrictions), "ON ORDER");
    EXPECT_EQ(text(onOrder.psAvailabilityDate), "2024-06-14");
    EXPECT_EQ(text(onOrder.psTemporaryLocation), "Bindery");

    const KivCircRecord& notForLoan =
        *opac.ppsHoldingsData[2]->uMarcOrHoldAndCirc.sHoldingsAndCirc.ppsCircRecord[0];
    EXPECT_EQ(notForLoan.fAvailableNow, 0u);
    EXPECT_EQ(text(notForLoan.psRestrictions), "NOT FOR LOAN");

    const KivHoldingsAndCirc& shelfOnly = opac.ppsHoldingsData[3]->uMarcOrHoldAndCirc.sHoldingsAndCirc;
    EXPECT_EQ(text(shelfOnly.psLocalLocation), "Stack");
    EXPECT_FALSE(shelfOnly.ppsCircRecord);  // no circulation subfield, no circulation record

    // The size check saw the record with its holdings fields.
    EXPECT_GT(placement_.octetsPlaced, marc.size());
}

// The OPAC record's bibliographic record names its MARC syntax (the block's MARCOID, else USMARC), which
// clients need to decode it; validation and conversion of the response record take it.
TEST_F(Packaging, OpacBibliographicRecordNamesItsMarcSyntax) {
    KivRegisterCodecTypes();
    PresentCacheEntry entry = entryOf({});
    addRecordRows(entry);
    std::int32_t row = 10000;
    addItem(entry, row, {{'a', "B001"}, {'b', "598 ANN"}, {'i', "Y"}});
    MarcBlock2 withOid = holdingsBlock();
    withOid.marcOid = std::string(kUkMarc);
    for (const auto& [block, oid] : {std::pair{holdingsBlock(), kUsMarc}, std::pair{withOid, kUkMarc}}) {
        SCOPED_TRACE(oid);
        session_.marcHoldingsDefinitions = std::vector{block};
        KivResponseRecord record;
        EXPECT_TRUE(PackageOpacRecord(record, "BOOKS", entry, session_, placement_, kOpacRecordSyntax));
        ASSERT_EQ(record.eDbRecordType, DRT_Retrieval);
        const KivExternal& external = *record.uDbRecord.psRetrievalRecord;
        const auto bibliographicOf = [](const KivExternal& opac) -> const KivExternal& {
            return *opac.uExternalValue.psSingleASN1Type->uASN1.psOpacRecord->psBibliographicRecord;
        };
        EXPECT_EQ(bibliographicOf(external).pcObjectIdentifier, std::string(oid));

        SIError* error = nullptr;
        EXPECT_EQ(KivCheckExternal(1, &external, "psRetrievalRecord->", &error), 0);
        SIFreeError(&error);
        codec::z3950::EXTERNAL codec{};
        KivExternalToCodec(&codec, &external);
        KivExternal back;
        KivExternalFromCodec(&back, &codec);
        codec::z3950::FreeEXTERNAL(&codec);
        ASSERT_EQ(back.eValueType, EVT_SingleASN1Type);
        const KivExternal& received = bibliographicOf(back);
        EXPECT_EQ(received.pcObjectIdentifier, std::string(oid));
        ASSERT_EQ(received.eValueType, EVT_OctetAligned);
        EXPECT_EQ(received.uExternalValue.psOctetAligned->pcValue,
                  bibliographicOf(external).uExternalValue.psOctetAligned->pcValue);
    }
}

TEST_F(Packaging, ExtractionKeepsEveryOtherFieldAndLeavesUnsoundRecordsAlone) {
    // Holdings fields between two others, as a stored record may hold them.
    MarcRecordParts parts;
    for (auto [tag, text] : std::vector<std::pair<std::string, std::string>>{{"001", "7"},
                                                                             {"HLD",
                                                                              "00\x1F"
                                                                              "aB9\x1F"
                                                                              "bX 1\x1F"
                                                                              "zignored"},
                                                                             {"245",
                                                                              "10\x1F"
                                                                              "aT"}}) {
        AddMarcField(parts, text, tag);
    }
    std::string record = AssembleMarcRecord(parts, "nam", std::nullopt).value();
    const std::string leaderTail = record.substr(5, 7) + "|" + record.substr(17, 7);
    KivArray<KivHoldingsRecord> holdings = ExtractHoldings(record);
    ASSERT_EQ(holdings.size(), 1u);
    const KivHoldingsAndCirc& item = holdings[0]->uMarcOrHoldAndCirc.sHoldingsAndCirc;
    EXPECT_EQ(text(item.psCallNumber), "X 1");
    EXPECT_EQ(text(item.ppsCircRecord[0]->psItemId), "B9");
    EXPECT_EQ(fieldsOf(record), (std::vector<std::string>{"001 7", "245 10$aT"}));
    EXPECT_EQ(record.substr(5, 7) + "|" + record.substr(17, 7), leaderTail);

    std::string withoutHoldings = record;
    EXPECT_FALSE(ExtractHoldings(withoutHoldings));
    EXPECT_EQ(withoutHoldings, record);

    std::string unsound =
        "00040nam a2200037   4500HLD000900000\x1E"
        "00\x1F"
        "aB9\x1E\x1D";
    const std::string unsoundCopy = unsound;
    EXPECT_FALSE(ExtractHoldings(unsound));
    EXPECT_EQ(unsound, unsoundCopy);
}

TEST_F(Packaging, MarcRecordUnderTheBlocksSyntaxOrTheRequestedOne) {
    PresentCacheEntry entry = entryOf({});
    addRecordRows(entry);
    KivResponseRecord requested;
    EXPECT_TRUE(PackageMarcRecord(requested, "BOOKS", entry, session_, placement_, kUkMarc));
    ASSERT_EQ(requested.eDbRecordType, DRT_Retrieval);
    const KivExternal& external = *requested.uDbRecord.psRetrievalRecord;
    EXPECT_EQ(external.pcObjectIdentifier, std::string(kUkMarc));
    ASSERT_EQ(external.eValueType, EVT_OctetAligned);
    EXPECT_EQ(fieldsOf(external.uExternalValue.psOctetAligned->pcValue),
              (std::vector<std::string>{"245 10$aBirds$cAnn", "650  0$aOwls"}));
    EXPECT_EQ(placement_.octetsPlaced, external.uExternalValue.psOctetAligned->pcValue.size());

    MarcBlock2 withOid = holdingsBlock();
    withOid.marcOid = std::string(kUsMarc);
    session_.marcHoldingsDefinitions = std::vector{withOid};
    KivResponseRecord overridden;
    EXPECT_TRUE(PackageMarcRecord(overridden, "BOOKS", entry, session_, placement_, kUkMarc));
    EXPECT_EQ(overridden.uDbRecord.psRetrievalRecord->pcObjectIdentifier, std::string(kUsMarc));
}

TEST_F(Packaging, RefusedRecords) {
    PresentCacheEntry entry = entryOf({});
    addRecordRows(entry);
    // Larger than the maximum message size: untouched, with the size diagnostic.
    session_.maximumMessageSize = 20;
    KivResponseRecord tooLarge;
    EXPECT_TRUE(PackageMarcRecord(tooLarge, "BOOKS", entry, session_, placement_, kUsMarc));
    EXPECT_EQ(tooLarge.eDbRecordType, 0);
    EXPECT_FALSE(tooLarge.psDatabaseName);
    EXPECT_FALSE(tooLarge.uDbRecord.psRetrievalRecord);
    EXPECT_EQ(placement_.sizeDiagnostic, 17);
    KivResponseRecord opacTooLarge;
    EXPECT_TRUE(PackageOpacRecord(opacTooLarge, "BOOKS", entry, session_, placement_, kOpacRecordSyntax));
    EXPECT_EQ(opacTooLarge.eDbRecordType, 0);
    placement_.sizeDiagnostic = 0;
    session_.maximumMessageSize = 1000000;

    // Beyond what ISO 2709 can hold: a surrogate diagnostic of its own.
    PresentCacheEntry huge = entryOf({});
    for (std::int32_t row = 1; row <= 12; ++row) {
        AppendRecordField(huge.fields, "TAG", "500", row);
        AppendRecordField(huge.fields, "CODE", "a", row);
        AppendRecordField(huge.fields, "DATA", std::string(9000, 'x'), row);
        AppendRecordField(huge.fields, "FIELD_SEQ", std::to_string(row), row);
    }
    for (bool version3 : {true, false}) {
        session_.clientProtocolVersion = version3 ? "111" : "11";
        KivResponseRecord record;
        EXPECT_TRUE(PackageMarcRecord(record, "BOOKS", huge, session_, placement_, kUsMarc));
        ASSERT_EQ(record.eDbRecordType, DRT_SurrogateDiagnostics);
        const KivDefaultDiagFormat& diag = *record.uDbRecord.psSurrogateDiagnostic->uDiagnostics.psDefault;
        EXPECT_EQ(diag.pcDiagnosticSetId, "1.2.840.10003.4.1");
        EXPECT_EQ(diag.ulCondition, 238u);
        const auto& info = diag.sAdditionalInfo.uAdditionalInfo;
        EXPECT_EQ(version3 ? info.psV3->pcValue : info.pcV2.value_or(""), "MARC record exceeds 99999 octets");
    }
    EXPECT_EQ(placement_.sizeDiagnostic, 0);
    EXPECT_EQ(placement_.octetsPlaced, 0u);
}

TEST_F(Packaging, SyntaxWithoutDefinitionGivesItsOwnDiagnostic) {
    PresentCacheEntry entry = entryOf({{"TITLE", "Birds"}});
    session_.marcHoldingsDefinitions.reset();
    using Package = std::function<void(KivResponseRecord&)>;
    const Package packages[] = {
        [&](KivResponseRecord& r) { PackageSutrsRecord(r, "BOOKS", entry, session_, placement_); },
        [&](KivResponseRecord& r) { PackageGenericRecord(r, "BOOKS", entry, session_, placement_); },
        [&](KivResponseRecord& r) {
            PackageHtmlRecord(r, "BOOKS", entry, session_, placement_, "1.2.840.10003.5.109.10");
        },
        [&](KivResponseRecord& r) {
            EXPECT_TRUE(PackageMarcRecord(r, "BOOKS", entry, session_, placement_, kUsMarc));
        },
        [&](KivResponseRecord& r) {
            EXPECT_TRUE(PackageOpacRecord(r, "BOOKS", entry, session_, placement_, kOpacRecordSyntax));
        },
    };
    for (const Package& package : packages) {
        KivResponseRecord record;
        package(record);
        ASSERT_EQ(record.eDbRecordType, DRT_SurrogateDiagnostics);
        EXPECT_EQ(record.uDbRecord.psSurrogateDiagnostic->uDiagnostics.psDefault->ulCondition, 227u);
    }
    EXPECT_EQ(placement_.sizeDiagnostic, 0);
}

}  // namespace
