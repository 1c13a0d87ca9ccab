#include "Quorvane/config/config_error_state.h"

#include <atomic>

#include "Quorvane/config/config_error_state_reset.h"
#include "Quorvane/log/operations_log.h"

namespace {

std::atomic<bool> configError{false};

bool refuseWith(const char* message) {
    if (!configErrorIsSet()) return false;
    LogMessage(message);
    return true;
}

}  // namespace

void setConfigError() {
    configError.store(true);
}

void clearConfigError() {
    configError.store(false);
}

bool configErrorIsSet() {
    return configError.load();
}

bool refuseConnectionOnConfigError() {
    return refuseWith("No further connections accepted due to configuration file error!!");
}

bool dropPduOnConfigError() {
    return refuseWith("No further PDUs accepted due to configuration file error!!");
}
