#include "Quorvane/association/session_setup.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "Quorvane/association/session_lock.h"
#include "Quorvane/association/session_table.h"
#include "Quorvane/association/session_tracing.h"
#include "Quorvane/config/config_error_state.h"
#include "Quorvane/config/ini_readers.h"
#include "Quorvane/log/operations_log.h"
#include "tests/server/config_error_child.h"
#include "tests/server/traced_scratch_dir.h"
#include "toolkit/session/association_registry.h"
#include "toolkit/session/trace_registry.h"

namespace {

const std::string kInitSettings =
    "[InitializeResponse]\n"
    "pcProtocolVersion=111\n"
    "pcOptions=1110000000000\n"
    "ulPreferredMessageSize=32768\n"
    "ulMaximumMessageSize=65536\n"
    "pcImplementationId=QV\n"
    "pcImplementationName=Quorvane\n"
    "pcImplementationVersion=1.0\n"
    "[ControlFiles]\n"
    "pcControlFilesDir=control\n";

class SessionSetUpTest : public TracedScratchDirTest {
  protected:
    void SetUp() override {
        TracedScratchDirTest::SetUp();
        // The definitions every association loads; empty files are valid and define nothing.
        std::filesystem::create_directory(path("control"));
        writeFile("control/search.tblx", "");
        writeFile("control/scan.tblx", "");
    }

    // Registers the id with the toolkit, as the association manager has done before the set-up.
    static void registerAssociation(KivAssocId assocId) {
        SIAssociation association;
        association.lAssocId = assocId;
        ASSERT_TRUE(siAddAssociation(association));
    }
};

TEST_F(SessionSetUpTest, RecordCarriesTheInitSettingsAndIsIdle) {
    writeFile(kIniFileName, kInitSettings);
    ASSERT_TRUE(SessionSetUp(21, 9));
    std::shared_ptr<SessionRecord> record = FindSession(21);
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->assocId, 21);
    EXPECT_EQ(record->socket, 9);
    EXPECT_EQ(record->protocolVersion, "111");
    EXPECT_EQ(record->options, "1110000000000");
    EXPECT_EQ(record->preferredMessageSize, 32768u);
    EXPECT_EQ(record->maximumMessageSize, 65536u);
    EXPECT_EQ(record->implementationId, "QV");
    EXPECT_EQ(record->implementationName, "Quorvane");
    EXPECT_EQ(record->implementationVersion, "1.0");
    EXPECT_EQ(record->controlFilesDir, dir_ + "control");
    EXPECT_FALSE(record->busy);
    EXPECT_EQ(record->traceFile, nullptr) << "tracing is off by default";
    EXPECT_FALSE(configErrorIsSet());

    EXPECT_FALSE(SessionSetUp(21, 10)) << "an id holds one session";
    EXPECT_EQ(FindSession(21)->socket, 9);
    ReleaseSession(21);
}

TEST_F(SessionSetUpTest, TracedAssociationWritesItsFileUntilReleased) {
    writeFile(kIniFileName, kInitSettings + "[Tracing]\ntrace=1\ntracefile=./assoc%03d.trc\n");
    registerAssociation(22);
    ASSERT_TRUE(SessionSetUp(22, 9));
    EXPECT_EQ(readFile(kTraceCounterName), "1");
    EXPECT_EQ(SIGetTraceLevel(22), Trace_High);
    SITraceWrite(22, Trace_High, "a line of the association\n");

    ReleaseSession(22);
    EXPECT_EQ(SIGetTraceLevel(22), 0) << "the toolkit no longer traces into the closed file";
    const std::string trace = readFile("assoc001.trc");
    EXPECT_NE(trace.find("Beginning trace for Association:22"), std::string::npos);
    EXPECT_NE(trace.find("Beginning Trace at Level: Trace_High"), std::string::npos);
    EXPECT_NE(trace.find("a line of the association\n"), std::string::npos);
    EXPECT_NE(trace.find("Ending current trace."), std::string::npos);
    siForgetAssociation(22);

    registerAssociation(23);
    ASSERT_TRUE(SessionSetUp(23, 9));
    EXPECT_EQ(readFile(kTraceCounterName), "2");
    EXPECT_TRUE(std::filesystem::exists(path("assoc002.trc")));
    ReleaseSession(23);
    siForgetAssociation(23);
}

TEST_F(SessionSetUpTest, UntraceableAssociationsStayUntraced) {
    writeFile(kIniFileName, kInitSettings + "[Tracing]\ntrace=1\ntracefile=./no/such/dir/t%d.trc\n");
    ASSERT_TRUE(SessionSetUp(24, 9));
    EXPECT_EQ(FindSession(24)->traceFile, nullptr);
    EXPECT_EQ(readFile(kTraceCounterName), "1");
    EXPECT_EQ(out_.str(), "") << "a file that cannot be created is no message";
    ReleaseSession(24);
    out_.str("");

    writeFile(kIniFileName, kInitSettings + "[Tracing]\ntrace=1\ntracefile=./t%s.trc\n");
    ASSERT_TRUE(SessionSetUp(25, 9));
    EXPECT_EQ(FindSession(25)->traceFile, nullptr);
    EXPECT_EQ(readFile(kTraceCounterName), "1") << "no counter is spent on a bad pattern";
    EXPECT_EQ(out_.str(), "Trace file name pattern ./t%s.trc must hold exactly one %d\n");
    ReleaseSession(25);
    EXPECT_EQ(out_.str(),
              "Trace file name pattern ./t%s.trc must hold exactly one %d\nSUCCESS: ODBCDisconnectDB\n")
        << "release closes the database connections";
    EXPECT_FALSE(configErrorIsSet());
}

TEST_F(SessionSetUpTest, MissingRequiredKeyIsAConfigurationErrorButSetUpFinishes) {
    RunSettingConfigError([&] {
        writeFile(kIniFileName, "[InitializeResponse]\npcProtocolVersion=111\n");
        ASSERT_TRUE(SessionSetUp(26, 9));
        EXPECT_TRUE(configErrorIsSet());
        std::shared_ptr<SessionRecord> record = FindSession(26);
        ASSERT_NE(record, nullptr);
        EXPECT_FALSE(record->busy);
        EXPECT_EQ(record->options, "Default INI String");
        EXPECT_EQ(record->controlFilesDir, dir_) << "no directory configured: the program directory";
        ReleaseSession(26);
    });
}

}  // namespace
