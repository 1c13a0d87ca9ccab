#include "Quorvane/results/result_set_store.h"

#include <mutex>
#include <set>

#include "Quorvane/database/connection.h"
#include "Quorvane/results/result_row.h"

namespace {

// The result list's user word points at its database name. The names are kept for the life of the
// process, one copy per distinct name (only names that connected reach here, so they are the configured
// databases), which lets a list carry its name without owning it.
const std::string* internDatabaseName(const std::string& name) {
    static std::mutex mutex;
    static std::set<std::string> names;
    std::lock_guard<std::mutex> lock(mutex);
    return &*names.insert(name).first;
}

}  // namespace

std::uint32_t CountResultRecords(const DblList* rows) {
    std::uint32_t count = 0;
    for (const DblNode* node = rows->first; node != nullptr; node = node->next) {
        const auto* row = static_cast<const ResultRow*>(node->datum);
        count += row->subKeyValues.empty() ? 1 : static_cast<std::uint32_t>(row->subKeyValues.size());
    }
    return count;
}

void StoreResultSet(SessionRecord& session, DblList* rows) {
    ListSetUser(rows, reinterpret_cast<intptr_t>(internDatabaseName(session.currentDatabase.value_or(""))));
    session.resultCount = CountResultRecords(rows);
    session.resultList.reset(rows);
    session.presentCache.reset();
}

std::optional<std::string> ResultSetDatabase(const SessionRecord& session) {
    if (session.resultList == nullptr) return std::nullopt;
    const auto* name = reinterpret_cast<const std::string*>(ListGetUser(session.resultList.get()));
    if (name == nullptr) return std::nullopt;
    return *name;
}

Bib1Outcome UseResultSetDatabase(SessionRecord& session) {
    std::optional<std::string> database = ResultSetDatabase(session);
    if (!database) return {};
    session.currentDatabase = *database;
    return ConnectDatabase(session);
}
