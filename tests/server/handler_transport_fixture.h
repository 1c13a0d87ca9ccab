#pragma once
// A handler's answers over a socket pair (TransportFixture): the test directory is the program directory
// (where Quorvane.INI is read), the operations-log lines go to a trace view of the test, and the session of
// the fixture's association is released after the test.

#include <filesystem>
#include <string>

#include "Quorvane/association/session_lock.h"
#include "Quorvane/platform/program_dir.h"
#include "tests/server/operations_trace.h"
#include "tests/session/transport_fixture.h"

class HandlerTransportTest : public TransportFixture, protected OperationsTrace {
  protected:
    explicit HandlerTransportTest(KivAssocId id) : id_(id) {}

    void SetUp() override {
        TransportFixture::SetUp();
        platform::setProgramDir(std::filesystem::current_path().string());
    }
    void TearDown() override {
        ReleaseSession(id_);
        platform::setProgramDir("");
        TransportFixture::TearDown();
    }

    static std::string text(const BerOctets& octets) {
        return std::string(reinterpret_cast<const char*>(octets.octets), static_cast<size_t>(octets.length));
    }

  private:
    KivAssocId id_;
};
