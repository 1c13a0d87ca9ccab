#include "Quorvane/config/ini_readers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <regex>
#include <sstream>
#include <string>

#include "Quorvane/config/config_error_state.h"
#include "Quorvane/config/config_problems.h"
#include "Quorvane/log/operations_log.h"
#include "tests/server/scratch_dir.h"

namespace {

class IniReaders : public ScratchDirTest {
  protected:
    void TearDown() override {
        setOperationsTraceView(nullptr);
        ScratchDirTest::TearDown();
    }
};

struct StringCase {
    const char* what;
    std::string ini;  // empty: no Quorvane.INI at all
    const char* section;
    const char* key;
    std::optional<std::string> expected;  // nothing: the key counts as missing
};

const std::string kLong(700, 'v');

const StringCase kStringCases[] = {
    {"present", "[InitializeResponse]\npcOptions=1100000000000\n", "InitializeResponse", "pcOptions",
     "1100000000000"},
    {"section and key ignore case", "[initializeresponse]\nPCOPTIONS=11\n", "InitializeResponse", "pcOptions",
     "11"},
    {"empty value is not missing", "[S]\nk=\n", "S", "k", ""},
    {"missing key", "[S]\nother=1\n", "S", "k", std::nullopt},
    {"missing section", "[T]\nk=1\n", "S", "k", std::nullopt},
    {"no file", "", "S", "k", std::nullopt},
    {"the sentinel text counts as missing", "[S]\nk=Default INI String\n", "S", "k", std::nullopt},
    {"the quoted sentinel counts as missing", "[S]\nk=\"Default INI String\"\n", "S", "k", std::nullopt},
    {"the sentinel inside a value is a value", "[S]\nk=Default INI String 2\n", "S", "k",
     "Default INI String 2"},
    {"long values are cut to 599 octets", "[S]\nk=" + kLong + "\n", "S", "k", kLong.substr(0, 599)},
    {"599 octets are kept", "[S]\nk=" + kLong.substr(0, 599) + "\n", "S", "k", kLong.substr(0, 599)},
};

TEST_F(IniReaders, StringReadersTable) {
    for (const StringCase& c : kStringCases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove(path(kIniFileName));
        removeLog(kErrorLogName);
        if (!c.ini.empty()) writeFile(kIniFileName, c.ini);

        ConfigProblemWatch optionalWatch;
        EXPECT_EQ(GetIniStringOptional(c.section, c.key), c.expected);
        EXPECT_FALSE(optionalWatch.found());
        EXPECT_FALSE(std::filesystem::exists(path(kErrorLogName)));

        ConfigProblemWatch requiredWatch;
        EXPECT_EQ(GetIniStringRequired(c.section, c.key), c.expected.value_or("Default INI String"));
        EXPECT_EQ(requiredWatch.found(), !c.expected.has_value());
        EXPECT_EQ(std::filesystem::exists(path(kErrorLogName)), !c.expected.has_value());
    }
    // Only the caller decides whether a problem stops the server.
    EXPECT_FALSE(configErrorIsSet());
}

TEST_F(IniReaders, MissingRequiredKeyIsAppendedToTheLogsNotReplacingThem) {
    writeFile(kIniFileName, "[InitializeResponse]\npcOptions=11\n");
    writeFile(kErrorLogName, "earlier line\n");
    std::string message =
        "No entry for item pcImplementationName in section InitializeResponse in Quorvane.INI";

    EXPECT_EQ(GetIniStringRequired("InitializeResponse", "pcImplementationName"), "Default INI String");
    EXPECT_TRUE(std::regex_match(
        readFile(kErrorLogName),
        std::regex("earlier line\n[A-Z][a-z]+ [0-9]{2}, [0-9]{4} [0-9:]{8} --> \t" + message + "\n")))
        << readFile(kErrorLogName);
    EXPECT_EQ(readFile(kDiagInfoName), message + "\n");

    // While the server runs the message is shown in the trace and still kept in the error log.
    std::ostringstream out;
    platform::TraceView view(out);
    setOperationsTraceView(&view);
    GetIniStringRequired("InitializeResponse", "pcImplementationName");
    EXPECT_EQ(view.text(), message + "\n");
    std::string log = readFile(kErrorLogName);
    EXPECT_EQ(log.rfind("earlier line\n", 0), 0u);
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 3);
}

TEST_F(IniReaders, KeysAndSectionsAreNeverFormats) {
    std::string message = "No entry for item %s%n%d in section %x in Quorvane.INI";
    GetIniStringRequired("%x", "%s%n%d");
    EXPECT_EQ(readFile(kDiagInfoName), message + "\n");
}

