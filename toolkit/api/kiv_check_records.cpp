#include "toolkit/api/kiv_check_records.h"

#include <string_view>

#include "toolkit/api/kiv_check_encoded_oid.h"
#include "toolkit/api/kiv_check_external.h"
#include "toolkit/api/kiv_validation.h"

namespace {

// path + name, within the path's 4999 characters.
std::string pathTo(const std::string& path, std::string_view name) {
    std::string joined;
    KivPathCopy(joined, path);
    KivPathAppend(joined, name);
    return joined;
}

// A compulsory member: 64 on path + name when it is missing, else its check on path + name + "->".
template <typename T, typename Check>
int checkMember(KivAssocId assoc, const T* member, const std::string& path, std::string_view name,
                SIError** out, Check check) {
    const std::string memberPath = pathTo(path, name);
    if (member == nullptr) return KivReportMissingField(assoc, memberPath, out);
    return check(assoc, member, pathTo(memberPath, "->"), out);
}

// A compulsory array: 64 on path + name when it is absent, else every element on path + name + "[i]->".
template <typename T, typename Check>
int checkArray(KivAssocId assoc, const KivArray<T>& array, const std::string& path, std::string_view name,
               SIError** out, Check check) {
    if (!array.present()) return KivReportMissingField(assoc, pathTo(path, name), out);
    return KivCheckStructArray(assoc, array, path, name, out, check);
}

}  // namespace

int KivCheckRecords(KivAssocId assoc, const KivRecords* records, const std::string& path, SIError** out) {
    const auto& member = records->uRecord;
    switch (records->eRecordType) {
        case RT_Response:
            return checkArray(assoc, member.ppsResponseRecord, path, "uRecord.ppsResponseRecord", out,
                              KivCheckResponseRecord);
        case RT_NonSurrDiagnostics:
            return checkMember(assoc, member.psNonSurrogateDiag.get(), path, "uRecord.psNonSurrogateDiag",
                               out, KivCheckDefaultDiagFormat);
        case RT_MultipleNonSurrDiagnostics:
            return checkArray(assoc, member.ppsMultipleNonSurrogateDiag, path,
                              "uRecord.ppsMultipleNonSurrogateDiag", out, KivCheckDiagRec);
        default:
            return KivReportValueOutOfRange(assoc, pathTo(path, "eRecordType"), out);
    }
}

int KivCheckResponseRecord(KivAssocId assoc, const KivResponseRecord* record, const std::string& path,
                           SIError** out) {
    const auto& member = record->uDbRecord;
    switch (record->eDbRecordType) {
        case DRT_Retrieval:
            return checkMember(assoc, member.psRetrievalRecord.get(), path, "uDbRecord.psRetrievalRecord",
                               out, KivCheckExternal);
        case DRT_SurrogateDiagnostics:
            return checkMember(assoc, member.psSurrogateDiagnostic.get(), path,
                               "uDbRecord.psSurrogateDiagnostic", out, KivCheckDiagRec);
        case DRT_StartingFragment:
            return checkMember(assoc, member.psStartingFragment.get(), path, "uDbRecord.psStartingFragment",
                               out, KivCheckFragmentSyntax);
        case DRT_IntermediateFragment:
            return checkMember(assoc, member.psIntermediateFragment.get(), path,
                               "uDbRecord.psIntermediateFragment", out, KivCheckFragmentSyntax);
        case DRT_FinalFragment:
            return checkMember(assoc, member.psFinalFragment.get(), path, "uDbRecord.psFinalFragment", out,
                               KivCheckFragmentSyntax);
        default:
            return KivReportValueOutOfRange(assoc, pathTo(path, "eDbRecordType"), out);
    }
}

int KivCheckDiagRec(KivAssocId assoc, const KivDiagRec* diagnostic, const std::string& path, SIError** out) {
    const auto& member = diagnostic->uDiagnostics;
    switch (diagnostic->eDiagnosticsType) {
        case DT_DefaultFormat:
            return checkMember(assoc, member.psDefault.get(), path, "uDiagnostics.psDefault", out,
                               KivCheckDefaultDiagFormat);
        case DT_ExternallyDefined:
            return checkMember(assoc, member.psExternallyDefined.get(), path,
                               "uDiagnostics.psExternallyDefined", out, KivCheckExternal);
        default:
            return KivReportValueOutOfRange(assoc, pathTo(path, "eDiagnosticsType"), out);
    }
}

int KivCheckDefaultDiagFormat(KivAssocId assoc, const KivDefaultDiagFormat* diagnostic,
                              const std::string& path, SIError** out) {
    if (KivCheckEncodedOid(assoc, diagnostic->pcDiagnosticSetId, pathTo(path, "pcDiagnosticSetId"), out) !=
        0) {
        return 1;
    }
    const KivAdditionalInfo& info = diagnostic->sAdditionalInfo;
    switch (info.eProtocolVersionInForce) {
        case PVIF_Version2:
            if (!info.uAdditionalInfo.pcV2) {
                return KivReportMissingField(assoc, pathTo(path, "sAdditionalInfo.uAdditionalInfo.pcV2"),
                                             out);
            }
            return 0;
        case PVIF_Version3:
            if (!info.uAdditionalInfo.psV3) {
                return KivReportMissingField(assoc, pathTo(path, "sAdditionalInfo.uAdditionalInfo.psV3"),
                                             out);
            }
            return 0;
        default:
            return KivReportValueOutOfRange(assoc, pathTo(path, "sAdditionalInfo.eProtocolVersionInForce"),
                                            out);
    }
}

int KivCheckFragmentSyntax(KivAssocId assoc, const KivFragmentSyntax* fragment, const std::string& path,
                           SIError** out) {
    const auto& member = fragment->uFragmentSyntax;
    switch (fragment->eFragmentSyntaxType) {
        case FST_ExternallyTagged:
            return checkMember(assoc, member.psExternallyTagged.get(), path,
                               "uFragmentSyntax.psExternallyTagged", out, KivCheckExternal);
        case FST_NotExternallyTagged:
            if (!member.psNotExternallyTagged) {
                return KivReportMissingField(assoc, pathTo(path, "uFragmentSyntax.psNotExternallyTagged"),
                                             out);
            }
            return 0;
        default:
            return KivReportValueOutOfRange(assoc, pathTo(path, "eFragmentSyntaxType"), out);
    }
}

int KivCheckDiagRecList(KivAssocId assoc, const KivArray<KivDiagRec>* diagnostics, const std::string& path,
                        SIError** out) {
    return KivCheckStructArray(assoc, *diagnostics, path, "", out, KivCheckDiagRec);
}
