#include "toolkit/external/kiv_convert_char_set_and_language.h"

#include <cstdint>
#include <memory>
#include <type_traits>

#include "toolkit/api/kiv_char_set_and_language.h"
#include "toolkit/api/kiv_codec_alloc.h"
#include "toolkit/api/kiv_convert_basic.h"
#include "toolkit/api/kiv_convert_external.h"
#include "toolkit/api/kiv_convert_external_content_types.h"
#include "toolkit/codec/extensions/charset.h"
#include "toolkit/codec/extensions/charset3.h"
#include "toolkit/external/kiv_carried_lists.h"
#include "toolkit/external/kiv_carried_records.h"

using codec::extensions::CharSetandLanguageNegotiation;
using codec::extensions::CharSetandLanguageNegotiationV3;
using codec::extensions::Environment;
using codec::extensions::InitialSet;
using codec::extensions::Iso10646;
using codec::extensions::Iso10646V3;
using codec::extensions::Iso2022;
using codec::extensions::Iso2022OriginProposal;
using codec::extensions::Iso2022TargetResponse;
using codec::extensions::LeftAndRight;
using codec::extensions::PrivateCharacterSet;
using codec::extensions::ProposedCharSet;

namespace {

// ---- Towards the codec ----

void environmentToCodec(Environment* dst, const KivEnvironment& src) {
    dst->choiceId = src.eEnvironmentType == ENT_EightBit ? Environment::kEightBit : Environment::kSevenBit;
}

void initialSetToCodec(InitialSet* dst, const KivInitialSet& src) {
    dst->g0 = static_cast<BerInteger>(src.ulG0);
    dst->g1 = static_cast<BerInteger>(src.ulG1);
    dst->g2 = static_cast<BerInteger>(src.ulG2);
    dst->g3 = static_cast<BerInteger>(src.ulG3);
    dst->c0 = static_cast<BerInteger>(src.ulC0);
    dst->c1 = static_cast<BerInteger>(src.ulC1);
}

void leftAndRightToCodec(LeftAndRight* dst, const KivLeftAndRight& src) {
    dst->gLeft = static_cast<BerInteger>(src.ulGLeft);
    dst->gRight = static_cast<BerInteger>(src.ulGRight);
}

void setNumbersToCodec(BerList** dst, const KivArray<uint32_t>& src) {
    KivOptionalArrayToCodec<BerInteger>(dst, src, [](BerInteger* number, const uint32_t& value) {
        *number = static_cast<BerInteger>(value);
    });
}

void originProposalToCodec(Iso2022OriginProposal* dst, const KivIso2022OriginProposal& src) {
    kivNewRecordToCodec(&dst->proposedEnvironment, src.psProposedEnvironment.get(), environmentToCodec);
    setNumbersToCodec(&dst->proposedSets, src.ppulProposedSets);
    KivOptionalArrayToCodec<InitialSet>(&dst->proposedInitialSets, src.ppsProposedInitialSets,
                                        initialSetToCodec);
    kivNewRecordToCodec(&dst->proposedLeftAndRight, src.psProposedLeftAndRight.get(), leftAndRightToCodec);
}

void targetResponseToCodec(Iso2022TargetResponse* dst, const KivIso2022TargetResponse& src) {
    kivNewRecordToCodec(&dst->selectedEnvironment, src.psSelectedEnvironment.get(), environmentToCodec);
    setNumbersToCodec(&dst->selectedSets, src.ppulSelectedSets);
    kivNewRecordToCodec(&dst->selectedinitialSet, src.psSelectedInitialSet.get(), initialSetToCodec);
    kivNewRecordToCodec(&dst->selectedLeftAndRight, src.psSelectedLeftAndRight.get(), leftAndRightToCodec);
}

void iso2022ToCodec(Iso2022* dst, const KivIso2022& src) {
    const auto& member = src.uIso2022Type;
    switch (src.eIso2022Type) {
        case I2022T_TargetResponse:
            dst->choiceId = Iso2022::kTargetResponse;
            kivNewRecordToCodec(&dst->targetResponse, member.psTargetResponse.get(), targetResponseToCodec);
            break;
        case I2022T_OriginProposal:
            kivNewRecordToCodec(&dst->originProposal, member.psOriginProposal.get(), originProposalToCodec);
            [[fallthrough]];
        default:
            dst->choiceId = Iso2022::kOriginProposal;
            break;
    }
}

// Either version's ISO 10646 set.
template <typename Record>
void iso10646ToCodec(Record* dst, const KivIso10646& src) {
    KivOptionalOidToCodec(&dst->collections, src.pcCollections);
    KivOptionalOidToCodec(&dst->encodingLevel, src.pcEncodingLevel);
}

void privateToCodec(PrivateCharacterSet* dst, const KivPrivateCharacterSet& src) {
    const auto& member = src.uPrivateCharacterSet;
    switch (src.ePrivateCharacterSetType) {
        case PCST_ExternallySpecified:
            dst->choiceId = PrivateCharacterSet::kExternallySpecified;
            KivOptionalExternalToCodec(&dst->externallySpecified, member.psExternallySpecified.get());
            break;
        case PCST_PreviouslyAgreedUpon:
            dst->choiceId = PrivateCharacterSet::kPreviouslyAgreedUpon;
            break;
        case PCST_ViaOid:
            KivOptionalArrayToCodec<BerOid>(
                &dst->viaOid, member.ppcViaOid,
                [](BerOid* oid, const std::string& text) { KivOidToCodec(oid, text); });
            [[fallthrough]];
        default:
            dst->choiceId = PrivateCharacterSet::kViaOid;
            break;
    }
}

// The three alternatives that a proposed and a selected set share; the codec's choice numbers are the
// interface's selectors less one. Returns false for any other selector, leaving the first alternative empty.
template <typename Record, typename Members>
bool charSetToCodec(Record* dst, int32_t selector, const Members& member) {
    switch (selector) {
        case PRCST_Iso2022:
            dst->choiceId = Record::kIso2022;
            kivNewRecordToCodec(&dst->iso2022, member.psIso2022.get(), iso2022ToCodec);
            return true;
        case PRCST_Iso10646:
            dst->choiceId = Record::kIso10646;
            kivNewRecordToCodec(&dst->iso10646, member.psIso10646.get(),
                             iso10646ToCodec<std::remove_pointer_t<decltype(dst->iso10646)>>);
            return true;
        case PRCST_Private:
            dst->choiceId = Record::kPrivate;
            kivNewRecordToCodec(&dst->private_, member.psPrivate.get(), privateToCodec);
            return true;
        default:
            dst->choiceId = Record::kIso2022;
            return false;
    }
}

template <typename Record>
void proposedCharSetToCodec(Record* dst, const KivProposedCharSet& src) {
    charSetToCodec(dst, src.eProposedCharSetType, src.uProposedCharSet);
}

template <typename Record>
void selectedCharSetToCodec(Record* dst, const KivSelectedCharSet& src) {
    if (charSetToCodec(dst, src.eSelectedCharSetType, src.uSelectedCharSet)) return;
    if (src.eSelectedCharSetType == SCST_None) dst->choiceId = Record::kNone;
}

// The proposal of either version; ProposedCharSet is that version's element type.
template <typename ProposedCharSet, typename Record>
void proposalToCodec(Record* dst, const KivCharSetProposal& src) {
    KivOptionalArrayToCodec<ProposedCharSet>(&dst->proposedCharSets, src.ppsProposedCharSets,
                                             proposedCharSetToCodec<ProposedCharSet>);
    KivOptionalInternationalStringListToCodec(&dst->proposedlanguages, &src.ppsProposedLanguages);
    KivOptionalBooleanToCodec(&dst->recordsInSelectedCharSets, &src.pfRecordsInSelectedCharSets);
}

template <typename Record>
void responseToCodec(Record* dst, const KivCharSetResponse& src) {
    kivNewRecordToCodec(&dst->selectedCharSets, src.psSelectedCharSets.get(),
                     selectedCharSetToCodec<std::remove_pointer_t<decltype(dst->selectedCharSets)>>);
    // A present language is sent even when it is empty.
    if (const KivInternationalString* language = src.psSelectedLanguage.get(); language != nullptr) {
        kivCodecCopy(&dst->selectedLanguage, language->pcValue.data(), language->pcValue.size());
    }
    KivOptionalBooleanToCodec(&dst->recordsInSelectedCharSets, &src.pfRecordsInSelectedCharSets);
}

// ---- From the codec ----

void environmentFromCodec(KivEnvironment* dst, const Environment& src) {
    dst->eEnvironmentType = kivSelectorOf(src.choiceId, Environment::kAlternatives);
}

void initialSetFromCodec(KivInitialSet* dst, const InitialSet& src) {
    dst->ulG0 = static_cast<uint32_t>(src.g0);
    dst->ulG1 = static_cast<uint32_t>(src.g1);
    dst->ulG2 = static_cast<uint32_t>(src.g2);
    dst->ulG3 = static_cast<uint32_t>(src.g3);
    dst->ulC0 = static_cast<uint32_t>(src.c0);
    dst->ulC1 = static_cast<uint32_t>(src.c1);
}

void leftAndRightFromCodec(KivLeftAndRight* dst, const LeftAndRight& src) {
    dst->ulGLeft = static_cast<uint32_t>(src.gLeft);
    dst->ulGRight = static_cast<uint32_t>(src.gRight);
}

void setNumbersFromCodec(KivArray<uint32_t>* dst, const BerList* src) {
    KivArrayFromCodec<BerInteger>(
        dst, src, [](uint32_t* number, const BerInteger& value) { *number = static_cast<uint32_t>(value); });
}

void originProposalFromCodec(KivIso2022OriginProposal* dst, const Iso2022OriginProposal& src) {
    kivNewStructureFromCodec(&dst->psProposedEnvironment, src.proposedEnvironment, environmentFromCodec);
    setNumbersFromCodec(&dst->ppulProposedSets, src.proposedSets);
    KivArrayFromCodec<InitialSet>(&dst->ppsProposedInitialSets, src.proposedInitialSets, initialSetFromCodec);
    kivNewStructureFromCodec(&dst->psProposedLeftAndRight, src.proposedLeftAndRight, leftAndRightFromCodec);
}

void targetResponseFromCodec(KivIso2022TargetResponse* dst, const Iso2022TargetResponse& src) {
    kivNewStructureFromCodec(&dst->psSelectedEnvironment, src.selectedEnvironment, environmentFromCodec);
    setNumbersFromCodec(&dst->ppulSelectedSets, src.selectedSets);
    kivNewStructureFromCodec(&dst->psSelectedInitialSet, src.selectedinitialSet, initialSetFromCodec);
    kivNewStructureFromCodec(&dst->psSelectedLeftAndRight, src.selectedLeftAndRight, leftAndRightFromCodec);
}

void iso2022FromCodec(KivIso2022* dst, const Iso2022& src) {
    auto& member = dst->uIso2022Type;
    dst->eIso2022Type = kivSelectorOf(src.choiceId, Iso2022::kAlternatives);
    switch (src.choiceId) {
        case Iso2022::kOriginProposal:
            kivNewStructureFromCodec(&member.psOriginProposal, src.originProposal, originProposalFromCodec);
            break;
        case Iso2022::kTargetResponse:
            kivNewStructureFromCodec(&member.psTargetResponse, src.targetResponse, targetResponseFromCodec);
            break;
        default:
            break;
    }
}

void iso10646FromCodec(KivIso10646* dst, const Iso10646& src) {
    KivOidFromCodec(&dst->pcCollections, &src.collections);
    KivOidFromCodec(&dst->pcEncodingLevel, &src.encodingLevel);
}

// Version 3 may leave out the collections.
void iso10646FromCodec(KivIso10646* dst, const Iso10646V3& src) {
    KivOptionalOidFromCodec(&dst->pcCollections, &src.collections);
    KivOidFromCodec(&dst->pcEncodingLevel, &src.encodingLevel);
}

void privateFromCodec(KivPrivateCharacterSet* dst, const PrivateCharacterSet& src) {
    auto& member = dst->uPrivateCharacterSet;
    dst->ePrivateCharacterSetType = kivSelectorOf(src.choiceId, PrivateCharacterSet::kAlternatives);
    switch (src.choiceId) {
        case PrivateCharacterSet::kViaOid:
            KivFillOidListFromCodec(&member.ppcViaOid, src.viaOid);
            break;
        case PrivateCharacterSet::kExternallySpecified:
            KivOptionalExternalFromCodec(&member.psExternallySpecified, src.externallySpecified);
            break;
        default:
            break;
    }
}

// The three alternatives that a proposed and a selected set share.
template <typename Record, typename Members>
void charSetFromCodec(Members* member, const Record& src) {
    switch (src.choiceId) {
        case Record::kIso2022:
            kivNewStructureFromCodec(&member->psIso2022, src.iso2022, iso2022FromCodec);
            break;
        case Record::kIso10646:
            kivNewStructureFromCodec(
                &member->psIso10646, src.iso10646,
                [](KivIso10646* iso10646, const auto& value) { iso10646FromCodec(iso10646, value); });
            break;
        case Record::kPrivate:
            kivNewStructureFromCodec(&member->psPrivate, src.private_, privateFromCodec);
            break;
        default:
            break;
    }
}

template <typename Record>
void proposedCharSetFromCodec(KivProposedCharSet* dst, const Record& src) {
    dst->eProposedCharSetType = kivSelectorOf(src.choiceId, Record::kAlternatives);
    charSetFromCodec(&dst->uProposedCharSet, src);
}

template <typename Record>
void selectedCharSetFromCodec(KivSelectedCharSet* dst, const Record& src) {
    dst->eSelectedCharSetType = kivSelectorOf(src.choiceId, Record::kAlternatives);
    charSetFromCodec(&dst->uSelectedCharSet, src);
}

template <typename ProposedCharSet, typename Record>
void proposalFromCodec(KivCharSetProposal* dst, const Record& src) {
    KivOptionalArrayFromCodec<ProposedCharSet>(&dst->ppsProposedCharSets, src.proposedCharSets,
                                               proposedCharSetFromCodec<ProposedCharSet>);
    KivInternationalStringListFromCodec(&dst->ppsProposedLanguages, src.proposedlanguages);
    KivOptionalBooleanFromCodec(&dst->pfRecordsInSelectedCharSets, src.recordsInSelectedCharSets);
}

template <typename Record>
void responseFromCodec(KivCharSetResponse* dst, const Record& src) {
    kivNewStructureFromCodec(&dst->psSelectedCharSets, src.selectedCharSets,
                          selectedCharSetFromCodec<std::remove_pointer_t<decltype(src.selectedCharSets)>>);
    if (src.selectedLanguage.length > 0) {
        KivNewInternationalStringFromCodec(&dst->psSelectedLanguage, &src.selectedLanguage);
    }
    KivOptionalBooleanFromCodec(&dst->pfRecordsInSelectedCharSets, src.recordsInSelectedCharSets);
}

// The record into a new value of the bound version's top type.
template <typename Negotiation, typename ProposedCharSet>
void negotiationToCodec(BerAny* dst, const KivCharSetAndLanguage& record) {
    auto* holder = kivNewContentValue<Negotiation>(dst);
    const auto& member = record.uCharSetAndLanguage;
    switch (record.eCharSetAndLanguageType) {
        case CSALT_Response:
            holder->choiceId = Negotiation::kResponse;
            kivNewRecordToCodec(&holder->response, member.psResponse.get(),
                             responseToCodec<std::remove_pointer_t<decltype(holder->response)>>);
            break;
        case CSALT_Proposal:
            kivNewRecordToCodec(
                &holder->proposal, member.psProposal.get(),
                proposalToCodec<ProposedCharSet, std::remove_pointer_t<decltype(holder->proposal)>>);
            [[fallthrough]];
        default:
            holder->choiceId = Negotiation::kProposal;
            break;
    }
}

template <typename Negotiation, typename ProposedCharSet>
void negotiationFromCodec(KivCharSetAndLanguage* record, const Negotiation& holder) {
    auto& member = record->uCharSetAndLanguage;
    record->eCharSetAndLanguageType = kivSelectorOf(holder.choiceId, Negotiation::kAlternatives);
    switch (holder.choiceId) {
        case Negotiation::kProposal:
            kivNewStructureFromCodec(
                &member.psProposal, holder.proposal,
                proposalFromCodec<ProposedCharSet, std::remove_pointer_t<decltype(holder.proposal)>>);
            break;
        case Negotiation::kResponse:
            kivNewStructureFromCodec(&member.psResponse, holder.response,
                                  responseFromCodec<std::remove_pointer_t<decltype(holder.response)>>);
            break;
        default:
            break;
    }
}

// True when the value is bound to version 3 (1.2.840.10003.15.3).
bool isVersion3(const BerAny* any) {
    return any->entry != nullptr &&
           any->entry->decode == codec::extensions::any::DecodeCharSetandLanguageNegotiationV3;
}

}  // namespace

