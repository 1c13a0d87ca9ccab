// Validation of character-set and language negotiation records: each fault reported once, with its code
// and the exact message and path.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "tests/external/carried_check_fixture.h"
#include "tests/external/charset_samples.h"
#include "tests/util/validation_messages.h"
#include "toolkit/api/kiv_check_external.h"
#include "toolkit/external/kiv_check_char_set_and_language.h"

namespace charset_check_cases {
namespace {

using namespace charset_test;

const std::string kCharsetPath = "psRecord->uExternalValue.psSingleASN1Type->";
const std::string kCharsetRecord = "uASN1.psCharSetAndLanguage->";
const std::string kProposal = kCharsetRecord + "uCharSetAndLanguage.psProposal->";
const std::string kCharsetResponse = kCharsetRecord + "uCharSetAndLanguage.psResponse->";
const std::string kSelected = kCharsetResponse + "psSelectedCharSets->";
const std::string kCharsetOrigin =
    kProposal + "ppsProposedCharSets[0]->uProposedCharSet.psIso2022->uIso2022Type.psOriginProposal->";
const std::string kCharsetTarget = kSelected + "uSelectedCharSet.psIso2022->uIso2022Type.psTargetResponse->";

using CharsetCheckTest = CarriedCheckTest;

std::string missingInCharset(const std::string& field) {
    return validation_messages::missing(kCharsetPath + field);
}
std::string outOfRangeInCharset(const std::string& field) {
    return validation_messages::outOfRange(kCharsetPath + field);
}
std::string invalidOidCharset(const std::string& field) {
    return "Invalid oid value " + kCharsetPath + field + " given";
}

int checkCharset(const KivExternal& external, SIError** error) {
    return KivCheckCharSetAndLanguage(3, external.uExternalValue.psSingleASN1Type.get(), kCharsetPath, error);
}

KivCharSetProposal& proposal(KivCharSetAndLanguage& r) {
    return *r.uCharSetAndLanguage.psProposal;
}
KivProposedCharSet& proposed(KivCharSetAndLanguage& r, size_t index) {
    return *proposal(r).ppsProposedCharSets[index];
}
KivIso2022OriginProposal& origin(KivCharSetAndLanguage& r) {
    return *proposed(r, 0).uProposedCharSet.psIso2022->uIso2022Type.psOriginProposal;
}
KivSelectedCharSet& selected(KivCharSetAndLanguage& r) {
    return *r.uCharSetAndLanguage.psResponse->psSelectedCharSets;
}
KivIso2022TargetResponse& target(KivCharSetAndLanguage& r) {
    return *selected(r).uSelectedCharSet.psIso2022->uIso2022Type.psTargetResponse;
}

TEST_F(CharsetCheckTest, ValidRecordsPass) {
    std::vector<KivCharSetAndLanguage> records;
    records.push_back(fullProposal());
    records.push_back(iso2022Response());
    records.push_back(emptyRecord(CSALT_Proposal));
    records.push_back(emptyRecord(CSALT_Response));
    for (int32_t type : {SCST_Iso10646, SCST_Private, SCST_None}) records.push_back(selectedResponse(type));
    // Numbers and languages pass whatever they hold; an identifier list holding only the terminator passes.
    KivCharSetAndLanguage anyNumbers = fullProposal();
    origin(anyNumbers).ppulProposedSets = numbers({0, 4294967295u});
    origin(anyNumbers).ppsProposedInitialSets[0]->ulG0 = 4294967295u;
    origin(anyNumbers).psProposedLeftAndRight->ulGRight = 0;
    proposal(anyNumbers).ppsProposedLanguages.emplace(KivInternationalString{std::string("\0\xff", 2)});
    proposed(anyNumbers, 2).uProposedCharSet.psPrivate->uPrivateCharacterSet.ppcViaOid =
        KivArray<std::string>::emptyArray();
    records.push_back(std::move(anyNumbers));

    for (size_t i = 0; i < records.size(); ++i) {
        for (const char* oid : {kCharsetOid, kCharsetIsoOid}) {
            const auto external = charsetExternal(std::move(records[i]), oid);
            SIError* error = nullptr;
            EXPECT_EQ(KivCheckExternal(3, external.get(), "psRecord->", &error), 0) << i << " under " << oid;
            EXPECT_EQ(error, nullptr);
            SIFreeError(&error);
            records[i] = std::move(*external->uExternalValue.psSingleASN1Type->uASN1.psCharSetAndLanguage);
        }
    }
}

struct CharsetFaultCase {
    const char* what;
    KivCharSetAndLanguage (*sample)();
    std::function<void(KivCharSetAndLanguage&)> change;
    long code;
    std::string message;
};

TEST_F(CharsetCheckTest, EachFaultIsReportedWithItsPath) {
    const std::string sets = kProposal + "ppsProposedCharSets";
    const std::vector<CharsetFaultCase> cases = {
        {"record selector 3", fullProposal, [](auto& r) { r.eCharSetAndLanguageType = 3; }, 66,
         outOfRangeInCharset(kCharsetRecord + "eCharSetAndLanguageType")},
        {"proposal missing", fullProposal, [](auto& r) { r.uCharSetAndLanguage.psProposal.reset(); }, 64,
         missingInCharset(kCharsetRecord + "uCharSetAndLanguage.psProposal")},
        {"response missing", iso2022Response, [](auto& r) { r.uCharSetAndLanguage.psResponse.reset(); }, 64,
         missingInCharset(kCharsetRecord + "uCharSetAndLanguage.psResponse")},
        // Proposed sets.
        {"first proposed set of type 4", fullProposal,
         [](auto& r) { proposed(r, 0).eProposedCharSetType = 4; }, 66,
         outOfRangeInCharset(sets + "[0]->eProposedCharSetType")},
        {"ISO 2022 set missing", fullProposal,
         [](auto& r) { proposed(r, 0).uProposedCharSet.psIso2022.reset(); }, 64,
         missingInCharset(sets + "[0]->uProposedCharSet.psIso2022")},
        {"ISO 2022 selector 0", fullProposal,
         [](auto& r) { proposed(r, 0).uProposedCharSet.psIso2022->eIso2022Type = 0; }, 66,
         outOfRangeInCharset(sets + "[0]->uProposedCharSet.psIso2022->eIso2022Type")},
        {"origin proposal missing", fullProposal,
         [](auto& r) { proposed(r, 0).uProposedCharSet.psIso2022->uIso2022Type.psOriginProposal.reset(); },
         64, missingInCharset(sets + "[0]->uProposedCharSet.psIso2022->uIso2022Type.psOriginProposal")},
        {"origin proposal without left and right", fullProposal,
         [](auto& r) { origin(r).psProposedLeftAndRight.reset(); }, 64,
         missingInCharset(kCharsetOrigin + "psProposedLeftAndRight")},
        {"environment 3 before missing sets", fullProposal,
         [](auto& r) {
             origin(r).psProposedEnvironment->eEnvironmentType = 3;
             origin(r).ppulProposedSets.reset();
         },
         66, outOfRangeInCharset(kCharsetOrigin + "psProposedEnvironment->eEnvironmentType")},
        {"proposed set numbers missing", fullProposal, [](auto& r) { origin(r).ppulProposedSets.reset(); },
         64, missingInCharset(kCharsetOrigin + "ppulProposedSets")},
        {"proposed initial sets missing", fullProposal,
         [](auto& r) { origin(r).ppsProposedInitialSets.reset(); }, 64,
         missingInCharset(kCharsetOrigin + "ppsProposedInitialSets")},
        {"ISO 10646 set missing", fullProposal,
         [](auto& r) { proposed(r, 1).uProposedCharSet.psIso10646.reset(); }, 64,
         missingInCharset(sets + "[1]->uProposedCharSet.psIso10646")},
        {"collections missing", fullProposal,
         [](auto& r) { proposed(r, 1).uProposedCharSet.psIso10646->pcCollections.reset(); }, 64,
         missingInCharset(sets + "[1]->uProposedCharSet.psIso10646->pcCollections")},
        {"encoding level not dotted decimal", fullProposal,
         [](auto& r) { proposed(r, 1).uProposedCharSet.psIso10646->pcEncodingLevel = "1.0.x"; }, 73,
         invalidOidCharset(sets + "[1]->uProposedCharSet.psIso10646->pcEncodingLevel")},
        // A one-arc identifier would be sent as an empty one.
        {"collections of one arc", fullProposal,
         [](auto& r) { proposed(r, 1).uProposedCharSet.psIso10646->pcCollections = "1"; }, 73,
         invalidOidCharset(sets + "[1]->uProposedCharSet.psIso10646->pcCollections")},
        {"private selector 4", fullProposal,
         [](auto& r) { proposed(r, 2).uProposedCharSet.psPrivate->ePrivateCharacterSetType = 4; }, 66,
         outOfRangeInCharset(sets + "[2]->uProposedCharSet.psPrivate->ePrivateCharacterSetType")},
        {"identifier list missing", fullProposal,
         [](auto& r) { proposed(r, 2).uProposedCharSet.psPrivate->uPrivateCharacterSet.ppcViaOid.reset(); },
         64, missingInCharset(sets + "[2]->uProposedCharSet.psPrivate->uPrivateCharacterSet.ppcViaOid")},
        {"second identifier with two dots in a row", fullProposal,
         [](auto& r) {
             *proposed(r, 2).uProposedCharSet.psPrivate->uPrivateCharacterSet.ppcViaOid[1] = "1..3";
         },
         73, invalidOidCharset(sets + "[2]->uProposedCharSet.psPrivate->uPrivateCharacterSet.ppcViaOid[1]")},
        {"external missing", fullProposal,
         [](auto& r) {
             proposed(r, 3).uProposedCharSet.psPrivate->uPrivateCharacterSet.psExternallySpecified.reset();
         },
         64,
         missingInCharset(sets +
                          "[3]->uProposedCharSet.psPrivate->uPrivateCharacterSet.psExternallySpecified")},
        {"external of no encoding", fullProposal,
         [](auto& r) {
             proposed(r, 3)
                 .uProposedCharSet.psPrivate->uPrivateCharacterSet.psExternallySpecified->eValueType = 0;
         },
         66,
         outOfRangeInCharset(
             sets +
             "[3]->uProposedCharSet.psPrivate->uPrivateCharacterSet.psExternallySpecified->eValueType")},
        {"records flag 2", fullProposal, [](auto& r) { proposal(r).pfRecordsInSelectedCharSets = 2; }, 72,
         "Invalid boolean value *" + kCharsetPath + kProposal + "pfRecordsInSelectedCharSets given"},
        // The response.
        {"selected set of type 5", iso2022Response, [](auto& r) { selected(r).eSelectedCharSetType = 5; }, 66,
         outOfRangeInCharset(kSelected + "eSelectedCharSetType")},
        {"selected ISO 10646 set missing", [] { return selectedResponse(SCST_Iso10646); },
         [](auto& r) { selected(r).uSelectedCharSet.psIso10646.reset(); }, 64,
         missingInCharset(kSelected + "uSelectedCharSet.psIso10646")},
        {"selected private set missing", [] { return selectedResponse(SCST_Private); },
         [](auto& r) { selected(r).uSelectedCharSet.psPrivate.reset(); }, 64,
         missingInCharset(kSelected + "uSelectedCharSet.psPrivate")},
        {"target response missing", iso2022Response,
         [](auto& r) { selected(r).uSelectedCharSet.psIso2022->uIso2022Type.psTargetResponse.reset(); }, 64,
         missingInCharset(kSelected + "uSelectedCharSet.psIso2022->uIso2022Type.psTargetResponse")},
        {"selected environment missing", iso2022Response,
         [](auto& r) { target(r).psSelectedEnvironment.reset(); }, 64,
         missingInCharset(kCharsetTarget + "psSelectedEnvironment")},
        {"selected environment 0", iso2022Response,
         [](auto& r) { target(r).psSelectedEnvironment->eEnvironmentType = 0; }, 66,
         outOfRangeInCharset(kCharsetTarget + "psSelectedEnvironment->eEnvironmentType")},
        {"selected set numbers missing", iso2022Response, [](auto& r) { target(r).ppulSelectedSets.reset(); },
         64, missingInCharset(kCharsetTarget + "ppulSelectedSets")},
        {"selected initial set missing", iso2022Response,
         [](auto& r) { target(r).psSelectedInitialSet.reset(); }, 64,
         missingInCharset(kCharsetTarget + "psSelectedInitialSet")},
        {"selected left and right missing", iso2022Response,
         [](auto& r) { target(r).psSelectedLeftAndRight.reset(); }, 64,
         missingInCharset(kCharsetTarget + "psSelectedLeftAndRight")},
        {"response records flag 7", iso2022Response,
         [](auto& r) { r.uCharSetAndLanguage.psResponse->pfRecordsInSelectedCharSets = 7; }, 72,
         "Invalid boolean value *" + kCharsetPath + kCharsetResponse + "pfRecordsInSelectedCharSets given"},
    };
    for (const CharsetFaultCase& c : cases) {
        KivCharSetAndLanguage record = c.sample();
        c.change(record);
        const auto external = charsetExternal(std::move(record));
        expectFault(checkCharset, *external, c.code, c.message, c.what);
    }
}

// Through the EXTERNAL's own validation, which chooses the validator by eASN1Type and the identifier.
TEST_F(CharsetCheckTest, TheExternalMustNameCharacterSetNegotiation) {
    createLog();
    const auto external = charsetExternal(fullProposal(), "1.2.840.10003.10.1");
    SIError* error = nullptr;
    EXPECT_EQ(KivCheckExternal(3, external.get(), "psRecord->", &error), 1);
    ASSERT_NE(error, nullptr);
    EXPECT_EQ(error->uErrorCode.lIfOsCoError, 74);
    EXPECT_EQ(loggedDiagnostic(),
              "Invalid oid value 1.2.840.10003.10.1 for external " + kCharsetPath + "eASN1Type");
    SIFreeError(&error);

    createLog();
    auto empty = charsetExternal(fullProposal());
    empty->uExternalValue.psSingleASN1Type->uASN1.psCharSetAndLanguage.reset();
    EXPECT_EQ(KivCheckExternal(3, empty.get(), "psRecord->", &error), 1);
    EXPECT_EQ(loggedDiagnostic(), missingInCharset("uASN1.psCharSetAndLanguage"));
    SIFreeError(&error);
}

}  // namespace
}  // namespace charset_check_cases
