#include "Quorvane/platform/profile.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>

#include <chrono>
#include <climits>
#include <cstdio>
#include <ctime>
#include <string>
#include <thread>

#include "tests/server/platform/temp_path.h"

namespace {

using platform::readProfileInt;
using platform::readProfileString;

struct StringCase {
    const char* what;
    const char* ini;
    const char* section;
    const char* key;
    const char* expected;  // "<default>" when the default is expected
};

const StringCase kStringCases[] = {
    {"plain value", "[Start]\nulPortNumber=2100\n", "Start", "ulPortNumber", "2100"},
    {"section and key ignore case", "[START]\nULPORTNUMBER=5\n", "start", "UlPortNumber", "5"},
    {"first occurrence wins", "[S]\nk=1\nk=2\n", "S", "k", "1"},
    {"first section of a repeated name wins", "[S]\nk=1\n[s]\nk=2\n", "S", "k", "1"},
    {"a repeated section adds keys", "[S]\na=1\n[T]\nk=x\n[S]\nk=2\n", "S", "k", "2"},
    {"comment line", "[S]\n;k=9\n  ; k=8\nk=3\n", "S", "k", "3"},
    {"semicolon inside a value is data", "[S]\nk=value ; not a comment\n", "S", "k", "value ; not a comment"},
    {"equals sign inside a value", "[S]\nk=a=b\n", "S", "k", "a=b"},
    {"blanks around key and value", "[S]\n  k  =   v  v \t\n", "S", "k", "v  v"},
    {"carriage returns", "[S]\r\nk=crlf\r\n", "S", "k", "crlf"},
    {"double quotes removed, inner blanks kept", "[S]\nk=\"  a b  \"\n", "S", "k", "  a b  "},
    {"single quotes removed", "[S]\nk='x'\n", "S", "k", "x"},
    {"only one pair of quotes removed", "[S]\nk=\"\"x\"\"\n", "S", "k", "\"x\""},
    {"unmatched quotes kept", "[S]\nk=\"x'\n", "S", "k", "\"x'"},
    {"lone quote kept", "[S]\nk=\"\n", "S", "k", "\""},
    {"empty quotes give empty text", "[S]\nk=\"\"\n", "S", "k", ""},
    {"empty value is not missing", "[S]\nk=\n", "S", "k", ""},
    {"blanks inside the section brackets", "[ S ]\nk=1\n", "S", "k", "1"},
    {"byte order mark", "\xEF\xBB\xBF[S]\nk=bom\n", "S", "k", "bom"},
    {"last line without line end", "[S]\nk=end", "S", "k", "end"},
    {"line without equals sign ignored", "[S]\nk\nk=2\n", "S", "k", "2"},
    {"missing key", "[S]\nother=1\n", "S", "k", "<default>"},
    {"missing section", "[T]\nk=1\n", "S", "k", "<default>"},
    {"key of the following section", "[S]\n[T]\nk=1\n", "S", "k", "<default>"},
    {"key before any section", "k=1\n[S]\n", "S", "k", "<default>"},
    {"unclosed section header starts no section", "[S]\nk=1\n[T\nk=2\n", "T", "k", "<default>"},
    {"key is matched whole", "[S]\nkey=1\n", "S", "k", "<default>"},
};

TEST(ProfileString, SeesTheFileChangedOnDisk) {
    // The same size and the same second: only the contents tell the two files apart.
    std::string path = writeTemp("changed.ini", "[S]\nk=1\n");
    EXPECT_EQ(readProfileString(path, "S", "k", "DEFAULT"), "1");
    writeTemp("changed.ini", "[S]\nk=2\n");
    EXPECT_EQ(readProfileString(path, "S", "k", "DEFAULT"), "2");
    writeTemp("changed.ini", "[S]\nother=3\n");
    EXPECT_EQ(readProfileString(path, "S", "k", "DEFAULT"), "DEFAULT");
    std::remove(path.c_str());
    EXPECT_EQ(readProfileString(path, "S", "k", "DEFAULT"), "DEFAULT");
}

TEST(ProfileString, AFileThatHadBeenQuietIsStillReadAgainAfterItChanges) {
    // Modification times in the past: the file counts as quiet when parsed, so its status is compared
    // with the disk at most once per interval rather than on every read.
    platform::setProfileRecheckInterval(std::chrono::seconds(1));
    const auto setModified = [](const std::string& path, time_t secondsAgo) {
        const timespec when{std::time(nullptr) - secondsAgo, 0};
        const timespec times[2] = {when, when};
        ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
    };
    std::string path = writeTemp("quiet.ini", "[S]\nk=1\n");
    setModified(path, 60);
    EXPECT_EQ(readProfileString(path, "S", "k", "DEFAULT"), "1");
    EXPECT_EQ(readProfileString(path, "S", "k", "DEFAULT"), "1");
    writeTemp("quiet.ini", "[S]\nk=2\n");
    setModified(path, 30);
    std::this_thread::sleep_for(std::chrono::milliseconds(1100));
    EXPECT_EQ(readProfileString(path, "S", "k", "DEFAULT"), "2");
    std::remove(path.c_str());
    std::this_thread::sleep_for(std::chrono::milliseconds(1100));
    EXPECT_EQ(readProfileString(path, "S", "k", "DEFAULT"), "DEFAULT");
    platform::setProfileRecheckInterval(std::chrono::milliseconds(0));
}

TEST(ProfileString, WithoutARecheckIntervalAQuietFileIsComparedOnEveryRead) {
    std::string path = writeTemp("quiet_default.ini", "[S]\nk=1\n");
    const timespec past{std::time(nullptr) - 60, 0};
    const timespec times[2] = {past, past};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
    EXPECT_EQ(readProfileString(path, "S", "k", "DEFAULT"), "1");
    writeTemp("quiet_default.ini", "[S]\nk=22\n");
    EXPECT_EQ(readProfileString(path, "S", "k", "DEFAULT"), "22");
    std::remove(path.c_str());
}

TEST(ProfileString, FollowsTheProfileRules) {
    for (const StringCase& c : kStringCases) {
        std::string path = writeTemp("profile.ini", c.ini);
        std::string expected = std::string(c.expected) == "<default>" ? "DEFAULT" : c.expected;
        EXPECT_EQ(readProfileString(path, c.section, c.key, "DEFAULT"), expected) << c.what;
    }
}

TEST(ProfileString, MissingFileGivesTheDefault) {
    EXPECT_EQ(readProfileString(tempPath("no_such.ini"), "S", "k", "fallback"), "fallback");
    EXPECT_EQ(readProfileInt(tempPath("no_such.ini"), "S", "k", 77), 77);
}

struct IntCase {
    const char* value;  // nullptr: no such key
    int expected;
};

const IntCase kIntCases[] = {
    {"42", 42},
    {"-7", -7},
    {"+8", 8},
    {"0", 0},
    {"12abc", 12},
    {"30 minutes", 30},
    {"\"15\"", 15},
    {"0x10", 0},
    {"abc", -1},
    {"", -1},
    {"- 3", -1},
    {"-", -1},
    {"99999999999", INT_MAX},
    {"-99999999999", INT_MIN},
    {"2147483647", INT_MAX},
    {"-2147483648", INT_MIN},
    {nullptr, -1},
};

TEST(ProfileInt, TakesTheLeadingDigitsOrTheDefault) {
    for (const IntCase& c : kIntCases) {
        std::string ini = c.value ? std::string("[Start]\nulTimeOut=") + c.value + "\n" : "[Start]\n";
        std::string path = writeTemp("profile_int.ini", ini);
        EXPECT_EQ(readProfileInt(path, "Start", "ulTimeOut", -1), c.expected)
            << (c.value ? c.value : "(missing)");
    }
}

TEST(ProfileString, ReadsTheFileAnewOnEveryCall) {
    std::string path = writeTemp("profile_reread.ini", "[Start]\nulTimeOut=1\n");
    EXPECT_EQ(readProfileInt(path, "Start", "ulTimeOut", 0), 1);
    writeTemp("profile_reread.ini", "[Start]\nulTimeOut=2\n");
    EXPECT_EQ(readProfileInt(path, "Start", "ulTimeOut", 0), 2);
}

}  // namespace
