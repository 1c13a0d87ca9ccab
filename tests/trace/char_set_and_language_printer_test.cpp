// The character-set and language negotiation printer: a proposal and responses that fill every member,
// against golden trace text byte for byte, and the values outside the printer's tables.

#include "toolkit/trace/char_set_and_language_printer.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>

#include "tests/external/charset_samples.h"
#include "tests/trace/trace_capture.h"
#include "toolkit/api/kivproto.h"
#include "toolkit/trace/external_printer.h"

namespace char_set_and_language_printer_cases {
namespace {

using namespace charset_test;
using trace_test::printed;
using trace_test::readFile;

std::string charsetContentOf(const KivExternal& external) {
    return printed([&](std::FILE* f) { KivPrintCharSetAndLanguageContent(f, &external); });
}

TEST(CharSetAndLanguagePrinter, EveryFieldAsTheGoldenTrace) {
    const auto proposal = charsetExternal(fullProposal());
    const auto response = charsetExternal(iso2022Response(), kCharsetIsoOid);
    const auto none = charsetExternal(selectedResponse(SCST_None));
    const auto iso10646 = charsetExternal(selectedResponse(SCST_Iso10646));
    EXPECT_EQ(
        printed([&](std::FILE* f) {
            for (const KivExternal* external : {proposal.get(), response.get(), none.get(), iso10646.get()}) {
                KivPrintExternal(f, external);
            }
        }),
        readFile(QUORVANE_TEST_SOURCE_DIR "/golden/char_set_and_language.txt"));
}

TEST(CharSetAndLanguagePrinter, EachIdentifierSelectsThePrinter) {
    for (const char* oid : {kCharsetOid, kCharsetIsoOid, kCharsetV3Oid}) {
        const auto external = charsetExternal(emptyRecord(CSALT_Response), oid);
        EXPECT_TRUE(printed([&](std::FILE* f) { KivPrintExternal(f, external.get()); })
                        .ends_with("\tpsCharSetAndLanguage:\npsCharSetAndLanguage:\n"
                                   "eCharSetAndLanguageType: CSALT_Response\npsResponse:\n"
                                   "psSelectedCharSets: NULL\npsSelectedLanguage: NULL\n"
                                   "pfRecordsInSelectedCharSets: NULL\n"))
            << oid;
    }
}

TEST(CharSetAndLanguagePrinter, AbsentMembersAndInvalidSelectors) {
    EXPECT_EQ(charsetContentOf(*charsetExternal(emptyRecord(CSALT_Proposal))),
              "\tpsCharSetAndLanguage:\npsCharSetAndLanguage:\neCharSetAndLanguageType: CSALT_Proposal\n"
              "psProposal:\nppsProposedCharSets: NULL\nppsProposedLanguages: NULL\n"
              "pfRecordsInSelectedCharSets: NULL\n");

    KivCharSetAndLanguage invalid;
    invalid.eCharSetAndLanguageType = CSALT_Invalid;
    EXPECT_EQ(charsetContentOf(*charsetExternal(std::move(invalid))),
              "\tpsCharSetAndLanguage:\npsCharSetAndLanguage:\neCharSetAndLanguageType: \n");

    auto absent = charsetExternal(emptyRecord(CSALT_Response));
    absent->uExternalValue.psSingleASN1Type->uASN1.psCharSetAndLanguage.reset();
    EXPECT_EQ(charsetContentOf(*absent), "\tpsCharSetAndLanguage:\n");

    // Selectors outside their tables print their label alone and no member.
    KivCharSetAndLanguage odd = fullProposal();
    auto& sets = odd.uCharSetAndLanguage.psProposal->ppsProposedCharSets;
    sets[0]->uProposedCharSet.psIso2022->eIso2022Type = 3;
    sets[1]->eProposedCharSetType = 0;
    sets[2]->uProposedCharSet.psPrivate->ePrivateCharacterSetType = -1;
    sets[0]
        ->uProposedCharSet.psIso2022->uIso2022Type.psOriginProposal->psProposedEnvironment->eEnvironmentType =
        9;
    const std::string text = charsetContentOf(*charsetExternal(std::move(odd)));
    EXPECT_NE(text.find("psIso2022:\neIso2022Type: \npsProposedCharSet:\neProposedCharSetType: \n"
                        "psProposedCharSet:\neProposedCharSetType: PRCST_Private\npsPrivate:\n"
                        "ePrivateCharacterSetType: \npsProposedCharSet:\n"),
              std::string::npos)
        << text;

    KivCharSetAndLanguage missing = iso2022Response();
    auto& selected = *missing.uCharSetAndLanguage.psResponse->psSelectedCharSets;
    auto& target = *selected.uSelectedCharSet.psIso2022->uIso2022Type.psTargetResponse;
    target.psSelectedEnvironment.reset();
    target.ppulSelectedSets.reset();
    target.psSelectedInitialSet.reset();
    target.psSelectedLeftAndRight.reset();
    EXPECT_NE(charsetContentOf(*charsetExternal(std::move(missing)))
                  .find("psTargetResponse:\npsSelectedEnvironment: NULL\nppulSelectedSets: NULL\n"
                        "psSelectedInitialSet: NULL\npsSelectedLeftAndRight: NULL\npsSelectedLanguage: en\n"),
              std::string::npos);
}

}  // namespace
}  // namespace char_set_and_language_printer_cases
