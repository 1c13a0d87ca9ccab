// Interlibrary-loan APDUs through the codec: structure -> codec record -> BER -> codec record -> structure,
// the defaults of the conversion towards the codec, and what received values outside the named ones become.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "tests/codec/z3950/generated_codec_harness.h"
#include "tests/external/ill_samples.h"
#include "toolkit/api/kiv_codec_alloc.h"
#include "toolkit/api/kiv_convert_basic.h"
#include "toolkit/api/kiv_convert_external.h"
#include "toolkit/api/kiv_register_codec_types.h"
#include "toolkit/codec/ill/ill.h"
#include "toolkit/codec/ill/ill_extension800.h"
#include "toolkit/codec/z3950/external.h"
#include "toolkit/external/kiv_convert_ill_pdu.h"

namespace ill_convert_cases {
namespace {

using codec::z3950::EXTERNAL;
using namespace ill_test;
namespace ill = codec::ill;

const GeneratedType kExternal =
    describeType<EXTERNAL, codec::z3950::EncodeEXTERNALContent, codec::z3950::DecodeEXTERNALContent,
                 codec::z3950::PrintEXTERNAL, codec::z3950::FreeEXTERNAL>("EXTERNAL", 0x28000000, {});

// The BER of an EXTERNAL carrying the APDU, as the toolkit sends it.
std::vector<uint8_t> sent(const KivExternal& external) {
    KivRegisterCodecTypes();
    GeneratedRecord record(kExternal);
    KivExternalToCodec(static_cast<EXTERNAL*>(record.get()), &external);
    return encodeElement(kExternal, record.get());
}

// The structure the toolkit hands the application for received octets.
std::unique_ptr<KivExternal> receivedIll(const std::vector<uint8_t>& octets) {
    KivRegisterCodecTypes();
    GeneratedRecord record(kExternal);
    EXPECT_EQ(decodeElement(kExternal, octets, record.get()).code, 0);
    auto external = std::make_unique<KivExternal>();
    KivExternalFromCodec(external.get(), static_cast<EXTERNAL*>(record.get()));
    return external;
}

const KivIllPdu& pduOf(const KivExternal& external) {
    return *external.uExternalValue.psSingleASN1Type->uASN1.psIllPdu;
}

std::string textOf(const std::unique_ptr<KivIllString>& string) {
    return string && string->uString.pcVisibleString ? *string->uString.pcVisibleString : "<none>";
}

TEST(IllConvert, RequestWithEveryGroupComesBackAsItWasSent) {
    const std::vector<uint8_t> octets = sent(*illExternal(fullRequest()));
    std::unique_ptr<KivExternal> back = receivedIll(octets);
    ASSERT_EQ(back->uExternalValue.psSingleASN1Type->eASN1Type, AT_IllPdu);
    EXPECT_EQ(sent(*back), octets);

    const KivIllRequest& request = *pduOf(*back).uIllPdu.psIllRequest;
    EXPECT_EQ(request.eProtocolVersion, PV_Version2);
    EXPECT_EQ(request.peTransactionType, TT_Chained);
    EXPECT_EQ(*request.sServiceDateTime.psOriginalService->pcDate, "20261201");
    EXPECT_EQ(request.psRequesterId->psName->sName.uString.psGeneralString->pcValue, "Requester");
    EXPECT_EQ(textOf(request.psBillingAddress->psPostalAddress->psPostalCode), "12345");
    const KivElectronicDeliveryService& delivery =
        *request.psDeliveryService->uDeliveryService.ppsElectronicDelivery[0];
    EXPECT_EQ(delivery.psDeliveryParameter->pcDeliveryMode, "1.2.3.4");
    EXPECT_EQ(delivery.pcDeliveryTime, "0900");
    EXPECT_EQ(request.ppeServiceType.size(), 2u);
    EXPECT_EQ(*request.ppeServiceType[1], ST_Estimate);
    EXPECT_EQ(request.sItemId.peMediumType, MT_Microform);
    EXPECT_EQ(textOf(request.sItemId.psVerificationReferenceSource), "s");
    EXPECT_EQ(request.sItemId.psSystemNo->uExternalValue.psSingleASN1Type->uASN1.psUnstructuredText->pcValue,
              "sysno");
    EXPECT_EQ(request.psCostInfo->pfWillPayFee, 0u);
    EXPECT_EQ(request.psThirdPartyInfo->ppsSendToList[0]->psSystemAddress->psTelecomServiceAddress->uString
                  .pcVisibleString,
              "next@example.org");
    EXPECT_EQ(request.psForwardNote->eStringType, ST_GeneralString);
    const KivAddIllReqInfo& info = *request.ppsRequestExtension[0]->uItem.psAddIllReqInfo;
    EXPECT_EQ(request.ppsRequestExtension[0]->pfCritical, 0u);
    EXPECT_EQ(info.psAddDeliveryInfo->peStatusLevelOrigin, SLO_Negative);
    EXPECT_EQ(info.psAddBillingInfo->uAddBillingInfo.psBillingCreditCardInfo->pcCardValidFrom, "0126");
}

TEST(IllConvert, MinimalRequestAndStatusOrErrorReportComeBack) {
    for (auto make : {minimalRequest, statusOrErrorReport}) {
        const std::vector<uint8_t> octets = sent(*illExternal(make()));
        EXPECT_EQ(sent(*receivedIll(octets)), octets);
    }
    const std::unique_ptr<KivExternal> reportBack = receivedIll(sent(*illExternal(statusOrErrorReport())));
    const KivStatusOrErrorReport& report = *pduOf(*reportBack).uIllPdu.psStatusOrErrorReport;
    EXPECT_EQ(report.peReasonNoReport, RNR_Permanent);
    EXPECT_EQ(report.psStatusReport->sUserStatusReport.eMostRecentService, MRS_Forward);
    EXPECT_EQ(report.psStatusReport->eProviderStatusReport, CS_Shipped);
    const KivUserErrorReport& user = *report.psErrorReport->sReport.uReport.psUserErrorReport;
    EXPECT_EQ(user.eReportType, UER_AlreadyForwarded);
    EXPECT_EQ(textOf(user.uUserErrorReport.psAlreadyForwarded->psResponderAddress->psTelecomServiceIdentifier),
              "email");
    const std::unique_ptr<KivExternal> minimalBack = receivedIll(sent(*illExternal(minimalRequest())));
    const KivIllRequest& minimal = *pduOf(*minimalBack).uIllPdu.psIllRequest;
    EXPECT_FALSE(minimal.peTransactionType.has_value());
    EXPECT_FALSE(minimal.pePlaceOnHold.has_value());
    EXPECT_FALSE(minimal.ppsRequestExtension.present());
    EXPECT_FALSE(minimal.sServiceDateTime.sThisService.pcTime.has_value());
}

// The codec value of an APDU, converted towards the codec; released with the object.
class CodecApdu {
  public:
    explicit CodecApdu(std::unique_ptr<KivIllPdu> pdu) : external_(illExternal(std::move(pdu))) {
        KivRegisterCodecTypes();
        BerOid oid{};
        KivOidToCodec(&oid, kIllOid);
        ASN_BindAnyByOid(&any_, &oid);
        ASN_FreeOid(&oid);
        KivIllPduToCodec(&any_, external_->uExternalValue.psSingleASN1Type.get());
    }
    ~CodecApdu() { ASN_FreeAny(&any_); }
    CodecApdu(const CodecApdu&) = delete;
    CodecApdu& operator=(const CodecApdu&) = delete;

