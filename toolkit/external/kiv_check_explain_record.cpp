#include "toolkit/external/kiv_check_explain_record.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "toolkit/api/kiv_check_attributes.h"
#include "toolkit/api/kiv_check_composition.h"
#include "toolkit/api/kiv_check_encoded_oid.h"
#include "toolkit/api/kiv_check_external.h"
#include "toolkit/api/kiv_check_external_fields.h"
#include "toolkit/api/kiv_check_other_information.h"
#include "toolkit/api/kiv_explain_record.h"
#include "toolkit/api/kiv_validation.h"
#include "toolkit/external/kiv_explain_depth.h"

namespace {

// Walks one record and reports its first fault. Every check returns 0 when valid, 1 after reporting.
class ExplainChecker {
  public:
    ExplainChecker(KivAssocId assoc, SIError** out) : assoc_(assoc), out_(out) {}

    int category(const KivExplainRecord& record, const std::string& path) {
        const auto& u = record.uExplainRecord;
        switch (record.eExplainRecordType) {
            case ERT_TargetInfo:
                return member(u.psTargetInfo.get(), path, "uExplainRecord.psTargetInfo",
                              &ExplainChecker::targetInfo);
            case ERT_DatabaseInfo:
                return member(u.psDatabaseInfo.get(), path, "uExplainRecord.psDatabaseInfo",
                              &ExplainChecker::databaseInfo);
            case ERT_SchemaInfo:
                return member(u.psSchemaInfo.get(), path, "uExplainRecord.psSchemaInfo",
                              &ExplainChecker::schemaInfo);
            case ERT_TagSetInfo:
                return member(u.psTagSetInfo.get(), path, "uExplainRecord.psTagSetInfo",
                              &ExplainChecker::tagSetInfo);
            case ERT_RecordSyntaxInfo:
                return member(u.psRecordSyntaxInfo.get(), path, "uExplainRecord.psRecordSyntaxInfo",
                              &ExplainChecker::recordSyntaxInfo);
            case ERT_AttributeSetInfo:
                return member(u.psAttributeSetInfo.get(), path, "uExplainRecord.psAttributeSetInfo",
                              &ExplainChecker::attributeSetInfo);
            case ERT_TermListInfo:
                return member(u.psTermListInfo.get(), path, "uExplainRecord.psTermListInfo",
                              &ExplainChecker::termListInfo);
            case ERT_ExtendedServicesInfo:
                return member(u.psExtendedServicesInfo.get(), path, "uExplainRecord.psExtendedServicesInfo",
                              &ExplainChecker::extendedServicesInfo);
            case ERT_AttributeDetails:
                return member(u.psAttributeDetails.get(), path, "uExplainRecord.psAttributeDetails",
                              &ExplainChecker::attributeDetails);
            case ERT_TermListDetails:
                return member(u.psTermListDetails.get(), path, "uExplainRecord.psTermListDetails",
                              &ExplainChecker::termListDetails);
            case ERT_ElementSetDetails:
                return member(u.psElementSetDetails.get(), path, "uExplainRecord.psElementSetDetails",
                              &ExplainChecker::elementSetDetails);
            case ERT_RetrievalRecordDetails:
                return member(u.psRetrievalRecordDetails.get(), path,
                              "uExplainRecord.psRetrievalRecordDetails",
                              &ExplainChecker::retrievalRecordDetails);
            case ERT_SortDetails:
                return member(u.psSortDetails.get(), path, "uExplainRecord.psSortDetails",
                              &ExplainChecker::sortDetails);
            case ERT_Processing:
                return member(u.psProcessing.get(), path, "uExplainRecord.psProcessing",
                              &ExplainChecker::processing);
            case ERT_Variants:
                return member(u.psVariants.get(), path, "uExplainRecord.psVariants",
                              &ExplainChecker::variants);
            case ERT_Units:
                return member(u.psUnits.get(), path, "uExplainRecord.psUnits", &ExplainChecker::units);
            case ERT_CategoryList:
                return member(u.psCategoryList.get(), path, "uExplainRecord.psCategoryList",
                              &ExplainChecker::categoryList);
            default:
                return outOfRange(path, "eExplainRecordType");
        }
    }

  private:
    using Path = const std::string&;

    // A compulsory member: 64 on path + name, else its check on path + name + "->".
    template <typename T>
    int member(const T* value, Path path, std::string_view name,
               int (ExplainChecker::*check)(const T&, Path)) {
        const std::string memberPath = kivFieldPath(path, name);
        if (value == nullptr) return KivReportMissingField(assoc_, memberPath, out_);
        return (this->*check)(*value, kivFieldPath(memberPath, "->"));
    }

