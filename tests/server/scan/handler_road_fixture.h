#pragma once
// The whole road of a request through a handler: an association on a socket pair whose session was set
// up from the shipped control files and serves the generated sample catalogue; the test plays the client
// on the other end with the codec.

#include <fstream>
#include <string>
#include <vector>

#include "Quorvane/association/session_setup.h"
#include "Quorvane/association/session_table.h"
#include "Quorvane/config/config_error_state.h"
#include "Quorvane/config/ini_readers.h"
#include "tests/server/handler_transport_fixture.h"
#include "tests/server/scan/sample_catalogue.h"

class HandlerRoadTest : public HandlerTransportTest {
  protected:
    static constexpr KivAssocId kId = 4712;

    HandlerRoadTest() : HandlerTransportTest(kId) {}

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
};
