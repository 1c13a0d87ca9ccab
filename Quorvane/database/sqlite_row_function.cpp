#include "Quorvane/database/sqlite_row_function.h"

#include <cstring>

#include "Quorvane/database/sqlite_calls.h"

namespace {

int addRowFunction(SqliteDatabase* database, const char**, const void*);
SqliteExtension rowFunction(addRowFunction);

thread_local RowSinkScope* openRowSink = nullptr;

// The driver's text of a BLOB: an SQL literal, X'<upper-case hex>'.
std::string blobText(const unsigned char* octets, std::size_t size) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text = "X'";
    text.reserve(size * 2 + 3);
    for (std::size_t i = 0; i < size; ++i) {
        text.push_back(kDigits[octets[i] >> 4]);
        text.push_back(kDigits[octets[i] & 0xF]);
    }
    text.push_back('\'');
    return text;
}

void takeRow(SqliteContext* context, int count, SqliteValue** arguments) {
    if (openRowSink == nullptr) return rowFunction.calls().resultError(context, kNoRowSink, -1);
    openRowSink->take(context, count, arguments);
}

int addRowFunction(SqliteDatabase* database, const char**, const void*) {
    return rowFunction.calls().createFunction(database, kRowFunctionName, -1, kSqliteTextUtf8, nullptr,
                                              takeRow, nullptr, nullptr, nullptr);
}

}  // namespace

bool RegisterSqliteRowFunction() {
    return rowFunction.add();
}

bool SqliteRowFunctionRegistered() {
    return rowFunction.added();
}

RowSinkScope::RowSinkScope(bool (*take)(void*, RowValues), void* context)
    : take_(take), context_(context), previous_(openRowSink) {
    openRowSink = this;
}

RowSinkScope::~RowSinkScope() {
    openRowSink = previous_;
}

void RowSinkScope::rethrowFailure() const {
    if (failure_) std::rethrow_exception(failure_);
}

void RowSinkScope::take(SqliteContext* context, int count, SqliteValue** arguments) {
    const SqliteCalls& calls = rowFunction.calls();
    // Nothing may unwind through SQLite: what the sink throws is kept for rethrowFailure.
    try {
        values_.clear();
        blobTexts_.clear();
        blobTexts_.reserve(static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i) {
            SqliteValue* value = arguments[i];
            const int type = calls.valueType(value);
            if (type == kSqliteNullType) {
                values_.emplace_back();
            } else if (type == kSqliteBlobType) {
                const auto* octets = static_cast<const unsigned char*>(calls.valueBlob(value));
                blobTexts_.push_back(blobText(octets, static_cast<std::size_t>(calls.valueBytes(value))));
                values_.emplace_back(blobTexts_.back());
            } else {
                const auto* text = reinterpret_cast<const char*>(calls.valueText(value));
                const auto size = static_cast<std::size_t>(calls.valueBytes(value));
                values_.emplace_back(text == nullptr ? std::string_view()
                                                     : std::string_view(text, ::strnlen(text, size)));
            }
        }
        if (take_(context_, values_)) return calls.resultInt64(context, 0);
        stopped_ = true;
        calls.resultError(context, kRowSinkStopped, -1);
    } catch (...) {
        failure_ = std::current_exception();
        calls.resultError(context, kRowSinkFailed, -1);
    }
}
