#include "toolkit/external/kiv_convert_generic_record.h"

#include <cstdint>
#include <memory>

#include "toolkit/api/kiv_codec_alloc.h"
#include "toolkit/api/kiv_convert_attributes.h"
#include "toolkit/api/kiv_convert_basic.h"
#include "toolkit/api/kiv_convert_external.h"
#include "toolkit/api/kiv_convert_external_content_types.h"
#include "toolkit/api/kiv_generic_record.h"
#include "toolkit/codec/records/records_d.h"
#include "toolkit/codec/z3950/apdu_one.h"
#include "toolkit/external/kiv_carried_lists.h"
#include "toolkit/external/kiv_generic_record_depth.h"

using codec::records::ElementData;
using codec::records::ElementMetaData;
using codec::records::GenericRecordChoice;
using codec::records::GrsTagPathElement;
using codec::records::HitVector;
using codec::records::Order;
using codec::records::TaggedElement;
using codec::records::Usage;
using codec::records::Variant;
using codec::records::VariantTriple;
using codec::records::VariantValue;

namespace {

// The interface selector of a codec choice: choiceId + 1, or invalid for a choice the type does not have.
int32_t selectorOf(int32_t choiceId, int32_t alternatives, int32_t invalid) {
    return choiceId >= 0 && choiceId < alternatives ? choiceId + 1 : invalid;
}

// ---- Towards the codec ----

void KivTaggedElementsToCodec(BerList** dst, const KivArray<KivTaggedElement>& src);

void variantValueToCodec(VariantValue* dst, const KivVariantValue& src) {
    const auto& value = src.uVariantValueType;
    switch (src.eVariantValueType) {
        case VVT_Int:
            dst->choiceId = VariantValue::kInteger;
            dst->integer = static_cast<BerInteger>(value.ulInt1);
            break;
        case VVT_InternationalString:
            dst->choiceId = VariantValue::kInternationalString;
            KivNewInternationalStringToCodec(&dst->internationalString, value.psInternationalString.get());
            break;
        case VVT_Octs:
            dst->choiceId = VariantValue::kOctetString;
            KivNewOctetsToCodec(&dst->octetString, value.psOcts.get());
            break;
        case VVT_Oid:
            dst->choiceId = VariantValue::kObjectIdentifier;
            KivOptionalNewOidToCodec(&dst->objectIdentifier, value.pcOid);
            break;
        case VVT_Bool:
            dst->choiceId = VariantValue::kBoolean;
            KivBooleanToCodec(&dst->boolean, &value.fBool);
            break;
        case VVT_Null:
            dst->choiceId = VariantValue::kNull;
            break;
        case VVT_Unit:
            dst->choiceId = VariantValue::kUnit;
            KivOptionalUnitToCodec(&dst->unit, value.psUnit.get());
            break;
        case VVT_ValueAndUnit:
            dst->choiceId = VariantValue::kValueAndUnit;
            KivOptionalIntUnitToCodec(&dst->valueAndUnit, value.psValueAndUnit.get());
            break;
        default:
            dst->choiceId = VariantValue::kInteger;
            break;
    }
}

void variantToCodec(Variant* dst, const KivVariant& src) {
    KivOptionalOidToCodec(&dst->globalVariantSetId, src.pcGlobalVariantSetId);
    KivOptionalArrayToCodec<VariantTriple>(
        &dst->triples, src.ppsTriples, [](VariantTriple* triple, const KivTriples& item) {
            KivOptionalOidToCodec(&triple->variantSetId, item.pcVariantSetId);
            triple->class_ = static_cast<BerInteger>(item.ulClass);
            triple->type = static_cast<BerInteger>(item.ulType);
            triple->value = kivNewCodecRecord<VariantValue>();
            variantValueToCodec(triple->value, item.sValue);
        });
}

void tagPathToCodec(BerList** dst, const KivArray<KivTagPath>& src) {
    KivOptionalArrayToCodec<GrsTagPathElement>(dst, src, [](GrsTagPathElement* step, const KivTagPath& item) {
        KivOptionalIntegerToCodec(&step->tagType, &item.pulTagType);
        KivNewStringOrNumericToCodec(&step->tagValue, &item.sTagValue);
        KivOptionalIntegerToCodec(&step->tagOccurrence, &item.pulTagOccurrence);
    });
}

void hitToCodec(HitVector* dst, const KivHits& src) {
    KivOptionalTermToCodec(&dst->satisfier, src.psSatisfier.get());
    KivOptionalIntUnitToCodec(&dst->offsetIntoElement, src.psOffsetIntoElement.get());
    KivOptionalIntUnitToCodec(&dst->length, src.psLength.get());
    KivOptionalIntegerToCodec(&dst->hitRank, &src.pulHitRank);
    KivOptionalOctetsToCodec(&dst->targetToken, src.psTargetToken.get());
}

void metaDataToCodec(ElementMetaData* dst, const KivMetaData& src) {
    if (const KivSeriesOrder* order = src.psSeriesOrder.get(); order != nullptr) {
        dst->seriesOrder = kivNewCodecRecord<Order>();
        KivBooleanToCodec(&dst->seriesOrder->ascending, &order->fAscending);
        dst->seriesOrder->order = static_cast<BerInteger>(order->ulOrder);
    }
    if (const KivUsageRight* usage = src.psUsageRight.get(); usage != nullptr) {
        dst->usageRight = kivNewCodecRecord<Usage>();
        if (usage->eType >= UIT_Redistributable && usage->eType <= UIT_LicensePointer) {
            dst->usageRight->type = usage->eType;
        }
        KivInternationalStringToCodec(&dst->usageRight->restriction, usage->psRestriction.get());
    }
    KivOptionalArrayToCodec<HitVector>(&dst->hits, src.ppsHits, hitToCodec);
    KivInternationalStringToCodec(&dst->displayName, src.psDisplayName.get());
    KivOptionalArrayToCodec<Variant>(&dst->supportedVariants, src.ppsSupportedVariants, variantToCodec);
    KivInternationalStringToCodec(&dst->message, src.psMessage.get());
    KivOptionalOctetsToCodec(&dst->elementDescriptor, src.psElementDescriptor.get());
    tagPathToCodec(&dst->surrogateFor, src.ppsSurrogateFor);
    tagPathToCodec(&dst->surrogateElement, src.ppsSurrogateElement);
    KivOptionalExternalToCodec(&dst->other, src.psOther.get());
}

void KivElementDataToCodec(ElementData* dst, const KivElementDataG& src) {
    const auto& data = src.uElementDataG;
    switch (src.eElementDataGType) {
        case EDT_Octets:
            dst->choiceId = ElementData::kOctets;
            KivNewOctetsToCodec(&dst->octets, data.psOctets.get());
            break;
        case EDT_Numeric:
            dst->choiceId = ElementData::kNumeric;
            dst->numeric = static_cast<BerInteger>(data.ulNumeric);
            break;
        case EDT_Date:
            dst->choiceId = ElementData::kDate;
            dst->date = kivNewCodecRecord<BerOctets>();
            KivCStringToCodec(dst->date, data.pcDate);
            break;
        case EDT_Ext:
            dst->choiceId = ElementData::kExt;
            KivOptionalExternalToCodec(&dst->ext, data.psExt.get());
            break;
        case EDT_String:
            dst->choiceId = ElementData::kString;
            KivNewInternationalStringToCodec(&dst->string, data.psString.get());
            break;
        case EDT_TrueOrFalse:
            dst->choiceId = ElementData::kTrueOrFalse;
            KivBooleanToCodec(&dst->trueOrFalse, &data.fTrueOrFalse);
            break;
        case EDT_Oid:
            dst->choiceId = ElementData::kOid;
            KivOptionalNewOidToCodec(&dst->oid, data.pcOid);
            break;
        case EDT_IntUnit:
            dst->choiceId = ElementData::kIntUnit;
            KivOptionalIntUnitToCodec(&dst->intUnit, data.psIntUnit.get());
            break;
        case EDT_ElementNotThere:
            dst->choiceId = ElementData::kElementNotThere;
            break;
        case EDT_ElementEmpty:
            dst->choiceId = ElementData::kElementEmpty;
            break;
        case EDT_NoDataRequested:
            dst->choiceId = ElementData::kNoDataRequested;
            break;
        case EDT_Diagnostic:
            dst->choiceId = ElementData::kDiagnostic;
            KivOptionalExternalToCodec(&dst->diagnostic, data.psDiagnostic.get());
            break;
        case EDT_Subtree:
            dst->choiceId = ElementData::kSubtree;
            KivTaggedElementsToCodec(&dst->subtree, data.ppsSubTree);
            break;
        default:
            dst->choiceId = ElementData::kOctets;
            break;
    }
}

void KivTaggedElementToCodec(TaggedElement* dst, const KivTaggedElement& src) {
    KivOptionalIntegerToCodec(&dst->tagType, &src.pulTagType);
    KivNewStringOrNumericToCodec(&dst->tagValue, &src.sTagValue);
    KivOptionalIntegerToCodec(&dst->tagOccurrence, &src.pulTagOccurrence);
    dst->content = kivNewCodecRecord<ElementData>();
    KivElementDataToCodec(dst->content, src.sContent);
    if (src.psMetaData) {
        dst->metaData = kivNewCodecRecord<ElementMetaData>();
        metaDataToCodec(dst->metaData, *src.psMetaData);
    }
    if (src.psAppliedVariant) {
        dst->appliedVariant = kivNewCodecRecord<Variant>();
        variantToCodec(dst->appliedVariant, *src.psAppliedVariant);
    }
}

// Always a list, empty for an absent array (validation has refused one).
void KivTaggedElementsToCodec(BerList** dst, const KivArray<KivTaggedElement>& src) {
    const KivGenericRecordLevel level;
    if (level.tooDeep()) throw KivConversionError{kKivToCodecNoMemory};
    kivCodecListFrom<TaggedElement>(dst, src, KivTaggedElementToCodec);
}

// ---- From the codec ----

void KivTaggedElementsFromCodec(KivArray<KivTaggedElement>* dst, const BerList* src);

void variantValueFromCodec(KivVariantValue* dst, const VariantValue& src) {
    auto& value = dst->uVariantValueType;
    dst->eVariantValueType = selectorOf(src.choiceId, VariantValue::kAlternatives, VVT_Invalid);
    switch (src.choiceId) {
        case VariantValue::kInteger:
            value.ulInt1 = static_cast<uint32_t>(src.integer);
            break;
        case VariantValue::kInternationalString:
            KivNewInternationalStringFromCodec(&value.psInternationalString, src.internationalString);
            break;
        case VariantValue::kOctetString:
            KivNewOctetsFromCodec(&value.psOcts, src.octetString);
            break;
        case VariantValue::kObjectIdentifier:
            KivOidFromCodec(&value.pcOid, src.objectIdentifier);
            break;
        case VariantValue::kBoolean:
            KivBooleanFromCodec(&value.fBool, &src.boolean);
            break;
        case VariantValue::kUnit:
            KivOptionalUnitFromCodec(&value.psUnit, src.unit);
            break;
        case VariantValue::kValueAndUnit:
            KivOptionalIntUnitFromCodec(&value.psValueAndUnit, src.valueAndUnit);
            break;
        default:
            break;
    }
}

void variantFromCodec(KivVariant* dst, const Variant& src) {
    KivOptionalOidFromCodec(&dst->pcGlobalVariantSetId, &src.globalVariantSetId);
    KivArrayFromCodec<VariantTriple>(&dst->ppsTriples, src.triples,
                                     [](KivTriples* triple, const VariantTriple& item) {
                                         KivOptionalOidFromCodec(&triple->pcVariantSetId, &item.variantSetId);
                                         triple->ulClass = static_cast<uint32_t>(item.class_);
                                         triple->ulType = static_cast<uint32_t>(item.type);
                                         if (item.value != nullptr)
                                             variantValueFromCodec(&triple->sValue, *item.value);
                                     });
}

void tagPathFromCodec(KivArray<KivTagPath>* dst, const BerList* src) {
    KivOptionalArrayFromCodec<GrsTagPathElement>(
        dst, src, [](KivTagPath* step, const GrsTagPathElement& item) {
            KivOptionalIntegerFromCodec(&step->pulTagType, item.tagType);
            if (item.tagValue != nullptr) KivStringOrNumericFromCodec(&step->sTagValue, item.tagValue);
            KivOptionalIntegerFromCodec(&step->pulTagOccurrence, item.tagOccurrence);
        });
}

void hitFromCodec(KivHits* dst, const HitVector& src) {
    KivOptionalTermFromCodec(&dst->psSatisfier, src.satisfier);
    KivOptionalIntUnitFromCodec(&dst->psOffsetIntoElement, src.offsetIntoElement);
    KivOptionalIntUnitFromCodec(&dst->psLength, src.length);
    KivOptionalIntegerFromCodec(&dst->pulHitRank, src.hitRank);
    KivOptionalOctetsFromCodec(&dst->psTargetToken, &src.targetToken);
}

void metaDataFromCodec(KivMetaData* dst, const ElementMetaData& src) {
    kivFromCodec([&] {
        if (src.seriesOrder != nullptr) {
            dst->psSeriesOrder = std::make_unique<KivSeriesOrder>();
            KivBooleanFromCodec(&dst->psSeriesOrder->fAscending, &src.seriesOrder->ascending);
            dst->psSeriesOrder->ulOrder = static_cast<uint32_t>(src.seriesOrder->order);
        }
        if (src.usageRight != nullptr) {
            dst->psUsageRight = std::make_unique<KivUsageRight>();
            dst->psUsageRight->eType = src.usageRight->type;
            KivOptionalInternationalStringFromCodec(&dst->psUsageRight->psRestriction,
                                                    &src.usageRight->restriction);
        }
    });
    KivOptionalArrayFromCodec<HitVector>(&dst->ppsHits, src.hits, hitFromCodec);
    KivOptionalInternationalStringFromCodec(&dst->psDisplayName, &src.displayName);
    KivOptionalArrayFromCodec<Variant>(&dst->ppsSupportedVariants, src.supportedVariants, variantFromCodec);
    KivOptionalInternationalStringFromCodec(&dst->psMessage, &src.message);
    KivOptionalOctetsFromCodec(&dst->psElementDescriptor, &src.elementDescriptor);
    tagPathFromCodec(&dst->ppsSurrogateFor, src.surrogateFor);
    tagPathFromCodec(&dst->ppsSurrogateElement, src.surrogateElement);
    KivOptionalExternalFromCodec(&dst->psOther, src.other);
}

void KivElementDataFromCodec(KivElementDataG* dst, const ElementData& src) {
    auto& data = dst->uElementDataG;
    dst->eElementDataGType = selectorOf(src.choiceId, ElementData::kAlternatives, EDT_Invalid);
    switch (src.choiceId) {
        case ElementData::kOctets:
            KivNewOctetsFromCodec(&data.psOctets, src.octets);
            break;
        case ElementData::kNumeric:
            data.ulNumeric = static_cast<uint32_t>(src.numeric);
            break;
        case ElementData::kDate:
            KivCStringFromCodec(&data.pcDate, src.date);
            break;
        case ElementData::kExt:
            KivOptionalExternalFromCodec(&data.psExt, src.ext);
            break;
        case ElementData::kString:
            KivNewInternationalStringFromCodec(&data.psString, src.string);
            break;
        case ElementData::kTrueOrFalse:
            KivBooleanFromCodec(&data.fTrueOrFalse, &src.trueOrFalse);
            break;
        case ElementData::kOid:
            KivOidFromCodec(&data.pcOid, src.oid);
            break;
        case ElementData::kIntUnit:
            KivOptionalIntUnitFromCodec(&data.psIntUnit, src.intUnit);
            break;
        case ElementData::kDiagnostic:
            KivOptionalExternalFromCodec(&data.psDiagnostic, src.diagnostic);
            break;
        case ElementData::kSubtree:
            KivTaggedElementsFromCodec(&data.ppsSubTree, src.subtree);
            break;
        default:
            break;
    }
}

void KivTaggedElementFromCodec(KivTaggedElement* dst, const TaggedElement& src) {
    KivOptionalIntegerFromCodec(&dst->pulTagType, src.tagType);
    if (src.tagValue != nullptr) KivStringOrNumericFromCodec(&dst->sTagValue, src.tagValue);
    KivOptionalIntegerFromCodec(&dst->pulTagOccurrence, src.tagOccurrence);
    if (src.content != nullptr) KivElementDataFromCodec(&dst->sContent, *src.content);
    if (src.metaData != nullptr) {
        kivFromCodec([&] { dst->psMetaData = std::make_unique<KivMetaData>(); });
        metaDataFromCodec(dst->psMetaData.get(), *src.metaData);
    }
    if (src.appliedVariant != nullptr) {
        kivFromCodec([&] { dst->psAppliedVariant = std::make_unique<KivVariant>(); });
        variantFromCodec(dst->psAppliedVariant.get(), *src.appliedVariant);
    }
}

// A present array, empty for a null list.
void KivTaggedElementsFromCodec(KivArray<KivTaggedElement>* dst, const BerList* src) {
    const KivGenericRecordLevel level;
    if (level.tooDeep()) throw KivConversionError{kKivFromCodecNoMemory};
    KivArrayFromCodec<TaggedElement>(dst, src, KivTaggedElementFromCodec);
}

}  // namespace

void KivGenericRecordToCodec(BerAny* dst, const KivSingleASN1Type* src) {
    const KivGenericRecord* record = src->uASN1.psGenericRecord.get();
    if (record == nullptr) return;
    auto* holder = kivNewContentValue<GenericRecordChoice>(dst);
    holder->choiceId = GenericRecordChoice::kGenericRecord;
    KivTaggedElementsToCodec(&holder->genericRecord, record->ppsTaggedElement);
}

void KivGenericRecordFromCodec(KivSingleASN1Type* dst, const BerAny* src) {
    dst->eASN1Type = AT_GenericRecord;
    kivFromCodec([&] { dst->uASN1.psGenericRecord = std::make_unique<KivGenericRecord>(); });
    const auto* holder = static_cast<const GenericRecordChoice*>(src->value);
    const BerList* elements = holder != nullptr && holder->choiceId == GenericRecordChoice::kGenericRecord
                                  ? holder->genericRecord
                                  : nullptr;
    KivTaggedElementsFromCodec(&dst->uASN1.psGenericRecord->ppsTaggedElement, elements);
}