    // An optional member: its check on path + name when present.
    template <typename T>
    int optional(const T* value, Path path, std::string_view name,
                 int (ExplainChecker::*check)(const T&, Path)) {
        return value == nullptr ? 0 : (this->*check)(*value, kivFieldPath(path, name));
    }

    // Each element of an array of structures under path + name + "[i]->".
    template <typename T>
    int elements(const KivArray<T>& array, Path path, std::string_view name,
                 int (ExplainChecker::*check)(const T&, Path)) {
        return KivCheckStructArray(assoc_, array, path, name, out_,
                                   [this, check](KivAssocId, const T* element, Path elementPath, SIError**) {
                                       return (this->*check)(*element, elementPath);
                                   });
    }

    int present(bool there, Path path, std::string_view name) {
        return there ? 0 : KivReportMissingField(assoc_, kivFieldPath(path, name), out_);
    }

    int outOfRange(Path path, std::string_view name) {
        return KivReportValueOutOfRange(assoc_, kivFieldPath(path, name), out_);
    }

    int range(int32_t value, uint32_t low, uint32_t high, Path path, std::string_view name) {
        return kivCheckRange(assoc_, value, low, high, path, name, out_);
    }

    // A value held behind a pointer: reported as "*" + path + name.
    int pointedRange(const std::optional<int32_t>& value, uint32_t low, uint32_t high, Path path,
                     std::string_view name) {
        if (!value || (static_cast<uint32_t>(*value) >= low && static_cast<uint32_t>(*value) <= high))
            return 0;
        return KivReportValueOutOfRange(assoc_, "*" + kivFieldPath(path, name), out_);
    }

    int boolean(uint32_t value, Path path, std::string_view name) {
        return KivCheckBoolean(assoc_, &value, kivFieldPath(path, name), out_);
    }

    int oid(const std::optional<std::string>& text, Path path, std::string_view name) {
        if (present(text.has_value(), path, name) != 0) return 1;
        return KivCheckEncodedOid(assoc_, text, kivFieldPath(path, name), out_);
    }

    int oids(const KivArray<std::string>& texts, Path path, std::string_view name) {
        return KivCheckValueArray(
            assoc_, texts, path, name, out_,
            [](KivAssocId assoc, const std::string* text, Path textPath, SIError** out) {
                return KivCheckEncodedOid(assoc, *text, textPath, out);
            });
    }

    int stringOrNumeric(const KivStringOrNumeric& value, Path path, std::string_view name) {
        return KivCheckStringOrNumeric(assoc_, &value, kivFieldPath(path, name), out_);
    }

    int stringOrNumerics(const KivArray<KivStringOrNumeric>& values, Path path, std::string_view name) {
        return KivCheckStructArray(assoc_, values, path, name, out_, KivCheckStringOrNumeric);
    }

    int common(const std::unique_ptr<KivCommonInfo>& info, Path path) {
        if (!info || !info->ppsOtherInformation.present()) return 0;
        return KivCheckOtherInformation(assoc_, &info->ppsOtherInformation,
                                        kivFieldPath(path, "psCommonInfo->ppsOtherInformation->"), out_);
    }

    int bodyType(const KivBodyType& body, Path path) {
        const auto& u = body.uBodyType;
        switch (body.eBodyTypeType) {
            case BTT_IanaType:
                return present(u.psIanaType != nullptr, path, "uBodyType.psIanaType");
            case BTT_Z3950Type:
                return present(u.psZ3950Type != nullptr, path, "uBodyType.psZ3950Type");
            case BTT_OtherType:
                return present(u.psOtherType != nullptr, path, "uBodyType.psOtherType");
            default:
                return outOfRange(path, "eBodyTypeType");
        }
    }

    int icon(const KivIconObject& item, Path path) {
        return bodyType(item.sBodyType, kivFieldPath(path, "sBodyType."));
    }

    int networkAddress(const KivNetworkAddress& address, Path path) {
        const auto& u = address.uNetworkAddress;
        switch (address.eNetworkAddressType) {
            case NAT_InternetAddress:
                return present(u.psInternetAddress != nullptr, path, "uNetworkAddress.psInternetAddress");
            case NAT_OsiPresentationAddress:
                return present(u.psOsiPresentationAddress != nullptr, path,
                               "uNetworkAddress.psOsiPresentationAddress");
            case NAT_OtherAddress:
                return present(u.psOtherAddress != nullptr, path, "uNetworkAddress.psOtherAddress");
            default:
                return outOfRange(path, "eNetworkAddressType");
        }
    }

