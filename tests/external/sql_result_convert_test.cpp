// SQL result sets through the codec: structure -> codec record -> BER -> codec record -> structure, with the
// octets checked where the rules send a value differently from how it comes back.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "tests/codec/z3950/generated_codec_harness.h"
#include "tests/external/external_round_trip.h"
#include "tests/external/sql_result_samples.h"
#include "toolkit/api/kiv_conversion_error.h"
#include "toolkit/api/kiv_convert_basic.h"
#include "toolkit/api/kiv_register_codec_types.h"
#include "toolkit/codec/extensions/zsqlrs.h"
#include "toolkit/external/kiv_convert_sql_result.h"
#include "toolkit/external/kiv_sql_result_depth.h"

namespace sql_result_convert_cases {
namespace {

using codec::extensions::SQLResultRecord;
using namespace sql_test;

const GeneratedType kSqlResultRecord = GENERATED_TYPE(codec::extensions, SQLResultRecord, 0);

// A single-ASN1-type value bound to the SQL result set's registered type.
BerAny boundAny() {
    KivRegisterCodecTypes();
    BerOid encoded{};
    KivOidToCodec(&encoded, kSqlOid);
    BerAny any{};
    ASN_BindAnyByOid(&any, &encoded);
    ASN_FreeOid(&encoded);
    return any;
}

// The octets of the codec value that the result converts to.
std::vector<uint8_t> sentOctets(const KivExternal& external) {
    BerAny any = boundAny();
    KivSQLResultToCodec(&any, external.uExternalValue.psSingleASN1Type.get());
    EXPECT_NE(any.value, nullptr);
    std::vector<uint8_t> octets = encodeElement(kSqlResultRecord, any.value);
    ASN_FreeAny(&any);
    return octets;
}

std::vector<uint8_t> sentOctets(KivSQLResult result) {
    return sentOctets(*sqlExternal(std::move(result)));
}

// The result that the conversion from the codec builds from the octets of a codec value.
std::unique_ptr<KivSingleASN1Type> receivedSqlResult(const std::vector<uint8_t>& octets) {
    GeneratedRecord codec(kSqlResultRecord);
    EXPECT_EQ(decodeElement(kSqlResultRecord, octets, codec.get()).code, 0);
    auto content = std::make_unique<KivSingleASN1Type>();
    BerAny any{nullptr, codec.get()};
    KivSQLResultFromCodec(content.get(), &any);
    return content;
}

const KivSQLPredefinedTypeDescriptorChoice& predefinedOf(const KivSQLResult& result, size_t index) {
    return result.ppsListOfSQLDataTypeDescriptor[index]
        ->uSQLDataTypeDescriptor.psPredefinedType->sSQLPredefinedTypeDescriptorChoice;
}

TEST(SqlResultConvertTest, AFullResultComesBackAsItWasSent) {
    const auto sent = sqlExternal(fullResult());
    const auto back = throughCodec(*sent);
    ASSERT_NE(back, nullptr);
    ASSERT_EQ(back->uExternalValue.psSingleASN1Type->eASN1Type, AT_SQLResult);
    // What came back sends the same octets, so nothing of the tree was lost or changed on the way.
    const std::vector<uint8_t> octets = sentOctets(*sent);
    EXPECT_EQ(sentOctets(*back), octets);

    const KivSQLResult& result = *back->uExternalValue.psSingleASN1Type->uASN1.psSQLResult;
    ASSERT_EQ(result.ppsListOfSQLDataTypeDescriptor.size(), 24u);
    const auto& character = *predefinedOf(result, 0).uSQLPredefinedTypeDescriptorChoice.psCharacterType;
    EXPECT_EQ(character.pcCharSet, "1.2.840.10003.5.111");
    EXPECT_EQ(character.fFixedLengthEncoding, 1u);
    EXPECT_EQ(character.psCollationName->pcValue, "char-co-name");
    EXPECT_EQ(predefinedOf(result, 3).uSQLPredefinedTypeDescriptorChoice.psIntegerType->ePrecisionBase,
              SPTDCS3_Binary);
    EXPECT_EQ(predefinedOf(result, 9).uSQLPredefinedTypeDescriptorChoice.psIntervalType->eIntervalQualifier,
              13);
    EXPECT_EQ(predefinedOf(result, 12).eSQLPredefinedTypeDescriptorChoice, SPTD_BitvarType);
    EXPECT_EQ(predefinedOf(result, 12).uSQLPredefinedTypeDescriptorChoice.psBitVarType->ulLength, 64u);
    EXPECT_EQ(predefinedOf(result, 15).uSQLPredefinedTypeDescriptorChoice.pfBooleanType, 1u);

    const auto& adt = *result.ppsListOfSQLDataTypeDescriptor[19]
                           ->uSQLDataTypeDescriptor.psUserDefinedType->uSQLCollectionTypeDescriptor.psAdt;
    EXPECT_EQ(adt.ppsListOfSubTypes.size(), 1u);
    EXPECT_TRUE(adt.ppsListOfSubTypes[0]->ppsListOfSubTypes.present());
    EXPECT_EQ(adt.ppsListOfAttributes[1]->pvDataType, nullptr);
    EXPECT_EQ(*adt.ppsListOfAttributes[0]->psSqldefault->uSQLDefaultOption.peOther, SDOE_SqlEmpty1);

    const KivSQLResultValues& row = *result.ppsListOfSQLResultValues[0];
    EXPECT_EQ(row.psSqlException->pulSqlCODE, 0xFFFFFFFFu);
    const auto value = [&](int32_t selector) -> const auto& {
        return row.ppsListOfSQLValue[static_cast<size_t>(selector - 1)]->psDataItem->uSQLValueChoice;
    };
    EXPECT_EQ(value(SVC_NumericItem).ulNumericItem, 0x80000000u);
    EXPECT_EQ(value(SVC_DoublePrecisionItem).rDoublePrecisionItem, 6.02214076e23);
    EXPECT_EQ(value(SVC_BitItem).psBitItem, "101");
    EXPECT_EQ(value(SVC_BitVarItem).psBitVarItem, "10000001");
    EXPECT_EQ(value(SVC_BlobItem).psBLOBItem->pcValue, std::string("\x89PNG\0", 5));
    EXPECT_EQ(value(SVC_CollectionItem).ppsListOfSQLResultValues.size(), 1u);
    EXPECT_EQ(value(SVC_AdtItem).eIndicator, VCE_SqlEmpty);
    const KivSQLResultValues& empty = *result.ppsListOfSQLResultValues[1];
    EXPECT_EQ(empty.psSqlException, nullptr);
    EXPECT_FALSE(empty.ppsListOfSQLValue.present());
}

TEST(SqlResultConvertTest, OneNumericColumnEncodesAsSpecifiedAndComesBack) {
    KivSQLResult result;
    KivSQLPredefinedTypeDescriptorChoice numeric;
    numeric.eSQLPredefinedTypeDescriptorChoice = SPTD_NumericType;
    numeric.uSQLPredefinedTypeDescriptorChoice.psNumericType.reset(new KivSQLExactNumericType{10, 2});
    result.ppsListOfSQLDataTypeDescriptor.append(predefined(std::move(numeric)));
    const std::vector<uint8_t> octets = sentOctets(std::move(result));
    EXPECT_EQ(octets, (std::vector<uint8_t>{0x30, 0x12, 0xA0, 0x10, 0x30, 0x0E, 0xA0, 0x0C, 0x30, 0x0A,
                                            0xA6, 0x08, 0x30, 0x06, 0x02, 0x01, 0x0A, 0x02, 0x01, 0x02}));
    const auto back = receivedSqlResult(octets);
    const KivSQLResult& got = *back->uASN1.psSQLResult;
    const auto& choice = predefinedOf(got, 0);
    EXPECT_EQ(got.ppsListOfSQLDataTypeDescriptor[0]->eSQLDataTypeDescriptor, SDTD_PredefinedType);
    EXPECT_EQ(choice.eSQLPredefinedTypeDescriptorChoice, SPTD_NumericType);
    EXPECT_EQ(choice.uSQLPredefinedTypeDescriptorChoice.psNumericType->ulPrecision, 10u);
    EXPECT_EQ(choice.uSQLPredefinedTypeDescriptorChoice.psNumericType->ulScale, 2u);
    EXPECT_FALSE(got.ppsListOfSQLResultValues.present());
}

// A bit text: 3 bits of '1','0','1' go out as 0xA0 in one octet; 8 bits as two octets with the unused bits.
TEST(SqlResultConvertTest, BitTextsGoOutAsTheirBits) {
    for (const auto& [text, contents] : std::vector<std::pair<std::string, std::vector<uint8_t>>>{
             {"101", {0x05, 0xA0}}, {"10000001", {0x00, 0x81}}}) {
        KivSQLResult result;
        auto data = std::make_unique<KivSQLValueChoice>();
        data->eSQLValueChoiceChoiceId = SVC_BitItem;
        data->uSQLValueChoice.psBitItem = text;
        result.ppsListOfSQLResultValues.emplace()->ppsListOfSQLValue.emplace()->psDataItem = std::move(data);
        const std::vector<uint8_t> octets = sentOctets(std::move(result));
        // ... [11] { BIT STRING }: the BIT STRING's contents end the encoding.
        ASSERT_GE(octets.size(), contents.size()) << text;
        EXPECT_EQ(std::vector<uint8_t>(octets.end() - static_cast<long>(contents.size()), octets.end()),
                  contents)
            << text;
        EXPECT_EQ(receivedSqlResult(octets)
                      ->uASN1.psSQLResult->ppsListOfSQLResultValues[0]
                      ->ppsListOfSQLValue[0]
                      ->psDataItem->uSQLValueChoice.psBitItem,
                  text);
    }
}

// A result of one predefined type, or of one row holding one value.
KivSQLResult resultOfType(KivSQLPredefinedTypeDescriptorChoice choice) {
    KivSQLResult result;
    result.ppsListOfSQLDataTypeDescriptor.append(predefined(std::move(choice)));
    return result;
}

// Received enumerations outside their values, made by changing the one ENUMERATED of a sent result.
TEST(SqlResultConvertTest, ReceivedEnumerationsOutOfRangeArriveAsSpecified) {
    KivSQLPredefinedTypeDescriptorChoice integer;
    integer.eSQLPredefinedTypeDescriptorChoice = SPTD_SmallIntType;
    integer.uSQLPredefinedTypeDescriptorChoice.psSmallIntType.reset(
        new KivSQLIntegerType{5, SPTDCS3_Decimal});
    KivSQLPredefinedTypeDescriptorChoice interval;
    interval.eSQLPredefinedTypeDescriptorChoice = SPTD_IntervalType;
    interval.uSQLPredefinedTypeDescriptorChoice.psIntervalType.reset(new KivSQLIntervalType{13, 0, 0});
    KivSQLPredefinedTypeDescriptorChoice dateTime;
    dateTime.eSQLPredefinedTypeDescriptorChoice = SPTD_DateTimeType;
    dateTime.uSQLPredefinedTypeDescriptorChoice.psDateTimeType.reset(new KivSQLDateTimeType{5, 0});
    KivSQLResult indicator;
    auto data = std::make_unique<KivSQLValueChoice>();
    data->eSQLValueChoiceChoiceId = SVC_AdtItem;
    data->uSQLValueChoice.eIndicator = VCE_SqlEmpty;
    indicator.ppsListOfSQLResultValues.emplace()->ppsListOfSQLValue.emplace()->psDataItem = std::move(data);

    struct Case {
        const char* what;
        KivSQLResult result;
        uint8_t sent;
        uint8_t received;
        std::function<int32_t(const KivSQLResult&)> arrived;
        int32_t expected;
    };
    const auto typeOf = [](const KivSQLResult& r) -> const auto& {
        return predefinedOf(r, 0).uSQLPredefinedTypeDescriptorChoice;
    };
    Case cases[] = {
        {"precision base 2", resultOfType(std::move(integer)), 1, 2,
         [&](const KivSQLResult& r) { return typeOf(r).psSmallIntType->ePrecisionBase; }, SPTDCS3_Invalid},
        {"interval qualifier 14", resultOfType(std::move(interval)), 13, 14,
         [&](const KivSQLResult& r) { return typeOf(r).psIntervalType->eIntervalQualifier; }, 0},
        {"date-time qualifier 6", resultOfType(std::move(dateTime)), 5, 6,
         [&](const KivSQLResult& r) { return typeOf(r).psDateTimeType->eDateTimeQualifier; },
         SPTDCS8_Invalid},
        {"indicator 5", std::move(indicator), 2, 5,
         [](const KivSQLResult& r) {
             return r.ppsListOfSQLResultValues[0]
                 ->ppsListOfSQLValue[0]
                 ->psDataItem->uSQLValueChoice.eIndicator;
         },
         VCE_Invalid},
    };
    for (Case& c : cases) {
        std::vector<uint8_t> octets = sentOctets(std::move(c.result));
        const std::vector<uint8_t> enumerated{0x0A, 0x01, c.sent};
        const auto at = std::search(octets.begin(), octets.end(), enumerated.begin(), enumerated.end());
        ASSERT_NE(at, octets.end()) << c.what;
        at[2] = c.received;
        const auto back = receivedSqlResult(octets);
        EXPECT_EQ(c.arrived(*back->uASN1.psSQLResult), c.expected) << c.what;
    }
}

TEST(SqlResultConvertTest, AResultDeeperThanTheBoundIsNotConverted) {
    KivSQLResult result;
    auto type = std::make_unique<KivSQLDataTypeDescriptor>();
    KivSQLDataTypeDescriptor* innermost = type.get();
    for (int level = 0; level < kKivMaxSQLResultDepth; ++level) {
        innermost->eSQLDataTypeDescriptor = SDTD_ReferenceType;
        innermost =
            (innermost->uSQLDataTypeDescriptor.psReferenceType = std::make_unique<KivSQLDataTypeDescriptor>())
                .get();
    }
    result.ppsListOfSQLDataTypeDescriptor.append(std::move(type));
    const auto external = sqlExternal(std::move(result));
    BerAny any = boundAny();
    try {
        KivSQLResultToCodec(&any, external->uExternalValue.psSingleASN1Type.get());
        ADD_FAILURE() << "converted";
    } catch (const KivConversionError& error) {
        EXPECT_EQ(error.code, kKivToCodecNoMemory);
    }
    ASN_FreeAny(&any);
}

}  // namespace
}  // namespace sql_result_convert_cases
