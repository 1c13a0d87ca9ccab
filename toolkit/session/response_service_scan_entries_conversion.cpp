#include "toolkit/session/response_service_scan_entries_conversion.h"

#include "toolkit/api/kiv_codec_alloc.h"
#include "toolkit/api/kiv_convert_attributes.h"
#include "toolkit/api/kiv_convert_basic.h"
#include "toolkit/api/kiv_convert_core_records_fields.h"
#include "toolkit/api/kiv_convert_other_information.h"
#include "toolkit/api/kiv_convert_records.h"

using codec::z3950::Entry;
using codec::z3950::OccurrenceByAttributesItem;
using codec::z3950::OccurrenceByAttributesItemOccurrences;
using codec::z3950::OccurrenceByAttributesItemOccurrencesByDatabaseItem;
using codec::z3950::TermInfo;

namespace {

void occurrenceByDbToCodec(OccurrenceByAttributesItemOccurrencesByDatabaseItem* dst,
                           const KivOccurrenceByDb* src) {
    KivInternationalStringToCodec(&dst->db, &src->sDatabaseName);
    KivOptionalIntegerToCodec(&dst->num, &src->pulNumber);
    KivOptionalOtherInformationToCodec(&dst->otherDbInfo, &src->ppsOtherInformation);
}

void occurrenceToCodec(OccurrenceByAttributesItemOccurrences* dst, const KivOccurrence* src) {
    if (src->eOccurrenceType == OT_Global) {
        dst->choiceId = OccurrenceByAttributesItemOccurrences::kGlobal;
        dst->global = static_cast<BerInteger>(src->uOccurrence.ulGlobal);
    } else {
        dst->choiceId = OccurrenceByAttributesItemOccurrences::kByDatabase;
        kivArrayToCodec<OccurrenceByAttributesItemOccurrencesByDatabaseItem>(
            &dst->byDatabase, src->uOccurrence.ppsOccurrenceByDb, occurrenceByDbToCodec);
    }
}

void byAttributesToCodec(OccurrenceByAttributesItem* dst, const KivOccurrenceByAttributes* src) {
    KivAttributeListToCodec(&dst->attributes, &src->ppsAttributeElement);
    kivNewToCodec(&dst->occurrences, src->psOccurrence.get(), occurrenceToCodec);
    KivOptionalOtherInformationToCodec(&dst->otherOccurInfo, &src->ppsOtherInformation);
}

void termInfoToCodec(TermInfo* dst, const KivTermInfo* src) {
    dst->term = kivNewCodecRecord<codec::z3950::Term>();
    KivTermToCodec(dst->term, &src->sTerm);
    KivInternationalStringToCodec(&dst->displayTerm, src->psDisplayTerm.get());
    KivAttributeListToCodec(&dst->suggestedAttributes, &src->ppsSuggestedAttribute);
    kivArrayToCodec<codec::z3950::AttributesPlusTerm>(&dst->alternativeTerm, src->ppsAlternativeTerm,
                                                      KivAttributesPlusTermToCodec);
    KivOptionalIntegerToCodec(&dst->globalOccurrences, &src->pulGlobalOccurrences);
    kivArrayToCodec<OccurrenceByAttributesItem>(&dst->byAttributes, src->ppsByAttributes,
                                                byAttributesToCodec);
    KivOptionalOtherInformationToCodec(&dst->otherTermInfo, &src->ppsOtherInformation);
}

void entryToCodec(Entry* dst, const KivEntry* src) {
    if (src->eEntryType == ET_TermInfo) {
        dst->choiceId = Entry::kTermInfo;
        kivNewToCodec(&dst->termInfo, src->uEntry.psTermInfo.get(), termInfoToCodec);
    } else {
        dst->choiceId = Entry::kSurrogateDiagnostic;
        kivNewToCodec(&dst->surrogateDiagnostic, src->uEntry.psSurrogateDiagnostic.get(), KivDiagRecToCodec);
    }
}

}  // namespace

void siListEntriesToCodec(codec::z3950::ListEntries* dst, const KivListEntries* src) {
    kivArrayToCodec<Entry>(&dst->entries, src->ppsEntry, entryToCodec);
    kivArrayToCodec<codec::z3950::DiagRec>(&dst->nonsurrogateDiagnostics, src->ppsNonSurrogateDiagnostics,
                                           KivDiagRecToCodec);
}
