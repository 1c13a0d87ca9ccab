#include "Quorvane/database/sqlite_key_aggregate.h"

#include "Quorvane/database/sqlite_calls.h"

namespace {

int addKeyAggregate(SqliteDatabase* database, const char**, const void*);
SqliteExtension keyAggregate(addKeyAggregate);

thread_local KeySinkScope* openKeySink = nullptr;

void takeKey(SqliteContext* context, int, SqliteValue** arguments) {
    const SqliteCalls& calls = keyAggregate.calls();
    if (openKeySink == nullptr) return calls.resultError(context, kNoKeySink, -1);
    if (calls.valueType(arguments[0]) != kSqliteIntegerType)
        return calls.resultError(context, kNotAnIntegerKey, -1);
    if (!openKeySink->add(calls.valueInt64(arguments[0]))) calls.resultError(context, kKeySinkFailed, -1);
}

void handOverKeys(SqliteContext* context) {
    const SqliteCalls& calls = keyAggregate.calls();
    if (openKeySink == nullptr) return calls.resultInt64(context, 0);
    if (!openKeySink->handOver()) return calls.resultError(context, kKeySinkFailed, -1);
    calls.resultInt64(context, openKeySink->taken());
}

int addKeyAggregate(SqliteDatabase* database, const char**, const void*) {
    return keyAggregate.calls().createFunction(database, kKeyAggregateName, 1, kSqliteTextUtf8, nullptr,
                                               nullptr, takeKey, handOverKeys, nullptr);
}

}  // namespace

bool RegisterSqliteKeyAggregate() {
    return keyAggregate.add();
}

bool SqliteKeyAggregateRegistered() {
    return keyAggregate.added();
}

KeySinkScope::KeySinkScope(void (*take)(void*, std::span<const std::int64_t>), void* context)
    : take_(take), context_(context), previous_(openKeySink) {
    openKeySink = this;
}

KeySinkScope::~KeySinkScope() {
    openKeySink = previous_;
}

bool KeySinkScope::handOver() {
    const std::size_t count = held_;
    held_ = 0;
    // Nothing may unwind through SQLite: a sink that throws (no memory for its keys) fails the statement.
    try {
        take_(context_, std::span<const std::int64_t>(batch_.data(), count));
    } catch (...) {
        return false;
    }
    taken_ += static_cast<std::int64_t>(count);
    return true;
}
