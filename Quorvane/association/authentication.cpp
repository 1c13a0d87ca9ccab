#include "Quorvane/association/authentication.h"

#include <optional>
#include <string>
#include <string_view>

#include "Quorvane/config/ini_readers.h"
#include "Quorvane/log/operations_log.h"

namespace {

struct Credentials {
    std::optional<std::string> userId;
    std::optional<std::string> password;
};

Credentials fromOpen(const std::string& text) {
    const std::size_t slash = text.find('/');
    if (slash == std::string::npos || slash + 1 == text.size()) {
        std::string userId = text.substr(0, slash);
        return {userId, userId};
    }
    return {text.substr(0, slash), text.substr(slash + 1)};
}

std::optional<std::string> textOf(const std::unique_ptr<KivInternationalString>& value) {
    if (value == nullptr) return std::nullopt;
    return value->pcValue;
}

Credentials credentialsOf(const KivInitializeReq& request) {
    const KivIdAuthentication* authentication = request.psAuthentication.get();
    if (authentication == nullptr) return {};
    if (authentication->eAuthenticationType == IAT_Open && authentication->uAuthentication.psOpen) {
        return fromOpen(*authentication->uAuthentication.psOpen);
    }
    if (authentication->eAuthenticationType == IAT_IdPass && authentication->uAuthentication.psIdPass) {
        const KivIdPass& idPass = *authentication->uAuthentication.psIdPass;
        if (idPass.psUserId == nullptr) return {};
        return {textOf(idPass.psUserId), textOf(idPass.psPassword)};
    }
    return {};
}

// Start of a UTF-8 sequence or a single-octet character.
bool startsCharacter(char octet) {
    return (static_cast<unsigned char>(octet) & 0xC0) != 0x80;
}

std::string withUserId(std::string_view prefix, std::string_view userId) {
    const std::size_t room = kAuthenticationMessageLimit - prefix.size() - 2;  // the parentheses
    std::string shown(userId);
    if (shown.size() > room) {
        std::size_t cut = room - 3;
        while (cut > 0 && !startsCharacter(shown[cut])) --cut;
        shown = shown.substr(0, cut) + "...";
    }
    return std::string(prefix) + "(" + shown + ")";
}

}  // namespace

int Authenticate(const KivInitializeReq& request) {
    if (GetIniInt("InitializeRequest", "ulAuthentication") == 0) return 1;
    const Credentials credentials = credentialsOf(request);
    if (!credentials.userId) {
        LogMessage("Authentication Error: No User-ID supplied");
        return 0;
    }
    if (!credentials.password) {
        LogMessage("Authentication Error: No Password supplied");
        return 0;
    }
    const std::string& userId = *credentials.userId;
    const std::optional<std::string> expected = GetIniStringOptional("Authentication", userId);
    if (!expected) {
        LogMessage(withUserId("Authentication Error: Incorrect User-ID ", userId));
        return 0;
    }
    if (*expected != *credentials.password) {
        LogMessage(withUserId("Authentication Error: Incorrect Password supplied for User-ID ", userId));
        return 0;
    }
    LogMessage(withUserId("Authentication Success: Correct User-ID and Password supplied ", userId));
    return 1;
}
