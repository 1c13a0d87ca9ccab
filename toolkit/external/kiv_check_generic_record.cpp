#include "toolkit/external/kiv_check_generic_record.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "toolkit/api/kiv_check_attributes.h"
#include "toolkit/api/kiv_check_encoded_oid.h"
#include "toolkit/api/kiv_check_external.h"
#include "toolkit/api/kiv_check_external_fields.h"
#include "toolkit/api/kiv_generic_record.h"
#include "toolkit/api/kiv_validation.h"
#include "toolkit/external/kiv_generic_record_depth.h"

namespace {

// Walks one record and reports its first fault; the record's own path names it in the depth message.
class RecordChecker {
  public:
    RecordChecker(KivAssocId assoc, std::string recordPath, SIError** out)
        : assoc_(assoc), recordPath_(std::move(recordPath)), out_(out) {}

    // The elements of the record or of a subtree, under path + name + "[i]->".
    int checkElements(const KivArray<KivTaggedElement>& elements, const std::string& path,
                      std::string_view name) {
        const KivGenericRecordLevel level;
        if (level.tooDeep()) return reportTooDeep();
        return KivCheckArrayElements(
            assoc_, elements, path, name, out_, KivArrayElementKind::Structure,
            [this](KivAssocId, const KivTaggedElement* element, const std::string& elementPath, SIError**) {
                return checkElement(*element, elementPath);
            });
    }

  private:
    // 76: the record's path and the explanation; a path too long for both loses its beginning, so that the
    // message still names the record and says what is wrong.
    int reportTooDeep() {
        const std::string explanation =
            " IS NESTED DEEPER THAN " + std::to_string(kKivMaxGenericRecordDepth) + " LEVELS";
        const size_t room = kKivPathMaxChars - explanation.size();
        const size_t cut = recordPath_.size() > room ? recordPath_.size() - room : 0;
        return KivReportValidationText(assoc_, recordPath_.substr(cut) + explanation, out_);
    }

    int checkElement(const KivTaggedElement& element, const std::string& path) {
        const std::string tagPath = kivFieldPath(path, "sTagValue.");
        if (KivCheckStringOrNumeric(assoc_, &element.sTagValue, tagPath, out_) != 0) return 1;
        if (checkContent(element.sContent, kivFieldPath(path, "sContent.")) != 0) return 1;
        if (element.psMetaData &&
            checkMetaData(*element.psMetaData, kivFieldPath(path, "psMetaData->")) != 0) {
            return 1;
        }
        if (!element.psAppliedVariant) return 0;
        return checkVariant(*element.psAppliedVariant, kivFieldPath(path, "psAppliedVariant->"));
    }

    // 64 on path + name unless the member is there.
    int present(bool there, const std::string& path, std::string_view name) {
        return there ? 0 : KivReportMissingField(assoc_, kivFieldPath(path, name), out_);
    }

    // A compulsory object identifier: 64 when it is missing, 73 when it cannot be sent.
    int checkOid(const std::optional<std::string>& oid, const std::string& path, std::string_view name) {
        if (present(oid.has_value(), path, name) != 0) return 1;
        return KivCheckEncodedOid(assoc_, oid, kivFieldPath(path, name), out_);
    }

    int checkContent(const KivElementDataG& content, const std::string& path) {
        const auto& data = content.uElementDataG;
        switch (content.eElementDataGType) {
            case EDT_Octets:
                return present(data.psOctets != nullptr, path, "uElementDataG.psOctets");
            case EDT_Date:
                return present(data.pcDate.has_value(), path, "uElementDataG.pcDate");
            case EDT_Ext:
                return kivCheckMember(assoc_, data.psExt.get(), path, "uElementDataG.psExt", "->", out_,
                                      KivCheckExternal);
            case EDT_String:
                return present(data.psString != nullptr, path, "uElementDataG.psString");
            case EDT_TrueOrFalse:
                return KivCheckBoolean(assoc_, &data.fTrueOrFalse, kivFieldPath(path, "fTrueOrFalse"), out_);
            case EDT_Oid:
                return checkOid(data.pcOid, path, "uElementDataG.pcOid");
            case EDT_IntUnit:
                return kivCheckMember(assoc_, data.psIntUnit.get(), path, "uElementDataG.psIntUnit", "->",
                                      out_, KivCheckIntUnit);
            case EDT_Diagnostic:
                return kivCheckMember(assoc_, data.psDiagnostic.get(), path, "uElementDataG.psDiagnostic",
                                      "->", out_, KivCheckExternal);
            case EDT_Subtree:
                if (present(data.ppsSubTree.present(), path, "uElementDataG.ppsSubTree") != 0) return 1;
                return checkElements(data.ppsSubTree, kivFieldPath(path, "uElementDataG."), "ppsSubTree");
            case EDT_Numeric:
            case EDT_ElementNotThere:
            case EDT_ElementEmpty:
            case EDT_NoDataRequested:
                return 0;
            default:
                return KivReportValueOutOfRange(assoc_, kivFieldPath(path, "eElementDataGType"), out_);
        }
    }

