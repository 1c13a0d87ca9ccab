// KivExplainRecord towards the codec's ExplainRecord.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "toolkit/api/kiv_codec_alloc.h"
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

namespace x = codec::explain;
namespace z = codec::z3950;

namespace {

// A selector the codec type has not: nothing valid can be sent for it.
[[noreturn]] void refuseSelector() {
    throw KivConversionError{kKivToCodecNoMemory};
}

// The codec CHOICE number of an interface selector counting from 1.
int32_t choiceOf(int32_t selector, int32_t alternatives) {
    if (selector < 1 || selector > alternatives) refuseSelector();
    return selector - 1;
}

void nullToCodec(uint8_t** dst, bool present) {
    if (present) *dst = kivNewCodecRecord<uint8_t>();
}

// A named number of the module, or 0 for any other.
BerInteger numberToCodec(int32_t value, bool (*named)(int32_t)) {
    return named(value) ? value : 0;
}

void optionalNumberToCodec(BerInteger** dst, const std::optional<int32_t>& src, bool (*named)(int32_t)) {
    if (!src) return;
    *dst = kivNewCodecRecord<BerInteger>();
    **dst = numberToCodec(*src, named);
}

// A new record converted by convert when the structure is present.
template <typename Record, typename T, typename Convert>
void optionalToCodec(Record** dst, const std::unique_ptr<T>& src, Convert&& convert) {
    if (!src) return;
    *dst = kivNewCodecRecord<Record>();
    convert(*dst, *src);
}

// A list that is sent even when the array is absent (validation has refused that where it matters).
template <typename Element, typename T, typename Convert>
void listToCodec(BerList** dst, const KivArray<T>& src, Convert&& convert) {
    kivCodecListFrom<Element>(dst, src, convert);
}

// The element list of a list of lists, a zero-filled head linked into its outer list.
template <typename Element, typename T, typename Convert>
void innerListToCodec(BerList* inner, const KivArray<T>& src, Convert&& convert) {
    ASN_ListInit(inner, static_cast<int32_t>(sizeof(void*)));
    kivCodecListFill<Element>(inner, src, convert);
}

void humanItemToCodec(x::HumanStringItem* item, const KivHumanString& text) {
    KivInternationalStringToCodec(&item->language, text.psLanguage.get());
    KivInternationalStringToCodec(&item->text, &text.sText);
}

void humanToCodec(BerList** dst, const KivHumanStrings& src) {
    KivOptionalArrayToCodec<x::HumanStringItem>(dst, src, humanItemToCodec);
}

void innerHumanToCodec(BerList* inner, const KivHumanStrings& src) {
    innerListToCodec<x::HumanStringItem>(inner, src, humanItemToCodec);
}

void oidsToCodec(BerList** dst, const KivArray<std::string>& src) {
    KivOptionalArrayToCodec<BerOid>(dst, src,
                                    [](BerOid* oid, const std::string& text) { KivOidToCodec(oid, text); });
}

void stringsToCodec(BerList** dst, const KivArray<KivInternationalString>& src) {
    KivOptionalInternationalStringListToCodec(dst, &src);
}

void stringOrNumericsToCodec(BerList** dst, const KivArray<KivStringOrNumeric>& src) {
    KivStringOrNumericListToCodec(dst, &src);
}

void commonInfoToCodec(x::CommonInfo* dst, const KivCommonInfo& src) {
    KivCStringToCodec(&dst->dateAdded, src.pcDateAdded);
    KivCStringToCodec(&dst->dateChanged, src.pcDateChanged);
    KivCStringToCodec(&dst->expiry, src.pcExpiry);
    KivInternationalStringToCodec(&dst->humanString_Language, src.psHumanStringLanguage.get());
    KivOptionalOtherInformationToCodec(&dst->otherInfo, &src.ppsOtherInformation);
}

void commonToCodec(x::CommonInfo** dst, const std::unique_ptr<KivCommonInfo>& src) {
    optionalToCodec(dst, src, commonInfoToCodec);
}

void iconsToCodec(BerList** dst, const KivArray<KivIconObject>& src) {
    KivOptionalArrayToCodec<x::IconObjectItem>(
        dst, src, [](x::IconObjectItem* icon, const KivIconObject& item) {
            const KivBodyType& body = item.sBodyType;
            icon->bodyType = kivNewCodecRecord<x::IconObjectBodyType>();
            icon->bodyType->choiceId = choiceOf(body.eBodyTypeType, x::IconObjectBodyType::kAlternatives);
            const KivInternationalString* chosen[] = {body.uBodyType.psIanaType.get(),
                                                      body.uBodyType.psZ3950Type.get(),
                                                      body.uBodyType.psOtherType.get()};
            KivNewInternationalStringToCodec(&icon->bodyType->ianaType, chosen[icon->bodyType->choiceId]);
            KivOctetsToCodec(&icon->content, &item.sContent);
        });
}

void contactToCodec(x::ContactInfo** dst, const std::unique_ptr<KivContactInfo>& src) {
    optionalToCodec(dst, src, [](x::ContactInfo* contact, const KivContactInfo& info) {
        KivInternationalStringToCodec(&contact->name, info.psName.get());
        humanToCodec(&contact->description, info.ppsDescription);
        humanToCodec(&contact->address, info.ppsAddress);
        KivInternationalStringToCodec(&contact->email, info.psEmail.get());
        KivInternationalStringToCodec(&contact->phone, info.psPhone.get());
    });
}

void networkAddressToCodec(x::NetworkAddress* dst, const KivNetworkAddress& src) {
    const auto& address = src.uNetworkAddress;
    dst->choiceId = choiceOf(src.eNetworkAddressType, x::NetworkAddress::kAlternatives);
    switch (dst->choiceId) {
        case x::NetworkAddress::kInternetAddress:
            optionalToCodec(&dst->internetAddress, address.psInternetAddress,
                            [](x::NetworkAddressInternetAddress* internet, const KivInternetAddress& item) {
                                KivInternationalStringToCodec(&internet->hostAddress, &item.sHostAddress);
                                internet->port = static_cast<BerInteger>(item.ulPort);
                            });
            break;
        case x::NetworkAddress::kOsiPresentationAddress:
            optionalToCodec(
                &dst->osiPresentationAddress, address.psOsiPresentationAddress,
                [](x::NetworkAddressOsiPresentationAddress* osi, const KivOsiPresentationAddress& item) {
                    KivInternationalStringToCodec(&osi->pSel, &item.sPsel);
                    KivInternationalStringToCodec(&osi->sSel, item.psSSel.get());
                    KivInternationalStringToCodec(&osi->tSel, item.psTSel.get());
                    KivInternationalStringToCodec(&osi->nSap, &item.sNSap);
                });
            break;
        default:
            optionalToCodec(&dst->other, address.psOtherAddress,
                            [](x::NetworkAddressOther* other, const KivOtherAddress& item) {
                                KivInternationalStringToCodec(&other->type, &item.sType);
                                KivInternationalStringToCodec(&other->address, &item.sAddress);
                            });
            break;
    }
}

void searchKeyToCodec(x::SearchKey* dst, const KivSearchKey& src) {
    KivInternationalStringToCodec(&dst->searchKey, &src.sSearchKey);
    humanToCodec(&dst->description, src.ppsDescription);
}

void rpnToCodec(x::RpnCapabilities* dst, const KivRpnCapabilities& src) {
    KivIntegerListToCodec(&dst->operators, &src.ppulOperators);
    KivBooleanToCodec(&dst->resultSetAsOperandSupported, &src.fResultSetAsOperandSupported);
    KivBooleanToCodec(&dst->restrictionOperandSupported, &src.fRestrictionOperandSupported);
    optionalToCodec(
        &dst->proximity, src.psProximity,
        [](x::ProximitySupport* proximity, const KivProximitySupport& item) {
            KivBooleanToCodec(&proximity->anySupport, &item.fAnySupport);
            KivOptionalArrayToCodec<x::ProximitySupportUnit>(
                &proximity->unitsSupported, item.ppsUnitsSupported,
                [](x::ProximitySupportUnit* unit, const KivUnitsSupported& supported) {
                    unit->choiceId =
                        choiceOf(supported.eUnitsSupportedType, x::ProximitySupportUnit::kAlternatives);
                    if (unit->choiceId == x::ProximitySupportUnit::kKnown) {
                        unit->known = static_cast<BerInteger>(supported.uUnitsSupported.ulKnown);
                        return;
                    }
                    optionalToCodec(
                        &unit->private_, supported.uUnitsSupported.psPrivate,
                        [](x::ProximitySupportPrivateUnit* privateUnit, const KivPrivateUnit& known) {
                            privateUnit->unit = static_cast<BerInteger>(known.ulUnit);
                            humanToCodec(&privateUnit->description, known.ppsDescription);
                        });
                });
        });
}

void queryTypeToCodec(x::QueryTypeDetails* dst, const KivQueryTypeDetails& src) {
    const auto& details = src.uQueryTypeDetails;
    dst->choiceId = choiceOf(src.eQueryTypeDetailsType, x::QueryTypeDetails::kAlternatives);
    switch (dst->choiceId) {
        case x::QueryTypeDetails::kPrivate:
            optionalToCodec(&dst->private_, details.psPrivate,
                            [](x::PrivateCapabilities* capabilities, const KivPrivateCapabilities& item) {
                                KivOptionalArrayToCodec<x::PrivateCapabilitiesOperator>(
                                    &capabilities->operators, item.ppsOperators,
                                    [](x::PrivateCapabilitiesOperator* op, const KivOperators& ops) {
                                        KivInternationalStringToCodec(&op->operator_, &ops.sOperator);
                                        humanToCodec(&op->description, ops.ppsDescription);
                                    });
                                KivOptionalArrayToCodec<x::SearchKey>(&capabilities->searchKeys,
                                                                      item.ppsSearchKey, searchKeyToCodec);
                                KivOptionalArrayToCodec<BerList>(
                                    &capabilities->description, item.ppsDescription,
                                    [](BerList* inner, const KivHumanStringSeq& seq) {
                                        innerHumanToCodec(inner, seq.ppsHumanString);
                                    });
                            });
            break;
        case x::QueryTypeDetails::kRpn:
            optionalToCodec(&dst->rpn, details.psRpn, rpnToCodec);
            break;
        case x::QueryTypeDetails::kIso8777:
            optionalToCodec(&dst->iso8777, details.psIso8777,
                            [](x::Iso8777Capabilities* iso, const KivIso8777Capabilities& item) {
                                listToCodec<x::SearchKey>(&iso->searchKeys, item.ppsSearchKey,
                                                          searchKeyToCodec);
                                humanToCodec(&iso->restrictions, item.ppsRestrictions);
                            });
            break;
        case x::QueryTypeDetails::kZ3958:
            humanToCodec(&dst->z39_58, details.ppsZ39_58);
            break;
        case x::QueryTypeDetails::kErpn:
            optionalToCodec(&dst->erpn, details.psErpn, rpnToCodec);
            break;
        default:
            humanToCodec(&dst->rankedList, details.ppsRankedList);
            break;
    }
}

void chargeToCodec(x::Charge* dst, const KivCharge& src) {
    dst->cost = kivNewCodecRecord<z::IntUnit>();
    KivIntUnitToCodec(dst->cost, &src.sCost);
    KivOptionalUnitToCodec(&dst->perWhat, src.psPerWhat.get());
    humanToCodec(&dst->text, src.ppsText);
}

void costsToCodec(x::Costs* dst, const KivCosts& src) {
    optionalToCodec(&dst->connectCharge, src.psConnectCharge, chargeToCodec);
    optionalToCodec(&dst->connectTime, src.psConnectTime, chargeToCodec);
    optionalToCodec(&dst->displayCharge, src.psDisplayCharge, chargeToCodec);
    optionalToCodec(&dst->searchCharge, src.psSearchCharge, chargeToCodec);
    optionalToCodec(&dst->subscriptCharge, src.psSubscriptCharge, chargeToCodec);
    KivOptionalArrayToCodec<x::CostsOtherCharge>(&dst->otherCharges, src.ppsOtherCharge,
                                                 [](x::CostsOtherCharge* other, const KivOtherCharge& item) {
                                                     humanToCodec(&other->forWhat, item.ppsForWhat);
                                                     other->charge = kivNewCodecRecord<x::Charge>();
                                                     chargeToCodec(other->charge, item.sCharge);
                                                 });
}

void accessInfoToCodec(x::AccessInfo** dst, const std::unique_ptr<KivAccessInfo>& src) {
    optionalToCodec(dst, src, [](x::AccessInfo* access, const KivAccessInfo& info) {
        KivOptionalArrayToCodec<x::QueryTypeDetails>(&access->queryTypesSupported,
                                                     info.ppsQueryTypesSupported, queryTypeToCodec);
        oidsToCodec(&access->diagnosticsSets, info.ppcDiagnosticsSets);
        oidsToCodec(&access->attributeSetIds, info.ppcAttributeSetIds);
        oidsToCodec(&access->schemas, info.ppcSchemas);
        oidsToCodec(&access->recordSyntaxes, info.ppcRecordSyntaxes);
        oidsToCodec(&access->resourceChallenges, info.ppcResourceChallenges);
        KivOptionalArrayToCodec<x::AccessRestrictionsItem>(
            &access->restrictedAccess, info.ppsRestrictedAccess,
            [](x::AccessRestrictionsItem* restriction, const KivAccessRestrictions& item) {
                restriction->accessType = numberToCodec(item.eAccessType, kivIsAccessType);
                humanToCodec(&restriction->accessText, item.ppsAccessText);
                oidsToCodec(&restriction->accessChallenges, item.ppcAccessChallenges);
            });
        optionalToCodec(&access->costInfo, info.psCosts, costsToCodec);
        oidsToCodec(&access->variantSets, info.ppcVariantSets);
        stringsToCodec(&access->elementSetNames, info.ppsElementSetNames);
        stringsToCodec(&access->unitSystems, info.ppsUnitSystems);
    });
}

void pathItemToCodec(x::PathItem* step, const KivPath& item) {
    step->tagType = static_cast<BerInteger>(item.ulTagType);
    KivNewStringOrNumericToCodec(&step->tagValue, &item.sTagValue);
}

void elementInfoToCodec(x::ElementInfo* dst, const KivElementInfo& src);

void elementInfosToCodec(BerList** dst, const KivArray<KivElementInfo>& src, bool always) {
    const KivExplainElementLevel level;
    if (level.tooDeep()) throw KivConversionError{kKivToCodecNoMemory};
    if (always || src.present()) listToCodec<x::ElementInfo>(dst, src, elementInfoToCodec);
}

void elementInfoToCodec(x::ElementInfo* dst, const KivElementInfo& src) {
    KivInternationalStringToCodec(&dst->elementName, &src.sElementName);
    listToCodec<x::PathItem>(&dst->elementTagPath, src.ppsElementTagPath, pathItemToCodec);
    optionalToCodec(
        &dst->dataType, src.psElementDataType, [](x::ElementDataType* type, const KivElementDataType& item) {
            type->choiceId = choiceOf(item.eElementDataTypeType, x::ElementDataType::kAlternatives);
            if (type->choiceId == x::ElementDataType::kPrimitive) {
                type->primitive = numberToCodec(item.uElementDataType.ePrimitive, kivIsPrimitiveDataType);
            } else {
                elementInfosToCodec(&type->structured, item.uElementDataType.ppsStructured, true);
            }
        });
    KivBooleanToCodec(&dst->required, &src.fRequired);
    KivBooleanToCodec(&dst->repeatable, &src.fRepeatable);
    humanToCodec(&dst->description, src.ppsDescription);
}

void attributeCombinationsToCodec(x::AttributeCombinations** dst,
                                  const std::unique_ptr<KivAttributeCombinations>& src) {
    optionalToCodec(
        dst, src, [](x::AttributeCombinations* combinations, const KivAttributeCombinations& item) {
            KivOidToCodec(&combinations->defaultAttributeSet, item.pcDefaultAttributeSet);
            listToCodec<BerList>(
                &combinations->legalCombinations, item.ppsLegalCombinations,
                [](BerList* inner, const KivLegalCombinations& legal) {
                    innerListToCodec<x::AttributeOccurrence>(
                        inner, legal.ppsAttributeOccurrence,
                        [](x::AttributeOccurrence* occurrence, const KivAttributeOccurrence& value) {
                            KivOptionalOidToCodec(&occurrence->attributeSet, value.pcAttributeSet);
                            occurrence->attributeType = static_cast<BerInteger>(value.ulAttributeType);
                            nullToCodec(&occurrence->mustBeSupplied, value.pvMustBeSupplied);
                            const KivAttributeOccurrenceChoice& values = value.sAttributeValues;
                            occurrence->attributeValues =
                                kivNewCodecRecord<x::AttributeOccurrenceAttributeValues>();
                            occurrence->attributeValues->choiceId =
                                choiceOf(values.eAttributeOccurrenceChoiceType,
                                         x::AttributeOccurrenceAttributeValues::kAlternatives);
                            if (occurrence->attributeValues->choiceId ==
                                x::AttributeOccurrenceAttributeValues::kSpecific) {
                                stringOrNumericsToCodec(&occurrence->attributeValues->specific,
                                                        values.uAttributeOccurrenceChoiceType.ppsSpecific);
                            }
                        });
                });
        });
}

void valueDescriptionToCodec(x::ValueDescription* dst, const KivValueDescription& src) {
    const auto& value = src.uValueDescription;
    dst->choiceId = choiceOf(src.eValueDescriptionType, x::ValueDescription::kAlternatives);
    switch (dst->choiceId) {
        case x::ValueDescription::kInteger:
            dst->integer = static_cast<BerInteger>(value.ulInteger);
            break;
        case x::ValueDescription::kString:
            KivNewInternationalStringToCodec(&dst->string, value.psString.get());
            break;
        case x::ValueDescription::kOctets:
            KivNewOctetsToCodec(&dst->octets, value.psOctets.get());
            break;
        case x::ValueDescription::kOid:
            KivOptionalNewOidToCodec(&dst->oid, value.pcOid);
            break;
        case x::ValueDescription::kUnit:
            KivOptionalUnitToCodec(&dst->unit, value.psUnit.get());
            break;
        default:
            KivOptionalIntUnitToCodec(&dst->valueAndUnit, value.psValueAndUnit.get());
            break;
    }
}

void variantValueToCodec(x::VariantValue* dst, const KivExplainVariantValue& src) {
    dst->dataType = numberToCodec(src.eDataType, kivIsPrimitiveDataType);
    optionalToCodec(&dst->values, src.psValues, [](x::ValueSet* set, const KivValueSet& item) {
        set->choiceId = choiceOf(item.eValueSetType, x::ValueSet::kAlternatives);
        if (set->choiceId == x::ValueSet::kRange) {
            optionalToCodec(&set->range, item.uValueSet.psRange,
                            [](x::ValueRange* range, const KivValueRange& bounds) {
                                optionalToCodec(&range->lower, bounds.psLower, valueDescriptionToCodec);
                                optionalToCodec(&range->upper, bounds.psUpper, valueDescriptionToCodec);
                            });
        } else {
            listToCodec<x::ValueDescription>(&set->enumerated, item.uValueSet.ppsEnumerated,
                                             valueDescriptionToCodec);
        }
    });
}

void detailsPerElementToCodec(x::PerElementDetails* dst, const KivDetailsPerElement& src) {
    KivInternationalStringToCodec(&dst->name, src.psName.get());
    optionalToCodec(&dst->recordTag, src.psRecordTag, [](x::RecordTag* tag, const KivRecordTag& item) {
        KivOptionalStringOrNumericToCodec(&tag->qualifier, item.psQualifier.get());
        KivNewStringOrNumericToCodec(&tag->tagValue, &item.sTagValue);
    });
    KivOptionalArrayToCodec<BerList>(
        &dst->schemaTags, src.ppsSchemaTags, [](BerList* inner, const KivSchemaTag& tag) {
            innerListToCodec<x::PathItem>(inner, tag.ppsSchemaTags, pathItemToCodec);
        });
    KivOptionalIntegerToCodec(&dst->maxSize, &src.pulMaxSize);
    KivOptionalIntegerToCodec(&dst->minSize, &src.pulMinSize);
    KivOptionalIntegerToCodec(&dst->avgSize, &src.pulAvgSize);
    KivOptionalIntegerToCodec(&dst->fixedSize, &src.pulFixedSize);
    KivBooleanToCodec(&dst->repeatable, &src.fRepeatable);
    KivBooleanToCodec(&dst->required, &src.fRequired);
    humanToCodec(&dst->description, src.ppsDescription);
    humanToCodec(&dst->contents, src.ppsContents);
    humanToCodec(&dst->billingInfo, src.ppsBillingInfo);
    humanToCodec(&dst->restrictions, src.ppsRestrictions);
    stringsToCodec(&dst->alternateNames, src.ppsAlternateNames);
    stringsToCodec(&dst->genericNames, src.ppsGenericNames);
    attributeCombinationsToCodec(&dst->searchAccess, src.psSearchAccess);
}

// ---- The categories ----

void targetInfoToCodec(x::TargetInfo* dst, const KivTargetInfo& src) {
    commonToCodec(&dst->commonInfo, src.psCommonInfo);
    KivInternationalStringToCodec(&dst->name, &src.sName);
    humanToCodec(&dst->recent_news, src.ppsRecentNews);
    iconsToCodec(&dst->icon, src.ppsIcon);
    KivBooleanToCodec(&dst->namedResultSets, &src.fNamedResultSets);
    KivBooleanToCodec(&dst->multipleDBsearch, &src.fMultipleDBSearch);
    KivOptionalIntegerToCodec(&dst->maxResultSets, &src.pulMaxResultSets);
    KivOptionalIntegerToCodec(&dst->maxResultSize, &src.pulMaxResultSize);
    KivOptionalIntegerToCodec(&dst->maxTerms, &src.pulMaxTerms);
    KivOptionalIntUnitToCodec(&dst->timeoutInterval, src.psTimeoutInterval.get());
    humanToCodec(&dst->welcomeMessage, src.ppsWelcomeMessage);
    contactToCodec(&dst->contactInfo, src.psContactInfo);
    humanToCodec(&dst->description, src.ppsDescription);
    stringsToCodec(&dst->nicknames, src.ppsNicknames);
    humanToCodec(&dst->usage_restrictions, src.ppsUsageRest);
    humanToCodec(&dst->paymentAddr, src.ppsPaymentAddr);
    humanToCodec(&dst->hours, src.ppsHours);
    KivOptionalArrayToCodec<BerList>(&dst->dbCombinations, src.ppsDbCombinations,
                                     [](BerList* inner, const KivDbCombinations& combination) {
                                         innerListToCodec<BerOctets>(
                                             inner, combination.ppsInnerDatabases,
                                             [](BerOctets* name, const KivInternationalString& text) {
                                                 KivInternationalStringToCodec(name, &text);
                                             });
                                     });
    KivOptionalArrayToCodec<x::NetworkAddress>(&dst->addresses, src.ppsAddresses, networkAddressToCodec);
    stringsToCodec(&dst->languages, src.ppsLanguages);
    accessInfoToCodec(&dst->commonAccessInfo, src.psCommonAccessInfo);
}

void databaseInfoToCodec(x::DatabaseInfo* dst, const KivDatabaseInfo& src) {
    commonToCodec(&dst->commonInfo, src.psCommonInfo);
    KivInternationalStringToCodec(&dst->name, &src.sName);
    nullToCodec(&dst->explainDatabase, src.pvExplainDatabase);
    stringsToCodec(&dst->nicknames, src.ppsNicknames);
    iconsToCodec(&dst->icon, src.ppsIcon);
    KivBooleanToCodec(&dst->user_fee, &src.fUserFee);
    KivBooleanToCodec(&dst->available, &src.fAvailable);
    humanToCodec(&dst->titleString, src.ppsTitleString);
    KivOptionalArrayToCodec<BerList>(&dst->keywords, src.ppsKeywords,
                                     [](BerList* inner, const KivKeywords& keywords) {
                                         innerHumanToCodec(inner, keywords.ppsDataBaseInfo);
                                     });
    humanToCodec(&dst->description, src.ppsDescription);
    stringsToCodec(&dst->associatedDbs, src.ppsAssociatedDbs);
    stringsToCodec(&dst->subDbs, src.ppsSubDbs);
    humanToCodec(&dst->disclaimers, src.ppsDisclaimers);
    humanToCodec(&dst->news, src.ppsNews);
    optionalToCodec(
        &dst->recordCount, src.psRecordCount,
        [](x::DatabaseInfoRecordCount* count, const KivRecordCount& item) {
            count->choiceId = choiceOf(item.eRecordCountType, x::DatabaseInfoRecordCount::kAlternatives);
            count->actualNumber =
                static_cast<BerInteger>(count->choiceId == x::DatabaseInfoRecordCount::kActualNumber
                                            ? item.uRecordCount.ulActualNumber
                                            : item.uRecordCount.ulApproxNumber);
        });
    humanToCodec(&dst->defaultOrder, src.ppsDefaultOrder);
    KivOptionalIntegerToCodec(&dst->avRecordSize, &src.pulAvRecordSize);
    KivOptionalIntegerToCodec(&dst->maxRecordSize, &src.pulMaxRecordSize);
    humanToCodec(&dst->hours, src.ppsHours);
    humanToCodec(&dst->bestTime, src.ppsBestTime);
    KivCStringToCodec(&dst->lastUpdate, src.pcLastUpdate);
    KivOptionalIntUnitToCodec(&dst->updateInterval, src.psUpdateInterval.get());
    humanToCodec(&dst->coverage, src.ppsCoverage);
    KivOptionalBooleanToCodec(&dst->proprietary, &src.pfProprietary);
    humanToCodec(&dst->copyrightText, src.ppsCopyrightText);
    humanToCodec(&dst->copyrightNotice, src.ppsCopyrightNotice);
    contactToCodec(&dst->producerContactInfo, src.psProducerContactInfo);
    contactToCodec(&dst->supplierContactInfo, src.psSupplierContactInfo);
    contactToCodec(&dst->submissionContactInfo, src.psSubmissionContactInfo);
    accessInfoToCodec(&dst->accessInfo, src.psAccessInfo);
}

void schemaInfoToCodec(x::SchemaInfo* dst, const KivSchemaInfo& src) {
    commonToCodec(&dst->commonInfo, src.psCommonInfo);
    KivOidToCodec(&dst->schema, src.pcSchema);
    KivInternationalStringToCodec(&dst->name, &src.sName);
    humanToCodec(&dst->description, src.ppsDescription);
    KivOptionalArrayToCodec<x::SchemaInfoTagTypeMappingItem>(
        &dst->tagTypeMapping, src.ppsTagTypeMapping,
        [](x::SchemaInfoTagTypeMappingItem* mapping, const KivTagTypeMapping& item) {
            mapping->tagType = static_cast<BerInteger>(item.ulTagType);
            KivOptionalOidToCodec(&mapping->tagSet, item.pcTagSet);
            nullToCodec(&mapping->defaultTagType, item.pvDefaultTagType);
        });
    elementInfosToCodec(&dst->recordStructure, src.ppsRecordStructure, false);
}

void tagSetInfoToCodec(x::TagSetInfo* dst, const KivTagSetInfo& src) {
    commonToCodec(&dst->commonInfo, src.psCommonInfo);
    KivOidToCodec(&dst->tagSet, src.pcTagSet);
    KivInternationalStringToCodec(&dst->name, &src.sName);
    humanToCodec(&dst->description, src.ppsDescription);
    KivOptionalArrayToCodec<x::TagSetInfoElement>(
        &dst->elements, src.ppsElements, [](x::TagSetInfoElement* element, const KivTagSetElement& item) {
            KivInternationalStringToCodec(&element->elementname, &item.sElementName);
            stringsToCodec(&element->nicknames, item.ppsNicknames);
            KivNewStringOrNumericToCodec(&element->elementTag, &item.sElementTag);
            humanToCodec(&element->description, item.ppsDescription);
            optionalNumberToCodec(&element->dataType, item.peDataType, kivIsPrimitiveDataType);
            KivOptionalOtherInformationToCodec(&element->otherTagInfo, &item.ppsOtherInformation);
        });
}

void recordSyntaxInfoToCodec(x::RecordSyntaxInfo* dst, const KivRecordSyntaxInfo& src) {
    commonToCodec(&dst->commonInfo, src.psCommonInfo);
    KivOidToCodec(&dst->recordSyntax, src.pcRecordSyntax);
    KivInternationalStringToCodec(&dst->name, &src.sName);
    oidsToCodec(&dst->transferSyntaxes, src.ppcTransferSyntaxes);
    humanToCodec(&dst->description, src.ppsDescription);
    KivInternationalStringToCodec(&dst->asn1Module, src.psAsn1Module.get());
    elementInfosToCodec(&dst->abstractStructure, src.ppsAbstractStructure, false);
}

void attributeSetInfoToCodec(x::AttributeSetInfo* dst, const KivAttributeSetInfo& src) {
    commonToCodec(&dst->commonInfo, src.psCommonInfo);
    KivOidToCodec(&dst->attributeSet, src.pcAttributeSetId);
    KivInternationalStringToCodec(&dst->name, &src.sName);
    KivOptionalArrayToCodec<x::AttributeType>(
        &dst->attributes, src.ppsAttributes, [](x::AttributeType* type, const KivAttributeType& item) {
            KivInternationalStringToCodec(&type->name, item.psName.get());
            humanToCodec(&type->description, item.ppsDescription);
            type->attributeType = static_cast<BerInteger>(item.ulAttributeType);
            listToCodec<x::AttributeDescription>(
                &type->attributeValues, item.ppsAttributeValues,
                [](x::AttributeDescription* description, const KivAttributeDescription& value) {
                    KivInternationalStringToCodec(&description->name, value.psName.get());
                    humanToCodec(&description->description, value.ppsDescription);
                    KivNewStringOrNumericToCodec(&description->attributeValue, &value.sAttributeValue);
                    stringOrNumericsToCodec(&description->equivalentAttributes,
                                            value.ppsEquivalentAttributes);
                });
        });
    humanToCodec(&dst->description, src.ppsDescription);
}

void termListInfoToCodec(x::TermListInfo* dst, const KivTermListInfo& src) {
    commonToCodec(&dst->commonInfo, src.psCommonInfo);
    KivInternationalStringToCodec(&dst->databaseName, &src.psDatabaseName);
    KivOptionalArrayToCodec<x::TermListInfoTermList>(
        &dst->termLists, src.ppsTermLists, [](x::TermListInfoTermList* list, const KivTermList& item) {
            KivInternationalStringToCodec(&list->name, &item.sName);
            humanToCodec(&list->title, item.ppsTitle);
            optionalNumberToCodec(&list->searchCost, item.peSearchCost, kivIsSearchCost);
            KivBooleanToCodec(&list->scanable, &item.fScanable);
            stringsToCodec(&list->broader, item.ppsBroader);
            stringsToCodec(&list->narrower, item.ppsNarrower);
        });
}

void extendedServicesInfoToCodec(x::ExtendedServicesInfo* dst, const KivExtendedServicesInfo& src) {
    commonToCodec(&dst->commonInfo, src.psCommonInfo);
    KivOidToCodec(&dst->type, src.pcType);
    KivInternationalStringToCodec(&dst->name, src.psName.get());
    KivBooleanToCodec(&dst->privateType, &src.fPrivateType);
    KivBooleanToCodec(&dst->restrictionsApply, &src.fRestrictionsApply);
    KivBooleanToCodec(&dst->feeApply, &src.fFeeApply);
    KivBooleanToCodec(&dst->available, &src.fAvailable);
    KivBooleanToCodec(&dst->retentionSupported, &src.fRetentionSupported);
    dst->waitAction = numberToCodec(src.eWaitAction, kivIsWaitAction);
    humanToCodec(&dst->description, src.ppsDescription);
    KivOptionalExternalToCodec(&dst->specificExplain, src.psSpecificExplain.get());
    KivInternationalStringToCodec(&dst->esASN, src.psEsASN.get());
}

void attributeDetailsToCodec(x::AttributeDetails* dst, const KivAttributeDetails& src) {
    commonToCodec(&dst->commonInfo, src.psCommonInfo);
    KivInternationalStringToCodec(&dst->databaseName, &src.sDatabaseName);
    KivOptionalArrayToCodec<x::AttributeSetDetails>(
        &dst->attributesBySet, src.ppsAttributesBySet,
        [](x::AttributeSetDetails* set, const KivAttributesBySet& item) {
            KivOidToCodec(&set->attributeSet, item.pcAttributeSet);
            listToCodec<x::AttributeTypeDetails>(
                &set->attributesByType, item.ppsAttributesByType,
                [](x::AttributeTypeDetails* type, const KivAttributesByType& byType) {
                    type->attributeType = static_cast<BerInteger>(byType.ulAttributeType);
                    optionalToCodec(&type->defaultIfOmitted, byType.psDefaultIfOmitted,
                                    [](x::OmittedAttributeInterpretation* omitted,
                                       const KivOmittedAttributeInterpretation& value) {
                                        KivOptionalStringOrNumericToCodec(&omitted->defaultValue,
                                                                          value.psDefaultValue.get());
                                        humanToCodec(&omitted->defaultDescription,
                                                     value.ppsDefaultDescription);
                                    });
                    KivOptionalArrayToCodec<x::AttributeValue>(
                        &type->attributeValues, byType.ppsAttributeValues,
                        [](x::AttributeValue* value, const KivAttributeValues& values) {
                            KivNewStringOrNumericToCodec(&value->value, &values.sValue);
                            humanToCodec(&value->description, values.ppsDescription);
                            stringOrNumericsToCodec(&value->subAttributes, values.ppsSubAttributes);
                            stringOrNumericsToCodec(&value->superAttributes, values.ppsSuperAttributes);
                            nullToCodec(&value->partialSupport, values.pvPartialSupport);
                        });
                });
        });
    attributeCombinationsToCodec(&dst->attributeCombinations, src.psAttributeCombinations);
}

void termListDetailsToCodec(x::TermListDetails* dst, const KivTermListDetails& src) {
    commonToCodec(&dst->commonInfo, src.psCommonInfo);
    KivInternationalStringToCodec(&dst->termListName, &src.sTermListName);
    humanToCodec(&dst->description, src.ppsDescription);
    attributeCombinationsToCodec(&dst->attributes, src.psAttributes);
    optionalToCodec(&dst->scanInfo, src.psScanInfo,
                    [](x::TermListDetailsScanInfo* scan, const KivScanInfo& item) {
                        KivOptionalIntegerToCodec(&scan->maxStepSize, &item.pulMaxStepSize);
                        humanToCodec(&scan->collatingSequence, item.ppsCollatingSequence);
                        KivOptionalBooleanToCodec(&scan->increasing, &item.pfIncreasing);
                    });
    KivOptionalIntegerToCodec(&dst->estNumberTerms, &src.pulEstNumberTerms);
    KivOptionalArrayToCodec<z::Term>(&dst->sampleTerms, src.ppsSampleTerms,
                                     [](z::Term* term, const KivTerm& item) { KivTermToCodec(term, &item); });
}

void elementSetDetailsToCodec(x::ElementSetDetails* dst, const KivElementSetDetails& src) {
    commonToCodec(&dst->commonInfo, src.psCommonInfo);
    KivInternationalStringToCodec(&dst->databaseName, &src.sDatabaseName);
    KivInternationalStringToCodec(&dst->elementSetName, &src.sElementSetName);
    KivOidToCodec(&dst->recordSyntax, src.pcRecordSyntax);
    KivOidToCodec(&dst->schema, src.pcSchema);
    humanToCodec(&dst->description, src.ppsDescription);
    KivOptionalArrayToCodec<x::PerElementDetails>(&dst->detailsPerElement, src.ppsDetailsPerElement,
                                                  detailsPerElementToCodec);
}

void retrievalRecordDetailsToCodec(x::RetrievalRecordDetails* dst, const KivRetrievalRecordDetails& src) {
    commonToCodec(&dst->commonInfo, src.psCommonInfo);
    KivInternationalStringToCodec(&dst->databaseName, &src.sDatabaseName);
    KivOidToCodec(&dst->schema, src.pcSchema);
    KivOidToCodec(&dst->recordSyntax, src.pcRecordSyntax);
    humanToCodec(&dst->description, src.ppsDescription);
    KivOptionalArrayToCodec<x::PerElementDetails>(&dst->detailsPerElement, src.ppsDetailsPerElement,
                                                  detailsPerElementToCodec);
}

void sortDetailsToCodec(x::SortDetails* dst, const KivSortDetails& src) {
    commonToCodec(&dst->commonInfo, src.psCommonInfo);
    KivInternationalStringToCodec(&dst->databaseName, &src.sDatabaseName);
    KivOptionalArrayToCodec<x::SortKeyDetails>(
        &dst->sortKeys, src.ppsSortKeys, [](x::SortKeyDetails* key, const KivSortKeys& item) {
            humanToCodec(&key->description, item.ppsDescription);
            KivOptionalArrayToCodec<z::Specification>(
                &key->elementSpecifications, item.ppsElementSpecifications,
                [](z::Specification* specification, const KivSpecification& spec) {
                    KivSpecificationToCodec(specification, &spec);
                });
            attributeCombinationsToCodec(&key->attributeSpecifications, item.psAttributeSpecifications);
            optionalToCodec(&key->sortType, item.psSortType,
                            [](x::SortKeyDetailsSortType* type, const KivSortType& sort) {
                                type->choiceId =
                                    choiceOf(sort.eSortTypeType, x::SortKeyDetailsSortType::kAlternatives);
                                if (type->choiceId == x::SortKeyDetailsSortType::kStructured)
                                    humanToCodec(&type->structured, sort.ppsStructured);
                            });
            optionalNumberToCodec(&key->caseSensitivity, item.peCaseSensitivity, kivIsCaseSensitivity);
        });
}

void processingToCodec(x::ProcessingInformation* dst, const KivProcessingInformation& src) {
    commonToCodec(&dst->commonInfo, src.psCommonInfo);
    KivInternationalStringToCodec(&dst->databaseName, &src.sDatabaseName);
    dst->processingContext = numberToCodec(src.eProcessingContext, kivIsProcessingContext);
    KivInternationalStringToCodec(&dst->name, &src.psName);
    KivOidToCodec(&dst->oid, src.pcOid);
    humanToCodec(&dst->description, src.ppsDescription);
    KivOptionalExternalToCodec(&dst->instructions, src.psInstructions.get());
}

void variantsToCodec(x::VariantSetInfo* dst, const KivVariantSetInfo& src) {
    commonToCodec(&dst->commonInfo, src.psCommonInfo);
    KivOidToCodec(&dst->variantSet, src.pcVariantSet);
    KivInternationalStringToCodec(&dst->name, &src.sName);
    KivOptionalArrayToCodec<x::VariantClass>(
        &dst->variants, src.ppsVariants, [](x::VariantClass* variant, const KivVariantClass& item) {
            KivInternationalStringToCodec(&variant->name, item.psName.get());
            humanToCodec(&variant->description, item.ppsDescription);
            variant->variantClass = static_cast<BerInteger>(item.ulVariantClass);
            listToCodec<x::VariantType>(&variant->variantTypes, item.ppsVariantTypes,
                                        [](x::VariantType* type, const KivVariantType& value) {
                                            KivInternationalStringToCodec(&type->name, value.psName.get());
                                            humanToCodec(&type->description, value.ppsDescription);
                                            type->variantType = static_cast<BerInteger>(value.ulVariantType);
                                            optionalToCodec(&type->variantValue, value.psVariantValue,
                                                            variantValueToCodec);
                                        });
        });
}

void unitsToCodec(x::UnitInfo* dst, const KivUnitInfo& src) {
    commonToCodec(&dst->commonInfo, src.psCommonInfo);
    KivInternationalStringToCodec(&dst->unitSystem, &src.sUnitSystem);
    humanToCodec(&dst->description, src.ppsDescription);
    KivOptionalArrayToCodec<x::UnitType>(
        &dst->units, src.ppsUnitTypes, [](x::UnitType* type, const KivUnitType& item) {
            KivInternationalStringToCodec(&type->name, item.psName.get());
            humanToCodec(&type->description, item.ppsDescription);
            KivNewStringOrNumericToCodec(&type->unitType, &item.sUnitType);
            listToCodec<x::Units>(&type->units, item.ppsUnits, [](x::Units* units, const KivUnits& value) {
                KivInternationalStringToCodec(&units->name, value.psName.get());
                humanToCodec(&units->description, value.ppsDescription);
                KivNewStringOrNumericToCodec(&units->unit, &value.sUnit);
            });
        });
}

void categoryListToCodec(x::CategoryList* dst, const KivCategoryList& src) {
    commonToCodec(&dst->commonInfo, src.psCommonInfo);
    listToCodec<x::CategoryInfo>(
        &dst->categories, src.ppsCategories, [](x::CategoryInfo* category, const KivCategoryInfo& item) {
            KivInternationalStringToCodec(&category->category, &item.sCategory);
            KivInternationalStringToCodec(&category->originalCategory, item.psOriginalCategory.get());
            humanToCodec(&category->description, item.ppsDescription);
            KivInternationalStringToCodec(&category->asn1Module, item.psAsn1Module.get());
        });
}

// The category's record in the holder's slot, converted from the member the selector names; the member
// must be present (validation refuses a record without it).
template <typename Record, typename T, typename Convert>
void categoryToCodec(Record*& slot, const std::unique_ptr<T>& src, Convert&& convert) {
    if (!src) refuseSelector();
    slot = kivNewCodecRecord<Record>();
    convert(slot, *src);
}

}  // namespace

