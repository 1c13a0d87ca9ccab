#pragma once
// Deep equality of the prompt-1 object and every structure it holds, on the shared toolkit of
// tests/api/kiv_equality.h. Its EXTERNALs and diagnostics are compared by tests/api/carried_records_equality.h,
// included at the end so that either header brings both.

#include "tests/api/kiv_equality.h"
#include "toolkit/api/kivproto.h"

// Defined with the carried records.
inline bool kivEqual(const KivExternal& a, const KivExternal& b);
inline bool kivEqual(const KivDiagRec& a, const KivDiagRec& b);

inline bool kivEqual(const KivEncryption& a, const KivEncryption& b) {
    return kivEqual(a.psCryptType, b.psCryptType) && kivEqual(a.psCredential, b.psCredential) &&
           kivEqual(a.sData, b.sData);
}

inline bool kivEqual(const KivEnumeratedPrompt& a, const KivEnumeratedPrompt& b) {
    return a.eType == b.eType && kivEqual(a.psSuggestedString, b.psSuggestedString);
}

inline bool kivEqual(const KivPromptId& a, const KivPromptId& b) {
    const auto& x = a.uPromptId;
    const auto& y = b.uPromptId;
    return a.ePromptIdType == b.ePromptIdType && kivEqual(x.psEnumeratedPrompt, y.psEnumeratedPrompt) &&
           kivEqual(x.psNonEnumeratedPrompt, y.psNonEnumeratedPrompt);
}

inline bool kivEqual(const KivPromptInfo& a, const KivPromptInfo& b) {
    const auto& x = a.uPromptInfo;
    const auto& y = b.uPromptInfo;
    return a.ePromptInfoType == b.ePromptInfoType && kivEqual(x.psCharacter, y.psCharacter) &&
           kivEqual(x.psEncrypted, y.psEncrypted);
}

inline bool kivEqual(const KivChallenge& a, const KivChallenge& b) {
    return kivEqual(a.sPromptId, b.sPromptId) && kivEqual(a.psDefaultResponse, b.psDefaultResponse) &&
           kivEqual(a.psPromptInfo, b.psPromptInfo) && kivEqual(a.psRegExpr, b.psRegExpr) &&
           a.pvResponseRequired == b.pvResponseRequired && kivEqual(a.ppsAllowedValues, b.ppsAllowedValues) &&
           a.pvShouldSave == b.pvShouldSave && kivEqual(a.peDataType, b.peDataType) &&
           kivEqual(a.psDiagnostic, b.psDiagnostic);
}

inline bool kivEqual(const KivPromptResponse& a, const KivPromptResponse& b) {
    const auto& x = a.uResponse;
    const auto& y = b.uResponse;
    return a.eResponseType == b.eResponseType && kivEqual(x.psCharacter, y.psCharacter) &&
           x.fAccept == y.fAccept && kivEqual(x.psDiagnostic, y.psDiagnostic) &&
           kivEqual(x.psEncryption, y.psEncryption);
}

inline bool kivEqual(const KivResponse& a, const KivResponse& b) {
    return kivEqual(a.sPromptId, b.sPromptId) && kivEqual(a.sPromptResponse, b.sPromptResponse);
}

inline bool kivEqual(const KivPromptObject& a, const KivPromptObject& b) {
    const auto& x = a.uPromptObject;
    const auto& y = b.uPromptObject;
    return a.ePromptObjectType == b.ePromptObjectType && kivEqual(x.ppsChallenge, y.ppsChallenge) &&
           kivEqual(x.ppsResponse, y.ppsResponse);
}

// Defines the EXTERNAL and diagnostic comparisons declared above.
#include "tests/api/carried_records_equality.h"
