#include "bench/load_client_options.h"

#include <charconv>
#include <cstdlib>

namespace {

const char kUsage[] =
    "usage: load_client [--host H] [--port P] [--connections N] [--seconds S] [--searches N]\n"
    "                   [--present N] [--database NAME] [--use-attribute U] [--queries FILE]\n"
    "                   [--hit-list FILE]\n"
    "  --host, --port      the server (127.0.0.1, 2100)\n"
    "  --connections N     concurrent associations, one thread each (1)\n"
    "  --seconds S         run time after every connection has been initialised; 0 for none (10)\n"
    "  --searches N        searches per connection; 0 for no limit (0); the first limit reached ends a run\n"
    "  --present N         after each search with hits, present its first N records in USMARC (0: none)\n"
    "  --database NAME     database searched (Default)\n"
    "  --use-attribute U   bib-1 use attribute of the built-in one-word searches (4, title)\n"
    "  --queries FILE      draw the searches from FILE, one prefix-notation query a line\n"
    "                      (@and, @or, @not, @attr TYPE=VALUE, terms; # begins a comment line)\n"
    "  --hit-list FILE     no timed run: send each query once, in order, on one connection and\n"
    "                      write its hit count or diagnostic and the query to FILE\n";

bool parseInt(const std::string& text, int min, int max, int* value) {
    int parsed = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), parsed);
    if (error != std::errc() || end != text.data() + text.size() || parsed < min || parsed > max)
        return false;
    *value = parsed;
    return true;
}

bool parseSeconds(const std::string& text, double* value) {
    char* end = nullptr;
    double parsed = std::strtod(text.c_str(), &end);
    if (text.empty() || *end != '\0' || !(parsed >= 0) || parsed > 86400) return false;
    *value = parsed;
    return true;
}

// Applies one option; false when the value does not suit it.
bool applyOption(const std::string& name, const std::string& value, LoadOptions* options) {
    if (name == "--host") {
        options->host = value;
        return !value.empty();
    }
    if (name == "--port") {
        int port = 0;
        options->port = value;
        return parseInt(value, 1, 65535, &port);
    }
    if (name == "--connections") return parseInt(value, 1, 1000, &options->connections);
    if (name == "--seconds") return parseSeconds(value, &options->seconds);
    if (name == "--searches") return parseInt(value, 0, 1000000000, &options->searches);
    if (name == "--present") return parseInt(value, 0, 10000, &options->present);
    if (name == "--database") {
        options->database = value;
        return !value.empty();
    }
    if (name == "--use-attribute") return parseInt(value, 1, 100000, &options->useAttribute);
    if (name == "--queries" || name == "--hit-list") {
        (name == "--queries" ? options->queries : options->hitList) = value;
        return !value.empty();
    }
    return false;
}

}  // namespace

std::string parseLoadOptions(const std::vector<std::string>& args, LoadOptions* options, bool* helpAsked) {
    *helpAsked = false;
    for (size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i];
        if (name == "--help" || name == "-h") {
            *helpAsked = true;
            return kUsage;
        }
        std::string value;
        if (size_t equals = name.find('='); name.rfind("--", 0) == 0 && equals != std::string::npos) {
            value = name.substr(equals + 1);
            name.resize(equals);
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            return "load_client: " + name + " needs a value\n" + kUsage;
        }
        if (!applyOption(name, value, options))
            return "load_client: bad option " + name + " " + value + "\n" + kUsage;
    }
    if (options->seconds == 0 && options->searches == 0)
        return std::string("load_client: --seconds 0 needs --searches\n") + kUsage;
    return "";
}
