#pragma once
// A descriptor read line by line on an event loop: the console's command input.

#include <functional>
#include <string>

#include "Quorvane/platform/event_loop.h"

namespace platform {

// Watches fd on the loop and hands over each line without its "\n" or "\r\n"; a line longer than
// kMaxLineLength is handed over in pieces of that length. At the end of input (or a read error) the
// unfinished last line is handed over, the descriptor is no longer watched and onEnd runs. The
// descriptor stays open and its blocking mode is left alone: each notification reads once.
inline constexpr std::size_t kMaxLineLength = 4096;
void watchLines(EventLoop& loop, int fd, std::function<void(const std::string&)> onLine,
                EventLoop::Callback onEnd);

}  // namespace platform
