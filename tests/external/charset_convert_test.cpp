// Character-set and language negotiation records through the codec: structure -> codec record -> BER ->
// codec record -> structure, under both identifiers, with the octets checked where the rules send a value
// differently from how it comes back.

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "tests/codec/z3950/generated_codec_harness.h"
#include "tests/external/charset_samples.h"
#include "tests/external/external_round_trip.h"
#include "toolkit/api/kiv_codec_alloc.h"
#include "toolkit/api/kiv_convert_basic.h"
#include "toolkit/api/kiv_register_codec_types.h"
#include "toolkit/codec/extensions/charset.h"
#include "toolkit/external/kiv_convert_char_set_and_language.h"

namespace charset_convert_cases {
namespace {

using codec::extensions::CharSetandLanguageNegotiation;
using namespace charset_test;

const GeneratedType kNegotiation = GENERATED_TYPE(codec::extensions, CharSetandLanguageNegotiation, 0);

// The octets of the codec value that the record converts to under oid.
std::vector<uint8_t> sentOctets(KivCharSetAndLanguage record, const char* oid = kCharsetOid) {
    KivRegisterCodecTypes();
    const auto external = charsetExternal(std::move(record), oid);
    BerOid encoded{};
    KivOidToCodec(&encoded, oid);
    BerAny any{};
    ASN_BindAnyByOid(&any, &encoded);
    ASN_FreeOid(&encoded);
    KivCharSetAndLanguageToCodec(&any, external->uExternalValue.psSingleASN1Type.get());
    EXPECT_NE(any.value, nullptr);
    std::vector<uint8_t> octets = encodeElement(kNegotiation, any.value);
    ASN_FreeAny(&any);
    return octets;
}

// The record that the conversion from the codec builds from the octets of a codec value.
std::unique_ptr<KivSingleASN1Type> receivedCharset(const std::vector<uint8_t>& octets) {
    GeneratedRecord codec(kNegotiation);
    EXPECT_EQ(decodeElement(kNegotiation, octets, codec.get()).code, 0);
    auto content = std::make_unique<KivSingleASN1Type>();
    BerAny any{nullptr, codec.get()};
    KivCharSetAndLanguageFromCodec(content.get(), &any);
    return content;
}

const KivCharSetProposal& proposalOf(const KivSingleASN1Type& content) {
    return *content.uASN1.psCharSetAndLanguage->uCharSetAndLanguage.psProposal;
}
const KivCharSetResponse& responseOf(const KivSingleASN1Type& content) {
    return *content.uASN1.psCharSetAndLanguage->uCharSetAndLanguage.psResponse;
}

// Every member of the samples survives the road there and back, shown by the trace, which prints them all.
TEST(CharsetConvert, EveryRecordComesBackAsItWasSentUnderEachIdentifier) {
    struct Sample {
        const char* name;
        KivCharSetAndLanguage (*make)();
    };
    const Sample samples[] = {
        {"full proposal", fullProposal},
        {"ISO 2022 response", iso2022Response},
        {"ISO 10646 response", [] { return selectedResponse(SCST_Iso10646); }},
        {"private response", [] { return selectedResponse(SCST_Private); }},
        {"response selecting none", [] { return selectedResponse(SCST_None); }},
    };
    for (const Sample& sample : samples) {
        for (const char* oid : {kCharsetOid, kCharsetIsoOid, kCharsetV3Oid}) {
            const auto sent = charsetExternal(sample.make(), oid);
            const auto back = throughCodec(*sent);
            ASSERT_NE(back->uExternalValue.psSingleASN1Type, nullptr) << sample.name;
            EXPECT_EQ(back->uExternalValue.psSingleASN1Type->eASN1Type, AT_CharSetAndLanguage) << sample.name;
            const std::string trace = traced(*back);
            EXPECT_NE(trace.find("\tpsCharSetAndLanguage:\n"), std::string::npos) << trace;
            EXPECT_EQ(trace, traced(*sent)) << sample.name << " under " << oid;
        }
    }
}

TEST(CharsetConvert, RecordsEncodeAsTheFormatDefinesThem) {
    // An ISO 2022 target response with the language en and records not in the selected sets.
    EXPECT_EQ(
        sentOctets(iso2022Response(), kCharsetIsoOid),
        hexOctets("A2 32 A1 29 A1 27 A2 25 A0 02 81 00 A1 03 02 01 03 A2 12 80 01 1E 81 01 1F 82 01 20 83 "
                  "01 21 84 01 22 85 01 23 A3 06 83 01 01 84 01 02 82 02 65 6E 83 01 00"));
    EXPECT_EQ(sentOctets(selectedResponse(SCST_None)), hexOctets("A2 04 A1 02 84 00"));

    // A proposal with every member absent, and one whose only member is an empty proposed-sets list.
    EXPECT_EQ(sentOctets(emptyRecord(CSALT_Proposal)), hexOctets("A1 00"));
    const auto nothing = receivedCharset(hexOctets("A1 00"));
    const KivCharSetProposal& none = proposalOf(*nothing);
    EXPECT_FALSE(none.ppsProposedCharSets.present());
    EXPECT_FALSE(none.ppsProposedLanguages.present());
    EXPECT_FALSE(none.pfRecordsInSelectedCharSets.has_value());

    KivCharSetAndLanguage emptySets = emptyRecord(CSALT_Proposal);
    emptySets.uCharSetAndLanguage.psProposal->ppsProposedCharSets =
        KivArray<KivProposedCharSet>::emptyArray();
    EXPECT_EQ(sentOctets(std::move(emptySets)), hexOctets("A1 02 A1 00"));
    const auto emptyBack = receivedCharset(hexOctets("A1 02 A1 00"));
    EXPECT_TRUE(proposalOf(*emptyBack).ppsProposedCharSets.present());
    EXPECT_EQ(proposalOf(*emptyBack).ppsProposedCharSets.size(), 0u);
}

TEST(CharsetConvert, EmptySetListsAndLanguages) {
    // An ISO 2022 origin proposal with no set numbers sends a present, empty list and gets one back.
    KivCharSetAndLanguage record = fullProposal();
    KivProposedCharSet& iso2022 = *record.uCharSetAndLanguage.psProposal->ppsProposedCharSets[0];
    iso2022.uProposedCharSet.psIso2022->uIso2022Type.psOriginProposal->ppulProposedSets = numbers({});
    const auto back = receivedCharset(sentOctets(std::move(record)));
    const KivCharSetProposal& proposal = proposalOf(*back);
    const auto& sets = proposal.ppsProposedCharSets[0]
                           ->uProposedCharSet.psIso2022->uIso2022Type.psOriginProposal->ppulProposedSets;
    EXPECT_TRUE(sets.present());
    EXPECT_EQ(sets.size(), 0u);

    // An empty proposed language is sent as an empty GeneralString and comes back present and empty.
    ASSERT_EQ(proposal.ppsProposedLanguages.size(), 3u);
    EXPECT_EQ(proposal.ppsProposedLanguages[1]->pcValue, "");
    EXPECT_EQ(proposal.ppsProposedLanguages[2]->pcValue, "fre");

    // A present, empty selected language is sent with length 0 and comes back as no language.
    KivCharSetAndLanguage response = emptyRecord(CSALT_Response);
    response.uCharSetAndLanguage.psResponse->psSelectedLanguage = std::make_unique<KivInternationalString>();
    const std::vector<uint8_t> octets = sentOctets(std::move(response));
    EXPECT_EQ(octets, hexOctets("A2 02 82 00"));
    EXPECT_EQ(responseOf(*receivedCharset(octets)).psSelectedLanguage, nullptr);
}

TEST(CharsetConvert, AlternativesTheInterfaceDoesNotNameBecomeInvalidSelectors) {
    const auto selectorsOf = [](int32_t topChoice, int32_t selectedChoice) {
        GeneratedRecord codec(kNegotiation);
        auto* holder = static_cast<CharSetandLanguageNegotiation*>(codec.get());
        holder->choiceId = topChoice;
        if (topChoice == CharSetandLanguageNegotiation::kResponse) {
            holder->response = kivNewCodecRecord<codec::extensions::TargetResponse>();
            holder->response->selectedCharSets = kivNewCodecRecord<codec::extensions::SelectedCharSet>();
            holder->response->selectedCharSets->choiceId = selectedChoice;
        }
        KivSingleASN1Type content;
        BerAny any{nullptr, holder};
        KivCharSetAndLanguageFromCodec(&content, &any);
        const KivCharSetAndLanguage& record = *content.uASN1.psCharSetAndLanguage;
        const KivCharSetResponse* response = record.uCharSetAndLanguage.psResponse.get();
        return std::to_string(record.eCharSetAndLanguageType) + " " +
               (response != nullptr ? std::to_string(response->psSelectedCharSets->eSelectedCharSetType)
                                    : "-") +
               (record.uCharSetAndLanguage.psProposal != nullptr ? " proposal" : "");
    };
    EXPECT_EQ(selectorsOf(CharSetandLanguageNegotiation::kAlternatives, 0), "-1 -");
    EXPECT_EQ(
        selectorsOf(CharSetandLanguageNegotiation::kResponse, codec::extensions::SelectedCharSet::kNone),
        "2 4");
    EXPECT_EQ(selectorsOf(CharSetandLanguageNegotiation::kResponse, 7), "2 -1");
}

// Version 3 as yaz-client proposes UTF-8: an ISO 10646 set without collections.
TEST(CharsetConvert, AVersion3SetWithoutCollectionsArrivesWithoutThem) {
    KivRegisterCodecTypes();
    const auto external = charsetExternal(fullProposal(), kCharsetV3Oid);
    auto& iso10646 = *external->uExternalValue.psSingleASN1Type->uASN1.psCharSetAndLanguage
                          ->uCharSetAndLanguage.psProposal->ppsProposedCharSets[1]
                          ->uProposedCharSet.psIso10646;
    iso10646.pcCollections.reset();
    const auto back = throughCodec(*external);
    const auto& received =
        *back->uExternalValue.psSingleASN1Type->uASN1.psCharSetAndLanguage->uCharSetAndLanguage.psProposal
             ->ppsProposedCharSets[1]
             ->uProposedCharSet.psIso10646;
    EXPECT_FALSE(received.pcCollections.has_value());
    EXPECT_EQ(received.pcEncodingLevel, "1.0.10646.1.0.2");
}

// Compulsory members the validation would have refused are left absent, never followed.
TEST(CharsetConvert, MissingCompulsoryMembersAreNotFollowed) {
    KivCharSetAndLanguage record = iso2022Response();
    auto& target = *record.uCharSetAndLanguage.psResponse->psSelectedCharSets->uSelectedCharSet.psIso2022
                        ->uIso2022Type.psTargetResponse;
    target.psSelectedEnvironment.reset();
    target.psSelectedInitialSet.reset();
    target.psSelectedLeftAndRight.reset();
    EXPECT_EQ(sentOctets(std::move(record)),
              hexOctets("A2 18 A1 0F A1 0D A2 0B A0 00 A1 03 02 01 03 A2 00 A3 00 82 02 65 6E 83 01 00"));

    KivCharSetAndLanguage noProposal;
    noProposal.eCharSetAndLanguageType = CSALT_Proposal;
    EXPECT_EQ(sentOctets(std::move(noProposal)), hexOctets("A1 00"));
}

}  // namespace
}  // namespace charset_convert_cases
