#include "Quorvane/platform/trace_time.h"

namespace platform {

std::string longDateTime(const std::tm& time) {
    char buffer[128];
    std::size_t length = std::strftime(buffer, sizeof buffer, "%A, %B %d, %Y, %H:%M:%S", &time);
    return std::string(buffer, length);
}

}  // namespace platform