    int unitsSupported(const KivUnitsSupported& unit, Path path) {
        switch (unit.eUnitsSupportedType) {
            case UST_Known:
                return 0;
            case UST_Private:
                return present(unit.uUnitsSupported.psPrivate != nullptr, path, "uUnitsSupported.psPrivate");
            default:
                return outOfRange(path, "eUnitsSupportedType");
        }
    }

    int rpn(const KivRpnCapabilities& rpn, Path path) {
        if (boolean(rpn.fResultSetAsOperandSupported, path, "fResultSetAsOperandSupported") != 0 ||
            boolean(rpn.fRestrictionOperandSupported, path, "fRestrictionOperandSupported") != 0) {
            return 1;
        }
        if (!rpn.psProximity) return 0;
        const std::string proximityPath = kivFieldPath(path, "psProximity->");
        if (boolean(rpn.psProximity->fAnySupport, proximityPath, "fAnySupport") != 0) return 1;
        return elements(rpn.psProximity->ppsUnitsSupported, proximityPath, "ppsUnitsSupported",
                        &ExplainChecker::unitsSupported);
    }

    int humanSeq(const KivHumanStringSeq& seq, Path path) {
        return present(seq.ppsHumanString.present(), path, "ppsHumanString");
    }

    int privateCapabilities(const KivPrivateCapabilities& capabilities, Path path) {
        return elements(capabilities.ppsDescription, path, "ppsDescription", &ExplainChecker::humanSeq);
    }

    int iso8777(const KivIso8777Capabilities&, Path) { return 0; }

    int queryType(const KivQueryTypeDetails& details, Path path) {
        const auto& u = details.uQueryTypeDetails;
        switch (details.eQueryTypeDetailsType) {
            case QTDT_Private:
                return member(u.psPrivate.get(), path, "uQueryTypeDetails.psPrivate",
                              &ExplainChecker::privateCapabilities);
            case QTDT_Rpn:
                return member(u.psRpn.get(), path, "uQueryTypeDetails.psRpn", &ExplainChecker::rpn);
            case QTDT_Iso8777:
                return member(u.psIso8777.get(), path, "uQueryTypeDetails.psIso8777",
                              &ExplainChecker::iso8777);
            case QTDT_Z39_58:
                return present(u.ppsZ39_58.present(), path, "uQueryTypeDetails.ppsZ39_58");
            case QTDT_Erpn:
                return member(u.psErpn.get(), path, "uQueryTypeDetails.psErpn", &ExplainChecker::rpn);
            case QTDT_RankedList:
                return present(u.ppsRankedList.present(), path, "uQueryTypeDetails.ppsRankedList");
            default:
                return outOfRange(path, "eQueryTypeDetailsType");
        }
    }

    int restriction(const KivAccessRestrictions& item, Path path) {
        if (range(item.eAccessType, AT_Any, AT_ByDatabase, path, "eAccessType") != 0) return 1;
        return oids(item.ppcAccessChallenges, path, "ppcAccessChallenges");
    }

    int charge(const KivCharge& charge, Path path) {
        if (KivCheckIntUnit(assoc_, &charge.sCost, kivFieldPath(path, "sCost."), out_) != 0) return 1;
        if (!charge.psPerWhat) return 0;
        return KivCheckUnit(assoc_, charge.psPerWhat.get(), kivFieldPath(path, "psPerWhat->"), out_);
    }

    int otherCharge(const KivOtherCharge& other, Path path) {
        if (present(other.ppsForWhat.present(), path, "ppsForWhat") != 0) return 1;
        return charge(other.sCharge, kivFieldPath(path, "sCharge."));
    }

    int costs(const KivCosts& costs, Path path) {
        if (optional(costs.psConnectCharge.get(), path, "psConnectCharge->", &ExplainChecker::charge) != 0 ||
            optional(costs.psConnectTime.get(), path, "psConnectTime->", &ExplainChecker::charge) != 0 ||
            optional(costs.psDisplayCharge.get(), path, "psDisplayCharge->", &ExplainChecker::charge) != 0 ||
            optional(costs.psSearchCharge.get(), path, "psSearchCharge->", &ExplainChecker::charge) != 0 ||
            optional(costs.psSubscriptCharge.get(), path, "psSubscriptCharge->", &ExplainChecker::charge) !=
                0) {
            return 1;
        }
        return elements(costs.ppsOtherCharge, path, "ppsOtherCharge", &ExplainChecker::otherCharge);
    }

