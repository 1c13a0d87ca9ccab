#pragma once
// The long date and time of the trace banner, e.g. "Tuesday, March 14, 1995, 12:41:29".

#include <ctime>
#include <string>

namespace platform {

std::string longDateTime(const std::tm& time);

}  // namespace platform
