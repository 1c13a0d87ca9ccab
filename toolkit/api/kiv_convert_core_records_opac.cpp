// The OPAC record: a bibliographic record with holdings and circulation data.

#include "toolkit/api/kiv_convert_basic.h"
#include "toolkit/api/kiv_convert_core_records.h"
#include "toolkit/api/kiv_convert_core_records_fields.h"
#include "toolkit/api/kiv_convert_external.h"
#include "toolkit/api/kiv_convert_external_content_types.h"
#include "toolkit/codec/records/records_d.h"

using codec::records::CircRecord;
using codec::records::HoldingsAndCircData;
using codec::records::HoldingsRecord;
using codec::records::OPACRecord;
using codec::records::OPACRecordChoice;
using codec::records::Volume;

namespace {

// ---- Towards the codec ----

void volumeToCodec(Volume* dst, const KivVolume* src) {
    kivOptionalTextToCodec(&dst->enumeration, src->psEnumeration);
    kivOptionalTextToCodec(&dst->chronology, src->psChronology);
    kivOptionalTextToCodec(&dst->enumAndChron, src->psEnumAndChron);
}

void circRecordToCodec(CircRecord* dst, const KivCircRecord* src) {
    KivBooleanToCodec(&dst->availableNow, &src->fAvailableNow);
    kivOptionalTextToCodec(&dst->availablityDate, src->psAvailabilityDate);
    kivOptionalTextToCodec(&dst->availableThru, src->psAvailableThru);
    kivOptionalTextToCodec(&dst->restrictions, src->psRestrictions);
    kivOptionalTextToCodec(&dst->itemId, src->psItemId);
    KivBooleanToCodec(&dst->renewable, &src->fRenewable);
    KivBooleanToCodec(&dst->onHold, &src->fOnHold);
    kivOptionalTextToCodec(&dst->enumAndChron, src->psEnumAndChron);
    kivOptionalTextToCodec(&dst->midspine, src->psMidspine);
    kivOptionalTextToCodec(&dst->temporaryLocation, src->psTemporaryLocation);
}

void holdingsAndCircToCodec(HoldingsAndCircData* dst, const KivHoldingsAndCirc* src) {
    kivOptionalTextToCodec(&dst->typeOfRecord, src->psTypeOfRecord);
    kivOptionalTextToCodec(&dst->encodingLevel, src->psEncodingLevel);
    kivOptionalTextToCodec(&dst->format, src->psFormat);
    kivOptionalTextToCodec(&dst->receiptAcqStatus, src->psReceiptAcqStatus);
    kivOptionalTextToCodec(&dst->generalRetention, src->psGeneralRetention);
    kivOptionalTextToCodec(&dst->completeness, src->psCompleteness);
    kivOptionalTextToCodec(&dst->dateOfReport, src->psDateOfReport);
    kivOptionalTextToCodec(&dst->nucCode, src->psNucCode);
    kivOptionalTextToCodec(&dst->localLocation, src->psLocalLocation);
    kivOptionalTextToCodec(&dst->shelvingLocation, src->psShelvingLocation);
    kivOptionalTextToCodec(&dst->callNumber, src->psCallNumber);
    kivOptionalTextToCodec(&dst->shelvingData, src->psShelvingData);
    kivOptionalTextToCodec(&dst->copyNumber, src->psCopyNumber);
    kivOptionalTextToCodec(&dst->publicNote, src->psPublicNote);
    kivOptionalTextToCodec(&dst->reproductionNote, src->psReproductionNote);
    kivOptionalTextToCodec(&dst->termsUseRepro, src->psTermsUseRepro);
    kivOptionalTextToCodec(&dst->enumAndChron, src->psEnumAndChron);
    kivArrayToCodec<Volume>(&dst->volumes, src->ppsVolume, volumeToCodec);
    kivArrayToCodec<CircRecord>(&dst->circulationData, src->ppsCircRecord, circRecordToCodec);
}

void holdingsRecordToCodec(HoldingsRecord* dst, const KivHoldingsRecord* src) {
    const auto& member = src->uMarcOrHoldAndCirc;
    switch (src->eHoldingsRecType) {
        case HRT_MarcHoldingsRecord:
            dst->choiceId = HoldingsRecord::kMarcHoldingsRecord;
            KivNewExternalToCodec(&dst->marcHoldingsRecord, &member.sMarcHoldingsRecord);
            break;
        case HRT_HoldingsAndCirc:
            dst->choiceId = HoldingsRecord::kHoldingsAndCirc;
            kivNewToCodec(&dst->holdingsAndCirc, &member.sHoldingsAndCirc, holdingsAndCircToCodec);
            break;
        default:
            break;
    }
}

void opacRecordToCodec(OPACRecord* dst, const KivOpacRecord* src) {
    KivOptionalExternalToCodec(&dst->bibliographicRecord, src->psBibliographicRecord.get());
    kivArrayToCodec<HoldingsRecord>(&dst->holdingsData, src->ppsHoldingsData, holdingsRecordToCodec);
}

// ---- From the codec ----

void volumeFromCodec(KivVolume* dst, const Volume* src) {
    kivOptionalTextFromCodec(&dst->psEnumeration, src->enumeration);
    kivOptionalTextFromCodec(&dst->psChronology, src->chronology);
    kivOptionalTextFromCodec(&dst->psEnumAndChron, src->enumAndChron);
}

void circRecordFromCodec(KivCircRecord* dst, const CircRecord* src) {
    KivBooleanFromCodec(&dst->fAvailableNow, &src->availableNow);
    kivOptionalTextFromCodec(&dst->psAvailabilityDate, src->availablityDate);
    kivOptionalTextFromCodec(&dst->psAvailableThru, src->availableThru);
    kivOptionalTextFromCodec(&dst->psRestrictions, src->restrictions);
    kivOptionalTextFromCodec(&dst->psItemId, src->itemId);
    KivBooleanFromCodec(&dst->fRenewable, &src->renewable);
    KivBooleanFromCodec(&dst->fOnHold, &src->onHold);
    kivOptionalTextFromCodec(&dst->psEnumAndChron, src->enumAndChron);
    kivOptionalTextFromCodec(&dst->psMidspine, src->midspine);
    kivOptionalTextFromCodec(&dst->psTemporaryLocation, src->temporaryLocation);
}

void holdingsAndCircFromCodec(KivHoldingsAndCirc* dst, const HoldingsAndCircData* src) {
    kivOptionalTextFromCodec(&dst->psTypeOfRecord, src->typeOfRecord);
    kivOptionalTextFromCodec(&dst->psEncodingLevel, src->encodingLevel);
    kivOptionalTextFromCodec(&dst->psFormat, src->format);
    kivOptionalTextFromCodec(&dst->psReceiptAcqStatus, src->receiptAcqStatus);
    kivOptionalTextFromCodec(&dst->psGeneralRetention, src->generalRetention);
    kivOptionalTextFromCodec(&dst->psCompleteness, src->completeness);
    kivOptionalTextFromCodec(&dst->psDateOfReport, src->dateOfReport);
    kivOptionalTextFromCodec(&dst->psNucCode, src->nucCode);
    kivOptionalTextFromCodec(&dst->psLocalLocation, src->localLocation);
    kivOptionalTextFromCodec(&dst->psShelvingLocation, src->shelvingLocation);
    kivOptionalTextFromCodec(&dst->psCallNumber, src->callNumber);
    kivOptionalTextFromCodec(&dst->psShelvingData, src->shelvingData);
    kivOptionalTextFromCodec(&dst->psCopyNumber, src->copyNumber);
    kivOptionalTextFromCodec(&dst->psPublicNote, src->publicNote);
    kivOptionalTextFromCodec(&dst->psReproductionNote, src->reproductionNote);
    kivOptionalTextFromCodec(&dst->psTermsUseRepro, src->termsUseRepro);
    kivOptionalTextFromCodec(&dst->psEnumAndChron, src->enumAndChron);
    kivArrayFromCodec<Volume>(&dst->ppsVolume, src->volumes, volumeFromCodec);
    kivArrayFromCodec<CircRecord>(&dst->ppsCircRecord, src->circulationData, circRecordFromCodec);
}

void holdingsRecordFromCodec(KivHoldingsRecord* dst, const HoldingsRecord* src) {
    auto& member = dst->uMarcOrHoldAndCirc;
    switch (src->choiceId) {
        case HoldingsRecord::kMarcHoldingsRecord:
            dst->eHoldingsRecType = HRT_MarcHoldingsRecord;
            if (src->marcHoldingsRecord != nullptr) {
                KivExternalFromCodec(&member.sMarcHoldingsRecord, src->marcHoldingsRecord);
            }
            break;
        case HoldingsRecord::kHoldingsAndCirc:
            dst->eHoldingsRecType = HRT_HoldingsAndCirc;
            if (src->holdingsAndCirc != nullptr)
                holdingsAndCircFromCodec(&member.sHoldingsAndCirc, src->holdingsAndCirc);
            break;
        default:
            break;
    }
}

void opacRecordFromCodec(KivOpacRecord* dst, const OPACRecord* src) {
    KivOptionalExternalFromCodec(&dst->psBibliographicRecord, src->bibliographicRecord);
    kivArrayFromCodec<HoldingsRecord>(&dst->ppsHoldingsData, src->holdingsData, holdingsRecordFromCodec);
}

}  // namespace

void KivOpacRecordToCodec(BerAny* dst, const KivSingleASN1Type* src) {
    const KivOpacRecord* record = src->uASN1.psOpacRecord.get();
    if (record == nullptr) return;
    auto* choice = kivNewContentValue<OPACRecordChoice>(dst);
    choice->choiceId = OPACRecordChoice::kOpacRecord;
    kivNewToCodec(&choice->opacRecord, record, opacRecordToCodec);
}

void KivOpacRecordFromCodec(KivSingleASN1Type* dst, const BerAny* src) {
    dst->eASN1Type = AT_OpacRecord;
    kivFromCodec([&] { dst->uASN1.psOpacRecord = std::make_unique<KivOpacRecord>(); });
    const OPACRecord* record = kivContentValue<OPACRecordChoice>(src).opacRecord;
    if (record != nullptr) opacRecordFromCodec(dst->uASN1.psOpacRecord.get(), record);
}