    int accessInfo(const KivAccessInfo& access, Path path) {
        if (elements(access.ppsQueryTypesSupported, path, "ppsQueryTypesSupported",
                     &ExplainChecker::queryType) != 0 ||
            oids(access.ppcDiagnosticsSets, path, "ppcDiagnosticsSets") != 0 ||
            oids(access.ppcAttributeSetIds, path, "ppcAttributeSetIds") != 0 ||
            oids(access.ppcSchemas, path, "ppcSchemas") != 0 ||
            oids(access.ppcRecordSyntaxes, path, "ppcRecordSyntaxes") != 0 ||
            oids(access.ppcResourceChallenges, path, "ppcResourceChallenges") != 0 ||
            elements(access.ppsRestrictedAccess, path, "ppsRestrictedAccess", &ExplainChecker::restriction) !=
                0 ||
            optional(access.psCosts.get(), path, "", &ExplainChecker::costs) != 0 ||
            oids(access.ppcVariantSets, path, "ppcVariantSets") != 0) {
            return 1;
        }
        return present(access.ppsUnitSystems.present(), path, "ppsUnitSystems");
    }

    int pathStep(const KivPath& step, Path path) {
        return stringOrNumeric(step.sTagValue, path, "sTagValue.");
    }

    int tagPath(const KivArray<KivPath>& steps, Path path, std::string_view name) {
        if (present(steps.present(), path, name) != 0) return 1;
        return elements(steps, path, name, &ExplainChecker::pathStep);
    }

    int dataType(const KivElementDataType& type, Path path) {
        switch (type.eElementDataTypeType) {
            case EDTT_Primitive:
                return range(type.uElementDataType.ePrimitive, PDT_OctetString, PDT_NoneOfTheAbove, path,
                             "uElementDataType.ePrimitive");
            case EDTT_Structured:
                if (present(type.uElementDataType.ppsStructured.present(), path,
                            "uElementDataType.ppsStructured") != 0)
                    return 1;
                return elementInfos(type.uElementDataType.ppsStructured,
                                    kivFieldPath(path, "uElementDataType."), "ppsStructured");
            default:
                return outOfRange(path, "eElementDataTypeType");
        }
    }

    int elementInfos(const KivArray<KivElementInfo>& infos, Path path, std::string_view name) {
        const KivExplainElementLevel level;
        if (level.tooDeep()) return reportTooDeep(path);
        return elements(infos, path, name, &ExplainChecker::elementInfo);
    }

    int elementInfo(const KivElementInfo& info, Path path) {
        if (tagPath(info.ppsElementTagPath, path, "ppsElementTagPath") != 0 ||
            optional(info.psElementDataType.get(), path, "", &ExplainChecker::dataType) != 0 ||
            boolean(info.fRequired, path, "fRequired") != 0) {
            return 1;
        }
        return boolean(info.fRepeatable, path, "fRepeatable");
    }

    // 76: the path and the explanation; a path too long for both loses its beginning.
    int reportTooDeep(Path path) {
        const std::string explanation =
            " IS NESTED DEEPER THAN " + std::to_string(kKivMaxExplainElementDepth) + " LEVELS";
        const size_t room = kKivPathMaxChars - explanation.size();
        const size_t cut = path.size() > room ? path.size() - room : 0;
        return KivReportValidationText(assoc_, path.substr(cut) + explanation, out_);
    }

    int occurrence(const KivAttributeOccurrence& item, Path path) {
        if (KivCheckOptionalEncodedOid(assoc_, item.pcAttributeSet, kivFieldPath(path, "pcAttributeSet"),
                                       out_) != 0)
            return 1;
        const KivAttributeOccurrenceChoice& values = item.sAttributeValues;
        const std::string valuesPath = kivFieldPath(path, "sAttributeValues.");
        const auto& u = values.uAttributeOccurrenceChoiceType;
        switch (values.eAttributeOccurrenceChoiceType) {
            case AOT_AnyOrNone:
                return present(u.pvAnyOrNone, valuesPath, "uAttributeOccurrenceChoiceType.pvAnyOrNone");
            case AOT_Specific:
                if (present(u.ppsSpecific.present(), valuesPath,
                            "uAttributeOccurrenceChoiceType.ppsSpecific") != 0)
                    return 1;
                return stringOrNumerics(u.ppsSpecific,
                                        kivFieldPath(valuesPath, "uAttributeOccurrenceChoiceType."),
                                        "ppsSpecific");
            default:
                return outOfRange(valuesPath, "eAttributeOccurrenceChoiceType");
        }
    }

