// The resource-1 and resource-2 report formats.

#include "toolkit/api/kiv_convert_attributes.h"
#include "toolkit/api/kiv_convert_basic.h"
#include "toolkit/api/kiv_convert_core_records.h"
#include "toolkit/api/kiv_convert_core_records_fields.h"
#include "toolkit/api/kiv_convert_external_content_types.h"
#include "toolkit/codec/records/records_e.h"

using codec::records::Estimate1;
using codec::records::Estimate2;
using codec::records::ResourceReport1;
using codec::records::ResourceReport2;
using codec::records::ResourceReport2Choice;

namespace {

void estimate1ToCodec(Estimate1* dst, const KivEstimate1* src) {
    dst->type = kivEnumToCodec(src->eEstimateType, ET_CurrentSearchRecords, ET_CurrentOtherAssocCost);
    dst->value = static_cast<BerInteger>(src->ulValue);
    KivOptionalIntegerToCodec(&dst->currency_code, &src->pulCurrencyCode);
}

void estimate2ToCodec(Estimate2* dst, const KivEstimate2* src) {
    KivNewStringOrNumericToCodec(&dst->type, &src->sType);
    kivNewToCodec(&dst->value, &src->sValue, KivIntUnitToCodec);
}

void resourceReport2ToCodec(ResourceReport2* dst, const KivResourceReport2* src) {
    kivArrayToCodec<Estimate2>(&dst->estimates, src->ppsEstimate, estimate2ToCodec);
    kivOptionalTextToCodec(&dst->message, src->psMessage);
}

void estimate1FromCodec(KivEstimate1* dst, const Estimate1* src) {
    dst->eEstimateType = kivEnumFromCodec(src->type, ET_CurrentSearchRecords, ET_CurrentOtherAssocCost);
    dst->ulValue = static_cast<uint32_t>(src->value);
    KivOptionalIntegerFromCodec(&dst->pulCurrencyCode, src->currency_code);
}

void estimate2FromCodec(KivEstimate2* dst, const Estimate2* src) {
    if (src->type != nullptr) KivStringOrNumericFromCodec(&dst->sType, src->type);
    if (src->value != nullptr) KivIntUnitFromCodec(&dst->sValue, src->value);
}

void resourceReport2FromCodec(KivResourceReport2* dst, const ResourceReport2* src) {
    kivArrayFromCodec<Estimate2>(&dst->ppsEstimate, src->estimates, estimate2FromCodec);
    kivOptionalTextFromCodec(&dst->psMessage, src->message);
}

}  // namespace

void KivResourceReport1ToCodec(BerAny* dst, const KivSingleASN1Type* src) {
    const KivResourceReport1* report = src->uASN1.psResourceReport1.get();
    if (report == nullptr) return;
    auto* value = kivNewContentValue<ResourceReport1>(dst);
    kivCodecListFrom<Estimate1>(
        &value->estimates, report->ppsEstimate,
        [](Estimate1* element, const KivEstimate1& item) { estimate1ToCodec(element, &item); });
    KivInternationalStringToCodec(&value->message, &report->sMessage);
}

void KivResourceReport1FromCodec(KivSingleASN1Type* dst, const BerAny* src) {
    dst->eASN1Type = AT_ResourceReport1;
    kivFromCodec([&] { dst->uASN1.psResourceReport1 = std::make_unique<KivResourceReport1>(); });
    KivResourceReport1* report = dst->uASN1.psResourceReport1.get();
    const ResourceReport1& value = kivContentValue<ResourceReport1>(src);
    kivArrayFromCodec<Estimate1>(&report->ppsEstimate, value.estimates, estimate1FromCodec);
    KivInternationalStringFromCodec(&report->sMessage, &value.message);
}

void KivResourceReport2ToCodec(BerAny* dst, const KivSingleASN1Type* src) {
    const KivResourceReport2* report = src->uASN1.psResourceReport2.get();
    if (report == nullptr) return;
    auto* choice = kivNewContentValue<ResourceReport2Choice>(dst);
    choice->choiceId = ResourceReport2Choice::kResourceReport2;
    kivNewToCodec(&choice->resourceReport2, report, resourceReport2ToCodec);
}

void KivResourceReport2FromCodec(KivSingleASN1Type* dst, const BerAny* src) {
    dst->eASN1Type = AT_ResourceReport2;
    kivFromCodec([&] { dst->uASN1.psResourceReport2 = std::make_unique<KivResourceReport2>(); });
    const ResourceReport2* report = kivContentValue<ResourceReport2Choice>(src).resourceReport2;
    if (report != nullptr) resourceReport2FromCodec(dst->uASN1.psResourceReport2.get(), report);
}
