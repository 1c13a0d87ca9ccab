#pragma once
// Validation of CIP specific information (content type 24, AT_CIPSpecificInfo) before it is converted and
// sent. Validator shape and reporters as in kiv_validation.h.

#include <string>

#include "toolkit/api/kiv_external.h"
#include "toolkit/api/kiv_owning.h"
#include "toolkit/util/si_error.h"

// path is the single ASN.1 type's own; the caller has checked the EXTERNAL's identifier. In order, first
// fault only: "uASN1.psCIPSpecificInfo" (64), "eCIPSpecificInfoType" 1 to 3 (66) and its member (64); a
// search control's "eItemDescriptorType" then "eSearchScope", each 1 or 2 (66); a term's "eCIPTermType" 1 to
// 3 (66) and its member (64); a WRS/GRS reference's "ppsFrames" (64); the IntUnit checks of a circle's
// "sRadius." and a temporal period's "sPeriodDuration." and "sPeriodCycle."; the Unit check of an explain
// information's "psUnit->". Texts and numbers pass as they are.
int KivCheckCIPSpecificInfo(KivAssocId assoc, const KivSingleASN1Type* single, const std::string& path,
                            SIError** out);
