#include "toolkit/api/kiv_convert_records.h"

#include "toolkit/api/kiv_codec_alloc.h"
#include "toolkit/api/kiv_convert_basic.h"
#include "toolkit/api/kiv_convert_external.h"

using codec::z3950::DefaultDiagFormat;
using codec::z3950::DefaultDiagFormatAddinfo;
using codec::z3950::DiagRec;
using codec::z3950::FragmentSyntax;
using codec::z3950::NamePlusRecord;
using codec::z3950::NamePlusRecordRecord;
using codec::z3950::Records;

namespace {

// A new codec record linked into *dst, then filled from src; a null src gives nothing.
template <typename CodecRecord, typename Source, typename Convert>
void newToCodec(CodecRecord** dst, const Source* src, Convert convert) {
    if (src == nullptr) return;
    *dst = kivNewCodecRecord<CodecRecord>();
    convert(*dst, src);
}

// A new structure in *dst filled from the codec record src; a null codec record gives nothing.
template <typename Structure, typename CodecRecord, typename Convert>
void newFromCodec(std::unique_ptr<Structure>* dst, const CodecRecord* src, Convert convert) {
    if (src == nullptr) return;
    kivFromCodec([&] { *dst = std::make_unique<Structure>(); });
    convert(dst->get(), src);
}

// A present array with one new structure per list value, each filled from it by convert.
template <typename Structure, typename CodecRecord, typename Convert>
void arrayFromCodec(KivArray<Structure>* dst, const BerList* src, Convert convert) {
    kivFromCodec([&] {
        *dst = KivArray<Structure>::emptyArray();
        kivForEachCodecListValue<CodecRecord>(
            src, [&](const CodecRecord& value) { convert(dst->emplace(), &value); });
    });
}

void fragmentToCodec(NamePlusRecordRecord* record, int32_t choiceId, FragmentSyntax** member,
                     const KivFragmentSyntax* src) {
    record->choiceId = choiceId;
    newToCodec(member, src, KivFragmentSyntaxToCodec);
}

void fragmentFromCodec(KivResponseRecord* dst, int32_t type, std::unique_ptr<KivFragmentSyntax>* member,
                       const FragmentSyntax* src) {
    dst->eDbRecordType = type;
    newFromCodec(member, src, KivFragmentSyntaxFromCodec);
}

}  // namespace

// ---- Towards the codec ----

void KivRecordsToCodec(Records* dst, const KivRecords* src) {
    switch (src->eRecordType) {
        case RT_Response:
            dst->choiceId = Records::kResponseRecords;
            kivCodecListFrom<NamePlusRecord>(&dst->responseRecords, src->uRecord.ppsResponseRecord,
                                             [](NamePlusRecord* element, const KivResponseRecord& item) {
                                                 KivResponseRecordToCodec(element, &item);
                                             });
            break;
        case RT_NonSurrDiagnostics:
            dst->choiceId = Records::kNonSurrogateDiagnostic;
            newToCodec(&dst->nonSurrogateDiagnostic, src->uRecord.psNonSurrogateDiag.get(),
                       KivDefaultDiagFormatToCodec);
            break;
        case RT_MultipleNonSurrDiagnostics:
            dst->choiceId = Records::kMultipleNonSurDiagnostics;
            dst->multipleNonSurDiagnostics = kivNewCodecList();
            KivDiagRecListToCodec(dst->multipleNonSurDiagnostics, &src->uRecord.ppsMultipleNonSurrogateDiag);
            break;
        default:
            break;
    }
}

void KivResponseRecordToCodec(NamePlusRecord* dst, const KivResponseRecord* src) {
    if (src->psDatabaseName) KivInternationalStringToCodec(&dst->name, src->psDatabaseName.get());
    if (src->eDbRecordType < DRT_Retrieval || src->eDbRecordType > DRT_FinalFragment) return;
    NamePlusRecordRecord* record = dst->record = kivNewCodecRecord<NamePlusRecordRecord>();
    const auto& member = src->uDbRecord;
    switch (src->eDbRecordType) {
        case DRT_Retrieval:
            record->choiceId = NamePlusRecordRecord::kRetrievalRecord;
            KivOptionalExternalToCodec(&record->retrievalRecord, member.psRetrievalRecord.get());
            break;
        case DRT_SurrogateDiagnostics:
            record->choiceId = NamePlusRecordRecord::kSurrogateDiagnostic;
            newToCodec(&record->surrogateDiagnostic, member.psSurrogateDiagnostic.get(), KivDiagRecToCodec);
            break;
        case DRT_StartingFragment:
            fragmentToCodec(record, NamePlusRecordRecord::kStartingFragment, &record->startingFragment,
                            member.psStartingFragment.get());
            break;
        case DRT_IntermediateFragment:
            fragmentToCodec(record, NamePlusRecordRecord::kIntermediateFragment,
                            &record->intermediateFragment, member.psIntermediateFragment.get());
            break;
        default:
            fragmentToCodec(record, NamePlusRecordRecord::kFinalFragment, &record->finalFragment,
                            member.psFinalFragment.get());
            break;
    }
}

