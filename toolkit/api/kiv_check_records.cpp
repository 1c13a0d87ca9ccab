#include "toolkit/api/kiv_check_records.h"

#include "toolkit/api/kiv_check_encoded_oid.h"
#include "toolkit/api/kiv_check_external.h"
#include "toolkit/api/kiv_check_external_fields.h"
#include "toolkit/api/kiv_validation.h"

int KivCheckRecords(KivAssocId assoc, const KivRecords* records, const std::string& path, SIError** out) {
    const auto& member = records->uRecord;
    switch (records->eRecordType) {
        case RT_Response:
            return kivCheckArray(assoc, member.ppsResponseRecord, path, "uRecord.ppsResponseRecord", out,
                                 KivCheckResponseRecord);
        case RT_NonSurrDiagnostics:
            return kivCheckMember(assoc, member.psNonSurrogateDiag.get(), path, "uRecord.psNonSurrogateDiag",
                                  "->", out, KivCheckDefaultDiagFormat);
        case RT_MultipleNonSurrDiagnostics:
            return kivCheckArray(assoc, member.ppsMultipleNonSurrogateDiag, path,
                                 "uRecord.ppsMultipleNonSurrogateDiag", out, KivCheckDiagRec);
        default:
            return KivReportValueOutOfRange(assoc, kivFieldPath(path, "eRecordType"), out);
    }
}

int KivCheckResponseRecord(KivAssocId assoc, const KivResponseRecord* record, const std::string& path,
                           SIError** out) {
    const auto& member = record->uDbRecord;
    switch (record->eDbRecordType) {
        case DRT_Retrieval:
            return kivCheckMember(assoc, member.psRetrievalRecord.get(), path, "uDbRecord.psRetrievalRecord",
                                  "->", out, KivCheckExternal);
        case DRT_SurrogateDiagnostics:
            return kivCheckMember(assoc, member.psSurrogateDiagnostic.get(), path,
                                  "uDbRecord.psSurrogateDiagnostic", "->", out, KivCheckDiagRec);
        case DRT_StartingFragment:
            return kivCheckMember(assoc, member.psStartingFragment.get(), path,
                                  "uDbRecord.psStartingFragment", "->", out, KivCheckFragmentSyntax);
        case DRT_IntermediateFragment:
            return kivCheckMember(assoc, member.psIntermediateFragment.get(), path,
                                  "uDbRecord.psIntermediateFragment", "->", out, KivCheckFragmentSyntax);
        case DRT_FinalFragment:
            return kivCheckMember(assoc, member.psFinalFragment.get(), path, "uDbRecord.psFinalFragment",
                                  "->", out, KivCheckFragmentSyntax);
        default:
            return KivReportValueOutOfRange(assoc, kivFieldPath(path, "eDbRecordType"), out);
    }
}

int KivCheckDiagRec(KivAssocId assoc, const KivDiagRec* diagnostic, const std::string& path, SIError** out) {
    const auto& member = diagnostic->uDiagnostics;
    switch (diagnostic->eDiagnosticsType) {
        case DT_DefaultFormat:
            return kivCheckMember(assoc, member.psDefault.get(), path, "uDiagnostics.psDefault", "->", out,
                                  KivCheckDefaultDiagFormat);
        case DT_ExternallyDefined:
            return kivCheckMember(assoc, member.psExternallyDefined.get(), path,
                                  "uDiagnostics.psExternallyDefined", "->", out, KivCheckExternal);
        default:
            return KivReportValueOutOfRange(assoc, kivFieldPath(path, "eDiagnosticsType"), out);
    }
}

int KivCheckDefaultDiagFormat(KivAssocId assoc, const KivDefaultDiagFormat* diagnostic,
                              const std::string& path, SIError** out) {
    if (KivCheckEncodedOid(assoc, diagnostic->pcDiagnosticSetId, kivFieldPath(path, "pcDiagnosticSetId"),
                           out) != 0) {
        return 1;
    }
    const KivAdditionalInfo& info = diagnostic->sAdditionalInfo;
    switch (info.eProtocolVersionInForce) {
        case PVIF_Version2:
            if (!info.uAdditionalInfo.pcV2) {
                return KivReportMissingField(assoc,
                                             kivFieldPath(path, "sAdditionalInfo.uAdditionalInfo.pcV2"), out);
            }
            return 0;
        case PVIF_Version3:
            if (!info.uAdditionalInfo.psV3) {
                return KivReportMissingField(assoc,
                                             kivFieldPath(path, "sAdditionalInfo.uAdditionalInfo.psV3"), out);
            }
            return 0;
        default:
            return KivReportValueOutOfRange(
                assoc, kivFieldPath(path, "sAdditionalInfo.eProtocolVersionInForce"), out);
    }
}

int KivCheckFragmentSyntax(KivAssocId assoc, const KivFragmentSyntax* fragment, const std::string& path,
                           SIError** out) {
    const auto& member = fragment->uFragmentSyntax;
    switch (fragment->eFragmentSyntaxType) {
        case FST_ExternallyTagged:
            return kivCheckMember(assoc, member.psExternallyTagged.get(), path,
                                  "uFragmentSyntax.psExternallyTagged", "->", out, KivCheckExternal);
        case FST_NotExternallyTagged:
            if (!member.psNotExternallyTagged) {
                return KivReportMissingField(
                    assoc, kivFieldPath(path, "uFragmentSyntax.psNotExternallyTagged"), out);
            }
            return 0;
        default:
            return KivReportValueOutOfRange(assoc, kivFieldPath(path, "eFragmentSyntaxType"), out);
    }
}

int KivCheckDiagRecList(KivAssocId assoc, const KivArray<KivDiagRec>* diagnostics, const std::string& path,
                        SIError** out) {
    return KivCheckStructArray(assoc, *diagnostics, path, "", out, KivCheckDiagRec);
}
