// The codec's decoded ExplainRecord towards a KivExplainRecord.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "toolkit/api/kiv_convert_attributes.h"
#include "toolkit/api/kiv_convert_basic.h"
#include "toolkit/api/kiv_convert_composition.h"
#include "toolkit/api/kiv_convert_external.h"
#include "toolkit/api/kiv_convert_external_content_types.h"
#include "toolkit/api/kiv_convert_other_information.h"
#include "toolkit/codec/explain/explain_a.h"
#include "toolkit/codec/explain/explain_b.h"
#include "toolkit/external/kiv_carried_lists.h"
#include "toolkit/external/kiv_convert_explain_record.h"
#include "toolkit/external/kiv_explain_depth.h"
#include "toolkit/external/kiv_explain_numbers.h"
#include "toolkit/external/kiv_carried_records.h"

namespace x = codec::explain;
namespace z = codec::z3950;

namespace {

// A named number of the module kept, any other -1.
int32_t numberFromCodec(BerInteger value, bool (*named)(int32_t)) {
    return named(value) ? value : -1;
}

void optionalNumberFromCodec(std::optional<int32_t>* dst, const BerInteger* src, bool (*named)(int32_t)) {
    if (src != nullptr) *dst = numberFromCodec(*src, named);
}

// A new structure converted by convert when the record is present.
template <typename T, typename Record, typename Convert>
void optionalFromCodec(std::unique_ptr<T>* dst, const Record* src, Convert&& convert) {
    if (src == nullptr) return;
    kivFromCodec([&] { *dst = std::make_unique<T>(); });
    convert(dst->get(), *src);
}

void humanItemFromCodec(KivHumanString* dst, const x::HumanStringItem& src) {
    kivFromCodec([&] {
        if (src.language.length != 0) KivNewInternationalStringFromCodec(&dst->psLanguage, &src.language);
    });
    KivInternationalStringFromCodec(&dst->sText, &src.text);
}

void humanFromCodec(KivHumanStrings* dst, const BerList* src) {
    KivOptionalArrayFromCodec<x::HumanStringItem>(dst, src, humanItemFromCodec);
}

void oidsFromCodec(KivArray<std::string>* dst, const BerList* src) {
    KivOptionalOidListFromCodec(dst, src);
}

void stringsFromCodec(KivArray<KivInternationalString>* dst, const BerList* src) {
    if (src != nullptr) KivInternationalStringListFromCodec(dst, src);
}

void stringOrNumericsFromCodec(KivArray<KivStringOrNumeric>* dst, const BerList* src) {
    if (src != nullptr) KivStringOrNumericListFromCodec(dst, src);
}

void nullFromCodec(bool* dst, const uint8_t* src) {
    KivOptionalNullFromCodec(dst, src);
}

void commonFromCodec(std::unique_ptr<KivCommonInfo>* dst, const x::CommonInfo* src) {
    optionalFromCodec(dst, src, [](KivCommonInfo* common, const x::CommonInfo& info) {
        kivFromCodec([&] {
            KivCStringFromCodecByValue(&common->pcDateAdded, info.dateAdded.length, info.dateAdded.octets);
            KivCStringFromCodecByValue(&common->pcDateChanged, info.dateChanged.length,
                                       info.dateChanged.octets);
            KivCStringFromCodecByValue(&common->pcExpiry, info.expiry.length, info.expiry.octets);
            if (info.humanString_Language.length != 0)
                KivNewInternationalStringFromCodec(&common->psHumanStringLanguage,
                                                   &info.humanString_Language);
        });
        KivOptionalOtherInformationFromCodec(&common->ppsOtherInformation, info.otherInfo);
    });
}

void iconsFromCodec(KivArray<KivIconObject>* dst, const BerList* src) {
    KivOptionalArrayFromCodec<x::IconObjectItem>(
        dst, src, [](KivIconObject* icon, const x::IconObjectItem& item) {
            if (const x::IconObjectBodyType* body = item.bodyType; body != nullptr) {
                icon->sBodyType.eBodyTypeType =
                    kivSelectorOf(body->choiceId, x::IconObjectBodyType::kAlternatives);
                auto& chosen = icon->sBodyType.uBodyType;
                std::unique_ptr<KivInternationalString>* members[] = {&chosen.psIanaType, &chosen.psZ3950Type,
                                                                      &chosen.psOtherType};
                if (icon->sBodyType.eBodyTypeType > 0)
                    KivNewInternationalStringFromCodec(members[body->choiceId], body->ianaType);
            }
            KivOctetsFromCodec(&icon->sContent, &item.content);
        });
}

void contactFromCodec(std::unique_ptr<KivContactInfo>* dst, const x::ContactInfo* src) {
    optionalFromCodec(dst, src, [](KivContactInfo* contact, const x::ContactInfo& info) {
        KivOptionalInternationalStringFromCodec(&contact->psName, &info.name);
        humanFromCodec(&contact->ppsDescription, info.description);
        humanFromCodec(&contact->ppsAddress, info.address);
        KivOptionalInternationalStringFromCodec(&contact->psEmail, &info.email);
        KivOptionalInternationalStringFromCodec(&contact->psPhone, &info.phone);
    });
}

void networkAddressFromCodec(KivNetworkAddress* dst, const x::NetworkAddress& src) {
    auto& address = dst->uNetworkAddress;
    dst->eNetworkAddressType = kivSelectorOf(src.choiceId, x::NetworkAddress::kAlternatives);
    switch (src.choiceId) {
        case x::NetworkAddress::kInternetAddress:
            optionalFromCodec(&address.psInternetAddress, src.internetAddress,
                              [](KivInternetAddress* internet, const x::NetworkAddressInternetAddress& item) {
                                  KivInternationalStringFromCodec(&internet->sHostAddress, &item.hostAddress);
                                  internet->ulPort = static_cast<uint32_t>(item.port);
                              });
            break;
        case x::NetworkAddress::kOsiPresentationAddress:
            optionalFromCodec(
                &address.psOsiPresentationAddress, src.osiPresentationAddress,
                [](KivOsiPresentationAddress* osi, const x::NetworkAddressOsiPresentationAddress& item) {
                    KivInternationalStringFromCodec(&osi->sPsel, &item.pSel);
                    KivOptionalInternationalStringFromCodec(&osi->psSSel, &item.sSel);
                    KivOptionalInternationalStringFromCodec(&osi->psTSel, &item.tSel);
                    KivInternationalStringFromCodec(&osi->sNSap, &item.nSap);
                });
            break;
        case x::NetworkAddress::kOther:
            optionalFromCodec(&address.psOtherAddress, src.other,
                              [](KivOtherAddress* other, const x::NetworkAddressOther& item) {
                                  KivInternationalStringFromCodec(&other->sType, &item.type);
                                  KivInternationalStringFromCodec(&other->sAddress, &item.address);
                              });
            break;
        default:
            break;
    }
}

void searchKeyFromCodec(KivSearchKey* dst, const x::SearchKey& src) {
    KivInternationalStringFromCodec(&dst->sSearchKey, &src.searchKey);
    humanFromCodec(&dst->ppsDescription, src.description);
}

void rpnFromCodec(KivRpnCapabilities* dst, const x::RpnCapabilities& src) {
    if (src.operators != nullptr) KivIntegerListFromCodec(&dst->ppulOperators, src.operators);
    KivBooleanFromCodec(&dst->fResultSetAsOperandSupported, &src.resultSetAsOperandSupported);
    KivBooleanFromCodec(&dst->fRestrictionOperandSupported, &src.restrictionOperandSupported);
    optionalFromCodec(
        &dst->psProximity, src.proximity,
        [](KivProximitySupport* proximity, const x::ProximitySupport& item) {
            KivBooleanFromCodec(&proximity->fAnySupport, &item.anySupport);
            KivOptionalArrayFromCodec<x::ProximitySupportUnit>(
                &proximity->ppsUnitsSupported, item.unitsSupported,
                [](KivUnitsSupported* unit, const x::ProximitySupportUnit& supported) {
                    unit->eUnitsSupportedType =
                        kivSelectorOf(supported.choiceId, x::ProximitySupportUnit::kAlternatives);
                    if (supported.choiceId == x::ProximitySupportUnit::kKnown) {
                        unit->uUnitsSupported.ulKnown = static_cast<uint32_t>(supported.known);
                    } else if (supported.choiceId == x::ProximitySupportUnit::kPrivate) {
                        optionalFromCodec(
                            &unit->uUnitsSupported.psPrivate, supported.private_,
                            [](KivPrivateUnit* privateUnit, const x::ProximitySupportPrivateUnit& known) {
                                privateUnit->ulUnit = static_cast<uint32_t>(known.unit);
                                humanFromCodec(&privateUnit->ppsDescription, known.description);
                            });
                    }
                });
        });
}

void queryTypeFromCodec(KivQueryTypeDetails* dst, const x::QueryTypeDetails& src) {
    auto& details = dst->uQueryTypeDetails;
    dst->eQueryTypeDetailsType = kivSelectorOf(src.choiceId, x::QueryTypeDetails::kAlternatives);
    switch (src.choiceId) {
        case x::QueryTypeDetails::kPrivate:
            optionalFromCodec(&details.psPrivate, src.private_,
                              [](KivPrivateCapabilities* capabilities, const x::PrivateCapabilities& item) {
                                  KivOptionalArrayFromCodec<x::PrivateCapabilitiesOperator>(
                                      &capabilities->ppsOperators, item.operators,
                                      [](KivOperators* ops, const x::PrivateCapabilitiesOperator& op) {
                                          KivInternationalStringFromCodec(&ops->sOperator, &op.operator_);
                                          humanFromCodec(&ops->ppsDescription, op.description);
                                      });
                                  KivOptionalArrayFromCodec<x::SearchKey>(
                                      &capabilities->ppsSearchKey, item.searchKeys, searchKeyFromCodec);
                                  KivOptionalArrayFromCodec<BerList>(
                                      &capabilities->ppsDescription, item.description,
                                      [](KivHumanStringSeq* seq, const BerList& inner) {
                                          KivArrayFromCodec<x::HumanStringItem>(&seq->ppsHumanString, &inner,
                                                                                humanItemFromCodec);
                                      });
                              });
            break;
        case x::QueryTypeDetails::kRpn:
            optionalFromCodec(&details.psRpn, src.rpn, rpnFromCodec);
            break;
        case x::QueryTypeDetails::kIso8777:
            optionalFromCodec(&details.psIso8777, src.iso8777,
                              [](KivIso8777Capabilities* iso, const x::Iso8777Capabilities& item) {
                                  KivOptionalArrayFromCodec<x::SearchKey>(&iso->ppsSearchKey, item.searchKeys,
                                                                          searchKeyFromCodec);
                                  humanFromCodec(&iso->ppsRestrictions, item.restrictions);
                              });
            break;
        case x::QueryTypeDetails::kZ3958:
            humanFromCodec(&details.ppsZ39_58, src.z39_58);
            break;
        case x::QueryTypeDetails::kErpn:
            optionalFromCodec(&details.psErpn, src.erpn, rpnFromCodec);
            break;
        case x::QueryTypeDetails::kRankedList:
            humanFromCodec(&details.ppsRankedList, src.rankedList);
            break;
        default:
            break;
    }
}

void chargeFromCodec(KivCharge* dst, const x::Charge& src) {
    if (src.cost != nullptr) KivIntUnitFromCodec(&dst->sCost, src.cost);
    KivOptionalUnitFromCodec(&dst->psPerWhat, src.perWhat);
    humanFromCodec(&dst->ppsText, src.text);
}

void costsFromCodec(KivCosts* dst, const x::Costs& src) {
    optionalFromCodec(&dst->psConnectCharge, src.connectCharge, chargeFromCodec);
    optionalFromCodec(&dst->psConnectTime, src.connectTime, chargeFromCodec);
    optionalFromCodec(&dst->psDisplayCharge, src.displayCharge, chargeFromCodec);
    optionalFromCodec(&dst->psSearchCharge, src.searchCharge, chargeFromCodec);
    optionalFromCodec(&dst->psSubscriptCharge, src.subscriptCharge, chargeFromCodec);
    KivOptionalArrayFromCodec<x::CostsOtherCharge>(
        &dst->ppsOtherCharge, src.otherCharges, [](KivOtherCharge* other, const x::CostsOtherCharge& item) {
            humanFromCodec(&other->ppsForWhat, item.forWhat);
            if (item.charge != nullptr) chargeFromCodec(&other->sCharge, *item.charge);
        });
}

void accessInfoFromCodec(std::unique_ptr<KivAccessInfo>* dst, const x::AccessInfo* src) {
    optionalFromCodec(dst, src, [](KivAccessInfo* access, const x::AccessInfo& info) {
        KivOptionalArrayFromCodec<x::QueryTypeDetails>(&access->ppsQueryTypesSupported,
                                                       info.queryTypesSupported, queryTypeFromCodec);
        oidsFromCodec(&access->ppcDiagnosticsSets, info.diagnosticsSets);
        oidsFromCodec(&access->ppcAttributeSetIds, info.attributeSetIds);
        oidsFromCodec(&access->ppcSchemas, info.schemas);
        oidsFromCodec(&access->ppcRecordSyntaxes, info.recordSyntaxes);
        oidsFromCodec(&access->ppcResourceChallenges, info.resourceChallenges);
        KivOptionalArrayFromCodec<x::AccessRestrictionsItem>(
            &access->ppsRestrictedAccess, info.restrictedAccess,
            [](KivAccessRestrictions* restriction, const x::AccessRestrictionsItem& item) {
                restriction->eAccessType = numberFromCodec(item.accessType, kivIsAccessType);
                humanFromCodec(&restriction->ppsAccessText, item.accessText);
                oidsFromCodec(&restriction->ppcAccessChallenges, item.accessChallenges);
            });
        optionalFromCodec(&access->psCosts, info.costInfo, costsFromCodec);
        oidsFromCodec(&access->ppcVariantSets, info.variantSets);
        stringsFromCodec(&access->ppsElementSetNames, info.elementSetNames);
        stringsFromCodec(&access->ppsUnitSystems, info.unitSystems);
    });
}

void pathItemFromCodec(KivPath* dst, const x::PathItem& src) {
    dst->ulTagType = static_cast<uint32_t>(src.tagType);
    if (src.tagValue != nullptr) KivStringOrNumericFromCodec(&dst->sTagValue, src.tagValue);
}

void elementInfoFromCodec(KivElementInfo* dst, const x::ElementInfo& src);

void elementInfosFromCodec(KivArray<KivElementInfo>* dst, const BerList* src) {
    const KivExplainElementLevel level;
    if (level.tooDeep()) throw KivConversionError{kKivFromCodecNoMemory};
    KivOptionalArrayFromCodec<x::ElementInfo>(dst, src, elementInfoFromCodec);
}

void elementInfoFromCodec(KivElementInfo* dst, const x::ElementInfo& src) {
    KivInternationalStringFromCodec(&dst->sElementName, &src.elementName);
    KivArrayFromCodec<x::PathItem>(&dst->ppsElementTagPath, src.elementTagPath, pathItemFromCodec);
    optionalFromCodec(
        &dst->psElementDataType, src.dataType, [](KivElementDataType* type, const x::ElementDataType& item) {
            type->eElementDataTypeType = kivSelectorOf(item.choiceId, x::ElementDataType::kAlternatives);
            if (item.choiceId == x::ElementDataType::kPrimitive) {
                type->uElementDataType.ePrimitive = numberFromCodec(item.primitive, kivIsPrimitiveDataType);
            } else if (item.choiceId == x::ElementDataType::kStructured) {
                elementInfosFromCodec(&type->uElementDataType.ppsStructured, item.structured);
            }
        });
    KivBooleanFromCodec(&dst->fRequired, &src.required);
    KivBooleanFromCodec(&dst->fRepeatable, &src.repeatable);
    humanFromCodec(&dst->ppsDescription, src.description);
}

void occurrenceFromCodec(KivAttributeOccurrence* dst, const x::AttributeOccurrence& src) {
    KivOptionalOidFromCodec(&dst->pcAttributeSet, &src.attributeSet);
    dst->ulAttributeType = static_cast<uint32_t>(src.attributeType);
    nullFromCodec(&dst->pvMustBeSupplied, src.mustBeSupplied);
    const x::AttributeOccurrenceAttributeValues* values = src.attributeValues;
    if (values == nullptr) return;
    auto& choice = dst->sAttributeValues;
    choice.eAttributeOccurrenceChoiceType =
        kivSelectorOf(values->choiceId, x::AttributeOccurrenceAttributeValues::kAlternatives);
    if (values->choiceId == x::AttributeOccurrenceAttributeValues::kAnyOrNone) {
        choice.uAttributeOccurrenceChoiceType.pvAnyOrNone = true;
    } else if (values->choiceId == x::AttributeOccurrenceAttributeValues::kSpecific) {
        stringOrNumericsFromCodec(&choice.uAttributeOccurrenceChoiceType.ppsSpecific, values->specific);
    }
}

void attributeCombinationsFromCodec(std::unique_ptr<KivAttributeCombinations>* dst,
                                    const x::AttributeCombinations* src) {
    optionalFromCodec(
        dst, src, [](KivAttributeCombinations* combinations, const x::AttributeCombinations& item) {
            KivOidFromCodec(&combinations->pcDefaultAttributeSet, &item.defaultAttributeSet);
            KivArrayFromCodec<BerList>(&combinations->ppsLegalCombinations, item.legalCombinations,
                                       [](KivLegalCombinations* legal, const BerList& inner) {
                                           KivArrayFromCodec<x::AttributeOccurrence>(
                                               &legal->ppsAttributeOccurrence, &inner, occurrenceFromCodec);
                                       });
        });
}

void valueDescriptionFromCodec(KivValueDescription* dst, const x::ValueDescription& src) {
    auto& value = dst->uValueDescription;
    dst->eValueDescriptionType = kivSelectorOf(src.choiceId, x::ValueDescription::kAlternatives);
    switch (src.choiceId) {
        case x::ValueDescription::kInteger:
            value.ulInteger = static_cast<uint32_t>(src.integer);
            break;
        case x::ValueDescription::kString:
            if (src.string != nullptr) KivOptionalInternationalStringFromCodec(&value.psString, src.string);
            break;
        case x::ValueDescription::kOctets:
            KivNewOctetsFromCodec(&value.psOctets, src.octets);
            break;
        case x::ValueDescription::kOid:
            KivOidFromCodec(&value.pcOid, src.oid);
            break;
        case x::ValueDescription::kUnit:
            KivOptionalUnitFromCodec(&value.psUnit, src.unit);
            break;
        case x::ValueDescription::kValueAndUnit:
            KivOptionalIntUnitFromCodec(&value.psValueAndUnit, src.valueAndUnit);
            break;
        default:
            break;
    }
}

void variantValueFromCodec(KivExplainVariantValue* dst, const x::VariantValue& src) {
    dst->eDataType = numberFromCodec(src.dataType, kivIsPrimitiveDataType);
    optionalFromCodec(&dst->psValues, src.values, [](KivValueSet* set, const x::ValueSet& item) {
        set->eValueSetType = kivSelectorOf(item.choiceId, x::ValueSet::kAlternatives);
        if (item.choiceId == x::ValueSet::kRange) {
            optionalFromCodec(&set->uValueSet.psRange, item.range,
                              [](KivValueRange* range, const x::ValueRange& bounds) {
                                  optionalFromCodec(&range->psLower, bounds.lower, valueDescriptionFromCodec);
                                  optionalFromCodec(&range->psUpper, bounds.upper, valueDescriptionFromCodec);
                              });
        } else if (item.choiceId == x::ValueSet::kEnumerated) {
            KivArrayFromCodec<x::ValueDescription>(&set->uValueSet.ppsEnumerated, item.enumerated,
                                                   valueDescriptionFromCodec);
        }
    });
}

void detailsPerElementFromCodec(KivDetailsPerElement* dst, const x::PerElementDetails& src) {
    KivOptionalInternationalStringFromCodec(&dst->psName, &src.name);
    optionalFromCodec(&dst->psRecordTag, src.recordTag, [](KivRecordTag* tag, const x::RecordTag& item) {
        KivOptionalStringOrNumericFromCodec(&tag->psQualifier, item.qualifier);
        if (item.tagValue != nullptr) KivStringOrNumericFromCodec(&tag->sTagValue, item.tagValue);
    });
    KivOptionalArrayFromCodec<BerList>(
        &dst->ppsSchemaTags, src.schemaTags, [](KivSchemaTag* tag, const BerList& path) {
            KivArrayFromCodec<x::PathItem>(&tag->ppsSchemaTags, &path, pathItemFromCodec);
        });
    KivOptionalIntegerFromCodec(&dst->pulMaxSize, src.maxSize);
    KivOptionalIntegerFromCodec(&dst->pulMinSize, src.minSize);
    KivOptionalIntegerFromCodec(&dst->pulAvgSize, src.avgSize);
    KivOptionalIntegerFromCodec(&dst->pulFixedSize, src.fixedSize);
    KivBooleanFromCodec(&dst->fRepeatable, &src.repeatable);
    KivBooleanFromCodec(&dst->fRequired, &src.required);
    humanFromCodec(&dst->ppsDescription, src.description);
    humanFromCodec(&dst->ppsContents, src.contents);
    humanFromCodec(&dst->ppsBillingInfo, src.billingInfo);
    humanFromCodec(&dst->ppsRestrictions, src.restrictions);
    stringsFromCodec(&dst->ppsAlternateNames, src.alternateNames);
    stringsFromCodec(&dst->ppsGenericNames, src.genericNames);
    attributeCombinationsFromCodec(&dst->psSearchAccess, src.searchAccess);
}

// ---- The categories ----

void targetInfoFromCodec(KivTargetInfo* dst, const x::TargetInfo& src) {
    commonFromCodec(&dst->psCommonInfo, src.commonInfo);
    KivInternationalStringFromCodec(&dst->sName, &src.name);
    humanFromCodec(&dst->ppsRecentNews, src.recent_news);
    iconsFromCodec(&dst->ppsIcon, src.icon);
    KivBooleanFromCodec(&dst->fNamedResultSets, &src.namedResultSets);
    KivBooleanFromCodec(&dst->fMultipleDBSearch, &src.multipleDBsearch);
    KivOptionalIntegerFromCodec(&dst->pulMaxResultSets, src.maxResultSets);
    KivOptionalIntegerFromCodec(&dst->pulMaxResultSize, src.maxResultSize);
    KivOptionalIntegerFromCodec(&dst->pulMaxTerms, src.maxTerms);
    KivOptionalIntUnitFromCodec(&dst->psTimeoutInterval, src.timeoutInterval);
    humanFromCodec(&dst->ppsWelcomeMessage, src.welcomeMessage);
    contactFromCodec(&dst->psContactInfo, src.contactInfo);
    humanFromCodec(&dst->ppsDescription, src.description);
    stringsFromCodec(&dst->ppsNicknames, src.nicknames);
    humanFromCodec(&dst->ppsUsageRest, src.usage_restrictions);
    humanFromCodec(&dst->ppsPaymentAddr, src.paymentAddr);
    humanFromCodec(&dst->ppsHours, src.hours);
    KivOptionalArrayFromCodec<BerList>(&dst->ppsDbCombinations, src.dbCombinations,
                                       [](KivDbCombinations* combination, const BerList& inner) {
                                           KivInternationalStringListFromCodec(
                                               &combination->ppsInnerDatabases, &inner);
                                       });
    KivOptionalArrayFromCodec<x::NetworkAddress>(&dst->ppsAddresses, src.addresses, networkAddressFromCodec);
    stringsFromCodec(&dst->ppsLanguages, src.languages);
    accessInfoFromCodec(&dst->psCommonAccessInfo, src.commonAccessInfo);
}

void databaseInfoFromCodec(KivDatabaseInfo* dst, const x::DatabaseInfo& src) {
    commonFromCodec(&dst->psCommonInfo, src.commonInfo);
    KivInternationalStringFromCodec(&dst->sName, &src.name);
    nullFromCodec(&dst->pvExplainDatabase, src.explainDatabase);
    stringsFromCodec(&dst->ppsNicknames, src.nicknames);
    iconsFromCodec(&dst->ppsIcon, src.icon);
    KivBooleanFromCodec(&dst->fUserFee, &src.user_fee);
    KivBooleanFromCodec(&dst->fAvailable, &src.available);
    humanFromCodec(&dst->ppsTitleString, src.titleString);
    KivOptionalArrayFromCodec<BerList>(
        &dst->ppsKeywords, src.keywords, [](KivKeywords* keywords, const BerList& inner) {
            KivArrayFromCodec<x::HumanStringItem>(&keywords->ppsDataBaseInfo, &inner, humanItemFromCodec);
        });
    humanFromCodec(&dst->ppsDescription, src.description);
    stringsFromCodec(&dst->ppsAssociatedDbs, src.associatedDbs);
    stringsFromCodec(&dst->ppsSubDbs, src.subDbs);
    humanFromCodec(&dst->ppsDisclaimers, src.disclaimers);
    humanFromCodec(&dst->ppsNews, src.news);
    optionalFromCodec(&dst->psRecordCount, src.recordCount,
                      [](KivRecordCount* count, const x::DatabaseInfoRecordCount& item) {
                          count->eRecordCountType =
                              kivSelectorOf(item.choiceId, x::DatabaseInfoRecordCount::kAlternatives);
                          if (item.choiceId == x::DatabaseInfoRecordCount::kActualNumber)
                              count->uRecordCount.ulActualNumber = static_cast<uint32_t>(item.actualNumber);
                          if (item.choiceId == x::DatabaseInfoRecordCount::kApproxNumber)
                              count->uRecordCount.ulApproxNumber = static_cast<uint32_t>(item.approxNumber);
                      });
    humanFromCodec(&dst->ppsDefaultOrder, src.defaultOrder);
    KivOptionalIntegerFromCodec(&dst->pulAvRecordSize, src.avRecordSize);
    KivOptionalIntegerFromCodec(&dst->pulMaxRecordSize, src.maxRecordSize);
    humanFromCodec(&dst->ppsHours, src.hours);
    humanFromCodec(&dst->ppsBestTime, src.bestTime);
    kivFromCodec([&] {
        KivCStringFromCodecByValue(&dst->pcLastUpdate, src.lastUpdate.length, src.lastUpdate.octets);
    });
    KivOptionalIntUnitFromCodec(&dst->psUpdateInterval, src.updateInterval);
    humanFromCodec(&dst->ppsCoverage, src.coverage);
    KivOptionalBooleanFromCodec(&dst->pfProprietary, src.proprietary);
    humanFromCodec(&dst->ppsCopyrightText, src.copyrightText);
    humanFromCodec(&dst->ppsCopyrightNotice, src.copyrightNotice);
    contactFromCodec(&dst->psProducerContactInfo, src.producerContactInfo);
    contactFromCodec(&dst->psSupplierContactInfo, src.supplierContactInfo);
    contactFromCodec(&dst->psSubmissionContactInfo, src.submissionContactInfo);
    accessInfoFromCodec(&dst->psAccessInfo, src.accessInfo);
}

void schemaInfoFromCodec(KivSchemaInfo* dst, const x::SchemaInfo& src) {
    commonFromCodec(&dst->psCommonInfo, src.commonInfo);
    KivOidFromCodec(&dst->pcSchema, &src.schema);
    KivInternationalStringFromCodec(&dst->sName, &src.name);
    humanFromCodec(&dst->ppsDescription, src.description);
    KivOptionalArrayFromCodec<x::SchemaInfoTagTypeMappingItem>(
        &dst->ppsTagTypeMapping, src.tagTypeMapping,
        [](KivTagTypeMapping* mapping, const x::SchemaInfoTagTypeMappingItem& item) {
            mapping->ulTagType = static_cast<uint32_t>(item.tagType);
            KivOptionalOidFromCodec(&mapping->pcTagSet, &item.tagSet);
            nullFromCodec(&mapping->pvDefaultTagType, item.defaultTagType);
        });
    elementInfosFromCodec(&dst->ppsRecordStructure, src.recordStructure);
}

void tagSetInfoFromCodec(KivTagSetInfo* dst, const x::TagSetInfo& src) {
    commonFromCodec(&dst->psCommonInfo, src.commonInfo);
    KivOidFromCodec(&dst->pcTagSet, &src.tagSet);
    KivInternationalStringFromCodec(&dst->sName, &src.name);
    humanFromCodec(&dst->ppsDescription, src.description);
    KivOptionalArrayFromCodec<x::TagSetInfoElement>(
        &dst->ppsElements, src.elements, [](KivTagSetElement* element, const x::TagSetInfoElement& item) {
            KivInternationalStringFromCodec(&element->sElementName, &item.elementname);
            stringsFromCodec(&element->ppsNicknames, item.nicknames);
            if (item.elementTag != nullptr)
                KivStringOrNumericFromCodec(&element->sElementTag, item.elementTag);
            humanFromCodec(&element->ppsDescription, item.description);
            optionalNumberFromCodec(&element->peDataType, item.dataType, kivIsPrimitiveDataType);
            KivOptionalOtherInformationFromCodec(&element->ppsOtherInformation, item.otherTagInfo);
        });
}

void recordSyntaxInfoFromCodec(KivRecordSyntaxInfo* dst, const x::RecordSyntaxInfo& src) {
    commonFromCodec(&dst->psCommonInfo, src.commonInfo);
    KivOidFromCodec(&dst->pcRecordSyntax, &src.recordSyntax);
    KivInternationalStringFromCodec(&dst->sName, &src.name);
    oidsFromCodec(&dst->ppcTransferSyntaxes, src.transferSyntaxes);
    humanFromCodec(&dst->ppsDescription, src.description);
    KivOptionalInternationalStringFromCodec(&dst->psAsn1Module, &src.asn1Module);
    elementInfosFromCodec(&dst->ppsAbstractStructure, src.abstractStructure);
}

void attributeSetInfoFromCodec(KivAttributeSetInfo* dst, const x::AttributeSetInfo& src) {
    commonFromCodec(&dst->psCommonInfo, src.commonInfo);
    KivOidFromCodec(&dst->pcAttributeSetId, &src.attributeSet);
    KivInternationalStringFromCodec(&dst->sName, &src.name);
    KivOptionalArrayFromCodec<x::AttributeType>(
        &dst->ppsAttributes, src.attributes, [](KivAttributeType* type, const x::AttributeType& item) {
            KivOptionalInternationalStringFromCodec(&type->psName, &item.name);
            humanFromCodec(&type->ppsDescription, item.description);
            type->ulAttributeType = static_cast<uint32_t>(item.attributeType);
            KivArrayFromCodec<x::AttributeDescription>(
                &type->ppsAttributeValues, item.attributeValues,
                [](KivAttributeDescription* description, const x::AttributeDescription& value) {
                    KivOptionalInternationalStringFromCodec(&description->psName, &value.name);
                    humanFromCodec(&description->ppsDescription, value.description);
                    if (value.attributeValue != nullptr)
                        KivStringOrNumericFromCodec(&description->sAttributeValue, value.attributeValue);
                    stringOrNumericsFromCodec(&description->ppsEquivalentAttributes,
                                              value.equivalentAttributes);
                });
        });
    humanFromCodec(&dst->ppsDescription, src.description);
}

void termListInfoFromCodec(KivTermListInfo* dst, const x::TermListInfo& src) {
    commonFromCodec(&dst->psCommonInfo, src.commonInfo);
    KivInternationalStringFromCodec(&dst->psDatabaseName, &src.databaseName);
    KivArrayFromCodec<x::TermListInfoTermList>(
        &dst->ppsTermLists, src.termLists, [](KivTermList* list, const x::TermListInfoTermList& item) {
            KivInternationalStringFromCodec(&list->sName, &item.name);
            humanFromCodec(&list->ppsTitle, item.title);
            optionalNumberFromCodec(&list->peSearchCost, item.searchCost, kivIsSearchCost);
            KivBooleanFromCodec(&list->fScanable, &item.scanable);
            stringsFromCodec(&list->ppsBroader, item.broader);
            stringsFromCodec(&list->ppsNarrower, item.narrower);
        });
}

void extendedServicesInfoFromCodec(KivExtendedServicesInfo* dst, const x::ExtendedServicesInfo& src) {
    commonFromCodec(&dst->psCommonInfo, src.commonInfo);
    KivOidFromCodec(&dst->pcType, &src.type);
    KivOptionalInternationalStringFromCodec(&dst->psName, &src.name);
    KivBooleanFromCodec(&dst->fPrivateType, &src.privateType);
    KivBooleanFromCodec(&dst->fRestrictionsApply, &src.restrictionsApply);
    KivBooleanFromCodec(&dst->fFeeApply, &src.feeApply);
    KivBooleanFromCodec(&dst->fAvailable, &src.available);
    KivBooleanFromCodec(&dst->fRetentionSupported, &src.retentionSupported);
    dst->eWaitAction = numberFromCodec(src.waitAction, kivIsWaitAction);
    humanFromCodec(&dst->ppsDescription, src.description);
    KivOptionalExternalFromCodec(&dst->psSpecificExplain, src.specificExplain);
    KivOptionalInternationalStringFromCodec(&dst->psEsASN, &src.esASN);
}

void attributeDetailsFromCodec(KivAttributeDetails* dst, const x::AttributeDetails& src) {
    commonFromCodec(&dst->psCommonInfo, src.commonInfo);
    KivInternationalStringFromCodec(&dst->sDatabaseName, &src.databaseName);
    KivOptionalArrayFromCodec<x::AttributeSetDetails>(
        &dst->ppsAttributesBySet, src.attributesBySet,
        [](KivAttributesBySet* set, const x::AttributeSetDetails& item) {
            KivOidFromCodec(&set->pcAttributeSet, &item.attributeSet);
            KivArrayFromCodec<x::AttributeTypeDetails>(
                &set->ppsAttributesByType, item.attributesByType,
                [](KivAttributesByType* type, const x::AttributeTypeDetails& byType) {
                    type->ulAttributeType = static_cast<uint32_t>(byType.attributeType);
                    optionalFromCodec(
                        &type->psDefaultIfOmitted, byType.defaultIfOmitted,
                        [](KivOmittedAttributeInterpretation* omitted,
                           const x::OmittedAttributeInterpretation& value) {
                            KivOptionalStringOrNumericFromCodec(&omitted->psDefaultValue, value.defaultValue);
                            humanFromCodec(&omitted->ppsDefaultDescription, value.defaultDescription);
                        });
                    KivOptionalArrayFromCodec<x::AttributeValue>(
                        &type->ppsAttributeValues, byType.attributeValues,
                        [](KivAttributeValues* values, const x::AttributeValue& value) {
                            if (value.value != nullptr)
                                KivStringOrNumericFromCodec(&values->sValue, value.value);
                            humanFromCodec(&values->ppsDescription, value.description);
                            stringOrNumericsFromCodec(&values->ppsSubAttributes, value.subAttributes);
                            stringOrNumericsFromCodec(&values->ppsSuperAttributes, value.superAttributes);
                            nullFromCodec(&values->pvPartialSupport, value.partialSupport);
                        });
                });
        });
    attributeCombinationsFromCodec(&dst->psAttributeCombinations, src.attributeCombinations);
}

void termListDetailsFromCodec(KivTermListDetails* dst, const x::TermListDetails& src) {
    commonFromCodec(&dst->psCommonInfo, src.commonInfo);
    KivInternationalStringFromCodec(&dst->sTermListName, &src.termListName);
    humanFromCodec(&dst->ppsDescription, src.description);
    attributeCombinationsFromCodec(&dst->psAttributes, src.attributes);
    optionalFromCodec(&dst->psScanInfo, src.scanInfo,
                      [](KivScanInfo* scan, const x::TermListDetailsScanInfo& item) {
                          KivOptionalIntegerFromCodec(&scan->pulMaxStepSize, item.maxStepSize);
                          humanFromCodec(&scan->ppsCollatingSequence, item.collatingSequence);
                          KivOptionalBooleanFromCodec(&scan->pfIncreasing, item.increasing);
                      });
    KivOptionalIntegerFromCodec(&dst->pulEstNumberTerms, src.estNumberTerms);
    KivOptionalArrayFromCodec<z::Term>(
        &dst->ppsSampleTerms, src.sampleTerms,
        [](KivTerm* term, const z::Term& item) { KivTermFromCodec(term, &item); });
}

void elementSetDetailsFromCodec(KivElementSetDetails* dst, const x::ElementSetDetails& src) {
    commonFromCodec(&dst->psCommonInfo, src.commonInfo);
    KivInternationalStringFromCodec(&dst->sDatabaseName, &src.databaseName);
    KivInternationalStringFromCodec(&dst->sElementSetName, &src.elementSetName);
    KivOidFromCodec(&dst->pcRecordSyntax, &src.recordSyntax);
    KivOidFromCodec(&dst->pcSchema, &src.schema);
    humanFromCodec(&dst->ppsDescription, src.description);
    KivOptionalArrayFromCodec<x::PerElementDetails>(&dst->ppsDetailsPerElement, src.detailsPerElement,
                                                    detailsPerElementFromCodec);
}

void retrievalRecordDetailsFromCodec(KivRetrievalRecordDetails* dst, const x::RetrievalRecordDetails& src) {
    commonFromCodec(&dst->psCommonInfo, src.commonInfo);
    KivInternationalStringFromCodec(&dst->sDatabaseName, &src.databaseName);
    KivOidFromCodec(&dst->pcSchema, &src.schema);
    KivOidFromCodec(&dst->pcRecordSyntax, &src.recordSyntax);
    humanFromCodec(&dst->ppsDescription, src.description);
    KivOptionalArrayFromCodec<x::PerElementDetails>(&dst->ppsDetailsPerElement, src.detailsPerElement,
                                                    detailsPerElementFromCodec);
}

void sortDetailsFromCodec(KivSortDetails* dst, const x::SortDetails& src) {
    commonFromCodec(&dst->psCommonInfo, src.commonInfo);
    KivInternationalStringFromCodec(&dst->sDatabaseName, &src.databaseName);
    KivOptionalArrayFromCodec<x::SortKeyDetails>(
        &dst->ppsSortKeys, src.sortKeys, [](KivSortKeys* key, const x::SortKeyDetails& item) {
            humanFromCodec(&key->ppsDescription, item.description);
            KivOptionalArrayFromCodec<z::Specification>(
                &key->ppsElementSpecifications, item.elementSpecifications,
                [](KivSpecification* specification, const z::Specification& spec) {
                    KivSpecificationFromCodec(specification, &spec);
                });
            attributeCombinationsFromCodec(&key->psAttributeSpecifications, item.attributeSpecifications);
            optionalFromCodec(&key->psSortType, item.sortType,
                              [](KivSortType* type, const x::SortKeyDetailsSortType& sort) {
                                  type->eSortTypeType =
                                      kivSelectorOf(sort.choiceId, x::SortKeyDetailsSortType::kAlternatives);
                                  if (sort.choiceId == x::SortKeyDetailsSortType::kStructured)
                                      humanFromCodec(&type->ppsStructured, sort.structured);
                              });
            optionalNumberFromCodec(&key->peCaseSensitivity, item.caseSensitivity, kivIsCaseSensitivity);
        });
}

void processingFromCodec(KivProcessingInformation* dst, const x::ProcessingInformation& src) {
    commonFromCodec(&dst->psCommonInfo, src.commonInfo);
    KivInternationalStringFromCodec(&dst->sDatabaseName, &src.databaseName);
    dst->eProcessingContext = numberFromCodec(src.processingContext, kivIsProcessingContext);
    KivInternationalStringFromCodec(&dst->psName, &src.name);
    KivOidFromCodec(&dst->pcOid, &src.oid);
    humanFromCodec(&dst->ppsDescription, src.description);
    KivOptionalExternalFromCodec(&dst->psInstructions, src.instructions);
}

void variantsFromCodec(KivVariantSetInfo* dst, const x::VariantSetInfo& src) {
    commonFromCodec(&dst->psCommonInfo, src.commonInfo);
    KivOidFromCodec(&dst->pcVariantSet, &src.variantSet);
    KivInternationalStringFromCodec(&dst->sName, &src.name);
    KivOptionalArrayFromCodec<x::VariantClass>(
        &dst->ppsVariants, src.variants, [](KivVariantClass* variant, const x::VariantClass& item) {
            KivOptionalInternationalStringFromCodec(&variant->psName, &item.name);
            humanFromCodec(&variant->ppsDescription, item.description);
            variant->ulVariantClass = static_cast<uint32_t>(item.variantClass);
            KivArrayFromCodec<x::VariantType>(
                &variant->ppsVariantTypes, item.variantTypes,
                [](KivVariantType* type, const x::VariantType& value) {
                    KivOptionalInternationalStringFromCodec(&type->psName, &value.name);
                    humanFromCodec(&type->ppsDescription, value.description);
                    type->ulVariantType = static_cast<uint32_t>(value.variantType);
                    optionalFromCodec(&type->psVariantValue, value.variantValue, variantValueFromCodec);
                });
        });
}

void unitsFromCodec(KivUnitInfo* dst, const x::UnitInfo& src) {
    commonFromCodec(&dst->psCommonInfo, src.commonInfo);
    KivInternationalStringFromCodec(&dst->sUnitSystem, &src.unitSystem);
    humanFromCodec(&dst->ppsDescription, src.description);
    KivOptionalArrayFromCodec<x::UnitType>(
        &dst->ppsUnitTypes, src.units, [](KivUnitType* type, const x::UnitType& item) {
            KivOptionalInternationalStringFromCodec(&type->psName, &item.name);
            humanFromCodec(&type->ppsDescription, item.description);
            if (item.unitType != nullptr) KivStringOrNumericFromCodec(&type->sUnitType, item.unitType);
            KivArrayFromCodec<x::Units>(
                &type->ppsUnits, item.units, [](KivUnits* units, const x::Units& value) {
                    KivOptionalInternationalStringFromCodec(&units->psName, &value.name);
                    humanFromCodec(&units->ppsDescription, value.description);
                    if (value.unit != nullptr) KivStringOrNumericFromCodec(&units->sUnit, value.unit);
                });
        });
}

void categoryListFromCodec(KivCategoryList* dst, const x::CategoryList& src) {
    commonFromCodec(&dst->psCommonInfo, src.commonInfo);
    KivArrayFromCodec<x::CategoryInfo>(
        &dst->ppsCategories, src.categories, [](KivCategoryInfo* category, const x::CategoryInfo& item) {
            KivInternationalStringFromCodec(&category->sCategory, &item.category);
            KivOptionalInternationalStringFromCodec(&category->psOriginalCategory, &item.originalCategory);
            humanFromCodec(&category->ppsDescription, item.description);
            KivOptionalInternationalStringFromCodec(&category->psAsn1Module, &item.asn1Module);
        });
}

}  // namespace

