// Prompt objects through the codec on both identifiers, the members the rules send or receive differently,
// and validation with exact messages and paths.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/api/codec_external.h"
#include "tests/external/carried_check_fixture.h"
#include "tests/external/prompt_object_equality.h"
#include "tests/external/prompt_object_samples.h"
#include "tests/util/validation_messages.h"
#include "toolkit/api/kiv_register_codec_types.h"
#include "toolkit/codec/records/records_e.h"

namespace prompt_object_cases {
namespace {

namespace r = codec::records;
using namespace prompt_object_test;

class PromptObjectTest : public CarriedCheckTest {
  protected:
    void SetUp() override {
        CarriedCheckTest::SetUp();
        KivRegisterCodecTypes();
    }
};

const std::string kObject = "psRecord->uExternalValue.psSingleASN1Type->uASN1.psPromptObject";
const std::string kChallenge = kObject + "->uPromptObject.ppsChallenge";
const std::string kPromptObjectResponse = kObject + "->uPromptObject.ppsResponse";

TEST_F(PromptObjectTest, FilledObjectsRoundTripOnBothArcs) {
    for (const char* oid : {"1.2.840.10003.8.1", "1.0.10163.8.1"}) {
        for (const KivExternal& sent : {challenge(oid), response(oid)}) {
            expectValid(sent, oid);
            KivExternal received;
            externalRoundTrip(sent, &received);
            EXPECT_EQ(received.uExternalValue.psSingleASN1Type->eASN1Type, AT_PromptObject);
            EXPECT_TRUE(carried::same(sent, received)) << oid;
        }
    }
}

TEST_F(PromptObjectTest, MembersConvertByTheirRules) {
    KivExternal sent = challenge("1.2.840.10003.8.1");
    KivChallenge& first = *objectOf(sent).uPromptObject.ppsChallenge[0];
    first.sPromptId.uPromptId.psEnumeratedPrompt->eType = EPIT_GroupId;
    first.psPromptInfo->uPromptInfo.psEncrypted->psCryptType.reset();
    first.psPromptInfo->uPromptInfo.psEncrypted->psCredential.reset();
    first.pvShouldSave = false;
    first.peDataType = 9;
    KivChallenge& second = *objectOf(sent).uPromptObject.ppsChallenge[1];
    second.psPromptInfo->ePromptInfoType = PIIT_Encrypted;
    second.psPromptInfo->uPromptInfo.psEncrypted = std::make_unique<KivEncryption>();
    CodecExternal codec(sent);
    auto* item = element<r::ChallengeItem>(codec.value<r::PromptObject>().challenge, 0);
    EXPECT_EQ(item->promptId->enummeratedPrompt->type, 0);
    const r::Encryption& encrypted = *item->promptInfo->encrypted;
    EXPECT_EQ(encrypted.cryptType.octets, nullptr);
    EXPECT_EQ(encrypted.credential.octets, nullptr);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(encrypted.data.octets), 6), "cipher");
    EXPECT_NE(item->responseRequired, nullptr);
    EXPECT_EQ(item->shouldSave, nullptr);
    EXPECT_EQ(*item->dataType, 0);
    const r::Encryption& empty =
        *element<r::ChallengeItem>(codec.value<r::PromptObject>().challenge, 1)->promptInfo->encrypted;
    EXPECT_EQ(empty.data.length, 0);
    EXPECT_NE(empty.data.octets, nullptr);  // sent as an empty octet string

    // Numbers and alternatives the interface does not know arrive as -1.
    item->promptId->enummeratedPrompt->type = 7;
    *item->dataType = 9;
    item->promptInfo->choiceId = r::ChallengeItemPromptInfo::kAlternatives;
    {
        const KivExternal back = codec.back();
        const KivChallenge& received =
            *back.uExternalValue.psSingleASN1Type->uASN1.psPromptObject->uPromptObject.ppsChallenge[0];
        EXPECT_EQ(received.sPromptId.uPromptId.psEnumeratedPrompt->eType, EPIT_Invalid);
        EXPECT_EQ(received.peDataType, DTTT_Invalid);
        EXPECT_EQ(received.psPromptInfo->ePromptInfoType, PIIT_Invalid);
        EXPECT_TRUE(received.pvResponseRequired);
        EXPECT_FALSE(received.pvShouldSave);
    }
    item->promptInfo->choiceId = r::ChallengeItemPromptInfo::kEncrypted;  // so that the record frees it
    item->promptId->choiceId = r::PromptId::kAlternatives;
    {
        const KivExternal back = codec.back();
        const KivPromptId& received =
            back.uExternalValue.psSingleASN1Type->uASN1.psPromptObject->uPromptObject.ppsChallenge[0]
                ->sPromptId;
        EXPECT_EQ(received.ePromptIdType, PIT_Invalid);
        EXPECT_FALSE(received.uPromptId.psEnumeratedPrompt);
    }
    item->promptId->choiceId = r::PromptId::kEnummeratedPrompt;
}

