// CIP specific information through the codec (structure -> codec record -> BER -> codec record ->
// structure) and its validation before it is sent.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "tests/api/external_round_trip.h"
#include "tests/external/carried_check_fixture.h"
#include "tests/external/cip_specific_info_samples.h"
#include "tests/external/external_round_trip.h"
#include "tests/util/validation_messages.h"

namespace cip_specific_info_cases {
namespace {

using namespace cip_test;

const KivCIPSpecificInfo& infoOf(const KivExternal& external) {
    return *external.uExternalValue.psSingleASN1Type->uASN1.psCIPSpecificInfo;
}

TEST(CipSpecificInfoConvert, EveryAlternativeComesBackAsSent) {
    std::vector<KivCIPSpecificInfo> samples;
    samples.push_back(searchControl(SCI_CollectionDescriptorSearch, SCI1_LocalSearch));
    samples.push_back(term(CTT_Wrsgrs));
    samples.push_back(term(CTT_Circle));
    samples.push_back(term(CTT_TemporalPeriod));
    samples.push_back(explainInfo());
    for (KivCIPSpecificInfo& sample : samples) {
        const auto sent = cipExternal(std::move(sample));
        KivExternal received;
        externalRoundTrip(*sent, &received);
        EXPECT_EQ(traced(received), traced(*sent));
    }
}

TEST(CipSpecificInfoConvert, ValuesTheRulesSendOtherwise) {
    KivExternal received;
    const auto product = cipExternal(searchControl(SCI_ProductDescriptorSearch, SCI1_WideSearch));
    EXPECT_EQ(externalRoundTrip(*product, &received), hexOctets("28 16 06 0A 2A 86 48 CE 13 02 87 68 63 01 "
                                                                "A0 08 A1 06 81 01 03 82 01 02"));
    EXPECT_EQ(infoOf(received).uCIPSpecificInfo.psSearchControl->eItemDescriptorType,
              SCI_ProductDescriptorSearch);

    auto withoutFrames = term(CTT_Wrsgrs);
    withoutFrames.uCIPSpecificInfo.psTerm->uCIPTermType.psWrsgrs->ppsFrames =
        KivArray<uint32_t>::emptyArray();
    KivExternal framesBack;
    const auto octets = externalRoundTrip(*cipExternal(std::move(withoutFrames)), &framesBack);
    EXPECT_EQ(std::vector<uint8_t>(octets.end() - 4, octets.end()), hexOctets("A2 02 30 00"));
    const KivArray<uint32_t>& frames =
        infoOf(framesBack).uCIPSpecificInfo.psTerm->uCIPTermType.psWrsgrs->ppsFrames;
    EXPECT_TRUE(frames.present());
    EXPECT_EQ(frames.size(), 0u);

    auto emptyTexts = explainInfo();
    emptyTexts.uCIPSpecificInfo.psExplainInfo->psShortMeaning = std::make_unique<KivInternationalString>();
    emptyTexts.uCIPSpecificInfo.psExplainInfo->sVersion = KivInternationalString{};
    KivExternal explainBack;
    externalRoundTrip(*cipExternal(std::move(emptyTexts)), &explainBack);
    const KivExplainInfo& explain = *infoOf(explainBack).uCIPSpecificInfo.psExplainInfo;
    EXPECT_EQ(explain.psShortMeaning, nullptr);
    EXPECT_EQ(explain.sVersion.ulLength(), 0u);
    EXPECT_EQ(explain.sValueSyntax.pcValue, "integer");
}

// ---- Validation ----

const std::string kCipSpecificInfoPath = "psRecord->uExternalValue.psSingleASN1Type->";
const std::string kInfo = "uASN1.psCIPSpecificInfo->";
const std::string kTerm = kInfo + "uCIPSpecificInfo.psTerm->";

using CipSpecificInfoCheckTest = CarriedCheckTest;

struct CipSpecificInfoFaultCase {
    const char* what;
    std::function<KivCIPSpecificInfo()> sample;
    std::function<void(KivCIPSpecificInfo&)> change;
    long code;
    std::string message;
};

std::string missingInCipSpecificInfo(const std::string& field) {
    return validation_messages::missing(kCipSpecificInfoPath + field);
}
std::string outOfRangeInCipSpecificInfo(const std::string& field) {
    return validation_messages::outOfRange(kCipSpecificInfoPath + field);
}

TEST_F(CipSpecificInfoCheckTest, ValidValuesPass) {
    auto withoutFrames = term(CTT_Wrsgrs);
    withoutFrames.uCIPSpecificInfo.psTerm->uCIPTermType.psWrsgrs->ppsFrames =
        KivArray<uint32_t>::emptyArray();
    auto emptyVersion = explainInfo();
    emptyVersion.uCIPSpecificInfo.psExplainInfo->sVersion = KivInternationalString{};
    std::vector<KivCIPSpecificInfo> samples;
    samples.push_back(searchControl(SCI_ProductDescriptorSearch, SCI1_WideSearch));
    samples.push_back(std::move(withoutFrames));
    samples.push_back(term(CTT_Circle));
    samples.push_back(term(CTT_TemporalPeriod));
    samples.push_back(std::move(emptyVersion));
    for (KivCIPSpecificInfo& sample : samples) {
        expectValid(*cipExternal(std::move(sample)));
    }
}

TEST_F(CipSpecificInfoCheckTest, EachFaultIsReportedWithItsPath) {
    const auto none = [](KivCIPSpecificInfo&) {};
    const std::vector<CipSpecificInfoFaultCase> cases = {
        {"info type 4", explainInfo, [](auto& i) { i.eCIPSpecificInfoType = 4; }, 66,
         outOfRangeInCipSpecificInfo(kInfo + "eCIPSpecificInfoType")},
        {"search control missing", [] { return searchControl(1, 1); },
         [](auto& i) { i.uCIPSpecificInfo.psSearchControl.reset(); }, 64,
         missingInCipSpecificInfo(kInfo + "uCIPSpecificInfo.psSearchControl")},
        {"item descriptor received as 0", [] { return searchControl(0, 1); }, none, 66,
         outOfRangeInCipSpecificInfo(kInfo + "uCIPSpecificInfo.psSearchControl->eItemDescriptorType")},
        {"search scope 3", [] { return searchControl(1, 3); }, none, 66,
         outOfRangeInCipSpecificInfo(kInfo + "uCIPSpecificInfo.psSearchControl->eSearchScope")},
        {"term missing", [] { return term(CTT_Wrsgrs); }, [](auto& i) { i.uCIPSpecificInfo.psTerm.reset(); },
         64, missingInCipSpecificInfo(kInfo + "uCIPSpecificInfo.psTerm")},
        {"explain information missing", explainInfo,
         [](auto& i) { i.uCIPSpecificInfo.psExplainInfo.reset(); }, 64,
         missingInCipSpecificInfo(kInfo + "uCIPSpecificInfo.psExplainInfo")},
        {"term type 0", [] { return term(0); }, none, 66,
         outOfRangeInCipSpecificInfo(kTerm + "eCIPTermType")},
        {"WRS/GRS missing", [] { return term(CTT_Circle); },
         [](auto& i) { i.uCIPSpecificInfo.psTerm->eCIPTermType = CTT_Wrsgrs; }, 64,
         missingInCipSpecificInfo(kTerm + "uCIPTermType.psWrsgrs")},
        {"frames missing", [] { return term(CTT_Wrsgrs); },
         [](auto& i) { i.uCIPSpecificInfo.psTerm->uCIPTermType.psWrsgrs->ppsFrames.reset(); }, 64,
         missingInCipSpecificInfo(kTerm + "uCIPTermType.psWrsgrs->ppsFrames")},
        {"circle missing", [] { return term(CTT_Wrsgrs); },
         [](auto& i) { i.uCIPSpecificInfo.psTerm->eCIPTermType = CTT_Circle; }, 64,
         missingInCipSpecificInfo(kTerm + "uCIPTermType.psCircle")},
        {"radius unit of selector 5", [] { return term(CTT_Circle); },
         [](auto& i) {
             i.uCIPSpecificInfo.psTerm->uCIPTermType.psCircle->sRadius.sUnitUsed.psUnit->eStringOrNumeric = 5;
         },
         66,
         outOfRangeInCipSpecificInfo(kTerm +
                                     "uCIPTermType.psCircle->sRadius.sUnitUsed.psUnit->eStringOrNumeric")},
        {"period missing", [] { return term(CTT_Wrsgrs); },
         [](auto& i) { i.uCIPSpecificInfo.psTerm->eCIPTermType = CTT_TemporalPeriod; }, 64,
         missingInCipSpecificInfo(kTerm + "uCIPTermType.psTemporalPeriod")},
        {"cycle unit without its string", [] { return term(CTT_TemporalPeriod); },
         [](auto& i) {
             i.uCIPSpecificInfo.psTerm->uCIPTermType.psTemporalPeriod->sPeriodCycle.sUnitUsed.psUnit
                 ->uStringOrNumeric.psString.reset();
         },
         64,
         missingInCipSpecificInfo(
             kTerm +
             "uCIPTermType.psTemporalPeriod->sPeriodCycle.sUnitUsed.psUnit->uStringOrNumeric.psString")},
        {"explain unit type of selector 0", explainInfo,
         [](auto& i) {
             i.uCIPSpecificInfo.psExplainInfo->psUnit->psUnitType = std::make_unique<KivStringOrNumeric>();
         },
         66,
         outOfRangeInCipSpecificInfo(kInfo +
                                     "uCIPSpecificInfo.psExplainInfo->psUnit->psUnitType->eStringOrNumeric")},
    };
    for (const CipSpecificInfoFaultCase& c : cases) {
        KivCIPSpecificInfo info = c.sample();
        c.change(info);
        expectFault(*cipExternal(std::move(info)), c.code, c.message, c.what);
    }
}

TEST_F(CipSpecificInfoCheckTest, OnlyTheFirstArcIdentifiesTheContent) {
    expectFault(*cipExternal(explainInfo(), "1.0.10163.2.1000.99.1"), 74,
                "Invalid oid value 1.0.10163.2.1000.99.1 for external " + kCipSpecificInfoPath + "eASN1Type");
}

}  // namespace
}  // namespace cip_specific_info_cases
