#pragma once
// Failed connects in the error log once per outage: the first failure of a session's connection strings
// is written there, later ones only after those strings have connected again, so that clients retrying
// against a database that is down cannot fill the log (the trace and diaginfo.txt still get every
// failure). The strings come from the configuration, so the set of outages stays as small as it is.

#include <mutex>
#include <set>
#include <string>

class ConnectOutages {
  public:
    // The process's outages.
    static ConnectOutages& instance();

    // A failed connect of the strings: true when it starts their outage.
    bool failed(const std::string& connectionKey);
    // A connect of the strings that succeeded: true when it ends their outage.
    bool connected(const std::string& connectionKey);

  private:
    std::mutex mutex_;
    std::set<std::string> down_;
};
