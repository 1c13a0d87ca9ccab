// The Summary record (the brief bibliographic record).

#include "toolkit/api/kiv_convert_basic.h"
#include "toolkit/api/kiv_convert_core_records.h"
#include "toolkit/api/kiv_convert_core_records_fields.h"
#include "toolkit/api/kiv_convert_external_content_types.h"
#include "toolkit/api/kiv_convert_other_information.h"
#include "toolkit/codec/records/records_d.h"

using codec::records::BriefBib;
using codec::records::BriefBibChoice;
using codec::records::FormatSpec;

namespace {

void formatSpecToCodec(FormatSpec* dst, const KivFormatSpec* src) {
    KivInternationalStringToCodec(&dst->type, &src->sType);
    KivOptionalIntegerToCodec(&dst->size, &src->pulSize);
    KivOptionalIntegerToCodec(&dst->bestPosn, &src->pulBestPosn);
}

void briefBibToCodec(BriefBib* dst, const KivSummaryRecord* src) {
    KivInternationalStringToCodec(&dst->title, &src->sTitle);
    kivOptionalTextToCodec(&dst->author, src->psAuthor);
    kivOptionalTextToCodec(&dst->callNumber, src->psCallNumber);
    kivOptionalTextToCodec(&dst->recordType, src->psRecordType);
    kivOptionalTextToCodec(&dst->bibliographicLevel, src->psBibliographicLevel);
    kivArrayToCodec<FormatSpec>(&dst->format, src->ppsFormat, formatSpecToCodec);
    kivOptionalTextToCodec(&dst->publicationPlace, src->psPublicationPlace);
    kivOptionalTextToCodec(&dst->publicationDate, src->psPublicationDate);
    kivOptionalTextToCodec(&dst->targetSystemKey, src->psTargetSystemKey);
    kivOptionalTextToCodec(&dst->satisfyingElement, src->psSatisfyingElement);
    KivOptionalIntegerToCodec(&dst->rank, &src->pulRank);
    kivOptionalTextToCodec(&dst->documentId, src->psDocumentId);
    kivOptionalTextToCodec(&dst->abstract, src->psAbstract);
    KivOptionalOtherInformationToCodec(&dst->otherInfo, &src->ppsOtherInformation);
}

void formatSpecFromCodec(KivFormatSpec* dst, const FormatSpec* src) {
    KivInternationalStringFromCodec(&dst->sType, &src->type);
    KivOptionalIntegerFromCodec(&dst->pulSize, src->size);
    KivOptionalIntegerFromCodec(&dst->pulBestPosn, src->bestPosn);
}

void briefBibFromCodec(KivSummaryRecord* dst, const BriefBib* src) {
    KivInternationalStringFromCodec(&dst->sTitle, &src->title);
    kivOptionalTextFromCodec(&dst->psAuthor, src->author);
    kivOptionalTextFromCodec(&dst->psCallNumber, src->callNumber);
    kivOptionalTextFromCodec(&dst->psRecordType, src->recordType);
    kivOptionalTextFromCodec(&dst->psBibliographicLevel, src->bibliographicLevel);
    kivArrayFromCodec<FormatSpec>(&dst->ppsFormat, src->format, formatSpecFromCodec);
    kivOptionalTextFromCodec(&dst->psPublicationPlace, src->publicationPlace);
    kivOptionalTextFromCodec(&dst->psPublicationDate, src->publicationDate);
    kivOptionalTextFromCodec(&dst->psTargetSystemKey, src->targetSystemKey);
    kivOptionalTextFromCodec(&dst->psSatisfyingElement, src->satisfyingElement);
    KivOptionalIntegerFromCodec(&dst->pulRank, src->rank);
    kivOptionalTextFromCodec(&dst->psDocumentId, src->documentId);
    kivOptionalTextFromCodec(&dst->psAbstract, src->abstract);
    KivOptionalOtherInformationFromCodec(&dst->ppsOtherInformation, src->otherInfo);
}

}  // namespace

void KivSummaryRecordToCodec(BerAny* dst, const KivSingleASN1Type* src) {
    const KivSummaryRecord* record = src->uASN1.psSummaryRecord.get();
    if (record == nullptr) return;
    auto* choice = kivNewContentValue<BriefBibChoice>(dst);
    choice->choiceId = BriefBibChoice::kBriefBib;
    kivNewToCodec(&choice->briefBib, record, briefBibToCodec);
}

void KivSummaryRecordFromCodec(KivSingleASN1Type* dst, const BerAny* src) {
    dst->eASN1Type = AT_SummaryRecord;
    kivFromCodec([&] { dst->uASN1.psSummaryRecord = std::make_unique<KivSummaryRecord>(); });
    const BriefBib* record = kivContentValue<BriefBibChoice>(src).briefBib;
    if (record != nullptr) briefBibFromCodec(dst->uASN1.psSummaryRecord.get(), record);
}
