#include "toolkit/session/acse_config_path.h"

#include <cstdio>
#include <mutex>

#include "toolkit/session/transport_errors.h"

namespace {

constexpr long kFileNotOpenedCode = 110;

struct AcseConfigPath {
    std::mutex mutex;
    std::string path = kSIDefaultAcseConfigPath;
};

AcseConfigPath& acseConfigPath() {
    static AcseConfigPath kept;
    return kept;
}

}  // namespace

SIResult SISetAcseConfigPath(const char* path, SIError** error) {
    if (path == nullptr) {
        siReportInvalidParameters(0, "SISetAcseConfigPath: the path must not be NULL", Association_Closed,
                                  error);
        return SI_NOTOK;
    }
    FILE* file = std::fopen(path, "r");
    if (file == nullptr) {
        const std::string message = std::string("The file ") + path + " could not be opened";
        SIReportError(0, SI_Interface_Error, 0, kFileNotOpenedCode, message.c_str(), 0, Association_Closed,
                      error);
        return SI_NOTOK;
    }
    std::fclose(file);
    AcseConfigPath& kept = acseConfigPath();
    std::lock_guard<std::mutex> lock(kept.mutex);
    kept.path = path;
    return SI_OK;
}

std::string siAcseConfigPath() {
    AcseConfigPath& kept = acseConfigPath();
    std::lock_guard<std::mutex> lock(kept.mutex);
    return kept.path;
}