    int checkMetaData(const KivMetaData& metaData, const std::string& path) {
        if (metaData.psSeriesOrder &&
            KivCheckBoolean(assoc_, &metaData.psSeriesOrder->fAscending,
                            kivFieldPath(path, "psSeriesOrder->fAscending"), out_) != 0) {
            return 1;
        }
        if (metaData.psUsageRight &&
            kivCheckRange(assoc_, metaData.psUsageRight->eType, UIT_Redistributable, UIT_LicensePointer, path,
                          "psUsageRight->eType", out_) != 0) {
            return 1;
        }
        const auto checkHit = [](KivAssocId assoc, const KivHits* hit, const std::string& hitPath,
                                 SIError** out) {
            if (KivCheckOptionalTerm(assoc, hit->psSatisfier.get(), kivFieldPath(hitPath, "psSatisfier->"),
                                     out) != 0 ||
                KivCheckOptionalIntUnit(assoc, hit->psOffsetIntoElement.get(),
                                        kivFieldPath(hitPath, "psOffsetIntoElement->"), out) != 0) {
                return 1;
            }
            return KivCheckOptionalIntUnit(assoc, hit->psLength.get(), kivFieldPath(hitPath, "psLength->"),
                                           out);
        };
        const auto checkVariantElement = [this](KivAssocId, const KivVariant* variant,
                                                const std::string& variantPath,
                                                SIError**) { return checkVariant(*variant, variantPath); };
        const auto checkStep = [](KivAssocId assoc, const KivTagPath* step, const std::string& stepPath,
                                  SIError** out) {
            return KivCheckStringOrNumeric(assoc, &step->sTagValue, kivFieldPath(stepPath, "sTagValue."),
                                           out);
        };
        if (KivCheckStructArray(assoc_, metaData.ppsHits, path, "ppsHits", out_, checkHit) != 0 ||
            KivCheckStructArray(assoc_, metaData.ppsSupportedVariants, path, "ppsSupportedVariants", out_,
                                checkVariantElement) != 0 ||
            KivCheckStructArray(assoc_, metaData.ppsSurrogateFor, path, "ppsSurrogateFor", out_, checkStep) !=
                0 ||
            KivCheckStructArray(assoc_, metaData.ppsSurrogateElement, path, "ppsSurrogateElement", out_,
                                checkStep) != 0) {
            return 1;
        }
        return KivCheckOptionalExternal(assoc_, metaData.psOther.get(), kivFieldPath(path, "psOther->"),
                                        out_);
    }

    int checkVariant(const KivVariant& variant, const std::string& path) {
        if (KivCheckOptionalEncodedOid(assoc_, variant.pcGlobalVariantSetId,
                                       kivFieldPath(path, "pcGlobalVariantSetId"), out_) != 0) {
            return 1;
        }
        return kivCheckArray(assoc_, variant.ppsTriples, path, "ppsTriples", out_,
                             [this](KivAssocId, const KivTriples* triple, const std::string& triplePath,
                                    SIError**) { return checkTriple(*triple, triplePath); });
    }

    int checkTriple(const KivTriples& triple, const std::string& path) {
        if (KivCheckOptionalEncodedOid(assoc_, triple.pcVariantSetId, kivFieldPath(path, "pcVariantSetId"),
                                       out_) != 0) {
            return 1;
        }
        const std::string valuePath = kivFieldPath(path, "sValue.");
        const auto& value = triple.sValue.uVariantValueType;
        switch (triple.sValue.eVariantValueType) {
            case VVT_InternationalString:
                return present(value.psInternationalString != nullptr, valuePath,
                               "uVariantValueType.psInternationalString");
            case VVT_Octs:
                return present(value.psOcts != nullptr, valuePath, "uVariantValueType.psOcts");
            case VVT_Oid:
                return checkOid(value.pcOid, valuePath, "uVariantValueType.pcOid");
            case VVT_Bool:
                return KivCheckBoolean(assoc_, &value.fBool, kivFieldPath(valuePath, "fBool"), out_);
            case VVT_Unit:
                return kivCheckMember(assoc_, value.psUnit.get(), valuePath, "uVariantValueType.psUnit", "->",
                                      out_, KivCheckUnit);
            case VVT_ValueAndUnit:
                return kivCheckMember(assoc_, value.psValueAndUnit.get(), valuePath,
                                      "uVariantValueType.psValueAndUnit", "->", out_, KivCheckIntUnit);
            case VVT_Int:
            case VVT_Null:
                return 0;
            default:
                return KivReportValueOutOfRange(assoc_, kivFieldPath(valuePath, "eVariantValueType"), out_);
        }
    }

    KivAssocId assoc_;
    std::string recordPath_;
    SIError** out_;
};

}  // namespace

int KivCheckGenericRecord(KivAssocId assoc, const KivSingleASN1Type* single, const std::string& path,
                          SIError** out) {
    const std::string recordPath = kivFieldPath(path, "uASN1.psGenericRecord");
    const KivGenericRecord* record = single->uASN1.psGenericRecord.get();
    if (record == nullptr) return KivReportMissingField(assoc, recordPath, out);
    const std::string elementsPath = kivFieldPath(recordPath, "->");
    if (!record->ppsTaggedElement.present()) {
        return KivReportMissingField(assoc, kivFieldPath(elementsPath, "ppsTaggedElement"), out);
    }
    RecordChecker checker(assoc, recordPath, out);
    return checker.checkElements(record->ppsTaggedElement, elementsPath, "ppsTaggedElement");
}
