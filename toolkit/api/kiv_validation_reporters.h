#pragma once
// The reporters of validation faults. Each forms its message with the field's path, has the session layer
// build an SI_Interface_Error record with the code (abort source 0, Association_Open) and returns 1, so
// that a validator can end with "return KivReport...(...)".

#include <string>

#include "toolkit/api/kiv_owning.h"
#include "toolkit/api/kiv_validation_text.h"
#include "toolkit/util/si_error.h"

// 64 "Missing compulsory field %s".
int KivReportMissingField(KivAssocId assoc, const std::string& path, SIError** out);
// 65 "The bit string %s is invalid\nValue:%s" with the path and the text (an absent text shows empty).
int KivReportInvalidBitString(KivAssocId assoc, const std::string& path, KivTextView value, SIError** out);
// 66 "%s contains a value which is out of its range".
int KivReportValueOutOfRange(KivAssocId assoc, const std::string& path, SIError** out);
// 67 "The options string %s contains options not permitted by the API (see kivproto ALLOWED_OPTIONS for
// allowed options)\nValue:%s" with the path and the text.
int KivReportOptionsNotAllowed(KivAssocId assoc, const std::string& path, KivTextView value, SIError** out);
// 72 "Invalid boolean value %s given".
int KivReportInvalidBoolean(KivAssocId assoc, const std::string& path, SIError** out);
// 73 "Invalid oid value %s given".
int KivReportInvalidOid(KivAssocId assoc, const std::string& path, SIError** out);
// 74 "Invalid oid value %s for external %s" with the EXTERNAL's identifier text first and the path (ending
// in "eASN1Type") second.
int KivReportInvalidExternalOid(KivAssocId assoc, KivTextView oid, const std::string& path, SIError** out);
// 76 "%s": the path carries the whole explanation ("...eValueType MUST BE EVT_SingleASN1Type").
int KivReportValidationText(KivAssocId assoc, const std::string& path, SIError** out);
