#include "Quorvane/database/sqlite_key_aggregate.h"

#include "Quorvane/database/sqlite_calls.h"

namespace {

int addKeyAggregate(SqliteDatabase* database, const char**, const void*);
SqliteExtension keyAggregate(addKeyAggregate);

thread_local KeySinkScope::Sink openSink;

void takeKey(SqliteContext* context, int, SqliteValue** arguments) {
    const SqliteCalls& calls = keyAggregate.calls();
    if (openSink.take == nullptr) return calls.resultError(context, kNoKeySink, -1);
    if (calls.valueType(arguments[0]) != kSqliteIntegerType)
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

void countKeys(SqliteContext* context) {
    const SqliteCalls& calls = keyAggregate.calls();
    auto* rows = static_cast<std::int64_t*>(calls.aggregateContext(context, 0));
    calls.resultInt64(context, rows == nullptr ? 0 : *rows);
}

int addKeyAggregate(SqliteDatabase* database, const char**, const void*) {
    return keyAggregate.calls().createFunction(database, kKeyAggregateName, 1, kSqliteTextUtf8, nullptr, nullptr,
                                    takeKey, countKeys, nullptr);
}

}  // namespace

bool RegisterSqliteKeyAggregate() {
    return keyAggregate.add();
}

bool SqliteKeyAggregateRegistered() {
    return keyAggregate.added();
}

KeySinkScope::KeySinkScope(void (*take)(void*, std::int64_t), void* context) : previous_(openSink) {
    openSink = {take, context};
}

KeySinkScope::~KeySinkScope() {
    openSink = previous_;
}
