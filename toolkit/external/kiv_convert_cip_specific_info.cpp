#include "toolkit/external/kiv_convert_cip_specific_info.h"

#include <memory>

#include "toolkit/api/kiv_cip_specific_info.h"
#include "toolkit/api/kiv_codec_alloc.h"
#include "toolkit/api/kiv_convert_attributes.h"
#include "toolkit/api/kiv_convert_basic.h"
#include "toolkit/api/kiv_convert_external_content_types.h"
#include "toolkit/codec/extensions/cipspecific.h"

namespace ext = codec::extensions;
using codec::z3950::IntUnit;

namespace {

// The wire number of an item descriptor, and back; 0 for one outside the table.
constexpr BerInteger kProductDescriptorOnTheWire = 3;

BerInteger itemDescriptorToCodec(int32_t value) {
    if (value == SCI_CollectionDescriptorSearch) return 1;
    if (value == SCI_ProductDescriptorSearch) return kProductDescriptorOnTheWire;
    return 0;
}

int32_t itemDescriptorFromCodec(BerInteger value) {
    if (value == 1) return SCI_CollectionDescriptorSearch;
    if (value == kProductDescriptorOnTheWire) return SCI_ProductDescriptorSearch;
    return 0;
}

// The scope numbers are the wire numbers; 0 for one outside the table.
int32_t searchScope(int32_t value) {
    return value == SCI1_LocalSearch || value == SCI1_WideSearch ? value : 0;
}

IntUnit* newIntUnit(const KivIntUnit& src) {
    auto* value = kivNewCodecRecord<IntUnit>();
    KivIntUnitToCodec(value, &src);
    return value;
}

void termToCodec(ext::CIPTerm* dst, const KivCIPTerm& src) {
    const auto& term = src.uCIPTermType;
    dst->choiceId = src.eCIPTermType - 1;
    switch (src.eCIPTermType) {
        case CTT_Wrsgrs:
            if (const KivWrsgrs* wrsgrs = term.psWrsgrs.get(); wrsgrs != nullptr) {
                dst->wrsgrs = kivNewCodecRecord<ext::CIPWrsgrs>();
                dst->wrsgrs->track = static_cast<BerInteger>(wrsgrs->ulTrack);
                KivIntegerListToCodec(&dst->wrsgrs->frames, &wrsgrs->ppsFrames);
            }
            break;
        case CTT_Circle:
            if (const KivCircle* circle = term.psCircle.get(); circle != nullptr) {
                dst->circle = kivNewCodecRecord<ext::CIPCircle>();
                dst->circle->point = kivNewCodecRecord<ext::CIPPoint>();
                KivInternationalStringToCodec(&dst->circle->point->latitude, &circle->sPoint.sLatitude);
                KivInternationalStringToCodec(&dst->circle->point->longitude, &circle->sPoint.sLongitude);
                dst->circle->radius = newIntUnit(circle->sRadius);
            }
            break;
        case CTT_TemporalPeriod:
            if (const KivTemporalPeriod* period = term.psTemporalPeriod.get(); period != nullptr) {
                dst->temporalPeriod = kivNewCodecRecord<ext::CIPTemporalPeriod>();
                KivInternationalStringToCodec(&dst->temporalPeriod->startDate, &period->sStartDate);
                dst->temporalPeriod->periodDuration = newIntUnit(period->sPeriodDuration);
                dst->temporalPeriod->periodCycle = newIntUnit(period->sPeriodCycle);
            }
            break;
        default:
            dst->choiceId = ext::CIPTerm::kAlternatives;
            break;
    }
}

void explainInfoToCodec(ext::CIPExplainInfo* dst, const KivExplainInfo& src) {
    KivInternationalStringToCodec(&dst->shortMeaning, src.psShortMeaning.get());
    KivOptionalUnitToCodec(&dst->unit, src.psUnit.get());
    KivInternationalStringToCodec(&dst->specificInstance, src.psSpecificInstance.get());
    KivInternationalStringToCodec(&dst->comment, src.psComment.get());
    KivInternationalStringToCodec(&dst->version, &src.sVersion);
    KivInternationalStringToCodec(&dst->valueSyntax, &src.sValueSyntax);
}

void intUnitFromCodec(KivIntUnit* dst, const IntUnit* src) {
    if (src != nullptr) KivIntUnitFromCodec(dst, src);
}

// A new string only when the codec text has data.
void optionalTextFromCodec(std::unique_ptr<KivInternationalString>* dst, const BerOctets& src) {
    if (src.length != 0) KivNewInternationalStringFromCodec(dst, &src);
}

void termFromCodec(KivCIPTerm* dst, const ext::CIPTerm& src) {
    auto& term = dst->uCIPTermType;
    dst->eCIPTermType = src.choiceId + 1;
    if (src.choiceId == ext::CIPTerm::kWrsgrs && src.wrsgrs != nullptr) {
        kivFromCodec([&] {
            term.psWrsgrs = std::make_unique<KivWrsgrs>();
            term.psWrsgrs->ppsFrames = KivArray<uint32_t>::emptyArray();
        });
        term.psWrsgrs->ulTrack = static_cast<uint32_t>(src.wrsgrs->track);
        KivIntegerListFromCodec(&term.psWrsgrs->ppsFrames, src.wrsgrs->frames);
    } else if (src.choiceId == ext::CIPTerm::kCircle && src.circle != nullptr) {
        kivFromCodec([&] { term.psCircle = std::make_unique<KivCircle>(); });
        if (const ext::CIPPoint* point = src.circle->point; point != nullptr) {
            KivInternationalStringFromCodec(&term.psCircle->sPoint.sLatitude, &point->latitude);
            KivInternationalStringFromCodec(&term.psCircle->sPoint.sLongitude, &point->longitude);
        }
        intUnitFromCodec(&term.psCircle->sRadius, src.circle->radius);
    } else if (src.choiceId == ext::CIPTerm::kTemporalPeriod && src.temporalPeriod != nullptr) {
        kivFromCodec([&] { term.psTemporalPeriod = std::make_unique<KivTemporalPeriod>(); });
        KivTemporalPeriod& period = *term.psTemporalPeriod;
        KivInternationalStringFromCodec(&period.sStartDate, &src.temporalPeriod->startDate);
        intUnitFromCodec(&period.sPeriodDuration, src.temporalPeriod->periodDuration);
        intUnitFromCodec(&period.sPeriodCycle, src.temporalPeriod->periodCycle);
    }
}

void explainInfoFromCodec(KivExplainInfo* dst, const ext::CIPExplainInfo& src) {
    optionalTextFromCodec(&dst->psShortMeaning, src.shortMeaning);
    KivOptionalUnitFromCodec(&dst->psUnit, src.unit);
    optionalTextFromCodec(&dst->psSpecificInstance, src.specificInstance);
    optionalTextFromCodec(&dst->psComment, src.comment);
    KivInternationalStringFromCodec(&dst->sVersion, &src.version);
    KivInternationalStringFromCodec(&dst->sValueSyntax, &src.valueSyntax);
}

}  // namespace

