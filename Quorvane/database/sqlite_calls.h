#pragma once
// The calls of the shared SQLite library (the one the driver links) through which the server adds its own
// SQL functions to every SQLite connection, resolved once with dlsym.

#include <atomic>
#include <cstdint>
#include <mutex>

// The library's opaque types.
struct SqliteDatabase;
struct SqliteContext;
struct SqliteValue;

// The library's constants these calls use (SQLITE_UTF8, SQLITE_INTEGER, SQLITE_BLOB, SQLITE_NULL).
inline constexpr int kSqliteTextUtf8 = 1;
inline constexpr int kSqliteIntegerType = 1;
inline constexpr int kSqliteBlobType = 4;
inline constexpr int kSqliteNullType = 5;

struct SqliteCalls {
    using Destructor = void (*)(void*);
    using FunctionCall = void (*)(SqliteContext*, int, SqliteValue**);
    using FinalCall = void (*)(SqliteContext*);
    // An extension's entry point: the connection, where to put an error text, the library's call table.
    using EntryPoint = int (*)(SqliteDatabase*, const char**, const void*);

    int (*autoExtension)(void (*)());
    int (*createFunction)(SqliteDatabase*, const char*, int, int, void*, FunctionCall, FunctionCall,
                          FinalCall, Destructor);
    int (*valueType)(SqliteValue*);
    std::int64_t (*valueInt64)(SqliteValue*);
    const unsigned char* (*valueText)(SqliteValue*);
    const void* (*valueBlob)(SqliteValue*);
    int (*valueBytes)(SqliteValue*);
    void (*resultInt64)(SqliteContext*, std::int64_t);
    void (*resultError)(SqliteContext*, const char*, int);
};

// The calls, resolved on first use (any thread); nullptr when the library or one of them is missing.
const SqliteCalls* SqliteLibraryCalls();

// An extension of the server's: an entry point the library runs on every connection opened after it is
// added (sqlite3_auto_extension). Its functions reach the library through calls(), set by then.
class SqliteExtension {
  public:
    explicit SqliteExtension(SqliteCalls::EntryPoint entry) : entry_(entry) {}
    SqliteExtension(const SqliteExtension&) = delete;
    SqliteExtension& operator=(const SqliteExtension&) = delete;

    // Adds it once (any thread, any number of times); false without the library or its calls.
    bool add();
    bool added() const { return added_.load(); }
    const SqliteCalls& calls() const { return *calls_; }

  private:
    SqliteCalls::EntryPoint entry_;
    const SqliteCalls* calls_ = nullptr;
    std::atomic<bool> added_{false};
    std::mutex adding_;
};