    int legalCombination(const KivLegalCombinations& legal, Path path) {
        if (present(legal.ppsAttributeOccurrence.present(), path, "ppsAttributeOccurrence") != 0) return 1;
        return elements(legal.ppsAttributeOccurrence, path, "ppsAttributeOccurrence",
                        &ExplainChecker::occurrence);
    }

    int attributeCombinations(const KivAttributeCombinations& combinations, Path path) {
        if (oid(combinations.pcDefaultAttributeSet, path, "pcDefaultAttributeSet") != 0 ||
            present(combinations.ppsLegalCombinations.present(), path, "ppsLegalCombinations") != 0) {
            return 1;
        }
        return elements(combinations.ppsLegalCombinations, path, "ppsLegalCombinations",
                        &ExplainChecker::legalCombination);
    }

    int detailsPerElement(const KivDetailsPerElement& details, Path path) {
        if (details.psRecordTag) {
            const std::string tagPath = kivFieldPath(path, "psRecordTag->");
            if (KivCheckOptionalStringOrNumeric(assoc_, details.psRecordTag->psQualifier.get(),
                                                kivFieldPath(tagPath, "psQualifier->"), out_) != 0 ||
                stringOrNumeric(details.psRecordTag->sTagValue, tagPath, "sTagValue.") != 0) {
                return 1;
            }
        }
        if (elements(details.ppsSchemaTags, path, "ppsSchemaTags", &ExplainChecker::schemaTag) != 0 ||
            boolean(details.fRepeatable, path, "fRepeatable") != 0 ||
            boolean(details.fRequired, path, "fRequired") != 0) {
            return 1;
        }
        return optional(details.psSearchAccess.get(), path, "psSearchAccess->",
                        &ExplainChecker::attributeCombinations);
    }

    int schemaTag(const KivSchemaTag& tag, Path path) {
        return tagPath(tag.ppsSchemaTags, path, "ppsSchemaTags");
    }

    int valueDescription(const KivValueDescription& value, Path path) {
        const auto& u = value.uValueDescription;
        switch (value.eValueDescriptionType) {
            case VDT_Integer:
                return 0;
            case VDT_String:
                return present(u.psString != nullptr, path, "uValueDescription.psString");
            case VDT_Octets:
                return present(u.psOctets != nullptr, path, "uValueDescription.psOctets");
            case VDT_Oid:
                return oid(u.pcOid, path, "uValueDescription.pcOid");
            case VDT_Unit:
                return kivCheckMember(assoc_, u.psUnit.get(), path, "uValueDescription.psUnit", "->", out_,
                                      KivCheckUnit);
            case VDT_ValueAndUnit:
                return kivCheckMember(assoc_, u.psValueAndUnit.get(), path,
                                      "uValueDescription.psValueAndUnit", "->", out_, KivCheckIntUnit);
            default:
                return outOfRange(path, "eValueDescriptionType");
        }
    }

    int valueRange(const KivValueRange& range, Path path) {
        if (optional(range.psLower.get(), path, "psLower->", &ExplainChecker::valueDescription) != 0)
            return 1;
        return optional(range.psUpper.get(), path, "psUpper->", &ExplainChecker::valueDescription);
    }

    int valueSet(const KivValueSet& set, Path path) {
        switch (set.eValueSetType) {
            case VT_Range:
                return member(set.uValueSet.psRange.get(), path, "uValueSet.psRange",
                              &ExplainChecker::valueRange);
            case VT_Enumerated:
                if (present(set.uValueSet.ppsEnumerated.present(), path, "uValueSet.ppsEnumerated") != 0)
                    return 1;
                return elements(set.uValueSet.ppsEnumerated, kivFieldPath(path, "uValueSet."),
                                "ppsEnumerated", &ExplainChecker::valueDescription);
            default:
                return outOfRange(path, "eValueSetType");
        }
    }

    int variantType(const KivVariantType& type, Path path) {
        if (!type.psVariantValue) return 0;
        const std::string valuePath = kivFieldPath(path, "psVariantValue->");
        if (range(type.psVariantValue->eDataType, PDT_OctetString, PDT_NoneOfTheAbove, valuePath,
                  "eDataType") != 0)
            return 1;
        return optional(type.psVariantValue->psValues.get(), valuePath, "psValues->",
                        &ExplainChecker::valueSet);
    }