    ill::ILLAPDU* value() const { return static_cast<ill::ILLAPDU*>(any_.value); }
    const BerAny* any() const { return &any_; }

  private:
    std::unique_ptr<KivExternal> external_;
    BerAny any_{};
};

TEST(IllConvert, DefaultsTowardsTheCodec) {
    struct Case {
        const char* what;
        std::function<void(KivIllRequest&)> change;
        std::function<int32_t(const ill::ILLRequest&)> sent;
        int32_t expected;
    };
    const std::vector<Case> cases = {
        {"transaction type 7 goes as simple", [](KivIllRequest& r) { r.peTransactionType = 7; },
         [](const ill::ILLRequest& r) { return *r.transaction_type; }, 1},
        {"place-on-hold 0 goes as responder policy", [](KivIllRequest& r) { r.pePlaceOnHold = 0; },
         [](const ill::ILLRequest& r) { return *r.place_on_hold; }, 3},
        {"place-on-hold no", [](KivIllRequest& r) { r.pePlaceOnHold = POH_No; },
         [](const ill::ILLRequest& r) { return *r.place_on_hold; }, 2},
        {"service type out of range goes as 0", [](KivIllRequest& r) { *r.ppeServiceType[0] = 9; },
         [](const ill::ILLRequest& r) { return **static_cast<BerInteger**>(ASN_ListSlot(r.iLL_service_type->first)); },
         0},
        {"an electronic delivery of the terminator alone is an empty list",
         [](KivIllRequest& r) {
             r.psDeliveryService = std::make_unique<KivDeliveryService>();
             r.psDeliveryService->eDeliveryServiceType = DST_ElectronicDelivery;
             r.psDeliveryService->uDeliveryService.ppsElectronicDelivery = KivArray<KivElectronicDeliveryService>::emptyArray();
         },
         [](const ill::ILLRequest& r) { return static_cast<int32_t>(r.delivery_service->electronic_delivery->count); },
         0},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.what);
        auto pdu = minimalRequest();
        row.change(*pdu->uIllPdu.psIllRequest);
        CodecApdu apdu(std::move(pdu));
        ASSERT_EQ(apdu.value()->choiceId, ill::ILLAPDU::kILLRequest);
        EXPECT_EQ(row.sent(*apdu.value()->iLLRequest), row.expected);
    }

