#include "Quorvane/association/authentication.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <sstream>
#include <string>

#include "Quorvane/config/ini_readers.h"
#include "Quorvane/log/operations_log.h"
#include "tests/server/traced_scratch_dir.h"

namespace {

const std::string kUsers =
    "[Authentication]\n"
    "alice=secret\n"
    "bob=bob\n"
    "carol=Default INI String\n";

std::unique_ptr<KivInternationalString> counted(const std::string& text) {
    auto value = std::make_unique<KivInternationalString>();
    value->pcValue = text;
    return value;
}

KivInitializeReq withAuthentication(int32_t type) {
    KivInitializeReq request;
    request.psAuthentication = std::make_unique<KivIdAuthentication>();
    request.psAuthentication->eAuthenticationType = type;
    return request;
}

KivInitializeReq open(const std::string& text) {
    KivInitializeReq request = withAuthentication(IAT_Open);
    request.psAuthentication->uAuthentication.psOpen = text;
    return request;
}

KivInitializeReq idPass(std::optional<std::string> userId, std::optional<std::string> password) {
    KivInitializeReq request = withAuthentication(IAT_IdPass);
    auto pass = std::make_unique<KivIdPass>();
    pass->psGroupId = counted("staff");
    if (userId) pass->psUserId = counted(*userId);
    if (password) pass->psPassword = counted(*password);
    request.psAuthentication->uAuthentication.psIdPass = std::move(pass);
    return request;
}

class AuthenticationTest : public TracedScratchDirTest {
  protected:
    // The answer, with the lines it logged.
    std::pair<int, std::string> check(const KivInitializeReq& request) {
        out_.str("");
        const int answer = Authenticate(request);
        return {answer, out_.str()};
    }
};

TEST_F(AuthenticationTest, OutcomesAndMessages) {
    writeFile(kIniFileName, "[InitializeRequest]\nulAuthentication=1\n" + kUsers);
    struct Case {
        const char* what;
        KivInitializeReq request;
        int answer;
        const char* message;
    };
    Case cases[] = {
        {"open user/password", open("alice/secret"), 1,
         "Authentication Success: Correct User-ID and Password supplied (alice)"},
        {"open split at the first slash", open("alice/sec/ret"), 0,
         "Authentication Error: Incorrect Password supplied for User-ID (alice)"},
        {"open user-id alone is its own password", open("bob"), 1,
         "Authentication Success: Correct User-ID and Password supplied (bob)"},
        {"open user-id and slash is its own password", open("bob/"), 1,
         "Authentication Success: Correct User-ID and Password supplied (bob)"},
        {"open user-id alone, other password", open("alice"), 0,
         "Authentication Error: Incorrect Password supplied for User-ID (alice)"},
        {"passwords are case-sensitive", open("alice/SECRET"), 0,
         "Authentication Error: Incorrect Password supplied for User-ID (alice)"},
        {"unknown user", open("mallory/x"), 0, "Authentication Error: Incorrect User-ID (mallory)"},
        {"a password of the sentinel text is no password", open("carol/Default INI String"), 0,
         "Authentication Error: Incorrect User-ID (carol)"},
        {"idPass", idPass("alice", "secret"), 1,
         "Authentication Success: Correct User-ID and Password supplied (alice)"},
        {"idPass wrong password", idPass("alice", "guess"), 0,
         "Authentication Error: Incorrect Password supplied for User-ID (alice)"},
        {"idPass password with a zero octet", idPass("alice", std::string("secret\0x", 8)), 0,
         "Authentication Error: Incorrect Password supplied for User-ID (alice)"},
        {"idPass without password", idPass("alice", std::nullopt), 0,
         "Authentication Error: No Password supplied"},
        {"idPass without user-id", idPass(std::nullopt, "secret"), 0,
         "Authentication Error: No User-ID supplied"},
        {"idPass form without its record", withAuthentication(IAT_IdPass), 0,
         "Authentication Error: No User-ID supplied"},
        {"anonymous", withAuthentication(IAT_Anonymous), 0, "Authentication Error: No User-ID supplied"},
        {"other", withAuthentication(IAT_Other), 0, "Authentication Error: No User-ID supplied"},
        {"no authentication", KivInitializeReq{}, 0, "Authentication Error: No User-ID supplied"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto [answer, logged] = check(c.request);
        EXPECT_EQ(answer, c.answer);
        EXPECT_EQ(logged, std::string(c.message) + "\n");
    }
}

TEST_F(AuthenticationTest, WithoutTheCheckEveryRequestIsAcceptedSilently) {
    for (const char* ini : {"", "[InitializeRequest]\nulAuthentication=0\n"}) {
        writeFile(kIniFileName, ini + kUsers);
        auto [answer, logged] = check(open("mallory/x"));
        EXPECT_EQ(answer, 1);
        EXPECT_EQ(logged, "");
        std::tie(answer, logged) = check(KivInitializeReq{});
        EXPECT_EQ(answer, 1);
    }
}

TEST_F(AuthenticationTest, LongUserIdIsCutInsideTheMessage) {
    writeFile(kIniFileName, "[InitializeRequest]\nulAuthentication=1\n" + kUsers);
    const std::string longId = std::string(200, 'u') + "\xC3\xA9";
    auto [answer, logged] = check(open(longId + "/x"));
    EXPECT_EQ(answer, 0);
    const std::string prefix = "Authentication Error: Incorrect User-ID (";
    ASSERT_EQ(logged.size(), kAuthenticationMessageLimit + 1);
    EXPECT_EQ(logged.substr(0, prefix.size()), prefix);
    EXPECT_TRUE(logged.ends_with("(" + std::string(54, 'u') + "...)\n"));

    // A multi-octet character at the cut is dropped whole.
    const std::string accented = std::string(53, 'u') + "\xC3\xA9\xC3\xA9\xC3\xA9";
    std::tie(answer, logged) = check(open(accented + "/x"));
    EXPECT_TRUE(logged.ends_with("(" + std::string(53, 'u') + "...)\n"));
}

}  // namespace
