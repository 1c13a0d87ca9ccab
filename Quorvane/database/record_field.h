#pragma once
// Fetched column values of a record, and the present cache's record entries that hold them.

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "Quorvane/memory/memory_budget.h"

// One fetched column value.
struct RecordField {
    std::string columnName;
    // Absent when the database value was NULL, empty or "Not Applicable".
    std::optional<std::string> value;
    // 1, 2, ... for the rows of a record statement; 10000 onward for holdings items.
    std::int32_t rowNumber = 0;
    // 1 once spill-over text has been appended to the value.
    std::int32_t extended = 0;
};

// The fields of a record, in fetch order. Held in blocks of many fields rather than a node each (a Present
// appends thousands); a field stays where it is while more are appended, so rows may point to it.
class RecordFields {
  public:
    static constexpr std::size_t kBlockFields = 32;

    template <bool Constant>
    class Iterator {
      public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = RecordField;
        using difference_type = std::ptrdiff_t;
        using pointer = std::conditional_t<Constant, const RecordField*, RecordField*>;
        using reference = std::conditional_t<Constant, const RecordField&, RecordField&>;
        using Owner = std::conditional_t<Constant, const RecordFields*, RecordFields*>;

        Iterator() = default;
        Iterator(Owner owner, std::size_t index) : owner_(owner), index_(index) {}
        reference operator*() const { return owner_->at(index_); }
        pointer operator->() const { return &owner_->at(index_); }
        Iterator& operator++() {
            ++index_;
            return *this;
        }
        Iterator operator++(int) {
            Iterator before = *this;
            ++index_;
            return before;
        }
        bool operator==(const Iterator& other) const { return index_ == other.index_; }

      private:
        Owner owner_ = nullptr;
        std::size_t index_ = 0;
    };
    using iterator = Iterator<false>;
    using const_iterator = Iterator<true>;

    // A new empty field at the end.
    RecordField& emplace_back() {
        if (size_ == blocks_.size() * kBlockFields)
            blocks_.push_back(std::make_unique<RecordField[]>(kBlockFields));
        return at(size_++);
    }
    void clear() {
        blocks_.clear();
        size_ = 0;
    }

    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    RecordField& front() { return at(0); }
    RecordField& back() { return at(size_ - 1); }
    const RecordField& back() const { return at(size_ - 1); }
    RecordField& at(std::size_t index) { return blocks_[index / kBlockFields][index % kBlockFields]; }
    const RecordField& at(std::size_t index) const {
        return blocks_[index / kBlockFields][index % kBlockFields];
    }
    iterator begin() { return {this, 0}; }
    iterator end() { return {this, size_}; }
    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, size_}; }

  private:
    std::vector<std::unique_ptr<RecordField[]>> blocks_;
    std::size_t size_ = 0;
};
// A row of a record: fields of its field list (not owned), in field-list order.
using FieldRow = std::vector<RecordField*>;

// The field value of a database text: absent for NULL, an empty text and "Not Applicable".
std::optional<std::string_view> FieldText(std::optional<std::string_view> text);
std::optional<std::string> FieldValue(std::optional<std::string_view> text);
// Appends a new field {columnName, value, rowNumber, 0} at the end of the list, written in its place;
// answers it.
RecordField& AppendRecordField(RecordFields& fields, std::string_view columnName,
                               std::optional<std::string_view> value, std::int32_t rowNumber);
// The first field of the row whose column name is exactly the given one; nullptr when none.
RecordField* FindRowField(const FieldRow& row, std::string_view column);

// The octets a field of the list takes: the field and the texts it holds.
std::size_t RecordFieldFootprint(const RecordField& field);

// A record whose fields a statement fetches: its key, its field list, and the octets its fields take, to
// which the fetch adds.
struct RecordFieldTarget {
    std::string key;
    RecordFields* fields = nullptr;
    std::size_t footprint = 0;
};

// Appends fields to the lists of a batch of records, adding their octets to each record's footprint; the
// octets appended since the last reservation are reserved against the memory (when given) by commit()
// once kCommitOctets have gathered, and by commitAll() whatever they come to.
class FieldAppender {
  public:
    // Octets gathered before commit() reserves them: a reservation per row would make every row contend
    // for the process's budget.
    static constexpr std::size_t kCommitOctets = 16 * 1024;

    FieldAppender(std::span<RecordFieldTarget> records, RequestMemory* memory)
        : records_(records), memory_(memory) {}
    RecordField& append(std::size_t record, std::string_view columnName,
                        std::optional<std::string_view> value, std::int32_t rowNumber);
    // false when the memory refused the octets.
    bool commit();
    bool commitAll();

  private:
    std::span<RecordFieldTarget> records_;
    RequestMemory* memory_;
    std::size_t pending_ = 0;
};

// One fetched record of the present cache.
struct PresentCacheEntry {
    // Filled by RunFieldStatement.
    RecordFields fields;
    // Cleared on every entry when a Present starts its fetch; set when the Present finds the entry again.
    std::int32_t used = 0;
    // The result-set position the record was fetched for.
    std::uint32_t position = 0;
    // The octets of the fields, held against the process's memory budget while the record is cached.
    MemoryReservation memory;
};
