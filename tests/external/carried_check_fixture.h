#pragma once
// Validation of a carried content through its EXTERNAL, as a public call validates it, with the reported
// fault read back from the process error log.

#include <gtest/gtest.h>

#include <string>

#include "tests/util/process_log_fixture.h"
#include "toolkit/api/kiv_check_external.h"

class CarriedCheckTest : public ProcessLogFixture {
  protected:
    // The path the validator is given for the EXTERNAL.
    static constexpr const char* kRecordPath = "psRecord->";

    static void expectValid(const KivExternal& external, const char* what = "") {
        SIError* error = nullptr;
        EXPECT_EQ(KivCheckExternal(3, &external, kRecordPath, &error), 0) << what;
        EXPECT_EQ(error, nullptr) << what;
        SIFreeError(&error);
    }

    // A validator of the EXTERNAL's content, called as the public calls call it.
    using Validator = int (*)(const KivExternal& external, SIError** error);

    // Exactly one fault: the code and the message with its path.
    static void expectFault(const KivExternal& external, long code, const std::string& message,
                            const char* what = "") {
        expectFault(checkExternal, external, code, message, what);
    }

    // Exactly one fault found by the validator: the code and the message with its path.
    static void expectFault(Validator validate, const KivExternal& external, long code,
                            const std::string& message, const char* what = "") {
        createLog();
        SIError* error = nullptr;
        EXPECT_EQ(validate(external, &error), 1) << what;
        ASSERT_NE(error, nullptr) << what;
        EXPECT_EQ(error->eErrorClass, SI_Interface_Error) << what;
        EXPECT_EQ(error->uErrorCode.lIfOsCoError, code) << what;
        EXPECT_EQ(loggedDiagnostic(), message) << what;
        SIFreeError(&error);
    }

  private:
    static int checkExternal(const KivExternal& external, SIError** error) {
        return KivCheckExternal(3, &external, kRecordPath, error);
    }
};
