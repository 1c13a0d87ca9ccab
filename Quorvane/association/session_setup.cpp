#include "Quorvane/association/session_setup.h"

#include <memory>

#include "Quorvane/association/session_lock.h"
#include "Quorvane/association/session_table.h"
#include "Quorvane/association/session_tracing.h"
#include "Quorvane/config/config_error_state.h"
#include "Quorvane/config/config_problems.h"
#include "Quorvane/config/ini_readers.h"
#include "Quorvane/platform/program_dir.h"
#include "Quorvane/present/record_formats.h"
#include "Quorvane/scan/scan_definitions_reader.h"
#include "Quorvane/search/search_definitions_reader.h"

namespace {

constexpr const char* kInitSection = "InitializeResponse";

}  // namespace

void LoadInitResponseSettings(SessionRecord& record) {
    record.protocolVersion = GetIniStringRequired(kInitSection, "pcProtocolVersion");
    record.options = GetIniStringRequired(kInitSection, "pcOptions");
    record.preferredMessageSize =
        static_cast<std::uint32_t>(GetIniInt(kInitSection, "ulPreferredMessageSize"));
    record.maximumMessageSize = static_cast<std::uint32_t>(GetIniInt(kInitSection, "ulMaximumMessageSize"));
    record.implementationId = GetIniStringRequired(kInitSection, "pcImplementationId");
    record.implementationName = GetIniStringRequired(kInitSection, "pcImplementationName");
    record.implementationVersion = GetIniStringRequired(kInitSection, "pcImplementationVersion");
    record.controlFilesDir = GetIniPath("ControlFiles", "pcControlFilesDir");
}

bool SessionSetUp(KivAssocId assocId, int socket) {
    auto record = std::make_shared<SessionRecord>();
    record->assocId = assocId;
    record->busy = true;
    if (!StoreSession(record)) return false;

    ConfigProblemWatch watch;
    LoadInitResponseSettings(*record);
    record->socket = socket;
    LoadPresentDefinitions(*record);
    record->searchDefinitions =
        LoadSearchDefinitions(platform::joinPath(record->controlFilesDir, kSearchFileName));
    record->scanDefinitions = LoadScanDefinitions(record->controlFilesDir);
    SetUpTracing(assocId, *record);
    if (watch.found()) setConfigError();

    UnlockSession(assocId);
    return true;
}