void KivDiagRecToCodec(DiagRec* dst, const KivDiagRec* src) {
    switch (src->eDiagnosticsType) {
        case DT_DefaultFormat:
            dst->choiceId = DiagRec::kDefaultFormat;
            newToCodec(&dst->defaultFormat, src->uDiagnostics.psDefault.get(), KivDefaultDiagFormatToCodec);
            break;
        case DT_ExternallyDefined:
            dst->choiceId = DiagRec::kExternallyDefined;
            KivOptionalExternalToCodec(&dst->externallyDefined, src->uDiagnostics.psExternallyDefined.get());
            break;
        default:
            break;
    }
}

void KivDefaultDiagFormatToCodec(DefaultDiagFormat* dst, const KivDefaultDiagFormat* src) {
    KivOidToCodec(&dst->diagnosticSetId, src->pcDiagnosticSetId);
    dst->condition = static_cast<BerInteger>(src->ulCondition);
    newToCodec(&dst->addinfo, &src->sAdditionalInfo, KivAddInfoToCodec);
}

void KivAddInfoToCodec(DefaultDiagFormatAddinfo* dst, const KivAdditionalInfo* src) {
    switch (src->eProtocolVersionInForce) {
        case PVIF_Version2: {
            dst->choiceId = DefaultDiagFormatAddinfo::kV2Addinfo;
            dst->v2Addinfo = kivNewCodecRecord<BerOctets>();
            const std::string& text = src->uAdditionalInfo.pcV2 ? *src->uAdditionalInfo.pcV2 : std::string();
            kivCodecCopy(dst->v2Addinfo, text.data(), text.size());
            break;
        }
        case PVIF_Version3:
            dst->choiceId = DefaultDiagFormatAddinfo::kV3Addinfo;
            KivNewInternationalStringToCodec(&dst->v3Addinfo, src->uAdditionalInfo.psV3.get());
            break;
        default:
            break;
    }
}

void KivFragmentSyntaxToCodec(FragmentSyntax* dst, const KivFragmentSyntax* src) {
    switch (src->eFragmentSyntaxType) {
        case FST_ExternallyTagged:
            dst->choiceId = FragmentSyntax::kExternallyTagged;
            KivOptionalExternalToCodec(&dst->externallyTagged, src->uFragmentSyntax.psExternallyTagged.get());
            break;
        case FST_NotExternallyTagged:
            dst->choiceId = FragmentSyntax::kNotExternallyTagged;
            KivNewOctetsToCodec(&dst->notExternallyTagged, src->uFragmentSyntax.psNotExternallyTagged.get());
            break;
        default:
            break;
    }
}

void KivDiagRecListToCodec(BerList* dst, const KivArray<KivDiagRec>* src) {
    for (const KivDiagRec& item : *src) {
        auto* element = kivNewCodecRecord<DiagRec>();
        kivCodecListAppend(dst, element);
        KivDiagRecToCodec(element, &item);
    }
}

void KivOptionalDiagRecToCodec(DiagRec** dst, const KivDiagRec* src) {
    if (src != nullptr) newToCodec(dst, src, KivDiagRecToCodec);
}

// ---- From the codec ----

void KivRecordsFromCodec(KivRecords* dst, const Records* src) {
    switch (src->choiceId) {
        case Records::kResponseRecords:
            dst->eRecordType = RT_Response;
            arrayFromCodec<KivResponseRecord, NamePlusRecord>(
                &dst->uRecord.ppsResponseRecord, src->responseRecords, KivResponseRecordFromCodec);
            break;
        case Records::kNonSurrogateDiagnostic:
            dst->eRecordType = RT_NonSurrDiagnostics;
            newFromCodec(&dst->uRecord.psNonSurrogateDiag, src->nonSurrogateDiagnostic,
                         KivDefaultDiagFormatFromCodec);
            break;
        case Records::kMultipleNonSurDiagnostics:
            dst->eRecordType = RT_MultipleNonSurrDiagnostics;
            arrayFromCodec<KivDiagRec, DiagRec>(&dst->uRecord.ppsMultipleNonSurrogateDiag,
                                                src->multipleNonSurDiagnostics, KivDiagRecFromCodec);
            break;
        default:
            break;
    }
}