void KivCIPSpecificInfoToCodec(BerAny* dst, const KivSingleASN1Type* src) {
    const KivCIPSpecificInfo* info = src->uASN1.psCIPSpecificInfo.get();
    if (info == nullptr) return;
    const auto& chosen = info->uCIPSpecificInfo;
    switch (info->eCIPSpecificInfoType) {
        case CSIT_SearchControl: {
            auto* holder = kivNewContentValue<ext::CIPSpecificInfo>(dst);
            holder->choiceId = ext::CIPSpecificInfo::kSearchControl;
            if (const KivSearchControl* control = chosen.psSearchControl.get(); control != nullptr) {
                holder->searchControl = kivNewCodecRecord<ext::CIPSearchControl>();
                holder->searchControl->itemDescriptorType =
                    itemDescriptorToCodec(control->eItemDescriptorType);
                holder->searchControl->searchScope = searchScope(control->eSearchScope);
            }
            break;
        }
        case CSIT_Term: {
            auto* holder = kivNewContentValue<ext::CIPSpecificInfo>(dst);
            holder->choiceId = ext::CIPSpecificInfo::kTerm;
            if (const KivCIPTerm* term = chosen.psTerm.get(); term != nullptr) {
                holder->term = kivNewCodecRecord<ext::CIPTerm>();
                termToCodec(holder->term, *term);
            }
            break;
        }
        case CSIT_ExplainInfo: {
            auto* holder = kivNewContentValue<ext::CIPSpecificInfo>(dst);
            holder->choiceId = ext::CIPSpecificInfo::kExplainInfo;
            if (const KivExplainInfo* explain = chosen.psExplainInfo.get(); explain != nullptr) {
                holder->explainInfo = kivNewCodecRecord<ext::CIPExplainInfo>();
                explainInfoToCodec(holder->explainInfo, *explain);
            }
            break;
        }
        default:
            break;
    }
}

void KivCIPSpecificInfoFromCodec(KivSingleASN1Type* dst, const BerAny* src) {
    dst->eASN1Type = AT_CIPSpecificInfo;
    kivFromCodec([&] { dst->uASN1.psCIPSpecificInfo = std::make_unique<KivCIPSpecificInfo>(); });
    KivCIPSpecificInfo& info = *dst->uASN1.psCIPSpecificInfo;
    const auto* holder = static_cast<const ext::CIPSpecificInfo*>(src->value);
    if (holder == nullptr) return;
    auto& chosen = info.uCIPSpecificInfo;
    info.eCIPSpecificInfoType = holder->choiceId + 1;
    if (holder->choiceId == ext::CIPSpecificInfo::kSearchControl && holder->searchControl != nullptr) {
        kivFromCodec([&] { chosen.psSearchControl = std::make_unique<KivSearchControl>(); });
        chosen.psSearchControl->eItemDescriptorType =
            itemDescriptorFromCodec(holder->searchControl->itemDescriptorType);
        chosen.psSearchControl->eSearchScope = searchScope(holder->searchControl->searchScope);
    } else if (holder->choiceId == ext::CIPSpecificInfo::kTerm && holder->term != nullptr) {
        kivFromCodec([&] { chosen.psTerm = std::make_unique<KivCIPTerm>(); });
        termFromCodec(chosen.psTerm.get(), *holder->term);
    } else if (holder->choiceId == ext::CIPSpecificInfo::kExplainInfo && holder->explainInfo != nullptr) {
        kivFromCodec([&] { chosen.psExplainInfo = std::make_unique<KivExplainInfo>(); });
        explainInfoFromCodec(chosen.psExplainInfo.get(), *holder->explainInfo);
    }
}
