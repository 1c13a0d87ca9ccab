// The ACSE configuration path kept for the process.
#include "toolkit/session/acse_config_path.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "tests/util/process_log_fixture.h"

namespace {

class AcseConfigPathTest : public ProcessLogFixture {
  protected:
    void TearDown() override {
        restoreDefault();
        ProcessLogFixture::TearDown();
    }
    // Sets the default path back, through the call itself: it needs a file of that name to accept it.
    static void restoreDefault() {
        std::ofstream(kSIDefaultAcseConfigPath) << "";
        ASSERT_EQ(SISetAcseConfigPath(kSIDefaultAcseConfigPath, nullptr), SI_OK);
        std::filesystem::remove(kSIDefaultAcseConfigPath);
    }
};

TEST_F(AcseConfigPathTest, AReadableFileIsKeptWhateverTheLengthOfItsPath) {
    EXPECT_EQ(siAcseConfigPath(), "./ACSE_configuration_file.tbl");
    std::ofstream("acse.tbl") << "";
    SIError* error = nullptr;
    EXPECT_EQ(SISetAcseConfigPath("acse.tbl", &error), SI_OK);
    EXPECT_EQ(error, nullptr);
    EXPECT_EQ(siAcseConfigPath(), "acse.tbl");

    // Far beyond 127 characters: kept whole, never cut to a path of another file.
    const std::string directory(200, 'd');
    std::filesystem::create_directory(directory);
    const std::string longPath = "./" + directory + "/acse.tbl";
    std::ofstream(longPath) << "";
    EXPECT_EQ(SISetAcseConfigPath(longPath.c_str(), &error), SI_OK);
    EXPECT_EQ(siAcseConfigPath(), longPath);
}

TEST_F(AcseConfigPathTest, AFileThatCannotBeOpenedIsRefusedAndThePathStays) {
    createLog();
    std::ofstream("kept.tbl") << "";
    ASSERT_EQ(SISetAcseConfigPath("kept.tbl", nullptr), SI_OK);
    SIError* error = nullptr;
    EXPECT_EQ(SISetAcseConfigPath("missing %s.tbl", &error), SI_NOTOK);
    ASSERT_NE(error, nullptr);
    EXPECT_EQ(error->eErrorClass, SI_Interface_Error);
    EXPECT_EQ(error->uErrorCode.lIfOsCoError, 110);
    EXPECT_EQ(error->eAssociationState, Association_Closed);
    EXPECT_EQ(loggedDiagnostic(), "The file missing %s.tbl could not be opened");
    EXPECT_EQ(siAcseConfigPath(), "kept.tbl");

    EXPECT_EQ(SISetAcseConfigPath(nullptr, &error), SI_NOTOK);
    ASSERT_NE(error, nullptr);
    EXPECT_EQ(error->uErrorCode.lIfOsCoError, 7);
    EXPECT_EQ(error->eAssociationState, Association_Closed);
    EXPECT_EQ(siAcseConfigPath(), "kept.tbl");
    SIFreeError(&error);
}

}  // namespace
