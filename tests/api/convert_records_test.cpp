#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "tests/api/carried_records_equality.h"
#include "tests/api/kiv_codec_round_trip.h"
#include "tests/api/records_samples.h"
#include "toolkit/api/kiv_convert_records.h"
#include "toolkit/util/memory.h"

namespace z = codec::z3950;

namespace {

GeneratedType recordsType() {
    return GENERATED_TYPE(z, Records, 0);
}

TEST(ConvertRecordsTest, EveryKindOfRecordsRoundTrips) {
    std::vector<KivRecords> values;
    values.push_back(sampleResponseRecords());
    values.push_back(sampleNonSurrogateDiagnostic(PVIF_Version2, "title"));
    values.push_back(sampleNonSurrogateDiagnostic(PVIF_Version3, "title"));
    values.push_back(sampleMultipleDiagnostics());
    KivRecords noRecords;
    noRecords.eRecordType = RT_Response;
    noRecords.uRecord.ppsResponseRecord = KivArray<KivResponseRecord>::emptyArray();
    values.push_back(std::move(noRecords));

    for (const KivRecords& sent : values) {
        KivRecords received;
        kivRoundTrip<z::Records, KivRecords>(recordsType(), sent, &received, KivRecordsToCodec,
                                             KivRecordsFromCodec);
        EXPECT_TRUE(kivEqual(received, sent)) << sent.eRecordType;
    }
}

TEST(ConvertRecordsTest, AnEmptyVersion2TextTravelsAsAnEmptyString) {
    const KivRecords sent = sampleNonSurrogateDiagnostic(PVIF_Version2, "");
    KivRecords received;
    const std::vector<uint8_t> octets = kivRoundTrip<z::Records, KivRecords>(
        recordsType(), sent, &received, KivRecordsToCodec, KivRecordsFromCodec);
    // [130] { OBJECT IDENTIFIER bib-1, INTEGER 109, VisibleString "" }
    EXPECT_EQ(octets, hexOctets("BF 81 02 0E 06 07 2A 86 48 CE 13 04 01 02 01 6D 1A 00"));
    ASSERT_NE(received.uRecord.psNonSurrogateDiag, nullptr);
    EXPECT_EQ(received.uRecord.psNonSurrogateDiag->sAdditionalInfo.uAdditionalInfo.pcV2, "");
}

TEST(ConvertRecordsTest, ResponseRecordsListOneNodePerElement) {
    const KivRecords sent = sampleResponseRecords();
    z::Records codec{};
    KivRecordsToCodec(&codec, &sent);
    EXPECT_EQ(codec.choiceId, z::Records::kResponseRecords);
    ASSERT_NE(codec.responseRecords, nullptr);
    EXPECT_EQ(ASN_ListCount(codec.responseRecords), 5);
    z::FreeRecords(&codec);

    KivRecords none;
    none.eRecordType = RT_Response;
    none.uRecord.ppsResponseRecord = KivArray<KivResponseRecord>::emptyArray();
    KivRecordsToCodec(&codec, &none);
    ASSERT_NE(codec.responseRecords, nullptr);
    EXPECT_EQ(ASN_ListCount(codec.responseRecords), 0);
    z::FreeRecords(&codec);
}

TEST(ConvertRecordsTest, ADatabaseNameOfLengthZeroArrivesAbsent) {
    z::NamePlusRecord codec{};
    KivResponseRecord sent;
    sent.psDatabaseName = sampleString("");
    sent.eDbRecordType = DRT_FinalFragment;
    sent.uDbRecord.psFinalFragment = sampleOctetsFragment("x");
    KivResponseRecordToCodec(&codec, &sent);
    EXPECT_EQ(codec.name.octets, nullptr);

    KivResponseRecord received;
    KivResponseRecordFromCodec(&received, &codec);
    EXPECT_EQ(received.psDatabaseName, nullptr);
    EXPECT_EQ(received.eDbRecordType, DRT_FinalFragment);
    z::FreeNamePlusRecord(&codec);
}

TEST(ConvertRecordsTest, SingleDiagnosticsRoundTripThroughTheirOwnTypes) {
    const GeneratedType diagType = GENERATED_TYPE(z, DiagRec, 0);
    for (const auto& sent : {sampleDefaultDiagRec(28, PVIF_Version3, "term"), sampleExternalDiagRec()}) {
        KivDiagRec received;
        kivRoundTrip<z::DiagRec, KivDiagRec>(diagType, *sent, &received, KivDiagRecToCodec,
                                             KivDiagRecFromCodec);
        EXPECT_TRUE(kivEqual(received, *sent));
    }
    const GeneratedType fragmentType = GENERATED_TYPE(z, FragmentSyntax, 0);
    for (const auto& sent : {sampleOctetsFragment("part"), sampleTaggedFragment()}) {
        KivFragmentSyntax received;
        kivRoundTrip<z::FragmentSyntax, KivFragmentSyntax>(
            fragmentType, *sent, &received, KivFragmentSyntaxToCodec, KivFragmentSyntaxFromCodec);
        EXPECT_TRUE(kivEqual(received, *sent));
    }
}

TEST(ConvertRecordsTest, OptionalDiagnosticsConvertOnlyWhenPresent) {
    z::DiagRec* codec = nullptr;
    KivOptionalDiagRecToCodec(&codec, nullptr);
    EXPECT_EQ(codec, nullptr);
    const auto sent = sampleDefaultDiagRec(1, PVIF_Version2, "x");
    KivOptionalDiagRecToCodec(&codec, sent.get());
    ASSERT_NE(codec, nullptr);

    std::unique_ptr<KivDiagRec> received;
    KivOptionalDiagRecFromCodec(&received, nullptr);
    EXPECT_EQ(received, nullptr);
    KivOptionalDiagRecFromCodec(&received, codec);
    EXPECT_TRUE(kivEqual(received, sent));
    z::FreeDiagRec(codec);
    MemFree(codec);
}

TEST(ConvertRecordsTest, SelectorsWithoutAnAlternativeConvertToNothing) {
    // Towards the codec: the codec value stays as it was allocated.
    KivRecords records;
    records.eRecordType = 4;
    z::Records codecRecords{};
    KivRecordsToCodec(&codecRecords, &records);
    EXPECT_EQ(codecRecords.slot, nullptr);

    KivResponseRecord record;
    record.eDbRecordType = 6;
    z::NamePlusRecord codecRecord{};
    KivResponseRecordToCodec(&codecRecord, &record);
    EXPECT_EQ(codecRecord.record, nullptr);

    KivDiagRec diag;
    diag.eDiagnosticsType = -1;
    z::DiagRec codecDiag{};
    KivDiagRecToCodec(&codecDiag, &diag);
    EXPECT_EQ(codecDiag.slot, nullptr);

    // From the codec: an unknown choice leaves the selector and the members as they were.
    codecRecords.choiceId = z::Records::kAlternatives;
    KivRecordsFromCodec(&records, &codecRecords);
    EXPECT_EQ(records.eRecordType, 4);

    z::NamePlusRecordRecord unknownRecord{};
    unknownRecord.choiceId = z::NamePlusRecordRecord::kAlternatives;
    codecRecord.record = &unknownRecord;
    KivResponseRecordFromCodec(&record, &codecRecord);
    EXPECT_EQ(record.eDbRecordType, 6);

    codecDiag.choiceId = z::DiagRec::kAlternatives;
    KivDiagRecFromCodec(&diag, &codecDiag);
    EXPECT_EQ(diag.eDiagnosticsType, -1);

    z::DefaultDiagFormatAddinfo addinfo{};
    addinfo.choiceId = z::DefaultDiagFormatAddinfo::kAlternatives;
    KivAdditionalInfo info;
    KivAddInfoFromCodec(&info, &addinfo);
    EXPECT_EQ(info.eProtocolVersionInForce, 0);

    z::FragmentSyntax fragment{};
    fragment.choiceId = z::FragmentSyntax::kAlternatives;
    KivFragmentSyntax apiFragment;
    KivFragmentSyntaxFromCodec(&apiFragment, &fragment);
    EXPECT_EQ(apiFragment.eFragmentSyntaxType, 0);
}

}  // namespace
