#pragma once
// The aggregate quorvane_keys(k) on every SQLite connection opened from now on: it hands each row's k, an
// integer, to the key sink the calling thread has open (KeySinkScope), in row order and in batches, and
// answers the number of keys the scope has taken. A row whose k is not an integer (NULL, text, real,
// BLOB), no sink open, or a sink that throws fails the statement with kNotAnIntegerKey, kNoKeySink or
// kKeySinkFailed.
//
// A search statement's keys so reach the server straight from SQLite (results/joined_key_fetch.h): no
// fetched row per key, and no value the driver converts and copies.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

inline constexpr const char* kKeyAggregateName = "quorvane_keys";
inline constexpr const char* kNotAnIntegerKey = "quorvane_keys: a key that is not an integer";
inline constexpr const char* kNoKeySink = "quorvane_keys: no key sink open on this thread";
inline constexpr const char* kKeySinkFailed = "quorvane_keys: the key sink failed";

// Loads (and keeps) the shared SQLite library the driver links and registers the aggregate with it for
// every connection opened afterwards, by any driver of the process that uses that library. Any time,
// any number of times; false when the library or its calls are missing (nothing is registered then).
// Registering starts SQLite: call ConfigureSqliteLibrary (sqlite_library.h) first.
bool RegisterSqliteKeyAggregate();

// Whether the aggregate has been registered.
bool SqliteKeyAggregateRegistered();

// While it lives, the aggregate run by this thread (SQLite runs a statement on the thread that executes
// and fetches it) hands its keys to sink(std::span<const std::int64_t>), a batch at a time, the last one
// when the aggregate ends. Scopes nest: the innermost one takes the keys.
class KeySinkScope {
  public:
    template <class Sink>
    explicit KeySinkScope(Sink& sink)
        : KeySinkScope(
              [](void* context, std::span<const std::int64_t> keys) { (*static_cast<Sink*>(context))(keys); },
              &sink) {}
    ~KeySinkScope();
    KeySinkScope(const KeySinkScope&) = delete;
    KeySinkScope& operator=(const KeySinkScope&) = delete;

    // The aggregate's work for one key, and at its end; false when the sink threw.
    bool add(std::int64_t key) {
        batch_[held_++] = key;
        return held_ < batch_.size() || handOver();
    }
    bool handOver();
    // Keys handed over so far.
    std::int64_t taken() const { return taken_; }

  private:
    static constexpr std::size_t kBatchKeys = 512;

    KeySinkScope(void (*take)(void*, std::span<const std::int64_t>), void* context);

    void (*take_)(void*, std::span<const std::int64_t>);
    void* context_;
    KeySinkScope* previous_;
    std::array<std::int64_t, kBatchKeys> batch_;
    std::size_t held_ = 0;
    std::int64_t taken_ = 0;
};
