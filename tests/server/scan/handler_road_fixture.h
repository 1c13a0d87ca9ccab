#pragma once
// The whole road of a request through a handler: an association on a socket pair whose session was set
// up from the shipped control files and serves the generated sample catalogue; the test plays the client
// on the other end with the codec.

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "Quorvane/association/session_lock.h"
#include "Quorvane/association/session_setup.h"
#include "Quorvane/association/session_table.h"
#include "Quorvane/config/config_error_state.h"
#include "Quorvane/config/ini_readers.h"
#include "Quorvane/log/operations_log.h"
#include "Quorvane/platform/program_dir.h"
#include "tests/server/scan/sample_catalogue.h"
#include "tests/session/transport_fixture.h"

class HandlerRoadTest : public TransportFixture {
  protected:
    static constexpr KivAssocId kId = 4712;

    void SetUp() override {
        TransportFixture::SetUp();
        platform::setProgramDir(std::filesystem::current_path().string());
        setOperationsTraceView(&view_);
    }
    void TearDown() override {
        ReleaseSession(kId);
        setOperationsTraceView(nullptr);
        platform::setProgramDir("");
        TransportFixture::TearDown();
    }

    // An association in the state with its session; answers the client's end of the connection.
    int associate(int state) {
        const GeneratedCatalogue& catalogue = GeneratedCatalogue::instance();
        EXPECT_FALSE(catalogue.dir().empty()) << catalogue.failure();
        std::ofstream(kIniFileName) << "[InitializeResponse]\npcProtocolVersion=111\npcOptions=11000001\n"
                                       "ulPreferredMessageSize=32768\nulMaximumMessageSize=65536\n"
                                       "pcImplementationId=QRV\npcImplementationName=Quorvane\n"
                                       "pcImplementationVersion=1.0\n[ControlFiles]\npcControlFilesDir="
                                    << kShippedControlDir
                                    << "\n[SQL]\npcDateLiteral=ISO\n[ODBC:Default]\nVESKO="
                                    << catalogue.connectionString("catalogue.db") << "\n";
        auto [target, client] = socketPair();
        registerOn(kId, target, state);
        EXPECT_TRUE(SessionSetUp(kId, target));
        EXPECT_FALSE(configErrorIsSet()) << out_.str();
        return client;
    }

    std::vector<std::string> loggedLines() const {
        std::vector<std::string> lines;
        std::istringstream in(out_.str());
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        return lines;
    }

    static std::string text(const BerOctets& octets) {
        return std::string(reinterpret_cast<const char*>(octets.octets), static_cast<size_t>(octets.length));
    }

    // The elements of a received list, each a pointer to T.
    template <typename T>
    static std::vector<T*> elements(const BerList* list) {
        std::vector<T*> found;
        for (BerListNode* node = list != nullptr ? list->first : nullptr; node != nullptr;
             node = node->next) {
            found.push_back(*static_cast<T**>(ASN_ListSlot(node)));
        }
        return found;
    }

    std::ostringstream out_;
    platform::TraceView view_{out_};
};
