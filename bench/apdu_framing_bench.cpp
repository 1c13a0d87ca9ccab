// Framing of one large indefinite-length APDU that arrives a few octets at a time: the CPU time the
// receiving side spends gathering it.
//
//     apdu_framing_bench [--size OCTETS] [--piece OCTETS] [--port PORT --pid PID]
//
// Without --port: the ApduAssembler in this process, fed the pieces from memory and then through a socket
// pair (a writer thread sends each piece on its own; the reader's thread CPU time is measured). With
// --port: the pieces go over TCP to a running server on 127.0.0.1 (as a client's first APDU), and the
// server's own CPU time (from /proc/PID/stat) is printed, with whether it answered or closed.
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "toolkit/session/apdu_assembler.h"

namespace {

using Octets = std::vector<std::uint8_t>;

struct Options {
    std::size_t size = std::size_t{2} << 20;
    std::size_t piece = 4;
    int port = 0;
    long pid = 0;
};

// An InitializeRequest of indefinite length, size octets in all: its reference id is a constructed OCTET
// STRING of indefinite length made of four-octet segments.
Octets indefiniteInit(std::size_t size) {
    const Octets tail = {0x83, 0x02, 0x05, 0xE0, 0x84, 0x02, 0x06, 0xC0, 0x85,
                         0x02, 0x40, 0x00, 0x86, 0x02, 0x40, 0x00, 0x00, 0x00};
    Octets apdu = {0xB4, 0x80, 0xA2, 0x80};
    while (apdu.size() + 4 + 2 + tail.size() <= size) apdu.insert(apdu.end(), {0x04, 0x02, 'q', 'v'});
    apdu.insert(apdu.end(), {0x00, 0x00});
    apdu.insert(apdu.end(), tail.begin(), tail.end());
    return apdu;
}

double threadCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

double processCpuSeconds(long pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    std::getline(stat, line);
    // The fields after the command name, which is in parentheses and may hold spaces.
    std::istringstream fields(line.substr(line.rfind(')') + 2));
    std::string field;
    unsigned long long utime = 0;
    unsigned long long stime = 0;
    for (int number = 3; fields >> field; ++number) {
        if (number == 14) utime = std::stoull(field);
        if (number == 15) {
            stime = std::stoull(field);
            break;
        }
    }
    return static_cast<double>(utime + stime) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

void sendInPieces(int socket, const Octets& apdu, std::size_t piece) {
    for (std::size_t at = 0; at < apdu.size(); at += piece) {
        const std::size_t count = std::min(piece, apdu.size() - at);
        if (send(socket, apdu.data() + at, count, MSG_NOSIGNAL) != static_cast<ssize_t>(count)) return;
    }
}

void fromMemory(const Octets& apdu, std::size_t piece) {
    ApduAssembler assembler;
    const double start = threadCpuSeconds();
    ApduAssembler::Step step = ApduAssembler::Step::Incomplete;
    for (std::size_t at = 0; at < apdu.size() && step == ApduAssembler::Step::Incomplete;) {
        std::size_t taken = 0;
        step = assembler.take(apdu.data() + at, std::min(piece, apdu.size() - at), apdu.size(), &taken);
        at += taken;
    }
    std::printf("in memory:        %.3f s CPU, %s\n", threadCpuSeconds() - start,
                step == ApduAssembler::Step::Complete ? "complete" : "NOT complete");
}

void throughSocketPair(const Octets& apdu, std::size_t piece) {
    int ends[2];
    if (socketpair(AF_UNIX, SOCK_STREAM, 0, ends) != 0) return;
    std::thread writer([&] { sendInPieces(ends[1], apdu, piece); });
    ApduAssembler assembler;
    const double start = threadCpuSeconds();
    ApduAssembler::Receive step = ApduAssembler::Receive::Pending;
    while (step == ApduAssembler::Receive::Pending) {
        pollfd entry{ends[0], POLLIN, 0};
        poll(&entry, 1, -1);
        step = assembler.receive(ends[0], apdu.size());
    }
    const double spent = threadCpuSeconds() - start;
    writer.join();
    std::printf("socket pair:      %.3f s CPU of the reader, %s\n", spent,
                step == ApduAssembler::Receive::Complete ? "complete" : "NOT complete");
    close(ends[0]);
    close(ends[1]);
}

void toServer(const Octets& apdu, const Options& options) {
    const int socket = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(options.port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (connect(socket, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        std::perror("connect");
        std::exit(1);
    }
    const int on = 1;
    setsockopt(socket, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    const double before = processCpuSeconds(options.pid);
    sendInPieces(socket, apdu, options.piece);
    std::uint8_t first = 0;
    const ssize_t got = recv(socket, &first, 1, 0);
    const double spent = processCpuSeconds(options.pid) - before;
    std::printf("server:           %.2f s CPU, %s\n", spent,
                got > 0 ? "answered" : "closed the connection (refused)");
    close(socket);
}

Options parse(int argc, char** argv) {
    Options options;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string name = argv[i];
        const long value = std::strtol(argv[i + 1], nullptr, 10);
        if (name == "--size")
            options.size = static_cast<std::size_t>(value);
        else if (name == "--piece")
            options.piece = static_cast<std::size_t>(std::max(1L, value));
        else if (name == "--port")
            options.port = static_cast<int>(value);
        else if (name == "--pid")
            options.pid = value;
    }
    return options;
}

}  // namespace

int main(int argc, char** argv) {
    const Options options = parse(argc, argv);
    const Octets apdu = indefiniteInit(options.size);
    std::printf("an indefinite-length APDU of %zu octets in pieces of %zu\n", apdu.size(), options.piece);
    if (options.port != 0) {
        toServer(apdu, options);
        return 0;
    }
    fromMemory(apdu, options.piece);
    throughSocketPair(apdu, options.piece);
    return 0;
}
