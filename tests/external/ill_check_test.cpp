// Validation of interlibrary-loan APDUs: each fault reported once, with its code and the exact message.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "tests/external/ill_samples.h"
#include "tests/util/process_log_fixture.h"
#include "tests/util/validation_messages.h"
#include "toolkit/external/kiv_check_ill_pdu.h"

namespace ill_check_cases {
namespace {

using namespace ill_test;

const std::string kIllPath = "psRecord->uExternalValue.psSingleASN1Type->";
const std::string kIllRequest = "uASN1.psIllPdu->uIllPdu.psIllRequest->";
const std::string kReport = "uASN1.psIllPdu->uIllPdu.psStatusOrErrorReport->";
const std::string kExtension = kIllRequest + "ppsRequestExtension[0]->";

std::string missingInIll(const std::string& field) {
    return validation_messages::missing(kIllPath + field);
}
std::string outOfRangeInIll(const std::string& field) {
    return validation_messages::outOfRange(kIllPath + field);
}
std::string starOutOfRange(const std::string& field) {
    return "*" + outOfRangeInIll(field);
}
std::string invalidBooleanIll(const std::string& field) {
    return "Invalid boolean value " + kIllPath + field + " given";
}
std::string starInvalidBoolean(const std::string& field) {
    return "Invalid boolean value *" + kIllPath + field + " given";
}

using IllCheckTest = ProcessLogFixture;

int checkIll(std::unique_ptr<KivIllPdu> pdu, SIError** error) {
    const auto external = illExternal(std::move(pdu));
    return KivCheckIllPdu(3, external->uExternalValue.psSingleASN1Type.get(), kIllPath, error);
}

KivIllRequest& request(KivIllPdu& pdu) {
    return *pdu.uIllPdu.psIllRequest;
}
KivStatusOrErrorReport& report(KivIllPdu& pdu) {
    return *pdu.uIllPdu.psStatusOrErrorReport;
}
KivAddIllReqInfo& info(KivIllPdu& pdu) {
    return *request(pdu).ppsRequestExtension[0]->uItem.psAddIllReqInfo;
}

TEST_F(IllCheckTest, ValidApdusPass) {
    for (auto make : {minimalRequest, fullRequest, statusOrErrorReport}) {
        auto pdu = make();
        SIError* error = nullptr;
        EXPECT_EQ(checkIll(std::move(pdu), &error), 0);
        EXPECT_EQ(error, nullptr);
        SIFreeError(&error);
    }
    // An empty service-type array passes; so do the forward most recent service and held medium type 3.
    auto pdu = fullRequest();
    request(*pdu).ppeServiceType = KivArray<int32_t>::emptyArray();
    request(*pdu).sItemId.peMediumType = MT_Microform;
    SIError* error = nullptr;
    EXPECT_EQ(checkIll(std::move(pdu), &error), 0);
    SIFreeError(&error);
}

struct IllFaultCase {
    const char* what;
    std::unique_ptr<KivIllPdu> (*sample)();
    std::function<void(KivIllPdu&)> change;
    long code;
    std::string message;
};

TEST_F(IllCheckTest, EachFaultIsReportedWithItsPath) {
    const std::vector<IllFaultCase> cases = {
        {"a Forward-Notification", minimalRequest,
         [](KivIllPdu& p) { p.eIllPduType = IAT_ForwardNotification; }, 66,
         outOfRangeInIll("uASN1.psIllPdu->eIllPduType")},
        {"a request without its body", minimalRequest, [](KivIllPdu& p) { p.uIllPdu.psIllRequest.reset(); },
         64, missingInIll("uASN1.psIllPdu->uIllPdu.psIllRequest")},
        {"protocol version 3", minimalRequest, [](KivIllPdu& p) { request(p).eProtocolVersion = 3; }, 66,
         outOfRangeInIll(kIllRequest + "eProtocolVersion")},
        {"a string type 0", minimalRequest,
         [](KivIllPdu& p) { request(p).sTransactionId.sTransactionQualifier.eStringType = 0; }, 66,
         outOfRangeInIll(kIllRequest + "sTransactionId.sTransactionQualifier.eStringType")},
        {"a general string without its text", fullRequest,
         [](KivIllPdu& p) { request(p).psRequesterId->psName->sName.uString.psGeneralString.reset(); }, 64,
         missingInIll(kIllRequest + "psRequesterId->psName->sName.uString.psGeneralString")},
        {"no date of this service", minimalRequest,
         [](KivIllPdu& p) { request(p).sServiceDateTime.sThisService.pcDate.reset(); }, 64,
         missingInIll(kIllRequest + "sServiceDateTime.sThisService.pcDate")},
        {"transaction type 4", minimalRequest, [](KivIllPdu& p) { request(p).peTransactionType = 4; }, 66,
         starOutOfRange(kIllRequest + "peTransactionType")},
        {"no service types", minimalRequest, [](KivIllPdu& p) { request(p).ppeServiceType.reset(); }, 64,
         missingInIll(kIllRequest + "ppeServiceType")},
        {"service type 6", fullRequest, [](KivIllPdu& p) { *request(p).ppeServiceType[1] = 6; }, 66,
         outOfRangeInIll(kIllRequest + "ppeServiceType[1]->peServiceType")},
        {"can-send-received 2", minimalRequest,
         [](KivIllPdu& p) { request(p).sRequesterOptionalMessages.fCanSendReceived = 2; }, 72,
         invalidBooleanIll(kIllRequest + "sRequesterOptionalMessages.fCanSendReceived")},
        {"retry 2", minimalRequest, [](KivIllPdu& p) { request(p).pfRetry = 2; }, 72,
         invalidBooleanIll(kIllRequest + "pfRetry")},
        {"item type 4", minimalRequest, [](KivIllPdu& p) { request(p).sItemId.peItemType = 4; }, 66,
         outOfRangeInIll(kIllRequest + "sItemId.peItemType")},
        {"held medium type 2, which has no wire value", minimalRequest,
         [](KivIllPdu& p) { request(p).sItemId.peMediumType = 2; }, 66,
         outOfRangeInIll(kIllRequest + "sItemId.peMediumType")},
        {"a maximum cost without its value", fullRequest,
         [](KivIllPdu& p) { request(p).psCostInfo->psMaximumCost->pcMonetaryValue.reset(); }, 64,
         missingInIll(kIllRequest + "psCostInfo->psMaximumCost->pcMonetaryValue")},
        {"an electronic delivery without its array", fullRequest,
         [](KivIllPdu& p) { request(p).psDeliveryService->uDeliveryService.ppsElectronicDelivery.reset(); },
         64, missingInIll(kIllRequest + "psDeliveryService->uDeliveryService.ppsElectronicDelivery")},
        {"delivery details of type 3", fullRequest,
         [](KivIllPdu& p) {
             request(p)
                 .psDeliveryService->uDeliveryService.ppsElectronicDelivery[0]
                 ->sDeliveryDetails.eDeliveryDetailsType = 3;
         },
         66,
         outOfRangeInIll(kIllRequest +
                         "psDeliveryService->uDeliveryService.ppsElectronicDelivery[0]->sDeliveryDetails."
                         "eDeliveryDetailsType")},
        {"a delivery parameter value without its mode", fullRequest,
         [](KivIllPdu& p) {
             auto& parameter = *request(p)
                                    .psDeliveryService->uDeliveryService.ppsElectronicDelivery[0]
                                    ->psDeliveryParameter;
             parameter.pcDeliveryMode.reset();
             parameter.puDeliveryParameter = std::make_unique<KivParameterValue>();
             parameter.puDeliveryParameter->psDummy = std::make_unique<KivExternal>();
         },
         64,
         missingInIll(
             kIllRequest +
             "psDeliveryService->uDeliveryService.ppsElectronicDelivery[0]->psDeliveryParameter->"
             "pcDeliveryMode (required for encoding psDeliveryParameter->puDeliveryParameter->psDummy)")},
        {"a delivery parameter value that is not a single ASN.1 type", fullRequest,
         [](KivIllPdu& p) {
             auto& parameter = *request(p)
                                    .psDeliveryService->uDeliveryService.ppsElectronicDelivery[0]
                                    ->psDeliveryParameter;
             parameter.puDeliveryParameter = std::make_unique<KivParameterValue>();
             parameter.puDeliveryParameter->psDummy = std::make_unique<KivExternal>();
             parameter.puDeliveryParameter->psDummy->eValueType = EVT_OctetAligned;
         },
         76,
         kIllPath + kIllRequest +
             "psDeliveryService->uDeliveryService.ppsElectronicDelivery[0]->psDeliveryParameter->"
             "puDeliveryParameter->psDummy->eValueType MUST BE EVT_SingleASN1Type"},
        {"preference 3", fullRequest, [](KivIllPdu& p) { request(p).psThirdPartyInfo->pePreference = 3; }, 66,
         starOutOfRange(kIllRequest + "psThirdPartyInfo->pePreference")},
        {"extension 799", fullRequest,
         [](KivIllPdu& p) { request(p).ppsRequestExtension[0]->ulIdentifier = 799; }, 66,
         outOfRangeInIll(kExtension + "uItem.ulIdentifier")},
        {"critical 2", fullRequest, [](KivIllPdu& p) { request(p).ppsRequestExtension[0]->pfCritical = 2; },
         72, starInvalidBoolean(kExtension + "pfCritical")},
        {"extension 800 without its item", fullRequest,
         [](KivIllPdu& p) { request(p).ppsRequestExtension[0]->uItem.psAddIllReqInfo.reset(); }, 64,
         missingInIll(kExtension + "uItem.psAddIllReqInfo")},
        {"status level of the origin 4", fullRequest,
         [](KivIllPdu& p) { info(p).psAddDeliveryInfo->peStatusLevelOrigin = 4; }, 66,
         starOutOfRange(kExtension + "uItem.psAddIllReqInfo->psAddDeliveryInfo->peStatusLevelOrigin")},
        {"a card without its number", fullRequest,
         [](KivIllPdu& p) {
             info(p).psAddBillingInfo->uAddBillingInfo.psBillingCreditCardInfo->pcCardNo.reset();
         },
         64,
         missingInIll(
             kExtension +
             "uItem.psAddIllReqInfo->psAddBillingInfo->uAddBillingInfo.psBillingCreditCardInfo->pcCardNo")},
        {"billing type 6", fullRequest, [](KivIllPdu& p) { info(p).psAddBillingInfo->eAddBillingType = 6; },
         66, outOfRangeInIll(kExtension + "uItem.psAddIllReqInfo->psAddBillingInfo->eAddBillingType")},
        {"reason-no-report 3", statusOrErrorReport, [](KivIllPdu& p) { report(p).peReasonNoReport = 3; }, 66,
         starOutOfRange(kReport + "peReasonNoReport")},
        {"most recent service 22", statusOrErrorReport,
         [](KivIllPdu& p) { report(p).psStatusReport->sUserStatusReport.eMostRecentService = 22; }, 66,
         outOfRangeInIll(kReport + "psStatusReport->sUserStatusReport.eMostRecentService")},
        {"no date of the last transition", statusOrErrorReport,
         [](KivIllPdu& p) { report(p).psStatusReport->sUserStatusReport.pcDateOfLastTransition.reset(); }, 64,
         missingInIll(kReport + "psStatusReport->sUserStatusReport.pcDateOfLastTransition")},
        {"provider status 19", statusOrErrorReport,
         [](KivIllPdu& p) { report(p).psStatusReport->eProviderStatusReport = 19; }, 66,
         outOfRangeInIll(kReport + "psStatusReport->eProviderStatusReport")},
        {"a user source without its report", statusOrErrorReport,
         [](KivIllPdu& p) { report(p).psErrorReport->sReport.uReport.psUserErrorReport.reset(); }, 64,
         missingInIll(kReport + "psErrorReport->sReport.uReport.psUserErrorReport")},
        {"a provider state transition of APDU 21", statusOrErrorReport,
         [](KivIllPdu& p) {
             KivReport& source = report(p).psErrorReport->sReport;
             source.eReportSource = RS_Provider;
             source.uReport.psProviderErrorReport = std::make_unique<KivProviderErrorReport>();
             source.uReport.psProviderErrorReport->eReportType = PER_StateTransitionProhibited;
             source.uReport.psProviderErrorReport->uProviderErrorReport.psStateTransitionProblem =
                 std::make_unique<KivStateTransitionProhibited>(KivStateTransitionProhibited{21, CS_Pending});
         },
         66,
         outOfRangeInIll(kReport +
                         "psErrorReport->sReport.uReport.psProviderErrorReport->uProviderErrorReport."
                         "psStateTransitionProblem->eAPDUType")},
        {"report source 3", statusOrErrorReport,
         [](KivIllPdu& p) { report(p).psErrorReport->sReport.eReportSource = 3; }, 66,
         outOfRangeInIll(kReport + "psErrorReport->sReport.eReportSource")},
    };
    for (const IllFaultCase& c : cases) {
        createLog();
        auto pdu = c.sample();
        c.change(*pdu);
        SIError* error = nullptr;
        EXPECT_EQ(checkIll(std::move(pdu), &error), 1) << c.what;
        ASSERT_NE(error, nullptr) << c.what;
        EXPECT_EQ(error->eErrorClass, SI_Interface_Error) << c.what;
        EXPECT_EQ(error->uErrorCode.lIfOsCoError, c.code) << c.what;
        EXPECT_EQ(loggedDiagnostic(), c.message) << c.what;
        SIFreeError(&error);
    }
}

TEST_F(IllCheckTest, MissingApduIsReported) {
    createLog();
    SIError* error = nullptr;
    EXPECT_EQ(checkIll(nullptr, &error), 1);
    EXPECT_EQ(loggedDiagnostic(), missingInIll("uASN1.psIllPdu"));
    SIFreeError(&error);
}

}  // namespace
}  // namespace ill_check_cases
