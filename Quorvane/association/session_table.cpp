#include "Quorvane/association/session_table.h"

#include <atomic>
#include <map>
#include <mutex>
#include <utility>

namespace {

struct SessionTable {
    std::mutex mutex;
    std::map<KivAssocId, std::shared_ptr<SessionRecord>> records;
};

SessionTable& sessionTable() {
    static SessionTable table;
    return table;
}

std::atomic<SessionFreedHook> freedHook{nullptr};

}  // namespace

bool StoreSession(std::shared_ptr<SessionRecord> record) {
    SessionTable& table = sessionTable();
    std::lock_guard<std::mutex> lock(table.mutex);
    const KivAssocId assocId = record->assocId;
    return table.records.emplace(assocId, std::move(record)).second;
}

std::shared_ptr<SessionRecord> FindSession(KivAssocId assocId) {
    SessionTable& table = sessionTable();
    std::lock_guard<std::mutex> lock(table.mutex);
    auto found = table.records.find(assocId);
    return found == table.records.end() ? nullptr : found->second;
}

std::shared_ptr<SessionRecord> RemoveSession(KivAssocId assocId) {
    SessionTable& table = sessionTable();
    std::lock_guard<std::mutex> lock(table.mutex);
    auto found = table.records.find(assocId);
    if (found == table.records.end()) return nullptr;
    std::shared_ptr<SessionRecord> record = std::move(found->second);
    table.records.erase(found);
    return record;
}

void SetSessionFreedHook(SessionFreedHook hook) {
    freedHook.store(hook);
}

void RunSessionFreedHook(KivAssocId assocId) {
    if (SessionFreedHook hook = freedHook.load()) hook(assocId);
}
