#include "toolkit/api/kiv_convert_attributes.h"

#include <cstdint>
#include <memory>

#include "toolkit/api/kiv_codec_alloc.h"
#include "toolkit/api/kiv_convert_basic.h"
#include "toolkit/api/kiv_convert_external.h"

using codec::z3950::AttributeElement;
using codec::z3950::AttributeElementAttributeValue;
using codec::z3950::AttributeElementAttributeValueComplex;
using codec::z3950::AttributesPlusTerm;
using codec::z3950::IntUnit;
using codec::z3950::StringOrNumeric;
using codec::z3950::Term;
using codec::z3950::Unit;

namespace {

enum : int32_t { kStringOrNumericString = 1, kStringOrNumericNumeric = 2 };
enum : int32_t { kAttributeValueNumeric = 1, kAttributeValueComplex = 2 };

}  // namespace

// ---- Towards the codec ----

void KivStringOrNumericToCodec(StringOrNumeric* dst, const KivStringOrNumeric* src) {
    switch (src->eStringOrNumeric) {
        case kStringOrNumericString:
            dst->choiceId = StringOrNumeric::kString;
            KivNewInternationalStringToCodec(&dst->string, src->uStringOrNumeric.psString.get());
            break;
        case kStringOrNumericNumeric:
            dst->choiceId = StringOrNumeric::kNumeric;
            dst->numeric = static_cast<BerInteger>(src->uStringOrNumeric.ulNumeric);
            break;
        default:
            break;
    }
}

void KivNewStringOrNumericToCodec(StringOrNumeric** dst, const KivStringOrNumeric* src) {
    *dst = kivNewCodecRecord<StringOrNumeric>();
    KivStringOrNumericToCodec(*dst, src);
}

void KivOptionalStringOrNumericToCodec(StringOrNumeric** dst, const KivStringOrNumeric* src) {
    if (src != nullptr) KivNewStringOrNumericToCodec(dst, src);
}

void KivStringOrNumericListToCodec(BerList** dst, const KivArray<KivStringOrNumeric>* src) {
    if (!src->present()) return;
    kivCodecListFrom<StringOrNumeric>(dst, *src,
                                      [](StringOrNumeric* element, const KivStringOrNumeric& item) {
                                          KivStringOrNumericToCodec(element, &item);
                                      });
}

void KivIntegerListToCodec(BerList** dst, const KivArray<uint32_t>* src) {
    if (!src->present()) return;
    kivCodecListFrom<BerInteger>(
        dst, *src, [](BerInteger* element, uint32_t item) { *element = static_cast<BerInteger>(item); });
}

void KivUnitToCodec(Unit* dst, const KivUnit* src) {
    KivInternationalStringToCodec(&dst->unitSystem, src->psUnitSystem.get());
    KivOptionalStringOrNumericToCodec(&dst->unitType, src->psUnitType.get());
    KivOptionalStringOrNumericToCodec(&dst->unit, src->psUnit.get());
    KivOptionalIntegerToCodec(&dst->scaleFactor, &src->pulScaleFactor);
}

void KivOptionalUnitToCodec(Unit** dst, const KivUnit* src) {
    if (src == nullptr) return;
    *dst = kivNewCodecRecord<Unit>();
    KivUnitToCodec(*dst, src);
}

void KivIntUnitToCodec(IntUnit* dst, const KivIntUnit* src) {
    dst->value = static_cast<BerInteger>(src->ulValue);
    KivOptionalUnitToCodec(&dst->unitUsed, &src->sUnitUsed);
}

void KivOptionalIntUnitToCodec(IntUnit** dst, const KivIntUnit* src) {
    if (src == nullptr) return;
    *dst = kivNewCodecRecord<IntUnit>();
    KivIntUnitToCodec(*dst, src);
}

void KivAttributeElementToCodec(AttributeElement* dst, const KivAttributeElement* src) {
    KivOptionalOidToCodec(&dst->attributeSet, src->pcAttributeSetId);
    dst->attributeType = static_cast<BerInteger>(src->ulAttributeType);
    dst->attributeValue = kivNewCodecRecord<AttributeElementAttributeValue>();
    const KivAttributeValue& value = src->sAttributeValue;
    switch (value.eAttributeValueType) {
        case kAttributeValueNumeric:
            dst->attributeValue->choiceId = AttributeElementAttributeValue::kNumeric;
            dst->attributeValue->numeric = static_cast<BerInteger>(value.uAttributeValue.ulNumeric);
            break;
        case kAttributeValueComplex:
            dst->attributeValue->choiceId = AttributeElementAttributeValue::kComplex;
            dst->attributeValue->complex = kivNewCodecRecord<AttributeElementAttributeValueComplex>();
            if (value.uAttributeValue.psComplexValue) {
                KivComplexValueToCodec(dst->attributeValue->complex,
                                       value.uAttributeValue.psComplexValue.get());
            }
            break;
        default:
            break;
    }
}