TEST_F(PromptObjectTest, EmptyListsAndUnknownAlternatives) {
    // A challenge array holding only its terminator travels as an empty list.
    KivExternal sent = challenge("1.0.10163.8.1");
    objectOf(sent).uPromptObject.ppsChallenge = KivArray<KivChallenge>::emptyArray();
    KivExternal received;
    externalRoundTrip(sent, &received);
    EXPECT_TRUE(objectOf(received).uPromptObject.ppsChallenge.present());
    EXPECT_EQ(objectOf(received).uPromptObject.ppsChallenge.size(), 0U);

    KivExternal answers = response("1.2.840.10003.8.1");
    CodecExternal codec(answers);
    r::PromptObject& value = codec.value<r::PromptObject>();
    auto* answer = element<r::ResponseItem>(value.response, 0);
    answer->promptResponse->choiceId = r::ResponseItemPromptResponse::kAlternatives;
    {
        KivExternal back = codec.back();
        EXPECT_EQ(objectOf(back).uPromptObject.ppsResponse[0]->sPromptResponse.eResponseType, RT_Invalid);
    }
    answer->promptResponse->choiceId = r::ResponseItemPromptResponse::kString;
    BerList* list = value.response;
    value.response = nullptr;
    value.choiceId = r::PromptObject::kAlternatives;
    {
        KivExternal back = codec.back();
        EXPECT_EQ(objectOf(back).ePromptObjectType, POT_Invalid);
    }
    // A response whose list did not arrive gives an empty array, not an absent one.
    value.choiceId = r::PromptObject::kResponse;
    KivExternal back = codec.back();
    EXPECT_TRUE(objectOf(back).uPromptObject.ppsResponse.present());
    value.response = list;
}

struct PromptObjectFaultCase {
    const char* what;
    std::function<void(KivPromptObject&)> change;
    long code;
    std::string message;
};

using validation_messages::missing;
using validation_messages::outOfRange;

TEST_F(PromptObjectTest, EachChallengeFaultIsReportedWithItsPath) {
    auto full = [](KivPromptObject& o) -> KivChallenge& { return *o.uPromptObject.ppsChallenge[0]; };
    auto named = [](KivPromptObject& o) -> KivChallenge& { return *o.uPromptObject.ppsChallenge[1]; };
    const std::string first = kChallenge + "[0]->";
    const std::string second = kChallenge + "[1]->";
    const std::vector<PromptObjectFaultCase> cases = {
        {"object type 3", [](KivPromptObject& o) { o.ePromptObjectType = 3; }, 66,
         outOfRange(kObject + "->ePromptObjectType")},
        {"no challenges", [](KivPromptObject& o) { o.uPromptObject.ppsChallenge.reset(); }, 64,
         missing(kChallenge)},
        {"response without its array", [](KivPromptObject& o) { o.ePromptObjectType = POT_Response; }, 64,
         missing(kPromptObjectResponse)},
        {"prompt id type 0", [&](KivPromptObject& o) { full(o).sPromptId.ePromptIdType = 0; }, 66,
         outOfRange(first + "sPromptId.ePromptIdType")},
        {"enumerated prompt missing",
         [&](KivPromptObject& o) { full(o).sPromptId.uPromptId.psEnumeratedPrompt.reset(); }, 64,
         missing(first + "sPromptId.uPromptId.psEnumeratedPrompt")},
        {"enumerated type 6",
         [&](KivPromptObject& o) { full(o).sPromptId.uPromptId.psEnumeratedPrompt->eType = 6; }, 66,
         outOfRange(first + "sPromptId.uPromptId.psEnumeratedPrompt->eType")},
        {"enumerated type -1",
         [&](KivPromptObject& o) { full(o).sPromptId.uPromptId.psEnumeratedPrompt->eType = EPIT_Invalid; },
         66, outOfRange(first + "sPromptId.uPromptId.psEnumeratedPrompt->eType")},
        {"named prompt missing",
         [&](KivPromptObject& o) { named(o).sPromptId.uPromptId.psNonEnumeratedPrompt.reset(); }, 64,
         missing(second + "sPromptId.uPromptId.psNonEnumeratedPrompt")},
        {"prompt info type 3", [&](KivPromptObject& o) { full(o).psPromptInfo->ePromptInfoType = 3; }, 66,
         outOfRange(first + "psPromptInfo->ePromptInfoType")},
        {"encrypted info missing",
         [&](KivPromptObject& o) { full(o).psPromptInfo->uPromptInfo.psEncrypted.reset(); }, 64,
         missing(first + "psPromptInfo->uPromptInfo.psEncrypted")},
        {"character info missing",
         [&](KivPromptObject& o) { named(o).psPromptInfo->uPromptInfo.psCharacter.reset(); }, 64,
         missing(second + "psPromptInfo->uPromptInfo.psCharacter")},
        {"data type 7", [&](KivPromptObject& o) { full(o).peDataType = 7; }, 66,
         outOfRange(first + "peDataType")},
        {"diagnostic without its identifier",
         [&](KivPromptObject& o) { full(o).psDiagnostic->pcObjectIdentifier.reset(); }, 64,
         missing(first + "psDiagnostic->pcObjectIdentifier")},
        // The prompt id comes before the rest of its challenge.
        {"two faults in one challenge",
         [&](KivPromptObject& o) {
             full(o).peDataType = 7;
             full(o).sPromptId.ePromptIdType = 5;
         },
         66, outOfRange(first + "sPromptId.ePromptIdType")},
    };
    for (const PromptObjectFaultCase& c : cases) {
        KivExternal external = challenge("1.2.840.10003.8.1");
        c.change(objectOf(external));
        expectFault(external, c.code, c.message, c.what);
    }
}

