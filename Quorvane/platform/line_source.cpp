#include "Quorvane/platform/line_source.h"

#include <unistd.h>

#include <cerrno>
#include <memory>

namespace platform {
namespace {

struct LineState {
    EventLoop& loop;
    int fd;
    std::function<void(const std::string&)> onLine;
    EventLoop::Callback onEnd;
    std::string pending;

    void deliver(std::string line) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        onLine(line);
    }

    void append(const char* data, std::size_t count) {
        for (std::size_t i = 0; i < count; ++i) {
            if (data[i] == '\n') {
                deliver(std::move(pending));
                pending.clear();
            } else {
                pending += data[i];
                if (pending.size() == kMaxLineLength) {
                    deliver(std::move(pending));
                    pending.clear();
                }
            }
        }
    }

    void end() {
        if (!pending.empty()) deliver(std::move(pending));
        pending.clear();
        loop.unwatch(fd);
        if (onEnd) onEnd();
    }
};

}  // namespace

void watchLines(EventLoop& loop, int fd, std::function<void(const std::string&)> onLine,
                EventLoop::Callback onEnd) {
    auto state = std::make_shared<LineState>(LineState{loop, fd, std::move(onLine), std::move(onEnd), {}});
    loop.watch(
        fd,
        [state] {
            char buffer[1024];
            ssize_t got = ::read(state->fd, buffer, sizeof buffer);
            if (got > 0) {
                state->append(buffer, static_cast<std::size_t>(got));
            } else if (got == 0 || (errno != EINTR && errno != EAGAIN)) {
                state->end();
            }
        },
        [state] { state->end(); });
}

}  // namespace platform
