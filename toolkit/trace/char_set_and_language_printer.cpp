#include "toolkit/trace/char_set_and_language_printer.h"

#include <span>

#include "toolkit/api/kiv_char_set_and_language.h"
#include "toolkit/api/kiv_external.h"
#include "toolkit/trace/array_printers.h"
#include "toolkit/trace/enum_names.h"
#include "toolkit/trace/external_printer.h"
#include "toolkit/trace/part_lines.h"
#include "toolkit/trace/value_printers.h"

namespace {

using trace::addressOf;
using trace::EnumName;
using trace::partLine;
using trace::selectorLine;

constexpr EnumName kCharSetAndLanguageTypes[] = {
    {CSALT_Proposal, "CSALT_Proposal"},
    {CSALT_Response, "CSALT_Response"},
};

constexpr EnumName kProposedCharSetTypes[] = {
    {PRCST_Iso2022, "PRCST_Iso2022"},
    {PRCST_Iso10646, "PRCST_Iso10646"},
    {PRCST_Private, "PRCST_Private"},
};

constexpr EnumName kSelectedCharSetTypes[] = {
    {SCST_Iso2022, "SCST_Iso2022"},
    {SCST_Iso10646, "SCST_Iso10646"},
    {SCST_Private, "SCST_Private"},
    {SCST_None, "SCST_None"},
};

constexpr EnumName kIso2022Types[] = {
    {I2022T_OriginProposal, "I2022T_OriginProposal"},
    {I2022T_TargetResponse, "I2022T_TargetResponse"},
};

constexpr EnumName kEnvironmentTypes[] = {
    {ENT_SevenBit, "ENT_SevenBit"},
    {ENT_EightBit, "ENT_EightBit"},
};

constexpr EnumName kPrivateCharacterSetTypes[] = {
    {PCST_ViaOid, "PCST_ViaOid"},
    {PCST_ExternallySpecified, "PCST_ExternallySpecified"},
    {PCST_PreviouslyAgreedUpon, "PCST_PreviouslyAgreedUpon"},
};

void printEnvironment(std::FILE* file, const char* label, const KivEnvironment* environment) {
    if (!partLine(file, label, environment != nullptr)) return;
    selectorLine(file, "eEnvironmentType: ", environment->eEnvironmentType, kEnvironmentTypes);
}

void printInitialSet(std::FILE* file, const char* label, const KivInitialSet* initialSet) {
    if (!partLine(file, label, initialSet != nullptr)) return;
    KivPrintNamedInteger(file, "ulG0", &initialSet->ulG0);
    KivPrintNamedInteger(file, "ulG1", &initialSet->ulG1);
    KivPrintNamedInteger(file, "ulG2", &initialSet->ulG2);
    KivPrintNamedInteger(file, "ulG3", &initialSet->ulG3);
    KivPrintNamedInteger(file, "ulC0", &initialSet->ulC0);
    KivPrintNamedInteger(file, "ulC1", &initialSet->ulC1);
}

void printLeftAndRight(std::FILE* file, const char* label, const KivLeftAndRight* leftAndRight) {
    if (!partLine(file, label, leftAndRight != nullptr)) return;
    KivPrintNamedInteger(file, "ulGLeft", &leftAndRight->ulGLeft);
    KivPrintNamedInteger(file, "ulGRight", &leftAndRight->ulGRight);
}

void printOriginProposal(std::FILE* file, const KivIso2022OriginProposal* proposal) {
    if (!partLine(file, "psOriginProposal", proposal != nullptr)) return;
    printEnvironment(file, "psProposedEnvironment", proposal->psProposedEnvironment.get());
    KivPrintNamedIntegerArray(file, "ppulProposedSets", proposal->ppulProposedSets);
    if (partLine(file, "ppsProposedInitialSets", proposal->ppsProposedInitialSets.present())) {
        for (const KivInitialSet& initialSet : proposal->ppsProposedInitialSets) {
            printInitialSet(file, "psProposedInitialSets", &initialSet);
        }
    }
    printLeftAndRight(file, "psProposedLeftAndRight", proposal->psProposedLeftAndRight.get());
}

void printTargetResponse(std::FILE* file, const KivIso2022TargetResponse* response) {
    if (!partLine(file, "psTargetResponse", response != nullptr)) return;
    printEnvironment(file, "psSelectedEnvironment", response->psSelectedEnvironment.get());
    KivPrintNamedIntegerArray(file, "ppulSelectedSets", response->ppulSelectedSets);
    printInitialSet(file, "psSelectedInitialSet", response->psSelectedInitialSet.get());
    printLeftAndRight(file, "psSelectedLeftAndRight", response->psSelectedLeftAndRight.get());
}

void printIso2022(std::FILE* file, const KivIso2022* iso2022) {
    if (!partLine(file, "psIso2022", iso2022 != nullptr)) return;
    selectorLine(file, "eIso2022Type: ", iso2022->eIso2022Type, kIso2022Types);
    const auto& member = iso2022->uIso2022Type;
    if (iso2022->eIso2022Type == I2022T_OriginProposal)
        printOriginProposal(file, member.psOriginProposal.get());
    if (iso2022->eIso2022Type == I2022T_TargetResponse)
        printTargetResponse(file, member.psTargetResponse.get());
}

void printIso10646(std::FILE* file, const KivIso10646* iso10646) {
    if (!partLine(file, "psIso10646", iso10646 != nullptr)) return;
    KivPrintNamedText(file, "pcCollections", iso10646->pcCollections);
    KivPrintNamedText(file, "pcEncodingLevel", iso10646->pcEncodingLevel);
}

void printPrivate(std::FILE* file, const KivPrivateCharacterSet* privateSet) {
    if (!partLine(file, "psPrivate", privateSet != nullptr)) return;
    selectorLine(file, "ePrivateCharacterSetType: ", privateSet->ePrivateCharacterSetType,
                 kPrivateCharacterSetTypes);
    const auto& member = privateSet->uPrivateCharacterSet;
    if (privateSet->ePrivateCharacterSetType == PCST_ViaOid) {
        KivPrintNamedOidArray(file, "ppcViaOid", member.ppcViaOid);
    } else if (privateSet->ePrivateCharacterSetType == PCST_ExternallySpecified) {
        KivPrintNamedExternal(file, "psExternallySpecified", member.psExternallySpecified.get());
    }
}

// The member a proposed or selected set's selector names; nothing for a selector without one.
template <typename Members>
void printCharSetMember(std::FILE* file, int32_t selector, const Members& member) {
    switch (selector) {
        case PRCST_Iso2022:
            printIso2022(file, member.psIso2022.get());
            break;
        case PRCST_Iso10646:
            printIso10646(file, member.psIso10646.get());
            break;
        case PRCST_Private:
            printPrivate(file, member.psPrivate.get());
            break;
        default:
            break;
    }
}

void printProposedCharSet(std::FILE* file, const KivProposedCharSet& charSet) {
    std::fputs("psProposedCharSet:\n", file);
    selectorLine(file, "eProposedCharSetType: ", charSet.eProposedCharSetType, kProposedCharSetTypes);
    printCharSetMember(file, charSet.eProposedCharSetType, charSet.uProposedCharSet);
}

void printSelectedCharSet(std::FILE* file, const KivSelectedCharSet* charSet) {
    if (!partLine(file, "psSelectedCharSets", charSet != nullptr)) return;
    selectorLine(file, "eSelectedCharSetType: ", charSet->eSelectedCharSetType, kSelectedCharSetTypes);
    printCharSetMember(file, charSet->eSelectedCharSetType, charSet->uSelectedCharSet);
}

void printProposal(std::FILE* file, const KivCharSetProposal* proposal) {
    if (!partLine(file, "psProposal", proposal != nullptr)) return;
    if (partLine(file, "ppsProposedCharSets", proposal->ppsProposedCharSets.present())) {
        for (const KivProposedCharSet& charSet : proposal->ppsProposedCharSets)
            printProposedCharSet(file, charSet);
    }
    if (partLine(file, "ppsProposedLanguages", proposal->ppsProposedLanguages.present())) {
        // A language code prints as its text line only.
        for (const KivInternationalString& language : proposal->ppsProposedLanguages) {
            std::fputs("psProposedLanguages: ", file);
            trace::printTextUpToZero(file, language.pcValue.data(), language.pcValue.size());
            std::fputs("\n", file);
        }
    }
    KivPrintNamedBoolean(file, "pfRecordsInSelectedCharSets",
                         addressOf(proposal->pfRecordsInSelectedCharSets));
}

void printResponse(std::FILE* file, const KivCharSetResponse* response) {
    if (!partLine(file, "psResponse", response != nullptr)) return;
    printSelectedCharSet(file, response->psSelectedCharSets.get());
    KivPrintNamedInternationalString(file, "psSelectedLanguage", response->psSelectedLanguage.get());
    KivPrintNamedBoolean(file, "pfRecordsInSelectedCharSets",
                         addressOf(response->pfRecordsInSelectedCharSets));
}

}  // namespace

void KivPrintCharSetAndLanguageContent(std::FILE* file, const KivExternal* psExternal) {
    std::fputs("\tpsCharSetAndLanguage:\n", file);
    const KivSingleASN1Type* content = trace::singleASN1Type(psExternal);
    if (content == nullptr || content->uASN1.psCharSetAndLanguage == nullptr) return;
    KivPrintCharSetAndLanguage(file, content->uASN1.psCharSetAndLanguage.get());
}

void KivPrintCharSetAndLanguage(std::FILE* file, const KivCharSetAndLanguage* psCharSetAndLanguage) {
    if (!partLine(file, "psCharSetAndLanguage", psCharSetAndLanguage != nullptr)) return;
    const int32_t type = psCharSetAndLanguage->eCharSetAndLanguageType;
    selectorLine(file, "eCharSetAndLanguageType: ", type, kCharSetAndLanguageTypes);
    const auto& member = psCharSetAndLanguage->uCharSetAndLanguage;
    if (type == CSALT_Proposal) printProposal(file, member.psProposal.get());
    if (type == CSALT_Response) printResponse(file, member.psResponse.get());
}
