#include "Quorvane/database/connect_outages.h"

ConnectOutages& ConnectOutages::instance() {
    static ConnectOutages outages;
    return outages;
}

bool ConnectOutages::failed(const std::string& connectionKey) {
    std::lock_guard<std::mutex> lock(mutex_);
    return down_.insert(connectionKey).second;
}

bool ConnectOutages::connected(const std::string& connectionKey) {
    std::lock_guard<std::mutex> lock(mutex_);
    return down_.erase(connectionKey) != 0;
}
