#include "toolkit/external/kiv_check_char_set_and_language.h"

#include <optional>
#include <string>
#include <string_view>

#include "toolkit/api/kiv_char_set_and_language.h"
#include "toolkit/api/kiv_check_encoded_oid.h"
#include "toolkit/api/kiv_check_external.h"
#include "toolkit/api/kiv_check_external_fields.h"
#include "toolkit/api/kiv_validation.h"
#include "toolkit/external/kiv_check_presence.h"

namespace {

// An optional boolean of the record: 72 on "*" followed by its full path.
int checkStarredBoolean(KivAssocId assoc, const std::optional<uint32_t>& value, const std::string& path,
                        SIError** out) {
    return KivCheckOptionalBoolean(assoc, value,
                                   kivFieldPath("*", kivFieldPath(path, "pfRecordsInSelectedCharSets")), out);
}

int checkEnvironment(KivAssocId assoc, const KivEnvironment* environment, const std::string& path,
                     SIError** out) {
    return kivCheckRange(assoc, environment->eEnvironmentType, ENT_SevenBit, ENT_EightBit, path,
                         "eEnvironmentType", out);
}

int checkOriginProposal(KivAssocId assoc, const KivIso2022OriginProposal* proposal, const std::string& path,
                        SIError** out) {
    if (proposal->psProposedEnvironment &&
        checkEnvironment(assoc, proposal->psProposedEnvironment.get(),
                         kivFieldPath(path, "psProposedEnvironment->"), out) != 0) {
        return 1;
    }
    if (kivCheckPresent(assoc, proposal->ppulProposedSets.present(), path, "ppulProposedSets", out) != 0 ||
        kivCheckPresent(assoc, proposal->ppsProposedInitialSets.present(), path, "ppsProposedInitialSets",
                        out) != 0) {
        return 1;
    }
    return kivCheckPresent(assoc, proposal->psProposedLeftAndRight != nullptr, path, "psProposedLeftAndRight",
                           out);
}

int checkTargetResponse(KivAssocId assoc, const KivIso2022TargetResponse* response, const std::string& path,
                        SIError** out) {
    if (kivCheckMember(assoc, response->psSelectedEnvironment.get(), path, "psSelectedEnvironment", "->", out,
                       checkEnvironment) != 0 ||
        kivCheckPresent(assoc, response->ppulSelectedSets.present(), path, "ppulSelectedSets", out) != 0 ||
        kivCheckPresent(assoc, response->psSelectedInitialSet != nullptr, path, "psSelectedInitialSet",
                        out) != 0) {
        return 1;
    }
    return kivCheckPresent(assoc, response->psSelectedLeftAndRight != nullptr, path, "psSelectedLeftAndRight",
                           out);
}

int checkIso2022(KivAssocId assoc, const KivIso2022* iso2022, const std::string& path, SIError** out) {
    const auto& member = iso2022->uIso2022Type;
    switch (iso2022->eIso2022Type) {
        case I2022T_OriginProposal:
            return kivCheckMember(assoc, member.psOriginProposal.get(), path, "uIso2022Type.psOriginProposal",
                                  "->", out, checkOriginProposal);
        case I2022T_TargetResponse:
            return kivCheckMember(assoc, member.psTargetResponse.get(), path, "uIso2022Type.psTargetResponse",
                                  "->", out, checkTargetResponse);
        default:
            return KivReportValueOutOfRange(assoc, kivFieldPath(path, "eIso2022Type"), out);
    }
}

// A compulsory identifier: 64 when it is missing, 73 when it cannot be sent.
int checkOid(KivAssocId assoc, const std::optional<std::string>& oid, const std::string& path,
             std::string_view name, SIError** out) {
    if (kivCheckPresent(assoc, oid.has_value(), path, name, out) != 0) return 1;
    return KivCheckEncodedOid(assoc, oid, kivFieldPath(path, name), out);
}

int checkIso10646(KivAssocId assoc, const KivIso10646* iso10646, const std::string& path, SIError** out) {
    if (checkOid(assoc, iso10646->pcCollections, path, "pcCollections", out) != 0) return 1;
    return checkOid(assoc, iso10646->pcEncodingLevel, path, "pcEncodingLevel", out);
}

int checkPrivate(KivAssocId assoc, const KivPrivateCharacterSet* privateSet, const std::string& path,
                 SIError** out) {
    const auto& member = privateSet->uPrivateCharacterSet;
    switch (privateSet->ePrivateCharacterSetType) {
        case PCST_ViaOid:
            if (kivCheckPresent(assoc, member.ppcViaOid.present(), path, "uPrivateCharacterSet.ppcViaOid",
                                out) != 0) {
                return 1;
            }
            return KivCheckValueArray(assoc, member.ppcViaOid, kivFieldPath(path, "uPrivateCharacterSet."),
                                      "ppcViaOid", out,
                                      [](KivAssocId a, const std::string* text, const std::string& textPath,
                                         SIError** o) { return KivCheckEncodedOid(a, *text, textPath, o); });
        case PCST_ExternallySpecified:
            return kivCheckMember(assoc, member.psExternallySpecified.get(), path,
                                  "uPrivateCharacterSet.psExternallySpecified", "->", out, KivCheckExternal);
        case PCST_PreviouslyAgreedUpon:
            return 0;
        default:
            return KivReportValueOutOfRange(assoc, kivFieldPath(path, "ePrivateCharacterSetType"), out);
    }
}

// The members a proposed and a selected set share, under the union's name.
template <typename Members>
int checkCharSetMember(KivAssocId assoc, int32_t selector, const Members& member, const std::string& path,
                       std::string_view unionName, SIError** out) {
    const std::string unionPath = kivFieldPath(path, unionName);
    switch (selector) {
        case PRCST_Iso2022:
            return kivCheckMember(assoc, member.psIso2022.get(), unionPath, ".psIso2022", "->", out,
                                  checkIso2022);
        case PRCST_Iso10646:
            return kivCheckMember(assoc, member.psIso10646.get(), unionPath, ".psIso10646", "->", out,
                                  checkIso10646);
        case PRCST_Private:
            return kivCheckMember(assoc, member.psPrivate.get(), unionPath, ".psPrivate", "->", out,
                                  checkPrivate);
        default:
            return 0;
    }
}

int checkProposedCharSet(KivAssocId assoc, const KivProposedCharSet* charSet, const std::string& path,
                         SIError** out) {
    if (kivCheckRange(assoc, charSet->eProposedCharSetType, PRCST_Iso2022, PRCST_Private, path,
                      "eProposedCharSetType", out) != 0) {
        return 1;
    }
    return checkCharSetMember(assoc, charSet->eProposedCharSetType, charSet->uProposedCharSet, path,
                              "uProposedCharSet", out);
}

int checkSelectedCharSet(KivAssocId assoc, const KivSelectedCharSet* charSet, const std::string& path,
                         SIError** out) {
    if (kivCheckRange(assoc, charSet->eSelectedCharSetType, SCST_Iso2022, SCST_None, path,
                      "eSelectedCharSetType", out) != 0) {
        return 1;
    }
    return checkCharSetMember(assoc, charSet->eSelectedCharSetType, charSet->uSelectedCharSet, path,
                              "uSelectedCharSet", out);
}

int checkProposal(KivAssocId assoc, const KivCharSetProposal* proposal, const std::string& path,
                  SIError** out) {
    if (KivCheckStructArray(assoc, proposal->ppsProposedCharSets, path, "ppsProposedCharSets", out,
                            checkProposedCharSet) != 0) {
        return 1;
    }
    return checkStarredBoolean(assoc, proposal->pfRecordsInSelectedCharSets, path, out);
}

int checkCharSetResponse(KivAssocId assoc, const KivCharSetResponse* response, const std::string& path,
                         SIError** out) {
    if (response->psSelectedCharSets &&
        checkSelectedCharSet(assoc, response->psSelectedCharSets.get(),
                             kivFieldPath(path, "psSelectedCharSets->"), out) != 0) {
        return 1;
    }
    return checkStarredBoolean(assoc, response->pfRecordsInSelectedCharSets, path, out);
}

}  // namespace

int KivCheckCharSetAndLanguage(KivAssocId assoc, const KivSingleASN1Type* single, const std::string& path,
                               SIError** out) {
    const KivCharSetAndLanguage* record = single->uASN1.psCharSetAndLanguage.get();
    const std::string recordPath = kivFieldPath(path, "uASN1.psCharSetAndLanguage");
    if (record == nullptr) return KivReportMissingField(assoc, recordPath, out);
    const std::string fieldsPath = kivFieldPath(recordPath, "->");
    const auto& member = record->uCharSetAndLanguage;
    switch (record->eCharSetAndLanguageType) {
        case CSALT_Proposal:
            return kivCheckMember(assoc, member.psProposal.get(), fieldsPath,
                                  "uCharSetAndLanguage.psProposal", "->", out, checkProposal);
        case CSALT_Response:
            return kivCheckMember(assoc, member.psResponse.get(), fieldsPath,
                                  "uCharSetAndLanguage.psResponse", "->", out, checkCharSetResponse);
        default:
            return KivReportValueOutOfRange(assoc, kivFieldPath(fieldsPath, "eCharSetAndLanguageType"), out);
    }
}
