// SUTRS: the text of the record as one GeneralString.

#include "toolkit/api/kiv_convert_basic.h"
#include "toolkit/api/kiv_convert_core_records.h"
#include "toolkit/api/kiv_convert_external_content_types.h"
#include "toolkit/codec/records/sutrs_record.h"

using codec::records::SutrsRecord;

void KivUnstructuredTextToCodec(BerAny* dst, const KivSingleASN1Type* src) {
    const KivInternationalString* text = src->uASN1.psUnstructuredText.get();
    if (text == nullptr) return;
    KivInternationalStringToCodec(kivNewContentValue<SutrsRecord>(dst), text);
}

void KivUnstructuredTextFromCodec(KivSingleASN1Type* dst, const BerAny* src) {
    dst->eASN1Type = AT_UnstructuredText;
    KivNewInternationalStringFromCodec(&dst->uASN1.psUnstructuredText, &kivContentValue<SutrsRecord>(src));
}