void KivExplainRecordToCodec(BerAny* dst, const KivSingleASN1Type* src) {
    const KivExplainRecord* record = src->uASN1.psExplainRecord.get();
    if (record == nullptr) return;
    const auto& category = record->uExplainRecord;
    const int32_t choiceId = choiceOf(record->eExplainRecordType, x::ExplainRecord::kAlternatives);
    auto* holder = kivNewContentValue<x::ExplainRecord>(dst);
    holder->choiceId = choiceId;
    switch (choiceId) {
        case x::ExplainRecord::kTargetInfo:
            return categoryToCodec(holder->targetInfo, category.psTargetInfo, targetInfoToCodec);
        case x::ExplainRecord::kDatabaseInfo:
            return categoryToCodec(holder->databaseInfo, category.psDatabaseInfo, databaseInfoToCodec);
        case x::ExplainRecord::kSchemaInfo:
            return categoryToCodec(holder->schemaInfo, category.psSchemaInfo, schemaInfoToCodec);
        case x::ExplainRecord::kTagSetInfo:
            return categoryToCodec(holder->tagSetInfo, category.psTagSetInfo, tagSetInfoToCodec);
        case x::ExplainRecord::kRecordSyntaxInfo:
            return categoryToCodec(holder->recordSyntaxInfo, category.psRecordSyntaxInfo,
                                   recordSyntaxInfoToCodec);
        case x::ExplainRecord::kAttributeSetInfo:
            return categoryToCodec(holder->attributeSetInfo, category.psAttributeSetInfo,
                                   attributeSetInfoToCodec);
        case x::ExplainRecord::kTermListInfo:
            return categoryToCodec(holder->termListInfo, category.psTermListInfo, termListInfoToCodec);
        case x::ExplainRecord::kExtendedServicesInfo:
            return categoryToCodec(holder->extendedServicesInfo, category.psExtendedServicesInfo,
                                   extendedServicesInfoToCodec);
        case x::ExplainRecord::kAttributeDetails:
            return categoryToCodec(holder->attributeDetails, category.psAttributeDetails,
                                   attributeDetailsToCodec);
        case x::ExplainRecord::kTermListDetails:
            return categoryToCodec(holder->termListDetails, category.psTermListDetails,
                                   termListDetailsToCodec);
        case x::ExplainRecord::kElementSetDetails:
            return categoryToCodec(holder->elementSetDetails, category.psElementSetDetails,
                                   elementSetDetailsToCodec);
        case x::ExplainRecord::kRetrievalRecordDetails:
            return categoryToCodec(holder->retrievalRecordDetails, category.psRetrievalRecordDetails,
                                   retrievalRecordDetailsToCodec);
        case x::ExplainRecord::kSortDetails:
            return categoryToCodec(holder->sortDetails, category.psSortDetails, sortDetailsToCodec);
        case x::ExplainRecord::kProcessing:
            return categoryToCodec(holder->processing, category.psProcessing, processingToCodec);
        case x::ExplainRecord::kVariants:
            return categoryToCodec(holder->variants, category.psVariants, variantsToCodec);
        case x::ExplainRecord::kUnits:
            return categoryToCodec(holder->units, category.psUnits, unitsToCodec);
        default:
            return categoryToCodec(holder->categoryList, category.psCategoryList, categoryListToCodec);
    }
}