void KivComplexValueToCodec(AttributeElementAttributeValueComplex* dst, const KivComplexValue* src) {
    KivStringOrNumericListToCodec(&dst->list, &src->ppsList);
    KivIntegerListToCodec(&dst->semanticAction, &src->ppulSemanticAction);
}

void KivAttributeListToCodec(BerList** dst, const KivArray<KivAttributeElement>* src) {
    if (!src->present()) return;
    kivCodecListFrom<AttributeElement>(dst, *src,
                                       [](AttributeElement* element, const KivAttributeElement& item) {
                                           KivAttributeElementToCodec(element, &item);
                                       });
}

void KivAttributesPlusTermToCodec(AttributesPlusTerm* dst, const KivAttributesPlusTerm* src) {
    KivAttributeListToCodec(&dst->attributes, &src->ppsAttributeElement);
    dst->term = kivNewCodecRecord<Term>();
    KivTermToCodec(dst->term, &src->sTerm);
}

void KivTermToCodec(Term* dst, const KivTerm* src) {
    const auto& term = src->uTerm;
    switch (src->eTermType) {
        case TT_General:
            dst->choiceId = Term::kGeneral;
            KivNewOctetsToCodec(&dst->general, term.psGeneral.get());
            break;
        case TT_Numeric:
            dst->choiceId = Term::kNumeric;
            dst->numeric = static_cast<BerInteger>(term.ulInteger);
            break;
        case TT_SimpleCharacter:
            dst->choiceId = Term::kCharacterString;
            KivNewInternationalStringToCodec(&dst->characterString, term.psSimpleCharacter.get());
            break;
        case TT_ObjectIdentifier:
            dst->choiceId = Term::kOid;
            dst->oid = kivNewCodecRecord<BerOid>();
            KivOptionalOidToCodec(dst->oid, term.pcObjectIdentifier);
            break;
        case TT_DateTime:
            dst->choiceId = Term::kDateTime;
            dst->dateTime = kivNewCodecRecord<BerOctets>();
            KivCStringToCodec(dst->dateTime, term.pcDateTime);
            break;
        case TT_External:
            dst->choiceId = Term::kExternal;
            dst->external = kivNewCodecRecord<codec::z3950::EXTERNAL>();
            if (term.psExternal) KivExternalToCodec(dst->external, term.psExternal.get());
            break;
        case TT_IntegerAndUnit:
            dst->choiceId = Term::kIntegerAndUnit;
            dst->integerAndUnit = kivNewCodecRecord<IntUnit>();
            if (term.psIntegerAndUnit) KivIntUnitToCodec(dst->integerAndUnit, term.psIntegerAndUnit.get());
            break;
        case TT_Null:
            dst->choiceId = Term::kNull;
            break;
        default:
            break;
    }
}

void KivOptionalTermToCodec(Term** dst, const KivTerm* src) {
    if (src == nullptr) return;
    *dst = kivNewCodecRecord<Term>();
    KivTermToCodec(*dst, src);
}

// ---- From the codec ----

void KivStringOrNumericFromCodec(KivStringOrNumeric* dst, const StringOrNumeric* src) {
    switch (src->choiceId) {
        case StringOrNumeric::kString:
            dst->eStringOrNumeric = kStringOrNumericString;
            KivNewInternationalStringFromCodec(&dst->uStringOrNumeric.psString, src->string);
            break;
        case StringOrNumeric::kNumeric:
            dst->eStringOrNumeric = kStringOrNumericNumeric;
            dst->uStringOrNumeric.ulNumeric = static_cast<uint32_t>(src->numeric);
            break;
        default:
            break;
    }
}

void KivOptionalStringOrNumericFromCodec(std::unique_ptr<KivStringOrNumeric>* dst,
                                         const StringOrNumeric* src) {
    if (src == nullptr) return;
    kivFromCodec([&] { *dst = std::make_unique<KivStringOrNumeric>(); });
    KivStringOrNumericFromCodec(dst->get(), src);
}

void KivStringOrNumericListFromCodec(KivArray<KivStringOrNumeric>* dst, const BerList* src) {
    kivFromCodec([&] {
        *dst = KivArray<KivStringOrNumeric>::emptyArray();
        kivForEachCodecListValue<StringOrNumeric>(
            src, [&](const StringOrNumeric& value) { KivStringOrNumericFromCodec(dst->emplace(), &value); });
    });
}

