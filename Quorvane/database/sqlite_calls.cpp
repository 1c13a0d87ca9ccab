#include "Quorvane/database/sqlite_calls.h"

#include <dlfcn.h>

#include <optional>

#include "Quorvane/database/sqlite_library.h"

namespace {

template <class Call>
bool resolveCall(void* library, const char* name, Call& call) {
    call = reinterpret_cast<Call>(dlsym(library, name));
    return call != nullptr;
}

std::optional<SqliteCalls> resolveCalls() {
    void* library = OpenSqliteLibrary();
    if (library == nullptr) return std::nullopt;
    SqliteCalls calls{};
    const bool resolved = resolveCall(library, "sqlite3_auto_extension", calls.autoExtension) &&
                          resolveCall(library, "sqlite3_create_function_v2", calls.createFunction) &&
                          resolveCall(library, "sqlite3_value_type", calls.valueType) &&
                          resolveCall(library, "sqlite3_value_int64", calls.valueInt64) &&
                          resolveCall(library, "sqlite3_value_text", calls.valueText) &&
                          resolveCall(library, "sqlite3_value_blob", calls.valueBlob) &&
                          resolveCall(library, "sqlite3_value_bytes", calls.valueBytes) &&
                          resolveCall(library, "sqlite3_result_int64", calls.resultInt64) &&
                          resolveCall(library, "sqlite3_result_error", calls.resultError);
    // The library stays loaded (RTLD_NODELETE): the calls stay valid.
    dlclose(library);
    if (!resolved) return std::nullopt;
    return calls;
}

}  // namespace

const SqliteCalls* SqliteLibraryCalls() {
    static const std::optional<SqliteCalls> calls = resolveCalls();
    return calls ? &*calls : nullptr;
}

bool SqliteExtension::add() {
    std::lock_guard<std::mutex> lock(adding_);
    if (added_.load()) return true;
    calls_ = SqliteLibraryCalls();
    if (calls_ == nullptr || calls_->autoExtension(reinterpret_cast<void (*)()>(entry_)) != kSqliteOk)
        return false;
    added_.store(true);
    return true;
}
