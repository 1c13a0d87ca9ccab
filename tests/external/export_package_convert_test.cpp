// Export Specification and Export Invocation packages through the codec on both identifiers, and the members
// the rules send or receive differently from how they were given.

#include <gtest/gtest.h>

#include <string>

#include "tests/api/codec_external.h"
#include "tests/external/carried_check_fixture.h"
#include "tests/external/export_package_equality.h"
#include "tests/external/export_package_samples.h"
#include "toolkit/api/kiv_register_codec_types.h"
#include "toolkit/codec/records/records_f.h"
#include "toolkit/codec/z3950/apdu_one.h"

namespace export_package_convert_cases {
namespace {

namespace r = codec::records;
using namespace export_package_test;

class ExportPackageConvertTest : public CarriedCheckTest {
  protected:
    void SetUp() override {
        CarriedCheckTest::SetUp();
        KivRegisterCodecTypes();
    }

    // Valid, and back from BER equal to what was sent.
    static void expectRoundTrip(const KivExternal& sent, int32_t type, const std::string& what) {
        expectValid(sent, what.c_str());
        KivExternal received;
        externalRoundTrip(sent, &received);
        EXPECT_EQ(received.uExternalValue.psSingleASN1Type->eASN1Type, type) << what;
        EXPECT_TRUE(carried::same(sent, received)) << what;
    }
};

TEST_F(ExportPackageConvertTest, SpecificationsRoundTripOnBothArcsWithEveryDestination) {
    for (const char* oid : {"1.2.840.10003.9.6", "1.0.10163.9.6"}) {
        for (int32_t reqOrRsp : {ESROR_Request, ESROR_Response}) {
            for (int32_t destination = DT_PhoneNumber; destination <= DT_Other; ++destination) {
                expectRoundTrip(
                    specificationExternal(oid, reqOrRsp, destination), AT_ExportSpecification,
                    std::string(oid) + " " + std::to_string(reqOrRsp) + " " + std::to_string(destination));
            }
        }
    }
}

TEST_F(ExportPackageConvertTest, InvocationsRoundTripOnBothArcs) {
    for (const char* oid : {"1.2.840.10003.9.7", "1.0.10163.9.7"}) {
        expectRoundTrip(invocationRequest(oid), AT_ExportInvocation, oid);
        expectRoundTrip(invocationResponse(oid), AT_ExportInvocation, oid);
    }
    // The other alternatives: a named specification with every record, a specification in full in a task
    // package, a destination without vehicle.
    KivExternal request = invocationRequest("1.2.840.10003.9.7");
    KivExpInvoRequest& order = *invocationOf(request).uExpInvoReqOrRsp.psExpInvoRequest;
    order.sToKeep.sExportSpec.eExpInvoOriginPartToKeepChoiceType = EI_PackageName;
    order.sToKeep.sExportSpec.uExpInvoOriginPartToKeepChoice.psPackageSpec.reset();
    order.sToKeep.sExportSpec.uExpInvoOriginPartToKeepChoice.psPackageName = text("daily");
    order.sNotToKeep.sRecords = {RTT_All, {}};
    expectRoundTrip(request, AT_ExportInvocation, "named, all records");
    KivExternal response = invocationResponse("1.0.10163.9.7");
    KivExpInvoExportSpec& exportSpec =
        invocationOf(response).uExpInvoReqOrRsp.psExpInvoResponse->sOriginPart.sExportSpec;
    exportSpec.eExpInvoOriginPartToKeepChoiceType = EI_PackageSpec;
    exportSpec.uExpInvoOriginPartToKeepChoice.psPackageName.reset();
    exportSpec.uExpInvoOriginPartToKeepChoice.psPackageSpec = specification(ESROR_Response, DT_Other);
    exportSpec.uExpInvoOriginPartToKeepChoice.psPackageSpec->uExpSpecReqOrRsp.psExpSpecResponse->sOriginPart
        .sExportDestination.uDestinationType.psOther->psVehicle.reset();
    expectRoundTrip(response, AT_ExportInvocation, "full specification in a task package");
}

// A request and a response with the same part to keep differ only in the alternative.
TEST_F(ExportPackageConvertTest, SpecificationAlternativesShareTheirOriginPart) {
    const CodecExternal request(specificationExternal("1.2.840.10003.9.6", ESROR_Request, DT_FtamAddress));
    const CodecExternal response(specificationExternal("1.2.840.10003.9.6", ESROR_Response, DT_FtamAddress));
    const r::ExportSpecification& asked = request.value<r::ExportSpecification>();
    const r::ExportSpecification& answered = response.value<r::ExportSpecification>();
    EXPECT_EQ(asked.choiceId, r::ExportSpecification::kEsRequest);
    EXPECT_EQ(answered.choiceId, r::ExportSpecification::kTaskPackage);
    const r::Destination& sent = *asked.esRequest->toKeep->exportDestination;
    EXPECT_EQ(sent.choiceId, r::Destination::kFtamAddress);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(sent.ftamAddress->octets),
                          static_cast<size_t>(sent.ftamAddress->length)),
              "address 7");
    EXPECT_EQ(answered.taskPackage->originPart->exportDestination->choiceId, r::Destination::kFtamAddress);
    EXPECT_EQ(answered.taskPackage->originPart->composition->selectAlternativeSyntax,
              asked.esRequest->toKeep->composition->selectAlternativeSyntax);
    KivExternal back = response.back();
    const KivExpSpecExtendedService& received = specificationOf(back);
    EXPECT_EQ(received.eExpSpecReqOrRsp, ESROR_Response);
    EXPECT_FALSE(received.uExpSpecReqOrRsp.psExpSpecRequest);
}

