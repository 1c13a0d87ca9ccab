#include "Quorvane/platform/event_loop.h"

#include <sys/epoll.h>
#include <sys/eventfd.h>
#include <sys/timerfd.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <csignal>
#include <stdexcept>
#include <system_error>

namespace platform {
namespace {

constexpr std::uint64_t kWakeToken = 0;
constexpr std::uint64_t kTickToken = 1;
constexpr std::uint64_t kFirstWatchToken = 2;

// The signal handler's only link to the loop: the wake descriptor of the loop that catches signals.
std::atomic<int> signalWakeFd{-1};
std::atomic<int> caughtSignal{0};
struct sigaction previousTerm;
struct sigaction previousInt;

extern "C" void onTerminationSignal(int signalNumber) {
    int savedErrno = errno;
    caughtSignal.store(signalNumber);
    int fd = signalWakeFd.load();
    if (fd >= 0) {
        std::uint64_t one = 1;
        [[maybe_unused]] ssize_t written = ::write(fd, &one, sizeof one);
    }
    errno = savedErrno;
}

[[noreturn]] void throwSystemError(const char* what) {
    throw std::system_error(errno, std::generic_category(), what);
}

void addToEpoll(int epollFd, int fd, std::uint64_t token) {
    epoll_event event{};
    event.events = EPOLLIN;
    event.data.u64 = token;
    if (::epoll_ctl(epollFd, EPOLL_CTL_ADD, fd, &event) != 0) throwSystemError("epoll_ctl");
}

void closeIfOpen(int fd) {
    if (fd >= 0) ::close(fd);
}

}  // namespace

EventLoop::EventLoop() : nextToken_(kFirstWatchToken) {
    std::signal(SIGPIPE, SIG_IGN);
    try {
        epollFd_ = ::epoll_create1(EPOLL_CLOEXEC);
        if (epollFd_ < 0) throwSystemError("epoll_create1");
        wakeFd_ = ::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
        if (wakeFd_ < 0) throwSystemError("eventfd");
        timerFd_ = ::timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
        if (timerFd_ < 0) throwSystemError("timerfd_create");
        addToEpoll(epollFd_, wakeFd_, kWakeToken);
        addToEpoll(epollFd_, timerFd_, kTickToken);
    } catch (...) {
        closeIfOpen(timerFd_);
        closeIfOpen(wakeFd_);
        closeIfOpen(epollFd_);
        throw;
    }
}

EventLoop::~EventLoop() {
    if (catchesSignals_) {
        signalWakeFd.store(-1);
        ::sigaction(SIGTERM, &previousTerm, nullptr);
        ::sigaction(SIGINT, &previousInt, nullptr);
    }
    ::close(timerFd_);
    ::close(wakeFd_);
    ::close(epollFd_);
}

void EventLoop::watch(int fd, Callback onReadable, Callback onHangup) {
    unwatch(fd);
    std::uint64_t token = nextToken_++;
    addToEpoll(epollFd_, fd, token);
    watches_[token] = std::make_shared<Watch>(Watch{fd, std::move(onReadable), std::move(onHangup)});
    tokenOfFd_[fd] = token;
}

void EventLoop::unwatch(int fd) {
    auto found = tokenOfFd_.find(fd);
    if (found == tokenOfFd_.end()) return;
    // The kernel has already forgotten a descriptor that was closed; that failure does not matter.
    ::epoll_ctl(epollFd_, EPOLL_CTL_DEL, fd, nullptr);
    watches_.erase(found->second);
    tokenOfFd_.erase(found);
}

bool EventLoop::watching(int fd) const {
    return tokenOfFd_.count(fd) != 0;
}

void EventLoop::setTick(std::chrono::milliseconds period, Callback onTick) {
    long long ms = period.count() > 0 ? period.count() : 0;
    itimerspec spec{};
    spec.it_interval.tv_sec = static_cast<time_t>(ms / 1000);
    spec.it_interval.tv_nsec = static_cast<long>(ms % 1000) * 1000000L;
    spec.it_value = spec.it_interval;
    if (::timerfd_settime(timerFd_, 0, &spec, nullptr) != 0) throwSystemError("timerfd_settime");
    onTick_ = ms > 0 ? std::move(onTick) : Callback();
}

void EventLoop::catchTerminationSignals() {
    if (catchesSignals_) return;
    int expected = -1;
    if (!signalWakeFd.compare_exchange_strong(expected, wakeFd_)) {
        throw std::logic_error("another event loop already catches the termination signals");
    }
    caughtSignal.store(0);
    struct sigaction action {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, &previousTerm);
    ::sigaction(SIGINT, &action, &previousInt);
    catchesSignals_ = true;
}

void EventLoop::post(Callback task) {
    {
        std::lock_guard<std::mutex> lock(postedMutex_);
        posted_.push_back(std::move(task));
    }
    std::uint64_t one = 1;
    [[maybe_unused]] ssize_t written = ::write(wakeFd_, &one, sizeof one);
}

void EventLoop::stop() {
    stopRequested_.store(true);
    std::uint64_t one = 1;
    [[maybe_unused]] ssize_t written = ::write(wakeFd_, &one, sizeof one);
}

void EventLoop::run() {
    std::array<epoll_event, 64> events;
    while (!stopRequested_.load()) {
        int count = ::epoll_wait(epollFd_, events.data(), static_cast<int>(events.size()), -1);
        if (count < 0) {
            if (errno == EINTR) continue;
            throwSystemError("epoll_wait");
        }
        for (int i = 0; i < count && !stopRequested_.load(); ++i)
            dispatch(events[i].data.u64, events[i].events);
    }
    stopRequested_.store(false);
}

void EventLoop::dispatch(std::uint64_t token, std::uint32_t events) {
    if (token == kWakeToken) return handleWake();
    if (token == kTickToken) return handleTick();
    auto found = watches_.find(token);
    if (found == watches_.end()) return;
    // The callbacks may unwatch their own descriptor; the copy keeps them alive while they run.
    std::shared_ptr<Watch> watch = found->second;
    if (events & (EPOLLIN | EPOLLPRI)) {
        watch->onReadable();
    } else if (events & (EPOLLHUP | EPOLLERR)) {
        if (watch->onHangup) watch->onHangup();
        auto current = tokenOfFd_.find(watch->fd);
        if (current != tokenOfFd_.end() && current->second == token) unwatch(watch->fd);
    }
}

void EventLoop::handleWake() {
    std::uint64_t count;
    [[maybe_unused]] ssize_t got = ::read(wakeFd_, &count, sizeof count);
    if (catchesSignals_) {
        int signalNumber = caughtSignal.exchange(0);
        if (signalNumber != 0) {
            terminationSignal_.store(signalNumber);
            stopRequested_.store(true);
        }
    }
    std::deque<Callback> tasks;
    {
        std::lock_guard<std::mutex> lock(postedMutex_);
        tasks.swap(posted_);
    }
    for (Callback& task : tasks) task();
}

void EventLoop::handleTick() {
    std::uint64_t expirations;
    if (::read(timerFd_, &expirations, sizeof expirations) != sizeof expirations) return;
    if (onTick_) {
        Callback tick = onTick_;
        tick();
    }
}

}  // namespace platform
