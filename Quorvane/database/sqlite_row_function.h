#pragma once
// The function quorvane_row(v1, ..., vn) on every SQLite connection opened from now on: it hands each
// row's values, as the texts the SQLite ODBC driver fetches for them (nothing for NULL, X'<hex>' for a
// BLOB, else SQLite's text of the value up to its first zero octet), to the row sink the calling thread
// has open (RowSinkScope), and answers 0. No sink open fails the statement with kNoRowSink; a sink that
// stops the rows or throws fails it with kRowSinkStopped or kRowSinkFailed.
//
// A record statement run as "... WHERE quorvane_row(...)" over its rows so returns none through the
// driver: its values reach the server straight from SQLite (database/record_rows.h).

#include <exception>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

struct SqliteContext;
struct SqliteValue;

inline constexpr const char* kRowFunctionName = "quorvane_row";
inline constexpr const char* kNoRowSink = "quorvane_row: no row sink open on this thread";
inline constexpr const char* kRowSinkStopped = "quorvane_row: the row sink stopped the rows";
inline constexpr const char* kRowSinkFailed = "quorvane_row: the row sink failed";

// Loads (and keeps) the shared SQLite library the driver links and registers the function with it for
// every connection opened afterwards. Any time, any number of times; false when the library or its calls
// are missing. Registering starts SQLite: call ConfigureSqliteLibrary (sqlite_library.h) first.
bool RegisterSqliteRowFunction();

// Whether the function has been registered.
bool SqliteRowFunctionRegistered();

// One row's values: nothing for NULL.
using RowValues = std::span<const std::optional<std::string_view>>;

// While it lives, the function run by this thread (SQLite runs a statement on the thread that executes
// it) hands its rows to sink(RowValues) -> bool, false stopping them. Scopes nest: the innermost one
// takes the rows. The values are valid during the call only.
class RowSinkScope {
  public:
    template <class Sink>
    explicit RowSinkScope(Sink& sink)
        : RowSinkScope([](void* context, RowValues row) { return (*static_cast<Sink*>(context))(row); },
                       &sink) {}
    ~RowSinkScope();
    RowSinkScope(const RowSinkScope&) = delete;
    RowSinkScope& operator=(const RowSinkScope&) = delete;

    // The sink stopped the rows.
    bool stopped() const { return stopped_; }
    // The sink threw.
    bool failed() const { return failure_ != nullptr; }
    // Throws again what the sink threw, if it did.
    void rethrowFailure() const;

    // The function's work for one row of the open scope.
    void take(SqliteContext* context, int count, SqliteValue** arguments);

  private:
    RowSinkScope(bool (*take)(void*, RowValues), void* context);

    bool (*take_)(void*, RowValues);
    void* context_;
    RowSinkScope* previous_;
    bool stopped_ = false;
    std::exception_ptr failure_;
    std::vector<std::optional<std::string_view>> values_;
    std::vector<std::string> blobTexts_;
};