void KivExplainRecordFromCodec(KivSingleASN1Type* dst, const BerAny* src) {
    dst->eASN1Type = AT_ExplainRecord;
    kivFromCodec([&] { dst->uASN1.psExplainRecord = std::make_unique<KivExplainRecord>(); });
    KivExplainRecord* record = dst->uASN1.psExplainRecord.get();
    const auto* holder = static_cast<const x::ExplainRecord*>(src->value);
    record->eExplainRecordType =
        holder != nullptr ? kivSelectorOf(holder->choiceId, x::ExplainRecord::kAlternatives) : -1;
    if (record->eExplainRecordType < 0) return;
    auto& category = record->uExplainRecord;
    switch (holder->choiceId) {
        case x::ExplainRecord::kTargetInfo:
            return optionalFromCodec(&category.psTargetInfo, holder->targetInfo, targetInfoFromCodec);
        case x::ExplainRecord::kDatabaseInfo:
            return optionalFromCodec(&category.psDatabaseInfo, holder->databaseInfo, databaseInfoFromCodec);
        case x::ExplainRecord::kSchemaInfo:
            return optionalFromCodec(&category.psSchemaInfo, holder->schemaInfo, schemaInfoFromCodec);
        case x::ExplainRecord::kTagSetInfo:
            return optionalFromCodec(&category.psTagSetInfo, holder->tagSetInfo, tagSetInfoFromCodec);
        case x::ExplainRecord::kRecordSyntaxInfo:
            return optionalFromCodec(&category.psRecordSyntaxInfo, holder->recordSyntaxInfo,
                                     recordSyntaxInfoFromCodec);
        case x::ExplainRecord::kAttributeSetInfo:
            return optionalFromCodec(&category.psAttributeSetInfo, holder->attributeSetInfo,
                                     attributeSetInfoFromCodec);
        case x::ExplainRecord::kTermListInfo:
            return optionalFromCodec(&category.psTermListInfo, holder->termListInfo, termListInfoFromCodec);
        case x::ExplainRecord::kExtendedServicesInfo:
            return optionalFromCodec(&category.psExtendedServicesInfo, holder->extendedServicesInfo,
                                     extendedServicesInfoFromCodec);
        case x::ExplainRecord::kAttributeDetails:
            return optionalFromCodec(&category.psAttributeDetails, holder->attributeDetails,
                                     attributeDetailsFromCodec);
        case x::ExplainRecord::kTermListDetails:
            return optionalFromCodec(&category.psTermListDetails, holder->termListDetails,
                                     termListDetailsFromCodec);
        case x::ExplainRecord::kElementSetDetails:
            return optionalFromCodec(&category.psElementSetDetails, holder->elementSetDetails,
                                     elementSetDetailsFromCodec);
        case x::ExplainRecord::kRetrievalRecordDetails:
            return optionalFromCodec(&category.psRetrievalRecordDetails, holder->retrievalRecordDetails,
                                     retrievalRecordDetailsFromCodec);
        case x::ExplainRecord::kSortDetails:
            return optionalFromCodec(&category.psSortDetails, holder->sortDetails, sortDetailsFromCodec);
        case x::ExplainRecord::kProcessing:
            return optionalFromCodec(&category.psProcessing, holder->processing, processingFromCodec);
        case x::ExplainRecord::kVariants:
            return optionalFromCodec(&category.psVariants, holder->variants, variantsFromCodec);
        case x::ExplainRecord::kUnits:
            return optionalFromCodec(&category.psUnits, holder->units, unitsFromCodec);
        default:
            return optionalFromCodec(&category.psCategoryList, holder->categoryList, categoryListFromCodec);
    }
}