TEST_F(ExportPackageConvertTest, ReceivedValuesFollowTheirRules) {
    KivExternal sent = invocationRequest("1.2.840.10003.9.7");
    CodecExternal codec(sent);
    r::ExportInvocationEsRequest& request = *codec.value<r::ExportInvocation>().esRequest;
    EXPECT_NE(element<r::ExportRange>(request.notToKeep->records->ranges, 0)->count, nullptr);
    EXPECT_EQ(element<r::ExportRange>(request.notToKeep->records->ranges, 1)->count, nullptr);
    r::ExportSpecification& nested = *request.toKeep->exportSpec->packageSpec;
    r::Destination& destination = *nested.esRequest->toKeep->exportDestination;
    destination.choiceId = r::Destination::kAlternatives;
    request.notToKeep->records->choiceId = r::ExportRecords::kAlternatives;
    nested.choiceId = r::ExportSpecification::kAlternatives;
    {
        KivExternal back = codec.back();
        const KivExpInvoRequest& received = *invocationOf(back).uExpInvoReqOrRsp.psExpInvoRequest;
        EXPECT_EQ(received.sNotToKeep.sRecords.eExpInvoRecordsType, RTT_Invalid);
        EXPECT_FALSE(received.sNotToKeep.sRecords.uExpInvoRecords.ppsRanges.present());
        const KivExpSpecExtendedService& exportSpec =
            *received.sToKeep.sExportSpec.uExpInvoOriginPartToKeepChoice.psPackageSpec;
        EXPECT_EQ(exportSpec.eExpSpecReqOrRsp, ESROR_Invalid);
        EXPECT_FALSE(exportSpec.uExpSpecReqOrRsp.psExpSpecRequest);
    }
    // An unknown destination alternative leaves the type 0.
    nested.choiceId = r::ExportSpecification::kEsRequest;
    {
        KivExternal back = codec.back();
        const KivDestination& received =
            invocationOf(back)
                .uExpInvoReqOrRsp.psExpInvoRequest->sToKeep.sExportSpec.uExpInvoOriginPartToKeepChoice
                .psPackageSpec->uExpSpecReqOrRsp.psExpSpecRequest->sToKeep.sExportDestination;
        EXPECT_EQ(received.eDestinationType, 0);
        EXPECT_FALSE(received.uDestinationType.psOther);
    }
    destination.choiceId = r::Destination::kOther;  // so that the records free what they hold
    request.notToKeep->records->choiceId = r::ExportRecords::kRanges;
    request.toKeep->exportSpec->choiceId = r::ExportInvocationExportSpec::kAlternatives;
    KivExternal back = codec.back();
    EXPECT_EQ(invocationOf(back)
                  .uExpInvoReqOrRsp.psExpInvoRequest->sToKeep.sExportSpec.eExpInvoOriginPartToKeepChoiceType,
              EI_Invalid);
    request.toKeep->exportSpec->choiceId = r::ExportInvocationExportSpec::kPackageSpec;
}

// The target part is always sent; a task package that arrives without it leaves its members absent.
TEST_F(ExportPackageConvertTest, TargetPartIsSentEmptyAndMayArriveMissing) {
    KivExternal sent = invocationResponse("1.0.10163.9.7");
    invocationOf(sent).uExpInvoReqOrRsp.psExpInvoResponse->sTargetPart = {};
    CodecExternal codec(sent);
    r::ExportInvocationTaskPackage& package = *codec.value<r::ExportInvocation>().taskPackage;
    ASSERT_NE(package.targetPart, nullptr);
    EXPECT_EQ(package.targetPart->estimatedQuantity, nullptr);
    KivExternal received;
    externalRoundTrip(sent, &received);
    EXPECT_TRUE(carried::same(sent, received));

    r::ExportInvocationTargetPart* target = package.targetPart;
    package.targetPart = nullptr;
    KivExternal back = codec.back();
    package.targetPart = target;
    const KivExpInvoResponse& response = *invocationOf(back).uExpInvoReqOrRsp.psExpInvoResponse;
    EXPECT_FALSE(response.sTargetPart.psEstimatedQuantity);
    EXPECT_FALSE(response.sTargetPart.psCostSoFar);
    EXPECT_EQ(response.sOriginPart.sExportSpec.uExpInvoOriginPartToKeepChoice.psPackageName->pcValue,
              "weekly-list");
}

}  // namespace
}  // namespace export_package_convert_cases