    int variantClass(const KivVariantClass& variant, Path path) {
        if (present(variant.ppsVariantTypes.present(), path, "ppsVariantTypes") != 0) return 1;
        return elements(variant.ppsVariantTypes, path, "ppsVariantTypes", &ExplainChecker::variantType);
    }

    // ---- The categories ----

    int targetInfo(const KivTargetInfo& target, Path path) {
        if (common(target.psCommonInfo, path) != 0 ||
            elements(target.ppsIcon, path, "ppsIcon", &ExplainChecker::icon) != 0 ||
            boolean(target.fNamedResultSets, path, "fNamedResultSets") != 0 ||
            boolean(target.fMultipleDBSearch, path, "fMultipleDBSearch") != 0 ||
            KivCheckOptionalIntUnit(assoc_, target.psTimeoutInterval.get(),
                                    kivFieldPath(path, "psTimeoutInterval->"), out_) != 0 ||
            elements(target.ppsDbCombinations, path, "ppsDbCombinations", &ExplainChecker::dbCombination) !=
                0 ||
            elements(target.ppsAddresses, path, "ppsAddresses", &ExplainChecker::networkAddress) != 0) {
            return 1;
        }
        return optional(target.psCommonAccessInfo.get(), path, "psCommonAccessInfo->",
                        &ExplainChecker::accessInfo);
    }

    int dbCombination(const KivDbCombinations& combination, Path path) {
        return present(combination.ppsInnerDatabases.present(), path, "ppsInnerDatabases");
    }

    int keywords(const KivKeywords& keywords, Path path) {
        return present(keywords.ppsDataBaseInfo.present(), path, "ppsDataBaseInfo");
    }

    int recordCount(const KivRecordCount& count, Path path) {
        return range(count.eRecordCountType, RCT_ActualNumber, RCT_ApproxNumber, path, "eRecordCountType");
    }

    int databaseInfo(const KivDatabaseInfo& database, Path path) {
        if (common(database.psCommonInfo, path) != 0 ||
            elements(database.ppsIcon, path, "ppsIcon", &ExplainChecker::icon) != 0 ||
            boolean(database.fUserFee, path, "fUserFee") != 0 ||
            boolean(database.fAvailable, path, "fAvailable") != 0 ||
            elements(database.ppsKeywords, path, "ppsKeywords", &ExplainChecker::keywords) != 0 ||
            optional(database.psRecordCount.get(), path, "psRecordCount->", &ExplainChecker::recordCount) !=
                0 ||
            KivCheckOptionalIntUnit(assoc_, database.psUpdateInterval.get(),
                                    kivFieldPath(path, "psUpdateInterval->"), out_) != 0 ||
            KivCheckOptionalBoolean(assoc_, database.pfProprietary, "*" + kivFieldPath(path, "pfProprietary"),
                                    out_) != 0) {
            return 1;
        }
        return optional(database.psAccessInfo.get(), path, "psAccessInfo->", &ExplainChecker::accessInfo);
    }

    int schemaInfo(const KivSchemaInfo& schema, Path path) {
        if (common(schema.psCommonInfo, path) != 0 || oid(schema.pcSchema, path, "pcSchema") != 0) return 1;
        return elementInfos(schema.ppsRecordStructure, path, "ppsRecordStructure");
    }

    int tagSetElement(const KivTagSetElement& element, Path path) {
        if (stringOrNumeric(element.sElementTag, path, "sElementTag.") != 0) return 1;
        return pointedRange(element.peDataType, PDT_OctetString, PDT_NoneOfTheAbove, path, "peDataType");
    }

    int tagSetInfo(const KivTagSetInfo& tagSet, Path path) {
        if (common(tagSet.psCommonInfo, path) != 0 || oid(tagSet.pcTagSet, path, "pcTagSet") != 0) return 1;
        return elements(tagSet.ppsElements, path, "ppsElements", &ExplainChecker::tagSetElement);
    }

    int recordSyntaxInfo(const KivRecordSyntaxInfo& syntax, Path path) {
        if (common(syntax.psCommonInfo, path) != 0 ||
            oid(syntax.pcRecordSyntax, path, "pcRecordSyntax") != 0 ||
            oids(syntax.ppcTransferSyntaxes, path, "ppcTransferSyntaxes") != 0) {
            return 1;
        }
        return elementInfos(syntax.ppsAbstractStructure, path, "ppsAbstractStructure");
    }

    int attributeDescription(const KivAttributeDescription& description, Path path) {
        if (stringOrNumeric(description.sAttributeValue, path, "sAttributeValue.") != 0) return 1;
        return stringOrNumerics(description.ppsEquivalentAttributes, path, "ppsEquivalentAttributes");
    }

