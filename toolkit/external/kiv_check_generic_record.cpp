#include "toolkit/external/kiv_check_generic_record.h"

#include <string>
#include <string_view>
#include <utility>

#include "toolkit/api/kiv_check_attributes.h"
#include "toolkit/api/kiv_check_external.h"
#include "toolkit/api/kiv_generic_record.h"
#include "toolkit/api/kiv_validation.h"
#include "toolkit/external/kiv_carried_checks.h"
#include "toolkit/external/kiv_generic_record_depth.h"

namespace {

// Walks one record, reporting its first fault; the record's own path names it in the depth message.
class RecordChecker {
  public:
    RecordChecker(KivAssocId assoc, std::string recordPath, SIError** out)
        : assoc_(assoc), recordPath_(std::move(recordPath)), out_(out) {}

    // The elements of the record or of a subtree: array name "ppsTaggedElement" or "ppsSubTree".
    int checkElements(const KivArray<KivTaggedElement>& elements, const std::string& path,
                      std::string_view name) {
        const KivGenericRecordLevel level;
        if (level.tooDeep()) {
            return KivReportValidationText(assoc_,
                                           recordPath_ + " IS NESTED DEEPER THAN " +
                                               std::to_string(kKivMaxGenericRecordDepth) + " LEVELS",
                                           out_);
        }
        return KivCheckArrayElements(
            assoc_, elements, path, name, out_, KivArrayElementKind::Structure,
            [this](KivAssocId, const KivTaggedElement* element, const std::string& elementPath, SIError**) {
                return checkElement(*element, elementPath);
            });
    }

  private:
    int checkElement(const KivTaggedElement& element, const std::string& path) {
        if (KivCheckStringOrNumeric(assoc_, &element.sTagValue, kivJoinPath(path, {"sTagValue."}), out_) !=
            0) {
            return 1;
        }
        if (checkContent(element.sContent, kivJoinPath(path, {"sContent."})) != 0) return 1;
        if (element.psMetaData &&
            checkMetaData(*element.psMetaData, kivJoinPath(path, {"psMetaData->"})) != 0) {
            return 1;
        }
        if (element.psAppliedVariant) {
            return checkVariant(*element.psAppliedVariant, kivJoinPath(path, {"psAppliedVariant->"}));
        }
        return 0;
    }

    // 64 on path + member.
    int missing(const std::string& path, std::string_view member) {
        return KivReportMissingField(assoc_, kivJoinPath(path, {member}), out_);
    }

    int checkContent(const KivElementDataG& content, const std::string& path) {
        const auto& data = content.uElementDataG;
        switch (content.eElementDataGType) {
            case EDT_Octets:
                return data.psOctets ? 0 : missing(path, "uElementDataG.psOctets");
            case EDT_Date:
                return data.pcDate ? 0 : missing(path, "uElementDataG.pcDate");
            case EDT_Ext:
                if (!data.psExt) return missing(path, "uElementDataG.psExt");
                return KivCheckExternal(assoc_, data.psExt.get(),
                                        kivJoinPath(path, {"uElementDataG.psExt->"}), out_);
            case EDT_String:
                return data.psString ? 0 : missing(path, "uElementDataG.psString");
            case EDT_TrueOrFalse:
                return KivCheckBoolean(assoc_, &data.fTrueOrFalse, kivJoinPath(path, {"fTrueOrFalse"}), out_);
            case EDT_Oid:
                if (!data.pcOid) return missing(path, "uElementDataG.pcOid");
                return KivCheckOid(assoc_, data.pcOid, kivJoinPath(path, {"uElementDataG.pcOid"}), out_);
            case EDT_IntUnit:
                if (!data.psIntUnit) return missing(path, "uElementDataG.psIntUnit");
                return KivCheckIntUnit(assoc_, data.psIntUnit.get(),
                                       kivJoinPath(path, {"uElementDataG.psIntUnit->"}), out_);
            case EDT_Diagnostic:
                if (!data.psDiagnostic) return missing(path, "uElementDataG.psDiagnostic");
                return KivCheckExternal(assoc_, data.psDiagnostic.get(),
                                        kivJoinPath(path, {"uElementDataG.psDiagnostic->"}), out_);
            case EDT_Subtree:
                if (!data.ppsSubTree.present()) return missing(path, "uElementDataG.ppsSubTree");
                return checkElements(data.ppsSubTree, kivJoinPath(path, {"uElementDataG."}), "ppsSubTree");
            case EDT_Numeric:
            case EDT_ElementNotThere:
            case EDT_ElementEmpty:
            case EDT_NoDataRequested:
                return 0;
            default:
                return KivReportValueOutOfRange(assoc_, kivJoinPath(path, {"eElementDataGType"}), out_);
        }
    }

