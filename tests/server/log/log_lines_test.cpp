// What reaches the logs: client text escaped, detail lines only at the detail level, the settings the
// configuration file gives.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "Quorvane/config/control_values.h"
#include "Quorvane/config/ini_readers.h"
#include "Quorvane/database/diag_info_batch.h"
#include "Quorvane/database/new_diag_log.h"
#include "Quorvane/log/log_file_append.h"
#include "Quorvane/log/log_files.h"
#include "Quorvane/log/log_flusher.h"
#include "Quorvane/log/log_settings.h"
#include "Quorvane/log/operations_log.h"
#include "tests/server/scratch_dir.h"

namespace {

class LogLines : public ScratchDirTest {
  protected:
    void TearDown() override {
        setOperationsTraceView(nullptr);
        applyLogSettings(LogSettings{});
        ScratchDirTest::TearDown();
    }
};

TEST_F(LogLines, ClientTextCannotForgeALineInTheTraceOrTheLogs) {
    std::ostringstream out;
    platform::TraceView view(out);
    setOperationsTraceView(&view);
    const std::string forged = "yaz\r\nAccepted a new connection from address 10.0.0.1 \x1B[1m";
    LogMessage("psImplementationName: " + forged);
    AppendDiagInfo("database " + forged);
    appendLineToFile(kNewDiagName, forged);
    DiagInfoBatch batch;
    batch.add("1 TITLE " + forged);
    batch.flush();

    const std::string escaped = "yaz\\r\\nAccepted a new connection from address 10.0.0.1 \\x1B[1m";
    EXPECT_EQ(out.str(), "psImplementationName: " + escaped + "\n");
    EXPECT_EQ(readFile(kDiagInfoName), "database " + escaped + "\n1 TITLE " + escaped + "\n");
    EXPECT_EQ(readFile(kNewDiagName), escaped + "\n");
}

TEST_F(LogLines, DetailLinesAreWrittenOnlyAtTheDetailLevel) {
    std::ostringstream out;
    platform::TraceView view(out);
    setOperationsTraceView(&view);
    for (bool detail : {false, true}) {
        SCOPED_TRACE(detail ? "detail" : "operational");
        removeLog(kDiagInfoName);
        removeLog(kInputDiagName);
        view.clear();
        LogSettings settings;
        settings.detail = detail;
        applyLogSettings(settings);

        LogDetail("Records retrieved 0");
        AppendDetailDiagInfo("SELECT K FROM T");
        appendDetailLineToFile(kInputDiagName, "value");
        DiagInfoBatch batch;
        batch.add("1 TITLE History");
        batch.flush();
        LogAndDiagnose("Sarvik Error: Failed to do SQL Execute (8)");

        const std::string always = "Sarvik Error: Failed to do SQL Execute (8)\n";
        EXPECT_EQ(view.text(), detail ? "Records retrieved 0\n" + always : always);
        EXPECT_EQ(readFile(kDiagInfoName),
                  detail ? "SELECT K FROM T\n1 TITLE History\n" + always : always);
        EXPECT_EQ(readFile(kInputDiagName), detail ? "value\n" : "");
    }
}

TEST_F(LogLines, SettingsComeFromTheLoggingSectionWithDefaultsForMissingKeys) {
    LogSettings absent = ReadLogSettings();
    EXPECT_EQ(absent.limits.maxBytes, LogFileLimits{}.maxBytes);
    EXPECT_EQ(absent.limits.filesKept, LogFileLimits{}.filesKept);
    EXPECT_TRUE(absent.detail) << "without the key every detail line is logged";

    writeFile(kIniFileName, "[Logging]\nulMaxLogFileKB=64\nulLogFilesKept=5\nulLogDetail=0\n");
    LogSettings given = ReadLogSettings();
    EXPECT_EQ(given.limits.maxBytes, 64u * 1024);
    EXPECT_EQ(given.limits.filesKept, 5);
    EXPECT_FALSE(given.detail);
}

TEST_F(LogLines, TheFlusherWritesWhatWasGatheredWhenItStops) {
    {
        LogFlusher flusher;
        AppendDiagInfo("gathered");
    }
    std::ifstream in(path(kDiagInfoName));  // read without the fixture's own flush
    std::string line;
    std::getline(in, line);
    EXPECT_EQ(line, "gathered");
}

}  // namespace