TEST_F(PromptObjectTest, EachAnswerFaultIsReportedWithItsPath) {
    auto answer = [](KivPromptObject& o, size_t i) -> KivPromptResponse& {
        return o.uPromptObject.ppsResponse[i]->sPromptResponse;
    };
    auto at = [](size_t i) { return kPromptObjectResponse + "[" + std::to_string(i) + "]->"; };
    const std::vector<PromptObjectFaultCase> cases = {
        {"response type 6", [&](KivPromptObject& o) { answer(o, 2).eResponseType = 6; }, 66,
         outOfRange(at(2) + "sPromptResponse.eResponseType")},
        {"string missing", [&](KivPromptObject& o) { answer(o, 0).uResponse.psCharacter.reset(); }, 64,
         missing(at(0) + "sPromptResponse.uResponse.psCharacter")},
        {"accept 2", [&](KivPromptObject& o) { answer(o, 1).uResponse.fAccept = 2; }, 72,
         "Invalid boolean value " + at(1) + "sPromptResponse.uResponse.fAccept given"},
        {"diagnostic missing", [&](KivPromptObject& o) { answer(o, 3).uResponse.psDiagnostic.reset(); }, 64,
         missing(at(3) + "sPromptResponse.uResponse.psDiagnostic")},
        {"diagnostic type 0",
         [&](KivPromptObject& o) { answer(o, 3).uResponse.psDiagnostic->eDiagnosticsType = 0; }, 66,
         outOfRange(at(3) + "sPromptResponse.uResponse.psDiagnostic->eDiagnosticsType")},
        {"encryption missing", [&](KivPromptObject& o) { answer(o, 4).uResponse.psEncryption.reset(); }, 64,
         missing(at(4) + "sPromptResponse.uResponse.psEncryption")},
        {"prompt id before the answer",
         [&](KivPromptObject& o) {
             answer(o, 4).uResponse.psEncryption.reset();
             o.uPromptObject.ppsResponse[4]->sPromptId.uPromptId.psEnumeratedPrompt->eType = 8;
         },
         66, outOfRange(at(4) + "sPromptId.uPromptId.psEnumeratedPrompt->eType")},
    };
    for (const PromptObjectFaultCase& c : cases) {
        KivExternal external = response("1.0.10163.8.1");
        c.change(objectOf(external));
        expectFault(external, c.code, c.message, c.what);
    }
    // The acknowledgement carries nothing; unchecked members may be anything.
    KivExternal external = response("1.0.10163.8.1");
    answer(objectOf(external), 2).uResponse.psCharacter.reset();
    answer(objectOf(external), 4).uResponse.psEncryption->sData.pcValue.clear();
    expectValid(external);
    // A prompt object under another content's identifier.
    KivExternal misplaced = response("1.2.840.10003.9.4");
    expectFault(misplaced, 74,
                "Invalid oid value 1.2.840.10003.9.4 for external " + std::string(kRecordPath) +
                    "uExternalValue.psSingleASN1Type->eASN1Type");
}

}  // namespace
}  // namespace prompt_object_cases