    int attributeType(const KivAttributeType& type, Path path) {
        if (present(type.ppsAttributeValues.present(), path, "ppsAttributeValues") != 0) return 1;
        return elements(type.ppsAttributeValues, path, "ppsAttributeValues",
                        &ExplainChecker::attributeDescription);
    }

    int attributeSetInfo(const KivAttributeSetInfo& set, Path path) {
        if (common(set.psCommonInfo, path) != 0 || oid(set.pcAttributeSetId, path, "pcAttributeSetId") != 0)
            return 1;
        return elements(set.ppsAttributes, path, "ppsAttributes", &ExplainChecker::attributeType);
    }

    int termList(const KivTermList& list, Path path) {
        if (pointedRange(list.peSearchCost, SC_Optimized, SC_Filter, path, "peSearchCost") != 0) return 1;
        return boolean(list.fScanable, path, "fScanable");
    }

    int termListInfo(const KivTermListInfo& info, Path path) {
        if (common(info.psCommonInfo, path) != 0 ||
            present(info.ppsTermLists.present(), path, "ppsTermLists") != 0)
            return 1;
        return elements(info.ppsTermLists, path, "ppsTermLists", &ExplainChecker::termList);
    }

    int extendedServicesInfo(const KivExtendedServicesInfo& info, Path path) {
        if (common(info.psCommonInfo, path) != 0 || oid(info.pcType, path, "pcType") != 0 ||
            boolean(info.fPrivateType, path, "fPrivateType") != 0 ||
            boolean(info.fRestrictionsApply, path, "fRestrictionsApply") != 0 ||
            boolean(info.fFeeApply, path, "fFeeApply") != 0 ||
            boolean(info.fAvailable, path, "fAvailable") != 0 ||
            boolean(info.fRetentionSupported, path, "fRetentionSupported") != 0 ||
            range(info.eWaitAction, ESII_WaitSupported, ESII_NotSaying, path, "eWaitAction") != 0) {
            return 1;
        }
        return KivCheckOptionalExternal(assoc_, info.psSpecificExplain.get(),
                                        kivFieldPath(path, "psSpecificExplain->"), out_);
    }

    int attributeValue(const KivAttributeValues& value, Path path) {
        if (stringOrNumeric(value.sValue, path, "sValue.") != 0 ||
            stringOrNumerics(value.ppsSubAttributes, path, "ppsSubAttributes") != 0) {
            return 1;
        }
        return stringOrNumerics(value.ppsSuperAttributes, path, "ppsSuperAttributes");
    }

    int attributesByType(const KivAttributesByType& type, Path path) {
        if (type.psDefaultIfOmitted &&
            KivCheckOptionalStringOrNumeric(assoc_, type.psDefaultIfOmitted->psDefaultValue.get(),
                                            kivFieldPath(path, "psDefaultIfOmitted->psDefaultValue->"),
                                            out_) != 0) {
            return 1;
        }
        return elements(type.ppsAttributeValues, path, "ppsAttributeValues", &ExplainChecker::attributeValue);
    }

    int attributesBySet(const KivAttributesBySet& set, Path path) {
        if (oid(set.pcAttributeSet, path, "pcAttributeSet") != 0 ||
            present(set.ppsAttributesByType.present(), path, "ppsAttributesByType") != 0) {
            return 1;
        }
        return elements(set.ppsAttributesByType, path, "ppsAttributesByType",
                        &ExplainChecker::attributesByType);
    }

    int attributeDetails(const KivAttributeDetails& details, Path path) {
        if (common(details.psCommonInfo, path) != 0 ||
            elements(details.ppsAttributesBySet, path, "ppsAttributesBySet",
                     &ExplainChecker::attributesBySet) != 0) {
            return 1;
        }
        return optional(details.psAttributeCombinations.get(), path, "psAttributeCombinations->",
                        &ExplainChecker::attributeCombinations);
    }

    int termListDetails(const KivTermListDetails& details, Path path) {
        if (common(details.psCommonInfo, path) != 0 ||
            optional(details.psAttributes.get(), path, "psAttributes->",
                     &ExplainChecker::attributeCombinations) != 0) {
            return 1;
        }
        if (details.psScanInfo &&
            KivCheckOptionalBoolean(assoc_, details.psScanInfo->pfIncreasing,
                                    "*" + kivFieldPath(path, "psScanInfo->pfIncreasing"), out_) != 0) {
            return 1;
        }
        return KivCheckStructArray(assoc_, details.ppsSampleTerms, path, "ppsSampleTerms", out_,
                                   KivCheckTerm);
    }

