#include "toolkit/api/kiv_convert_composition.h"

#include "toolkit/api/kiv_convert_basic.h"
#include "toolkit/api/kiv_convert_core_records_fields.h"
#include "toolkit/api/kiv_convert_external.h"
#include "toolkit/asn1/oid_text.h"

using codec::z3950::CompSpec;
using codec::z3950::CompSpecDbSpecificItem;
using codec::z3950::ElementSetNames;
using codec::z3950::PresentRequestRecordComposition;
using codec::z3950::Specification;
using codec::z3950::SpecificationElementSpec;

namespace {

// eRecordCompositionType: element-set names or a CompSpec.
constexpr int32_t kElementSetNames = 1;
constexpr int32_t kCompSpec = 2;

void elementSpecToCodec(SpecificationElementSpec* dst, const KivElementSpec* src) {
    const auto& member = src->uElementSpec;
    switch (src->eElementSpecType) {
        case EST_Primitive:
            dst->choiceId = SpecificationElementSpec::kElementSetName;
            KivNewInternationalStringToCodec(&dst->elementSetName, member.psPrimitive.get());
            break;
        case EST_External:
            dst->choiceId = SpecificationElementSpec::kExternalEspec;
            KivOptionalExternalToCodec(&dst->externalEspec, member.psExternal.get());
            break;
        default:
            break;
    }
}

void dbSpecificToCodec(CompSpecDbSpecificItem* dst, const KivDbSpecific* src) {
    KivInternationalStringToCodec(&dst->db, &src->sDatabaseName);
    kivNewToCodec(&dst->spec, &src->sSpecification, KivSpecificationToCodec);
}

void elementSpecFromCodec(KivElementSpec* dst, const SpecificationElementSpec* src) {
    auto& member = dst->uElementSpec;
    switch (src->choiceId) {
        case SpecificationElementSpec::kElementSetName:
            dst->eElementSpecType = EST_Primitive;
            if (src->elementSetName != nullptr)
                KivNewInternationalStringFromCodec(&member.psPrimitive, src->elementSetName);
            break;
        case SpecificationElementSpec::kExternalEspec:
            dst->eElementSpecType = EST_External;
            KivOptionalExternalFromCodec(&member.psExternal, src->externalEspec);
            break;
        default:
            break;
    }
}

void dbSpecificFromCodec(KivDbSpecific* dst, const CompSpecDbSpecificItem* src) {
    KivInternationalStringFromCodec(&dst->sDatabaseName, &src->db);
    if (src->spec != nullptr) KivSpecificationFromCodec(&dst->sSpecification, src->spec);
}

}  // namespace

// ---- Towards the codec ----

void KivRecordCompositionToCodec(PresentRequestRecordComposition* dst, const KivRecordComposition* src) {
    const auto& member = src->uRecordComposition;
    switch (src->eRecordCompositionType) {
        case kElementSetNames:
            dst->choiceId = PresentRequestRecordComposition::kSimple;
            kivNewToCodec(&dst->simple, member.psElementSetNames.get(), KivElementSetNamesToCodec);
            break;
        case kCompSpec:
            dst->choiceId = PresentRequestRecordComposition::kComplex;
            kivNewToCodec(&dst->complex, member.psCompSpec.get(), KivCompSpecToCodec);
            break;
        default:
            break;
    }
}

void KivNewCompSpecToCodec(CompSpec** dst, const KivCompSpec* src) {
    *dst = kivNewCodecRecord<CompSpec>();
    KivCompSpecToCodec(*dst, src);
}

void KivCompSpecToCodec(CompSpec* dst, const KivCompSpec* src) {
    KivBooleanToCodec(&dst->selectAlternativeSyntax, &src->fSelectAlternativeSyntax);
    kivNewToCodec(&dst->generic, src->psGeneric.get(), KivSpecificationToCodec);
    kivArrayToCodec<CompSpecDbSpecificItem>(&dst->dbSpecific, src->ppsDbSpecific, dbSpecificToCodec);
    kivArrayToCodec<BerOid>(&dst->recordSyntax, src->ppcRecordSyntax,
                            [](BerOid* element, const std::string* text) { KivOidToCodec(element, *text); });
}

void KivSpecificationToCodec(Specification* dst, const KivSpecification* src) {
    KivOptionalOidToCodec(&dst->schema, src->pcSchema);
    kivNewToCodec(&dst->elementSpec, src->psElementSpec.get(), elementSpecToCodec);
}

// ---- From the codec ----

void KivRecordCompositionFromCodec(KivRecordComposition* dst, const PresentRequestRecordComposition* src) {
    auto& member = dst->uRecordComposition;
    switch (src->choiceId) {
        case PresentRequestRecordComposition::kSimple:
            dst->eRecordCompositionType = kElementSetNames;
            kivNewFromCodec(&member.psElementSetNames, src->simple, KivElementSetNamesFromCodec);
            break;
        case PresentRequestRecordComposition::kComplex:
            dst->eRecordCompositionType = kCompSpec;
            kivNewFromCodec(&member.psCompSpec, src->complex, KivCompSpecFromCodec);
            break;
        default:
            break;
    }
}

void KivCompSpecFromCodec(KivCompSpec* dst, const CompSpec* src) {
    KivBooleanFromCodec(&dst->fSelectAlternativeSyntax, &src->selectAlternativeSyntax);
    kivNewFromCodec(&dst->psGeneric, src->generic, KivSpecificationFromCodec);
    kivArrayFromCodec<CompSpecDbSpecificItem>(&dst->ppsDbSpecific, src->dbSpecific, dbSpecificFromCodec);
    KivOptionalOidListFromCodec(&dst->ppcRecordSyntax, src->recordSyntax);
}

void KivSpecificationFromCodec(KivSpecification* dst, const Specification* src) {
    KivOptionalOidFromCodec(&dst->pcSchema, &src->schema);
    kivNewFromCodec(&dst->psElementSpec, src->elementSpec, elementSpecFromCodec);
}

void KivOidListFromCodec(KivArray<std::string>* dst, const BerList* src) {
    kivFromCodec([&] {
        *dst = KivArray<std::string>::emptyArray();
        kivForEachCodecListValue<BerOid>(src, [&](const BerOid& oid) { dst->emplace(ASN_OidToText(&oid)); });
    });
}

void KivOptionalOidListFromCodec(KivArray<std::string>* dst, const BerList* src) {
    if (src != nullptr) KivOidListFromCodec(dst, src);
}
