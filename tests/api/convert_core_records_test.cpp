#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/api/carried_records_equality.h"
#include "tests/api/carried_records_samples.h"
#include "tests/api/codec_external.h"
#include "tests/api/external_round_trip.h"
#include "tests/util/process_log_fixture.h"
#include "toolkit/api/kiv_check_external.h"
#include "toolkit/codec/records/records_d.h"
#include "toolkit/codec/records/records_e.h"
#include "toolkit/codec/records/records_f.h"
#include "toolkit/codec/records/sutrs_record.h"
#include "toolkit/util/memory.h"

namespace {

namespace r = codec::records;
using carried::same;

struct ContentCase {
    const char* what;
    std::function<KivExternal(const std::string&)> make;
    const char* oid;
    const char* isoOid;
};

KivExternal minimal(const std::string& oid, int32_t type,
                    const std::function<void(KivSingleASN1Type&)>& fill) {
    return carried::singleExternal(oid, type, fill);
}

const std::vector<ContentCase>& contentCases() {
    static const std::vector<ContentCase> cases = {
        {"SUTRS",
         [](const std::string& oid) { return carried::sutrsExternal(oid, "A record\nin two lines"); },
         "1.2.840.10003.5.101", "1.0.10163.5.101"},
        {"OPAC", carried::opacExternal, "1.2.840.10003.5.102", "1.0.10163.5.102"},
        {"empty OPAC",
         [](const std::string& oid) {
             return minimal(oid, AT_OpacRecord, [](KivSingleASN1Type& c) {
                 c.uASN1.psOpacRecord = std::make_unique<KivOpacRecord>();
             });
         },
         "1.2.840.10003.5.102", "1.0.10163.5.102"},
        {"Summary", carried::summaryExternal, "1.2.840.10003.5.103", "1.0.10163.5.103"},
        {"Summary with a title only",
         [](const std::string& oid) {
             return minimal(oid, AT_SummaryRecord, [](KivSingleASN1Type& c) {
                 c.uASN1.psSummaryRecord = std::make_unique<KivSummaryRecord>();
                 c.uASN1.psSummaryRecord->sTitle.pcValue = "Title";
             });
         },
         "1.2.840.10003.5.103", "1.0.10163.5.103"},
        {"resource-1", carried::resource1External, "1.2.840.10003.7.1", "1.0.10163.7.1"},
        {"resource-2", carried::resource2External, "1.2.840.10003.7.2", "1.0.10163.7.2"},
        {"resource-2 without estimates",
         [](const std::string& oid) {
             return minimal(oid, AT_ResourceReport2, [](KivSingleASN1Type& c) {
                 c.uASN1.psResourceReport2 = std::make_unique<KivResourceReport2>();
             });
         },
         "1.2.840.10003.7.2", "1.0.10163.7.2"},
        {"task package", carried::taskPackageExternal, "1.2.840.10003.5.106", "1.0.10163.5.106"},
        {"Update request", carried::updateRequestExternal, "1.2.840.10003.9.5", "1.0.10163.9.5"},
        {"Update response", carried::updateResponseExternal, "1.2.840.10003.9.5", "1.0.10163.9.5"},
    };
    return cases;
}

using ConvertCoreRecordsTest = ProcessLogFixture;

TEST_F(ConvertCoreRecordsTest, EveryCoreRecordRoundTripsOnBothArcs) {
    for (const ContentCase& c : contentCases()) {
        for (const char* oid : {c.oid, c.isoOid}) {
            const KivExternal sent = c.make(oid);
            SIError* error = nullptr;
            EXPECT_EQ(KivCheckExternal(0, &sent, "psExternal->", &error), 0) << c.what << " " << oid;
            SIFreeError(&error);
            KivExternal received;
            externalRoundTrip(sent, &received);
            EXPECT_TRUE(same(sent, received)) << c.what << " " << oid;
        }
    }
}

TEST_F(ConvertCoreRecordsTest, ContentValuesAreBoundToTheirRegisteredTypes) {
    const CodecExternal sutrs(carried::sutrsExternal("1.2.840.10003.5.101", "hello"));
    ASSERT_NE(sutrs.get()->singleASN1Type.entry, nullptr);
    EXPECT_EQ(sutrs.value<r::SutrsRecord>().length, 5);
    EXPECT_EQ(encodeElement(externalType(), sutrs.get()),
              hexOctets("28 12 06 07 2A 86 48 CE 13 05 65 A0 07 1B 05 68 65 6C 6C 6F"));
    const KivExternal back = sutrs.back();
    EXPECT_EQ(back.uExternalValue.psSingleASN1Type->eASN1Type, AT_UnstructuredText);
    EXPECT_EQ(back.uExternalValue.psSingleASN1Type->uASN1.psUnstructuredText->pcValue, "hello");

    const CodecExternal iso(carried::resource1External("1.0.10163.7.1"));
    ASSERT_NE(iso.get()->singleASN1Type.entry, nullptr);
    EXPECT_EQ(iso.get()->singleASN1Type.entry->anyId, 25);
    EXPECT_EQ(ASN_ListCount(iso.value<r::ResourceReport1>().estimates), 2);
}

// Enumerations out of range, booleans other than 1, and members that one side marks absent.
TEST_F(ConvertCoreRecordsTest, FieldsConvertByTheirRules) {
    {
        KivExternal sent = carried::taskPackageExternal("1.2.840.10003.5.106");
        CodecExternal codec(sent);
        r::TaskPackage& package = *codec.value<r::TaskPackageChoice>().taskPackage;
        EXPECT_EQ(package.taskStatus, 2);
        EXPECT_EQ(package.creationDateTime.length, 14);
        package.taskStatus = 7;
        package.creationDateTime.length = 0;
        const KivExternal back = codec.back();
        const KivEsTaskPackage& received = *back.uExternalValue.psSingleASN1Type->uASN1.psEsTaskPackage;
        EXPECT_EQ(received.eExtServicesTaskStatus, ESTS_Invalid);
        EXPECT_FALSE(received.pcCreationDateTime.has_value());
        sent.uExternalValue.psSingleASN1Type->uASN1.psEsTaskPackage->eExtServicesTaskStatus = 5;
        EXPECT_EQ(CodecExternal(sent).value<r::TaskPackageChoice>().taskPackage->taskStatus, 0);
    }
    {
        KivExternal sent = carried::resource1External("1.2.840.10003.7.1");
        sent.uExternalValue.psSingleASN1Type->uASN1.psResourceReport1->ppsEstimate[0]->eEstimateType = 17;
        CodecExternal codec(sent);
        auto* first = element<r::Estimate1>(codec.value<r::ResourceReport1>().estimates, 0);
        EXPECT_EQ(first->type, 0);
        first->type = 17;
        EXPECT_EQ(codec.back()
                      .uExternalValue.psSingleASN1Type->uASN1.psResourceReport1->ppsEstimate[0]
                      ->eEstimateType,
                  ET_Invalid);
    }
    {
        KivExternal sent = carried::opacExternal("1.2.840.10003.5.102");
        KivHoldingsAndCirc& data =
            sent.uExternalValue.psSingleASN1Type->uASN1.psOpacRecord->ppsHoldingsData[1]
                ->uMarcOrHoldAndCirc.sHoldingsAndCirc;
        data.ppsCircRecord[0]->fAvailableNow = 2;
        data.ppsVolume = KivArray<KivVolume>::emptyArray();
        CodecExternal codec(sent);
        auto* holdings =
            element<r::HoldingsRecord>(codec.value<r::OPACRecordChoice>().opacRecord->holdingsData, 1);
        r::HoldingsAndCircData& codecData = *holdings->holdingsAndCirc;
        ASSERT_NE(codecData.volumes, nullptr);
        EXPECT_EQ(ASN_ListCount(codecData.volumes), 0);
        auto* circ = element<r::CircRecord>(codecData.circulationData, 0);
        EXPECT_EQ(circ->availableNow, 0);
        EXPECT_EQ(circ->renewable, 1);
        MemFree(codecData.volumes);
        codecData.volumes = nullptr;
        const KivExternal back = codec.back();
        const KivHoldingsAndCirc& received =
            back.uExternalValue.psSingleASN1Type->uASN1.psOpacRecord->ppsHoldingsData[1]
                ->uMarcOrHoldAndCirc.sHoldingsAndCirc;
        EXPECT_FALSE(received.ppsVolume.present());
        EXPECT_EQ(received.ppsCircRecord[0]->fRenewable, 1u);
    }
    {
        KivExternal sent = carried::updateResponseExternal("1.2.840.10003.9.5");
        KivUpdateTargetPart& target = sent.uExternalValue.psSingleASN1Type->uASN1.psUpdateExtendedService
                                          ->uUpdateReqOrRsp.psUpdateResponse->sTargetPart;
        target.eTaskStatus = UTS_Failure;
        target.ppsTaskPackageRecord = KivArray<KivTaskPackageRecord>::emptyArray();
        CodecExternal codec(sent);
        const r::UpdateTargetPart& codecTarget = *codec.value<r::Update>().taskPackage->targetPart;
        EXPECT_EQ(codecTarget.updateStatus, 3);
        ASSERT_NE(codecTarget.taskPackageRecords, nullptr);
        EXPECT_EQ(ASN_ListCount(codecTarget.taskPackageRecords), 0);
    }
    {
        const CodecExternal codec(carried::updateRequestExternal("1.2.840.10003.9.5"));
        auto* first = element<r::SuppliedRecord>(codec.value<r::Update>().esRequest->notToKeep, 0);
        ASSERT_EQ(first->supplementalId->choiceId, r::SupplementalId::kTimeStamp);
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(first->supplementalId->timeStamp->octets),
                              static_cast<size_t>(first->supplementalId->timeStamp->length)),
                  "20260110120000");
    }
}

