#include "toolkit/api/kiv_validation_reporters.h"

#include "toolkit/api/kiv_validation_message.h"

namespace {

enum ValidationCode : long {
    kMissingField = 64,
    kInvalidBitString = 65,
    kValueOutOfRange = 66,
    kOptionsNotAllowed = 67,
    kInvalidBoolean = 72,
    kInvalidOid = 73,
    kInvalidExternalOid = 74,
    kValidationText = 76,
};

int report(KivAssocId assoc, ValidationCode code, const std::string& message, SIError** out) {
    SIReportError(assoc, SI_Interface_Error, 0, code, message.c_str(), 0, Association_Open, out);
    return 1;
}

}  // namespace

int KivReportMissingField(KivAssocId assoc, const std::string& path, SIError** out) {
    return report(assoc, kMissingField, kivMessageWithPath("Missing compulsory field %s", path), out);
}

int KivReportInvalidBitString(KivAssocId assoc, const std::string& path, KivTextView value, SIError** out) {
    return report(assoc, kInvalidBitString,
                  kivMessageWithTwoTexts("The bit string %s is invalid\nValue:%s", path, value.view()), out);
}

int KivReportValueOutOfRange(KivAssocId assoc, const std::string& path, SIError** out) {
    return report(assoc, kValueOutOfRange,
                  kivMessageWithPath("%s contains a value which is out of its range", path), out);
}

int KivReportOptionsNotAllowed(KivAssocId assoc, const std::string& path, KivTextView value, SIError** out) {
    return report(
        assoc, kOptionsNotAllowed,
        kivMessageWithTwoTexts("The options string %s contains options not permitted by the API (see "
                               "kivproto ALLOWED_OPTIONS for allowed options)\nValue:%s",
                               path, value.view()),
        out);
}

int KivReportInvalidBoolean(KivAssocId assoc, const std::string& path, SIError** out) {
    return report(assoc, kInvalidBoolean, kivMessageWithPath("Invalid boolean value %s given", path), out);
}

int KivReportInvalidOid(KivAssocId assoc, const std::string& path, SIError** out) {
    return report(assoc, kInvalidOid, kivMessageWithPath("Invalid oid value %s given", path), out);
}

int KivReportInvalidExternalOid(KivAssocId assoc, KivTextView oid, const std::string& path, SIError** out) {
    return report(assoc, kInvalidExternalOid,
                  kivMessageWithTwoTexts("Invalid oid value %s for external %s", oid.view(), path), out);
}

int KivReportValidationText(KivAssocId assoc, const std::string& path, SIError** out) {
    return report(assoc, kValidationText, kivMessageWithPath("%s", path), out);
}