    // A delivery parameter without its identifier sends neither.
    auto pdu = minimalRequest();
    auto& service = pdu->uIllPdu.psIllRequest->psDeliveryService = std::make_unique<KivDeliveryService>();
    service->eDeliveryServiceType = DST_ElectronicDelivery;
    KivElectronicDeliveryService item;
    item.psDeliveryParameter = std::make_unique<KivDeliveryParameter>();
    item.sDeliveryDetails.eDeliveryDetailsType = DDT_SystemAddress;
    item.sDeliveryDetails.uDeliveryDetails.psSystemAddress = std::make_unique<KivSystemAddress>();
    service->uDeliveryService.ppsElectronicDelivery.emplace(std::move(item));
    CodecApdu apdu(std::move(pdu));
    auto* element = *static_cast<ill::ElectronicDeliveryService**>(
        ASN_ListSlot(apdu.value()->iLLRequest->delivery_service->electronic_delivery->first));
    EXPECT_EQ(element->e_delivery_mode.octets, nullptr);
    EXPECT_EQ(element->e_delivery_parameters.value, nullptr);

    // Kinds without a body store no value: nothing is encoded for them.
    auto shipped = std::make_unique<KivIllPdu>();
    shipped->eIllPduType = IAT_Shipped;
    EXPECT_EQ(CodecApdu(std::move(shipped)).value(), nullptr);
}

TEST(IllConvert, ReceivedValuesOutsideTheNamedOnes) {
    struct Case {
        const char* what;
        std::unique_ptr<KivIllPdu> (*sample)();
        std::function<void(ill::ILLAPDU&)> change;
        std::function<int32_t(const KivIllPdu&)> got;
        int32_t expected;
        std::function<void(ill::ILLAPDU&)> undo = [](ill::ILLAPDU&) {};  // so that the free routine finds all
    };
    const auto history = [](ill::ILLAPDU& apdu) -> ill::HistoryReport& {
        return *apdu.statusOrErrorReport->status_report->user_status_report;
    };
    const auto info = [](const KivIllPdu& pdu) -> const KivAddIllReqInfo& {
        return *pdu.uIllPdu.psIllRequest->ppsRequestExtension[0]->uItem.psAddIllReqInfo;
    };
    const auto codecInfo = [](ill::ILLAPDU& apdu) -> ill::AddIllReqInfo& {
        auto* extension = *static_cast<ill::Extension**>(ASN_ListSlot(apdu.iLLRequest->iLL_request_extensions->first));
        return *static_cast<ill::IllExtension800*>(extension->item.value)->addIllReqInfo;
    };
    const std::vector<Case> cases = {
        {"most recent service 21", statusOrErrorReport, [&](ill::ILLAPDU& a) { history(a).most_recent_service = 21; },
         [](const KivIllPdu& p) {
             return p.uIllPdu.psStatusOrErrorReport->psStatusReport->sUserStatusReport.eMostRecentService;
         },
         MRS_Forward},
        {"most recent service 22", statusOrErrorReport, [&](ill::ILLAPDU& a) { history(a).most_recent_service = 22; },
         [](const KivIllPdu& p) {
             return p.uIllPdu.psStatusOrErrorReport->psStatusReport->sUserStatusReport.eMostRecentService;
         },
         MRS_Invalid},
        {"protocol version 3", minimalRequest, [](ill::ILLAPDU& a) { a.iLLRequest->protocol_version_num = 3; },
         [](const KivIllPdu& p) { return p.uIllPdu.psIllRequest->eProtocolVersion; }, PV_Invalid},
        {"requester group 5", fullRequest, [&](ill::ILLAPDU& a) { *codecInfo(a).addRequesterInfo->requesterGroup = 5; },
         [&](const KivIllPdu& p) { return *info(p).psAddRequesterInfo->peRequesterGroup; }, RG_UserGroup1},
        {"status level of the user 0", fullRequest,
         [&](ill::ILLAPDU& a) { *codecInfo(a).addDeliveryInfo->statusLevelUser = 0; },
         [&](const KivIllPdu& p) { return *info(p).psAddDeliveryInfo->peStatusLevelUser; }, SLU_Negative},
        {"status level of the requester 9", fullRequest,
         [&](ill::ILLAPDU& a) { *codecInfo(a).addDeliveryInfo->statusLevelRequester = 9; },
         [&](const KivIllPdu& p) { return *info(p).psAddDeliveryInfo->peStatusLevelOrigin; }, SLO_None},
        {"held medium type 2", fullRequest, [](ill::ILLAPDU& a) { *a.iLLRequest->item_id->held_medium_type = 2; },
         [](const KivIllPdu& p) { return *p.uIllPdu.psIllRequest->sItemId.peMediumType; }, MT_Invalid},
        {"an ILL-String of choice 5", minimalRequest,
         [](ill::ILLAPDU& a) { a.iLLRequest->transaction_id->transaction_qualifier->choiceId = 5; },
         [](const KivIllPdu& p) { return p.uIllPdu.psIllRequest->sTransactionId.sTransactionQualifier.eStringType; },
         0, [](ill::ILLAPDU& a) { a.iLLRequest->transaction_id->transaction_qualifier->choiceId = 1; }},
        {"a Shipped APDU", minimalRequest, [](ill::ILLAPDU& a) { a.choiceId = ill::ILLAPDU::kShipped; },
         [](const KivIllPdu& p) { return p.eIllPduType; }, ILL_Invalid,
         [](ill::ILLAPDU& a) { a.choiceId = ill::ILLAPDU::kILLRequest; }},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.what);
        CodecApdu apdu(row.sample());
        row.change(*apdu.value());
        KivSingleASN1Type single;
        KivIllPduFromCodec(&single, apdu.any());
        row.undo(*apdu.value());
        EXPECT_EQ(row.got(*single.uASN1.psIllPdu), row.expected);
    }
}