void KivUnitFromCodec(KivUnit* dst, const Unit* src) {
    if (src->unitSystem.length != 0)
        KivOptionalInternationalStringFromCodec(&dst->psUnitSystem, &src->unitSystem);
    KivOptionalStringOrNumericFromCodec(&dst->psUnitType, src->unitType);
    KivOptionalStringOrNumericFromCodec(&dst->psUnit, src->unit);
    KivOptionalIntegerFromCodec(&dst->pulScaleFactor, src->scaleFactor);
}

void KivOptionalUnitFromCodec(std::unique_ptr<KivUnit>* dst, const Unit* src) {
    if (src == nullptr) return;
    kivFromCodec([&] { *dst = std::make_unique<KivUnit>(); });
    KivUnitFromCodec(dst->get(), src);
}

void KivIntUnitFromCodec(KivIntUnit* dst, const IntUnit* src) {
    dst->ulValue = static_cast<uint32_t>(src->value);
    if (src->unitUsed != nullptr) KivUnitFromCodec(&dst->sUnitUsed, src->unitUsed);
}

void KivOptionalIntUnitFromCodec(std::unique_ptr<KivIntUnit>* dst, const IntUnit* src) {
    if (src == nullptr) return;
    kivFromCodec([&] { *dst = std::make_unique<KivIntUnit>(); });
    KivIntUnitFromCodec(dst->get(), src);
}

void KivAttributeElementFromCodec(KivAttributeElement* dst, const AttributeElement* src) {
    KivOptionalOidFromCodec(&dst->pcAttributeSetId, &src->attributeSet);
    dst->ulAttributeType = static_cast<uint32_t>(src->attributeType);
    const AttributeElementAttributeValue* value = src->attributeValue;
    if (value == nullptr) return;
    switch (value->choiceId) {
        case AttributeElementAttributeValue::kNumeric:
            dst->sAttributeValue.eAttributeValueType = kAttributeValueNumeric;
            dst->sAttributeValue.uAttributeValue.ulNumeric = static_cast<uint32_t>(value->numeric);
            break;
        case AttributeElementAttributeValue::kComplex:
            dst->sAttributeValue.eAttributeValueType = kAttributeValueComplex;
            if (value->complex == nullptr) break;
            kivFromCodec([&] {
                dst->sAttributeValue.uAttributeValue.psComplexValue = std::make_unique<KivComplexValue>();
            });
            KivComplexValueFromCodec(dst->sAttributeValue.uAttributeValue.psComplexValue.get(),
                                     value->complex);
            break;
        default:
            break;
    }
}

void KivComplexValueFromCodec(KivComplexValue* dst, const AttributeElementAttributeValueComplex* src) {
    KivStringOrNumericListFromCodec(&dst->ppsList, src->list);
    KivIntegerListFromCodec(&dst->ppulSemanticAction, src->semanticAction);
}

void KivAttributeListFromCodec(KivArray<KivAttributeElement>* dst, const BerList* src) {
    kivFromCodec([&] {
        *dst = KivArray<KivAttributeElement>::emptyArray();
        kivForEachCodecListValue<AttributeElement>(src, [&](const AttributeElement& value) {
            KivAttributeElementFromCodec(dst->emplace(), &value);
        });
    });
}

void KivAttributesPlusTermFromCodec(KivAttributesPlusTerm* dst, const AttributesPlusTerm* src) {
    KivAttributeListFromCodec(&dst->ppsAttributeElement, src->attributes);
    if (src->term != nullptr) KivTermFromCodec(&dst->sTerm, src->term);
}

void KivTermFromCodec(KivTerm* dst, const Term* src) {
    auto& term = dst->uTerm;
    switch (src->choiceId) {
        case Term::kGeneral:
            KivNewOctetsFromCodec(&term.psGeneral, src->general);
            break;
        case Term::kNumeric:
            term.ulInteger = static_cast<uint32_t>(src->numeric);
            break;
        case Term::kCharacterString:
            KivNewInternationalStringFromCodec(&term.psSimpleCharacter, src->characterString);
            break;
        case Term::kOid:
            KivOidFromCodec(&term.pcObjectIdentifier, src->oid);
            break;
        case Term::kDateTime:
            KivCStringFromCodec(&term.pcDateTime, src->dateTime);
            break;
        case Term::kExternal:
            KivOptionalExternalFromCodec(&term.psExternal, src->external);
            break;
        case Term::kIntegerAndUnit:
            KivOptionalIntUnitFromCodec(&term.psIntegerAndUnit, src->integerAndUnit);
            break;
        case Term::kNull:
            break;
        default:
            return;
    }
    dst->eTermType = src->choiceId + 1;
}

void KivOptionalTermFromCodec(std::unique_ptr<KivTerm>* dst, const Term* src) {
    if (src == nullptr) return;
    kivFromCodec([&] { *dst = std::make_unique<KivTerm>(); });
    KivTermFromCodec(dst->get(), src);
}
