// Explain records through the codec: structure -> codec record -> BER -> codec record -> structure, per
// category and under both identifiers. What comes back is sent again: any member lost or changed on the way
// shows as different octets.

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "tests/codec/z3950/generated_codec_harness.h"
#include "tests/external/explain_samples.h"
#include "toolkit/api/kiv_conversion_error.h"
#include "toolkit/api/kiv_convert_basic.h"
#include "toolkit/api/kiv_register_codec_types.h"
#include "toolkit/codec/explain/explain_a.h"
#include "toolkit/external/kiv_convert_explain_record.h"
#include "toolkit/external/kiv_explain_depth.h"

namespace explain_convert_cases {
namespace {

using codec::explain::ExplainRecord;
using namespace explain_test;

const GeneratedType kExplainRecordType = GENERATED_TYPE(codec::explain, ExplainRecord, 0);

// The octets the record is sent as under oid; throws what the conversion throws.
std::vector<uint8_t> sent(const KivSingleASN1Type& content, const char* oid) {
    KivRegisterCodecTypes();
    BerOid encoded{};
    KivOidToCodec(&encoded, oid);
    BerAny any{};
    ASN_BindAnyByOid(&any, &encoded);
    ASN_FreeOid(&encoded);
    EXPECT_NE(any.entry, nullptr);
    std::vector<uint8_t> octets;
    try {
        KivExplainRecordToCodec(&any, &content);
        if (any.value != nullptr) octets = encodeElement(kExplainRecordType, any.value);
    } catch (...) {
        ASN_FreeAny(&any);
        throw;
    }
    ASN_FreeAny(&any);
    return octets;
}

std::unique_ptr<KivSingleASN1Type> receivedExplain(const std::vector<uint8_t>& octets) {
    GeneratedRecord codec(kExplainRecordType);
    const DecodeOutcome outcome = decodeElement(kExplainRecordType, octets, codec.get());
    EXPECT_EQ(outcome.code, 0);
    EXPECT_EQ(outcome.consumed, octets.size());
    auto content = std::make_unique<KivSingleASN1Type>();
    BerAny any{nullptr, codec.get()};
    KivExplainRecordFromCodec(content.get(), &any);
    return content;
}

const KivSingleASN1Type& contentOf(const KivExternal& external) {
    return *external.uExternalValue.psSingleASN1Type;
}

TEST(ExplainConvert, EveryCategoryComesBackAsItWasSentUnderBothIdentifiers) {
    int32_t selector = ERT_TargetInfo;
    for (const NamedExplainRecord& sample : everyCategory()) {
        SCOPED_TRACE(sample.name);
        const auto external = explainExternal(sample.make());
        const std::vector<uint8_t> octets = sent(contentOf(*external), kExplainOid);
        ASSERT_FALSE(octets.empty());
        EXPECT_EQ(sent(contentOf(*external), kExplainIsoOid), octets);

        const auto back = receivedExplain(octets);
        EXPECT_EQ(back->eASN1Type, AT_ExplainRecord);
        ASSERT_NE(back->uASN1.psExplainRecord, nullptr);
        EXPECT_EQ(back->uASN1.psExplainRecord->eExplainRecordType, selector++);
        EXPECT_EQ(sent(*back, kExplainOid), octets);
    }
}

// Where the rules send a value differently from how it was given, the octets show it.
TEST(ExplainConvert, ValuesTheRulesChangeOnTheWay) {
    auto record = everyCategory()[0].make();
    KivTargetInfo& target = *record->uExplainRecord.psTargetInfo;
    target.psCommonInfo.reset();
    target.psCommonAccessInfo.reset();
    target.ppsIcon.reset();
    target.ppsAddresses.reset();
    target.ppsDbCombinations.reset();
    target.psContactInfo.reset();
    target.psTimeoutInterval.reset();
    target.ppsRecentNews = KivHumanStrings::emptyArray();  // present and empty: sent as an empty list
    target.ppsNicknames.reset();
    target.ppsLanguages.reset();
    target.pulMaxResultSets.reset();
    target.pulMaxTerms.reset();
    target.fMultipleDBSearch = 1;
    KivHumanString* unnamed = target.ppsWelcomeMessage.emplace();
    unnamed->psLanguage = text("");  // an empty language is sent as none
    unnamed->sText.pcValue = "hi";
    const auto external = explainExternal(std::move(record));
    // Recent news present and empty, the welcome message's item without language, the hours an empty list.
    EXPECT_EQ(
        sent(contentOf(*external), kExplainOid),
        hexOctets(
            "A0 1C 81 08 51 75 6F 72 76 61 6E 65 A2 00 84 01 FF 85 01 FF AA 06 30 04 81 02 68 69 B0 00"));
}

TEST(ExplainConvert, NamedNumbersOutsideTheModuleAreSentAsZeroAndArriveInvalid) {
    auto record = std::make_unique<KivExplainRecord>();
    record->eExplainRecordType = ERT_ExtendedServicesInfo;
    record->uExplainRecord.psExtendedServicesInfo = std::make_unique<KivExtendedServicesInfo>();
    record->uExplainRecord.psExtendedServicesInfo->pcType = "1.2.3";
    record->uExplainRecord.psExtendedServicesInfo->eWaitAction = 9;
    const auto external = explainExternal(std::move(record));
    const std::vector<uint8_t> octets = sent(contentOf(*external), kExplainOid);
    EXPECT_EQ(octets, hexOctets("A7 16 81 02 2A 03 83 01 00 85 01 00 86 01 00 87 01 00 88 01 00 89 01 00"));
    EXPECT_EQ(
        receivedExplain(octets)->uASN1.psExplainRecord->uExplainRecord.psExtendedServicesInfo->eWaitAction,
        ESII_Invalid);
}

// A selector the codec has no alternative for, or a missing category, is refused rather than sent as a
// half-built value.
TEST(ExplainConvert, SelectorsOutOfRangeAreRefused) {
    for (int32_t selector : {0, 18, -1}) {
        auto record = std::make_unique<KivExplainRecord>();
        record->eExplainRecordType = selector;
        const auto external = explainExternal(std::move(record));
        EXPECT_THROW(sent(contentOf(*external), kExplainOid), KivConversionError) << selector;
    }
    auto missing = std::make_unique<KivExplainRecord>();
    missing->eExplainRecordType = ERT_Units;
    EXPECT_THROW(sent(contentOf(*explainExternal(std::move(missing))), kExplainOid), KivConversionError);

    auto record = everyCategory()[ERT_Variants - 1].make();
    record->uExplainRecord.psVariants->ppsVariants[0]
        ->ppsVariantTypes[0]
        ->psVariantValue->psValues->eValueSetType = 3;
    EXPECT_THROW(sent(contentOf(*explainExternal(std::move(record))), kExplainOid), KivConversionError);
}

TEST(ExplainConvert, UnknownCategoryArrivesAsInvalid) {
    ExplainRecord holder{};
    holder.choiceId = ExplainRecord::kAlternatives;
    BerAny any{nullptr, &holder};
    KivSingleASN1Type content;
    KivExplainRecordFromCodec(&content, &any);
    ASSERT_NE(content.uASN1.psExplainRecord, nullptr);
    EXPECT_EQ(content.uASN1.psExplainRecord->eExplainRecordType, ERT_Invalid);
    EXPECT_EQ(content.uASN1.psExplainRecord->uExplainRecord.psTargetInfo, nullptr);
}

TEST(ExplainConvert, ElementDescriptionsNestedTooDeepAreRefused) {
    const auto shallow = explainExternal(nestedSchema(8));
    const std::vector<uint8_t> octets = sent(contentOf(*shallow), kExplainOid);
    EXPECT_EQ(sent(*receivedExplain(octets), kExplainOid), octets);

    const auto deep = explainExternal(nestedSchema(kKivMaxExplainElementDepth + 1));
    EXPECT_THROW(sent(contentOf(*deep), kExplainOid), KivConversionError);
}

}  // namespace
}  // namespace explain_convert_cases