    int checkMetaData(const KivMetaData& metaData, const std::string& path) {
        if (metaData.psSeriesOrder &&
            KivCheckBoolean(assoc_, &metaData.psSeriesOrder->fAscending,
                            kivJoinPath(path, {"psSeriesOrder->fAscending"}), out_) != 0) {
            return 1;
        }
        if (metaData.psUsageRight && KivIsOutOfRange(static_cast<uint32_t>(metaData.psUsageRight->eType),
                                                     UIT_Redistributable, UIT_LicensePointer) != 0) {
            return KivReportValueOutOfRange(assoc_, kivJoinPath(path, {"psUsageRight->eType"}), out_);
        }
        const auto checkHit = [this](KivAssocId, const KivHits* hit, const std::string& hitPath, SIError**) {
            if (KivCheckOptionalTerm(assoc_, hit->psSatisfier.get(), kivJoinPath(hitPath, {"psSatisfier->"}),
                                     out_) != 0) {
                return 1;
            }
            if (KivCheckOptionalIntUnit(assoc_, hit->psOffsetIntoElement.get(),
                                        kivJoinPath(hitPath, {"psOffsetIntoElement->"}), out_) != 0) {
                return 1;
            }
            return KivCheckOptionalIntUnit(assoc_, hit->psLength.get(), kivJoinPath(hitPath, {"psLength->"}),
                                           out_);
        };
        if (KivCheckStructArray(assoc_, metaData.ppsHits, path, "ppsHits", out_, checkHit) != 0) return 1;
        if (KivCheckStructArray(assoc_, metaData.ppsSupportedVariants, path, "ppsSupportedVariants", out_,
                                [this](KivAssocId, const KivVariant* variant, const std::string& variantPath,
                                       SIError**) { return checkVariant(*variant, variantPath); }) != 0) {
            return 1;
        }
        const auto checkStep = [](KivAssocId assoc, const KivTagPath* step, const std::string& stepPath,
                                  SIError** out) {
            return KivCheckStringOrNumeric(assoc, &step->sTagValue, kivJoinPath(stepPath, {"sTagValue."}),
                                           out);
        };
        if (KivCheckStructArray(assoc_, metaData.ppsSurrogateFor, path, "ppsSurrogateFor", out_, checkStep) !=
                0 ||
            KivCheckStructArray(assoc_, metaData.ppsSurrogateElement, path, "ppsSurrogateElement", out_,
                                checkStep) != 0) {
            return 1;
        }
        return KivCheckOptionalExternal(assoc_, metaData.psOther.get(), kivJoinPath(path, {"psOther->"}),
                                        out_);
    }

    int checkVariant(const KivVariant& variant, const std::string& path) {
        if (variant.pcGlobalVariantSetId &&
            KivCheckOid(assoc_, variant.pcGlobalVariantSetId, kivJoinPath(path, {"pcGlobalVariantSetId"}),
                        out_) != 0) {
            return 1;
        }
        if (!variant.ppsTriples.present()) return missing(path, "ppsTriples");
        return KivCheckArrayElements(
            assoc_, variant.ppsTriples, path, "ppsTriples", out_, KivArrayElementKind::Structure,
            [this](KivAssocId, const KivTriples* triple, const std::string& triplePath, SIError**) {
                return checkTriple(*triple, triplePath);
            });
    }

    int checkTriple(const KivTriples& triple, const std::string& path) {
        if (triple.pcVariantSetId &&
            KivCheckOid(assoc_, triple.pcVariantSetId, kivJoinPath(path, {"pcVariantSetId"}), out_) != 0) {
            return 1;
        }
        const std::string valuePath = kivJoinPath(path, {"sValue."});
        const auto& value = triple.sValue.uVariantValueType;
        switch (triple.sValue.eVariantValueType) {
            case VVT_InternationalString:
                return value.psInternationalString
                           ? 0
                           : missing(valuePath, "uVariantValueType.psInternationalString");
            case VVT_Octs:
                return value.psOcts ? 0 : missing(valuePath, "uVariantValueType.psOcts");
            case VVT_Oid:
                if (!value.pcOid) return missing(valuePath, "uVariantValueType.pcOid");
                return KivCheckOid(assoc_, value.pcOid, kivJoinPath(valuePath, {"uVariantValueType.pcOid"}),
                                   out_);
            case VVT_Bool:
                return KivCheckBoolean(assoc_, &value.fBool, kivJoinPath(valuePath, {"fBool"}), out_);
            case VVT_Unit:
                if (!value.psUnit) return missing(valuePath, "uVariantValueType.psUnit");
                return KivCheckUnit(assoc_, value.psUnit.get(),
                                    kivJoinPath(valuePath, {"uVariantValueType.psUnit->"}), out_);
            case VVT_ValueAndUnit:
                if (!value.psValueAndUnit) return missing(valuePath, "uVariantValueType.psValueAndUnit");
                return KivCheckIntUnit(assoc_, value.psValueAndUnit.get(),
                                       kivJoinPath(valuePath, {"uVariantValueType.psValueAndUnit->"}), out_);
            case VVT_Int:
            case VVT_Null:
                return 0;
            default:
                return KivReportValueOutOfRange(assoc_, kivJoinPath(valuePath, {"eVariantValueType"}), out_);
        }
    }

    KivAssocId assoc_;
    std::string recordPath_;
    SIError** out_;
};

}  // namespace

int KivCheckGenericRecord(KivAssocId assoc, const KivSingleASN1Type* single, const std::string& path,
                          SIError** out) {
    const std::string recordPath = kivJoinPath(path, {"uASN1.psGenericRecord"});
    const KivGenericRecord* record = single->uASN1.psGenericRecord.get();
    if (record == nullptr) return KivReportMissingField(assoc, recordPath, out);
    const std::string elementsPath = kivJoinPath(recordPath, {"->"});
    if (!record->ppsTaggedElement.present()) {
        return KivReportMissingField(assoc, kivJoinPath(elementsPath, {"ppsTaggedElement"}), out);
    }
    RecordChecker checker(assoc, recordPath, out);
    return checker.checkElements(record->ppsTaggedElement, elementsPath, "ppsTaggedElement");
}