void KivCharSetAndLanguageToCodec(BerAny* dst, const KivSingleASN1Type* src) {
    const KivCharSetAndLanguage* record = src->uASN1.psCharSetAndLanguage.get();
    if (record == nullptr) return;
    if (isVersion3(dst)) {
        negotiationToCodec<CharSetandLanguageNegotiationV3, codec::extensions::ProposedCharSetV3>(dst,
                                                                                                  *record);
    } else {
        negotiationToCodec<CharSetandLanguageNegotiation, ProposedCharSet>(dst, *record);
    }
}

void KivCharSetAndLanguageFromCodec(KivSingleASN1Type* dst, const BerAny* src) {
    dst->eASN1Type = AT_CharSetAndLanguage;
    kivFromCodec([&] { dst->uASN1.psCharSetAndLanguage = std::make_unique<KivCharSetAndLanguage>(); });
    KivCharSetAndLanguage* record = dst->uASN1.psCharSetAndLanguage.get();
    if (src->value == nullptr) {
        record->eCharSetAndLanguageType = CSALT_Invalid;
    } else if (isVersion3(src)) {
        negotiationFromCodec<CharSetandLanguageNegotiationV3, codec::extensions::ProposedCharSetV3>(
            record, *static_cast<const CharSetandLanguageNegotiationV3*>(src->value));
    } else {
        negotiationFromCodec<CharSetandLanguageNegotiation, ProposedCharSet>(
            record, *static_cast<const CharSetandLanguageNegotiation*>(src->value));
    }
}
