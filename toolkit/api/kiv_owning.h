#pragma once
// Ownership conventions of the programming-interface structures.
//
// Field prefixes keep their meaning, with owning members in place of raw pointers:
//   ps    std::unique_ptr<T>             owned structure; null = absent
//   pps   KivArray<T>                    owned array of owned structures; absent, empty or filled
//   s     T                              embedded structure
//   pc    std::optional<std::string>     owned text; nullopt = absent (OIDs dotted, bit strings '0'/'1')
//   ppc   KivArray<std::string>          owned array of texts
//   ul    uint32_t                       INTEGER
//   pul   std::optional<uint32_t>        OPTIONAL INTEGER
//   ppul  KivArray<uint32_t>             array of integers
//   f     uint32_t                       BOOLEAN: 1 true, 0 false, anything else invalid
//   pf    std::optional<uint32_t>        OPTIONAL BOOLEAN
//   e     int32_t                        enumeration or CHOICE selector, from 1 for selectors, -1 invalid
//   pe    std::optional<int32_t>         OPTIONAL ENUMERATED
//   ppe   KivArray<int32_t>              array of enumerations
//   u     struct of owning members       the alternatives of a CHOICE; only the one e<Name>Type names is set
//   pv    bool                           an ASN.1 NULL component: present when true
//   r     double                         REAL
// Selectors and enumerations stay plain 32-bit integers so that out-of-range values remain representable
// and validation can report them.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "toolkit/util/assoc_id.h"

// An owned array that keeps "absent" apart from "present and empty". A walk over it ends at the first null
// element, as over a NULL-terminated array.
template <typename T>
class KivArray {
  public:
    KivArray() = default;  // absent

    static KivArray emptyArray() {
        KivArray array;
        array.present_ = true;
        return array;
    }

    bool present() const { return present_; }
    explicit operator bool() const { return present_; }

    // Makes the array present (if absent) and appends an element, which may be null.
    T* append(std::unique_ptr<T> element) {
        present_ = true;
        items_.push_back(std::move(element));
        return items_.back().get();
    }
    // Appends a new element built from the arguments (structures are aggregates: brace-initialised).
    template <typename... Args>
    T* emplace(Args&&... args) {
        if constexpr (std::is_aggregate_v<T>) {
            return append(std::unique_ptr<T>(new T{std::forward<Args>(args)...}));
        } else {
            return append(std::make_unique<T>(std::forward<Args>(args)...));
        }
    }

    // Back to absent, releasing every element.
    void reset() {
        present_ = false;
        items_.clear();
    }

    // Number of elements before the first null one.
    size_t size() const {
        size_t n = 0;
        while (n < items_.size() && items_[n]) ++n;
        return n;
    }
    T* operator[](size_t i) const { return items_[i].get(); }

    // Iterates over the elements before the first null one.
    class Iterator {
      public:
        Iterator(const KivArray* array, size_t i) : array_(array), i_(i) {}
        T& operator*() const { return *array_->items_[i_]; }
        Iterator& operator++() {
            ++i_;
            return *this;
        }
        bool operator==(const Iterator& other) const { return i_ == other.i_; }

      private:
        const KivArray* array_;
        size_t i_;
    };
    Iterator begin() const { return Iterator(this, 0); }
    Iterator end() const { return Iterator(this, size()); }

  private:
    bool present_ = false;
    std::vector<std::unique_ptr<T>> items_;
};

// The public free routines: take the address of the caller's pointer, release the structure and everything
// it owns, set the pointer to null, accept null, return 0.
template <typename T>
int kivFree(T** structure) {
    if (structure != nullptr) {
        delete *structure;
        *structure = nullptr;
    }
    return 0;
}
