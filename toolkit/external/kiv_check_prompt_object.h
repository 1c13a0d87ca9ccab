#pragma once
// Validation of a prompt-1 object (content type 14, AT_PromptObject) before it is converted and sent.
// Validator shape and reporters as in kiv_validation.h; the first fault ends the validation.

#include <string>

#include "toolkit/api/kiv_external.h"
#include "toolkit/api/kiv_owning.h"
#include "toolkit/util/si_error.h"

// path is the single ASN.1 type's own (ending in "->"); the caller has checked the EXTERNAL's identifier.
// In order: "uASN1.psPromptObject" is present (64); under it ePromptObjectType is 1 or 2 (66) and the array
// it selects, "uPromptObject.ppsChallenge" or "uPromptObject.ppsResponse", is present (64). Each element on
// "<array>[i]->" starts with its prompt id on "sPromptId.": ePromptIdType 1 or 2 (66), for 1
// "uPromptId.psEnumeratedPrompt" (64) whose eType is 0 to 5 (66), for 2 "uPromptId.psNonEnumeratedPrompt"
// (64). A challenge then has, when present, its prompt information on "psPromptInfo->" (ePromptInfoType 1
// or 2, else 66; "uPromptInfo.psCharacter" or "uPromptInfo.psEncrypted" for its type, 64), its peDataType
// (1 to 6, else 66) and its diagnostic EXTERNAL on "psDiagnostic->". An answer then has on
// "sPromptResponse." eResponseType 1 to 5 (66) and for its type "uResponse.psCharacter" (64),
// "uResponse.fAccept" (0 or 1, else 72), "uResponse.psDiagnostic" (64, then its diagnostic-record checks
// after "->") or "uResponse.psEncryption" (64).
int KivCheckPromptObject(KivAssocId assoc, const KivSingleASN1Type* content, const std::string& path,
                         SIError** out);
