#include "Quorvane/database/sqlite_key_aggregate.h"

#include <dlfcn.h>

#include <atomic>
#include <mutex>

#include "Quorvane/database/sqlite_library.h"

namespace {

// The library's constants this file uses besides kSqliteOk (SQLITE_UTF8, SQLITE_INTEGER).
constexpr int kTextUtf8 = 1;
constexpr int kIntegerType = 1;

// The library's opaque types.
struct Database;
struct Context;
struct Value;

using Destructor = void (*)(void*);
using ScalarCall = void (*)(Context*, int, Value**);
using FinalCall = void (*)(Context*);

// The calls of the library the aggregate makes, resolved once by RegisterSqliteKeyAggregate.
struct SqliteCalls {
    int (*autoExtension)(void (*)());
    int (*createFunction)(Database*, const char*, int, int, void*, ScalarCall, ScalarCall, FinalCall,
                          Destructor);
    void* (*aggregateContext)(Context*, int);
    int (*valueType)(Value*);
    std::int64_t (*valueInt64)(Value*);
    void (*resultInt64)(Context*, std::int64_t);
    void (*resultError)(Context*, const char*, int);
};

SqliteCalls calls;
std::atomic<bool> registered{false};
std::mutex registering;

thread_local KeySinkScope::Sink openSink;

void step(Context* context, int, Value** arguments) {
    if (openSink.take == nullptr) return calls.resultError(context, kNoKeySink, -1);
    if (calls.valueType(arguments[0]) != kIntegerType)
        return calls.resultError(context, kNotAnIntegerKey, -1);
    // The row count, in the zeroed memory SQLite keeps for one evaluation.
    auto* rows = static_cast<std::int64_t*>(calls.aggregateContext(context, sizeof(std::int64_t)));
    if (rows != nullptr) ++*rows;
    // Nothing may unwind through SQLite: a sink that throws (no memory for its keys) fails the statement.
    try {
        openSink.take(openSink.context, calls.valueInt64(arguments[0]));
    } catch (...) {
        calls.resultError(context, kKeySinkFailed, -1);
    }
}

void finish(Context* context) {
    auto* rows = static_cast<std::int64_t*>(calls.aggregateContext(context, 0));
    calls.resultInt64(context, rows == nullptr ? 0 : *rows);
}

int addToConnection(Database* database, const char**, const void*) {
    return calls.createFunction(database, kKeyAggregateName, 1, kTextUtf8, nullptr, nullptr, step, finish,
                                nullptr);
}

template <class Call>
bool resolve(void* library, const char* name, Call& call) {
    call = reinterpret_cast<Call>(dlsym(library, name));
    return call != nullptr;
}

}  // namespace

bool RegisterSqliteKeyAggregate() {
    std::lock_guard<std::mutex> lock(registering);
    if (registered.load()) return true;
    void* library = OpenSqliteLibrary();
    if (library == nullptr) return false;
    const bool resolved = resolve(library, "sqlite3_auto_extension", calls.autoExtension) &&
                          resolve(library, "sqlite3_create_function_v2", calls.createFunction) &&
                          resolve(library, "sqlite3_aggregate_context", calls.aggregateContext) &&
                          resolve(library, "sqlite3_value_type", calls.valueType) &&
                          resolve(library, "sqlite3_value_int64", calls.valueInt64) &&
                          resolve(library, "sqlite3_result_int64", calls.resultInt64) &&
                          resolve(library, "sqlite3_result_error", calls.resultError);
    dlclose(library);
    // The library calls an extension with the connection, where to put an error text and its call table.
    using EntryPoint = int (*)(Database*, const char**, const void*);
    EntryPoint entry = addToConnection;
    if (!resolved || calls.autoExtension(reinterpret_cast<void (*)()>(entry)) != kSqliteOk) return false;
    registered.store(true);
    return true;
}

bool SqliteKeyAggregateRegistered() {
    return registered.load();
}

KeySinkScope::KeySinkScope(void (*take)(void*, std::int64_t), void* context) : previous_(openSink) {
    openSink = {take, context};
}

KeySinkScope::~KeySinkScope() {
    openSink = previous_;
}
