#include "Quorvane/platform/console.h"

#include <unistd.h>

#include <cctype>
#include <string_view>

#include "Quorvane/platform/line_source.h"

namespace platform {
namespace {

constexpr std::string_view kBlanks = " \t";
constexpr const char* kDefaultSaveFile = "Quorvane.txt";

std::string trimmed(std::string_view text) {
    size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    size_t last = text.find_last_not_of(kBlanks);
    return std::string(text.substr(first, last - first + 1));
}

std::string lowered(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

}  // namespace

Console::Console(TraceView& view, ConsoleActions actions) : view_(view), actions_(std::move(actions)) {}

void Console::execute(const std::string& line) {
    std::string command = trimmed(line);
    if (command.empty()) return;
    size_t end = command.find_first_of(kBlanks);
    std::string word = lowered(command.substr(0, end));
    std::string argument = end == std::string::npos ? std::string() : trimmed(command.substr(end));
    if (word == "new") {
        newPort(argument);
    } else if (word == "save") {
        save(argument);
    } else if (word == "status" && argument.empty()) {
        view_.showLine(" Connections : " + std::to_string(actions_.connectionCount()));
    } else if (word == "about" && argument.empty()) {
        view_.showLine("About Quorvane");
        view_.showLine("Quorvane Version 2.1.6");
    } else if (word == "exit" && argument.empty()) {
        actions_.exit();
    } else {
        view_.showLine("Commands: new [port], save [file], status, about, exit");
    }
}

void Console::newPort(const std::string& argument) {
    unsigned port = kPresetPort;
    if (!argument.empty()) {
        bool digits = argument.size() <= 5 && argument.find_first_not_of("0123456789") == std::string::npos;
        port = digits ? static_cast<unsigned>(std::stoul(argument)) : 0;
    }
    if (port < kMinPort || port > kMaxPort) {
        view_.showLine("New Listen Port : Please enter an integer between " + std::to_string(kMinPort) +
                       " and " + std::to_string(kMaxPort) + ".");
        return;
    }
    actions_.newPort(port);
}

void Console::save(const std::string& argument) {
    std::string file = argument.empty() ? kDefaultSaveFile : argument;
    view_.showLine(view_.save(file) ? "Trace saved to " + file : "Cannot write " + file);
}

void Console::attach(EventLoop& loop, int fd) {
    watchLines(
        loop, fd, [this](const std::string& line) { execute(line); },
        [this] { view_.showLine("Console input ended; stop the server with Ctrl-C or SIGTERM."); });
}

bool consoleWanted(int wantWindow) {
    return wantWindow == 1 && ::isatty(STDIN_FILENO) == 1;
}

}  // namespace platform