// An unexpected codec alternative leaves the selector 0; an unexpected API selector converts nothing.
TEST_F(ConvertCoreRecordsTest, SelectorsWithoutAlternativeConvertNothing) {
    KivExternal sent = carried::updateRequestExternal("1.2.840.10003.9.5");
    KivUpdateExtendedService& package = *sent.uExternalValue.psSingleASN1Type->uASN1.psUpdateExtendedService;
    package.uUpdateReqOrRsp.psUpdateRequest->ppsSuppliedRecord[0]->psUpdtRecordId->eRecordIdType = 4;
    CodecExternal codec(sent);
    auto* first = element<r::SuppliedRecord>(codec.value<r::Update>().esRequest->notToKeep, 0);
    EXPECT_EQ(first->recordId->choiceId, 0);
    EXPECT_EQ(first->recordId->string, nullptr);
    first->recordId->choiceId = r::SuppliedRecordId::kAlternatives;
    codec.value<r::Update>().choiceId = r::Update::kAlternatives;
    const KivExternal back = codec.back();
    const KivUpdateExtendedService& received =
        *back.uExternalValue.psSingleASN1Type->uASN1.psUpdateExtendedService;
    EXPECT_EQ(received.eUpdateReqRsp, 0);
    EXPECT_FALSE(received.uUpdateReqOrRsp.psUpdateRequest);
    codec.value<r::Update>().choiceId = r::Update::kEsRequest;

    package.eUpdateReqRsp = 3;
    const CodecExternal none(sent);
    EXPECT_EQ(none.value<r::Update>().esRequest, nullptr);
    EXPECT_EQ(none.value<r::Update>().taskPackage, nullptr);
}

}  // namespace
