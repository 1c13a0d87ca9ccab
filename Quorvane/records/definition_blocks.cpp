#include "Quorvane/records/definition_blocks.h"

#include "Quorvane/platform/program_dir.h"

std::string ControlFilePath(const SessionRecord& session, std::string_view name) {
    if (session.controlFilesDir.empty()) return std::string(name);
    return platform::joinPath(session.controlFilesDir, name);
}