TEST(IllConvert, ReceivedExtensionOtherThan800KeepsItsIdentifierOnly) {
    KivRegisterCodecTypes();
    // An ILL-Request whose extension list holds a raw 799 item.
    const std::vector<uint8_t> octets = sent(*illExternal(minimalRequest()));
    GeneratedRecord record(kExternal);
    ASSERT_EQ(decodeElement(kExternal, octets, record.get()).code, 0);
    auto* apdu = static_cast<ill::ILLAPDU*>(static_cast<EXTERNAL*>(record.get())->singleASN1Type.value);
    GeneratedType extensionType = GENERATED_TYPE(ill, Extension, 0x30000000u);
    auto* extension = static_cast<ill::Extension*>(kivCodecBlock(sizeof(ill::Extension)));
    const std::vector<uint8_t> raw = hexOctets("30 09 80 02 03 1F A2 03 80 01 61");
    ASSERT_EQ(decodeElement(extensionType, raw, extension).code, 0);
    apdu->iLLRequest->iLL_request_extensions = kivNewCodecList();
    kivCodecListAppend(apdu->iLLRequest->iLL_request_extensions, extension);
    auto external = std::make_unique<KivExternal>();
    KivExternalFromCodec(external.get(), static_cast<EXTERNAL*>(record.get()));
    const KivIllExtension& got = *pduOf(*external).uIllPdu.psIllRequest->ppsRequestExtension[0];
    EXPECT_EQ(got.ulIdentifier, 799u);
    ASSERT_NE(got.uItem.psAddIllReqInfo, nullptr);
    EXPECT_FALSE(got.uItem.psAddIllReqInfo->pfCustomerInfoToKeep.has_value());
    EXPECT_EQ(got.uItem.psAddIllReqInfo->psAddBillingInfo, nullptr);
}

}  // namespace
}  // namespace ill_convert_cases
