#pragma once
// Command-line options of the load client.

#include <cstdint>
#include <string>
#include <vector>

struct LoadOptions {
    std::string host = "127.0.0.1";
    std::string port = "2100";
    int connections = 1;
    double seconds = 10;  // 0: no time limit
    int searches = 0;     // per connection; 0: no count limit
    int present = 0;      // records presented after each search with hits; 0: Search only
    std::string database = "Default";
    int32_t useAttribute = 4;
    std::string queries;  // query file; "" for one-term searches of the built-in words
    std::string hitList;  // file to write each query's hit count to, in place of a timed run
};

// Parses "--name value" and "--name=value" options. Returns an empty text on success, else the message to
// print; "--help" returns the usage text with *helpAsked set.
std::string parseLoadOptions(const std::vector<std::string>& args, LoadOptions* options, bool* helpAsked);
