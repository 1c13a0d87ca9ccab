#include "toolkit/api/kiv_check_composition.h"

#include <cstdint>

#include "toolkit/api/kiv_check_encoded_oid.h"
#include "toolkit/api/kiv_check_external.h"
#include "toolkit/api/kiv_check_external_fields.h"

namespace {

// eRecordCompositionType: element-set names or a CompSpec.
constexpr int32_t kElementSetNames = 1;
constexpr int32_t kCompSpec = 2;

int checkElementSpec(KivAssocId assoc, const KivElementSpec* spec, const std::string& path, SIError** out) {
    const auto& member = spec->uElementSpec;
    switch (spec->eElementSpecType) {
        case EST_Primitive:
            if (!member.psPrimitive)
                return KivReportMissingField(assoc, kivFieldPath(path, "uElementSpec.psPrimitive"), out);
            return 0;
        case EST_External:
            return kivCheckMember(assoc, member.psExternal.get(), path, "uElementSpec.psExternal", "->", out,
                                  KivCheckExternal);
        default:
            return KivReportValueOutOfRange(assoc, kivFieldPath(path, "eElementSpecType"), out);
    }
}

int checkDbSpecific(KivAssocId assoc, const KivDbSpecific* item, const std::string& path, SIError** out) {
    return KivCheckSpecification(assoc, &item->sSpecification, kivFieldPath(path, "sSpecification."), out);
}

int checkRecordSyntax(KivAssocId assoc, const std::string* text, const std::string& path, SIError** out) {
    return KivCheckEncodedOid(assoc, *text, path, out);
}

}  // namespace

int KivCheckOptionalRecordComposition(KivAssocId assoc, const KivRecordComposition* composition,
                                      const std::string& path, SIError** out) {
    return composition != nullptr ? KivCheckRecordComposition(assoc, composition, path, out) : 0;
}

int KivCheckRecordComposition(KivAssocId assoc, const KivRecordComposition* composition,
                              const std::string& path, SIError** out) {
    const auto& member = composition->uRecordComposition;
    switch (composition->eRecordCompositionType) {
        case kElementSetNames:
            return kivCheckMember(assoc, member.psElementSetNames.get(), path,
                                  "uRecordComposition.psElementSetNames", "->", out, KivCheckElementSetNames);
        case kCompSpec:
            return kivCheckMember(assoc, member.psCompSpec.get(), path, "uRecordComposition.psCompSpec", "->",
                                  out, KivCheckCompSpec);
        default:
            return KivReportValueOutOfRange(assoc, kivFieldPath(path, "eRecordCompositionType"), out);
    }
}

int KivCheckElementSetNames(KivAssocId assoc, const KivElementSetNames* names, const std::string& path,
                            SIError** out) {
    const auto& member = names->uElementSet;
    switch (names->eElementSetType) {
        case EST_Generic:
            if (!member.psGeneric)
                return KivReportMissingField(assoc, kivFieldPath(path, "uElementSet.psGeneric"), out);
            return 0;
        case EST_DatabaseSpecific: {
            const std::string arrayPath = kivFieldPath(path, "uElementSet.ppsElementSetsDbSpecific");
            if (!member.ppsElementSetsDbSpecific) return KivReportMissingField(assoc, arrayPath, out);
            return KivCheckElementSetsDbSpecific(assoc, &member.ppsElementSetsDbSpecific, arrayPath, out);
        }
        default:
            return KivReportValueOutOfRange(assoc, kivFieldPath(path, "eElementSetType"), out);
    }
}

int KivCheckCompSpec(KivAssocId assoc, const KivCompSpec* spec, const std::string& path, SIError** out) {
    if (KivCheckBoolean(assoc, &spec->fSelectAlternativeSyntax,
                        kivFieldPath(path, "fSelectAlternativeSyntax"), out) != 0) {
        return 1;
    }
    if (spec->psGeneric &&
        KivCheckSpecification(assoc, spec->psGeneric.get(), kivFieldPath(path, "psGeneric->"), out) != 0) {
        return 1;
    }
    if (KivCheckStructArray(assoc, spec->ppsDbSpecific, path, "ppsDbSpecific", out, checkDbSpecific) != 0)
        return 1;
    return KivCheckValueArray(assoc, spec->ppcRecordSyntax, path, "ppcRecordSyntax", out, checkRecordSyntax);
}

int KivCheckSpecification(KivAssocId assoc, const KivSpecification* spec, const std::string& path,
                          SIError** out) {
    if (KivCheckOptionalEncodedOid(assoc, spec->pcSchema, kivFieldPath(path, "pcSchema"), out) != 0) return 1;
    if (!spec->psElementSpec) return 0;
    return checkElementSpec(assoc, spec->psElementSpec.get(), kivFieldPath(path, "psElementSpec->"), out);
}