TEST_F(IniReaders, FileIsReadOnEveryCall) {
    writeFile(kIniFileName, "[Start]\nulTimeOut=30\n[Present]\npcDefaultRecordFormat=F\n");
    EXPECT_EQ(GetIniInt("Start", "ulTimeOut"), 30);
    EXPECT_EQ(GetIniStringOptional("Present", "pcDefaultRecordFormat"), "F");
    writeFile(kIniFileName, "[Start]\nulTimeOut=2\n[Present]\npcDefaultRecordFormat=brief\n");
    EXPECT_EQ(GetIniInt("Start", "ulTimeOut"), 2);
    EXPECT_EQ(GetIniStringOptional("Present", "pcDefaultRecordFormat"), "brief");
}

TEST_F(IniReaders, IntegerReader) {
    writeFile(kIniFileName, "[Start]\nulPortNumber=2100\nulTimeOut=-5\nulWantWindow=yes\n");
    EXPECT_EQ(GetIniInt("Start", "ulPortNumber", 210), 2100);
    EXPECT_EQ(GetIniInt("Start", "ulTimeOut"), -5);
    EXPECT_EQ(GetIniInt("Start", "ulWantWindow", 1), 1);
    EXPECT_EQ(GetIniInt("Start", "ulMissing"), 0);
    EXPECT_EQ(GetIniInt("Tracing", "trace", 7), 7);
}

struct PathCase {
    const char* what;
    const char* line;      // nullptr: no key
    std::string expected;  // "<dir>" stands for the program directory
};

TEST_F(IniReaders, PathReaderTable) {
    const PathCase cases[] = {
        {"missing key gives the program directory", nullptr, "<dir>"},
        {"empty value gives the program directory", "pcControlFilesDir=", "<dir>"},
        {"relative name", "pcControlFilesDir=control", "<dir>control"},
        {"relative name ending with a slash", "pcControlFilesDir=control/", "<dir>control/"},
        {"relative path", "pcControlFilesDir=conf/control", "<dir>conf/control"},
        {"absolute path", "pcControlFilesDir=/etc/quorvane/control", "/etc/quorvane/control"},
        {"dot path", "pcControlFilesDir=./control", "./control"},
        {"dot-dot path", "pcControlFilesDir=../control/", "../control/"},
    };
    for (const PathCase& c : cases) {
        SCOPED_TRACE(c.what);
        writeFile(kIniFileName, std::string("[ControlFiles]\n") + (c.line != nullptr ? c.line : "") + "\n");
        std::string expected = c.expected;
        if (expected.rfind("<dir>", 0) == 0) expected = dir_ + expected.substr(5);
        EXPECT_EQ(GetIniPath("ControlFiles", "pcControlFilesDir"), expected);
    }
}

TEST_F(IniReaders, RelativeFileNamePatternStaysAFileName) {
    writeFile(kIniFileName, "[Tracing]\ntracefile=traces/assoc%d.trc\n");
    std::string pattern = GetIniPath("Tracing", "tracefile");
    EXPECT_EQ(pattern, dir_ + "traces/assoc%d.trc");
    EXPECT_EQ(platform::joinPath(GetIniPath("ControlFiles", "pcControlFilesDir"), "search.tblx"),
              dir_ + "search.tblx");
}

TEST_F(IniReaders, ConfigDirectoryOverrideChoosesTheFile) {
    writeFile(kIniFileName, "[Start]\nulPortNumber=2100\n");
    std::filesystem::create_directory(path("other"));
    writeFile("other/Quorvane.INI",
              "[Start]\nulPortNumber=3100\n[ControlFiles]\npcControlFilesDir=control\n");

    EXPECT_EQ(GetProgramDir(), dir_);
    EXPECT_EQ(MakeIniPath(kIniFileName), dir_ + "Quorvane.INI");
    EXPECT_EQ(GetIniInt("Start", "ulPortNumber", 210), 2100);

    platform::setProgramDir(path("other"));
    EXPECT_EQ(GetProgramDir(), dir_ + "other/");
    EXPECT_EQ(MakeIniPath(kIniFileName), dir_ + "other/Quorvane.INI");
    EXPECT_EQ(GetIniInt("Start", "ulPortNumber", 210), 3100);
    EXPECT_EQ(GetIniPath("ControlFiles", "pcControlFilesDir"), dir_ + "other/control");

    // A name with a directory part is taken as it stands.
    EXPECT_EQ(MakeIniPath("/etc/quorvane/Quorvane.INI"), "/etc/quorvane/Quorvane.INI");
    EXPECT_EQ(MakeIniPath("conf/Quorvane.INI"), "conf/Quorvane.INI");
}

}  // namespace