void KivResponseRecordFromCodec(KivResponseRecord* dst, const NamePlusRecord* src) {
    if (src->name.length != 0) KivNewInternationalStringFromCodec(&dst->psDatabaseName, &src->name);
    const NamePlusRecordRecord* record = src->record;
    if (record == nullptr) return;
    auto& member = dst->uDbRecord;
    switch (record->choiceId) {
        case NamePlusRecordRecord::kRetrievalRecord:
            dst->eDbRecordType = DRT_Retrieval;
            KivOptionalExternalFromCodec(&member.psRetrievalRecord, record->retrievalRecord);
            break;
        case NamePlusRecordRecord::kSurrogateDiagnostic:
            dst->eDbRecordType = DRT_SurrogateDiagnostics;
            newFromCodec(&member.psSurrogateDiagnostic, record->surrogateDiagnostic, KivDiagRecFromCodec);
            break;
        case NamePlusRecordRecord::kStartingFragment:
            fragmentFromCodec(dst, DRT_StartingFragment, &member.psStartingFragment,
                              record->startingFragment);
            break;
        case NamePlusRecordRecord::kIntermediateFragment:
            fragmentFromCodec(dst, DRT_IntermediateFragment, &member.psIntermediateFragment,
                              record->intermediateFragment);
            break;
        case NamePlusRecordRecord::kFinalFragment:
            fragmentFromCodec(dst, DRT_FinalFragment, &member.psFinalFragment, record->finalFragment);
            break;
        default:
            break;
    }
}

void KivDiagRecFromCodec(KivDiagRec* dst, const DiagRec* src) {
    switch (src->choiceId) {
        case DiagRec::kDefaultFormat:
            dst->eDiagnosticsType = DT_DefaultFormat;
            newFromCodec(&dst->uDiagnostics.psDefault, src->defaultFormat, KivDefaultDiagFormatFromCodec);
            break;
        case DiagRec::kExternallyDefined:
            dst->eDiagnosticsType = DT_ExternallyDefined;
            KivOptionalExternalFromCodec(&dst->uDiagnostics.psExternallyDefined, src->externallyDefined);
            break;
        default:
            break;
    }
}

void KivDefaultDiagFormatFromCodec(KivDefaultDiagFormat* dst, const DefaultDiagFormat* src) {
    KivOidFromCodec(&dst->pcDiagnosticSetId, &src->diagnosticSetId);
    dst->ulCondition = static_cast<uint32_t>(src->condition);
    if (src->addinfo != nullptr) KivAddInfoFromCodec(&dst->sAdditionalInfo, src->addinfo);
}

void KivAddInfoFromCodec(KivAdditionalInfo* dst, const DefaultDiagFormatAddinfo* src) {
    switch (src->choiceId) {
        case DefaultDiagFormatAddinfo::kV2Addinfo:
            dst->eProtocolVersionInForce = PVIF_Version2;
            KivCStringFromCodec(&dst->uAdditionalInfo.pcV2, src->v2Addinfo);
            break;
        case DefaultDiagFormatAddinfo::kV3Addinfo:
            dst->eProtocolVersionInForce = PVIF_Version3;
            KivNewInternationalStringFromCodec(&dst->uAdditionalInfo.psV3, src->v3Addinfo);
            break;
        default:
            break;
    }
}

void KivFragmentSyntaxFromCodec(KivFragmentSyntax* dst, const FragmentSyntax* src) {
    switch (src->choiceId) {
        case FragmentSyntax::kExternallyTagged:
            dst->eFragmentSyntaxType = FST_ExternallyTagged;
            KivOptionalExternalFromCodec(&dst->uFragmentSyntax.psExternallyTagged, src->externallyTagged);
            break;
        case FragmentSyntax::kNotExternallyTagged:
            dst->eFragmentSyntaxType = FST_NotExternallyTagged;
            KivNewOctetsFromCodec(&dst->uFragmentSyntax.psNotExternallyTagged, src->notExternallyTagged);
            break;
        default:
            break;
    }
}

void KivOptionalDiagRecFromCodec(std::unique_ptr<KivDiagRec>* dst, const DiagRec* src) {
    newFromCodec(dst, src, KivDiagRecFromCodec);
}