    int elementSetDetails(const KivElementSetDetails& details, Path path) {
        if (common(details.psCommonInfo, path) != 0 ||
            oid(details.pcRecordSyntax, path, "pcRecordSyntax") != 0 ||
            oid(details.pcSchema, path, "pcSchema") != 0) {
            return 1;
        }
        return elements(details.ppsDetailsPerElement, path, "ppsDetailsPerElement",
                        &ExplainChecker::detailsPerElement);
    }

    int retrievalRecordDetails(const KivRetrievalRecordDetails& details, Path path) {
        if (common(details.psCommonInfo, path) != 0 || oid(details.pcSchema, path, "pcSchema") != 0 ||
            oid(details.pcRecordSyntax, path, "pcRecordSyntax") != 0) {
            return 1;
        }
        return elements(details.ppsDetailsPerElement, path, "ppsDetailsPerElement",
                        &ExplainChecker::detailsPerElement);
    }

    int sortType(const KivSortType& type, Path path) {
        switch (type.eSortTypeType) {
            case STT_Character:
            case STT_Numeric:
                return 0;
            case STT_Structured:
                return present(type.ppsStructured.present(), path, "ppsStructured");
            default:
                return outOfRange(path, "eSortTypeType");
        }
    }

    int sortKey(const KivSortKeys& key, Path path) {
        if (KivCheckStructArray(assoc_, key.ppsElementSpecifications, path, "ppsElementSpecifications", out_,
                                KivCheckSpecification) != 0 ||
            optional(key.psAttributeSpecifications.get(), path, "psAttributeSpecifications->",
                     &ExplainChecker::attributeCombinations) != 0 ||
            optional(key.psSortType.get(), path, "psSortType->", &ExplainChecker::sortType) != 0) {
            return 1;
        }
        return pointedRange(key.peCaseSensitivity, CSE_Always, CSE_DefaultNo, path, "peCaseSensitivity");
    }

    int sortDetails(const KivSortDetails& details, Path path) {
        if (common(details.psCommonInfo, path) != 0) return 1;
        return elements(details.ppsSortKeys, path, "ppsSortKeys", &ExplainChecker::sortKey);
    }

    int processing(const KivProcessingInformation& info, Path path) {
        if (common(info.psCommonInfo, path) != 0 ||
            range(info.eProcessingContext, PC_Access, PC_RecordHandling, path, "eProcessingContext") != 0 ||
            oid(info.pcOid, path, "pcOid") != 0) {
            return 1;
        }
        return KivCheckOptionalExternal(assoc_, info.psInstructions.get(),
                                        kivFieldPath(path, "psInstructions->"), out_);
    }

    int variants(const KivVariantSetInfo& info, Path path) {
        if (common(info.psCommonInfo, path) != 0 || oid(info.pcVariantSet, path, "pcVariantSet") != 0)
            return 1;
        return elements(info.ppsVariants, path, "ppsVariants", &ExplainChecker::variantClass);
    }

    int unitsEntry(const KivUnits& units, Path path) { return stringOrNumeric(units.sUnit, path, "sUnit."); }

    int unitType(const KivUnitType& type, Path path) {
        if (stringOrNumeric(type.sUnitType, path, "sUnitType.") != 0 ||
            present(type.ppsUnits.present(), path, "ppsUnits") != 0) {
            return 1;
        }
        return elements(type.ppsUnits, path, "ppsUnits", &ExplainChecker::unitsEntry);
    }

    int units(const KivUnitInfo& info, Path path) {
        if (common(info.psCommonInfo, path) != 0) return 1;
        return elements(info.ppsUnitTypes, path, "ppsUnitTypes", &ExplainChecker::unitType);
    }

    int categoryList(const KivCategoryList& list, Path path) {
        if (common(list.psCommonInfo, path) != 0) return 1;
        return present(list.ppsCategories.present(), path, "ppsCategories");
    }

    KivAssocId assoc_;
    SIError** out_;
};

}  // namespace

int KivCheckExplainRecord(KivAssocId assoc, const KivSingleASN1Type* single, const std::string& path,
                          SIError** out) {
    const KivExplainRecord* record = single->uASN1.psExplainRecord.get();
    const std::string recordPath = kivFieldPath(path, "uASN1.psExplainRecord");
    if (record == nullptr) return KivReportMissingField(assoc, recordPath, out);
    return ExplainChecker(assoc, out).category(*record, kivFieldPath(recordPath, "->"));
}
