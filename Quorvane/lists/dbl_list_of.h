#pragma once
// A DBL list that owns elements of one type: its free routine deletes a T, insertion takes the element
// over and removal hands it back, and every read is typed. Order, cursor and searches are the DblList's
// own (dbl_list.h); a range-for walks the nodes without moving the cursor. The element type may be
// incomplete where the list is only held or destroyed.

#include <cstdint>
#include <iterator>
#include <memory>
#include <utility>

#include "Quorvane/lists/dbl_list.h"

template <class T>
class DblListOf {
    template <class Element>
    class Iterator {
      public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = T;
        using difference_type = std::ptrdiff_t;
        using pointer = Element*;
        using reference = Element&;

        explicit Iterator(const DblNode* node) : node_(node) {}
        Element& operator*() const { return *static_cast<Element*>(node_->datum); }
        Element* operator->() const { return &**this; }
        Iterator& operator++() {
            node_ = node_->next;
            return *this;
        }
        Iterator operator++(int) {
            Iterator before = *this;
            ++*this;
            return before;
        }
        bool operator==(const Iterator&) const = default;

      private:
        const DblNode* node_;
    };

  public:
    using iterator = Iterator<T>;
    using const_iterator = Iterator<const T>;

    DblListOf() : list_(ListCreate(&deleteElement)) {}
    ~DblListOf() { ListDestroy(list_); }
    DblListOf(const DblListOf&) = delete;
    DblListOf& operator=(const DblListOf&) = delete;
    // A list moved from holds no DblList: it may only be destroyed or assigned to.
    DblListOf(DblListOf&& other) noexcept : list_(std::exchange(other.list_, nullptr)) {}
    DblListOf& operator=(DblListOf&& other) noexcept {
        if (this != &other) {
            ListDestroy(list_);
            list_ = std::exchange(other.list_, nullptr);
        }
        return *this;
    }

    bool empty() const { return ListIsEmpty(list_) != 0; }
    std::size_t size() const { return static_cast<std::size_t>(std::distance(begin(), end())); }
    intptr_t user() const { return ListGetUser(list_); }
    void setUser(intptr_t user) { ListSetUser(list_, user); }

    // The cursor (see dbl_list.h for each step's rules).
    T* current() const { return static_cast<T*>(ListCurrent(list_)); }
    // The element after the cursor's; null at the last node or without a cursor.
    T* afterCurrent() const {
        const DblNode* cursor = list_->cursor;
        return cursor != nullptr && cursor->next != nullptr ? static_cast<T*>(cursor->next->datum) : nullptr;
    }
    bool hasCursor() const { return list_->cursor != nullptr; }
    void first() { ListFirst(list_); }
    void last() { ListLast(list_); }
    bool atFirst() const { return ListAtFirst(list_) != 0; }
    bool atLast() const { return ListAtLast(list_) != 0; }
    void next() { ListNext(list_); }
    void prev() { ListPrev(list_); }
    void saveCursor() { ListSaveCursor(list_); }
    void restoreCursor() { ListRestoreCursor(list_); }

    // Insertion after (before) the cursor; the cursor moves to the element, which is answered.
    T* insert(std::unique_ptr<T> element) {
        T* inserted = element.release();
        ListInsert(list_, inserted);
        return inserted;
    }
    T* insertBefore(std::unique_ptr<T> element) {
        T* inserted = element.release();
        ListInsertBefore(list_, inserted);
        return inserted;
    }
    // Insertion after the last node.
    T* append(std::unique_ptr<T> element) {
        ListLast(list_);
        return insert(std::move(element));
    }
    // ListRemoveForward: the cursor's element leaves the list and goes to the caller.
    std::unique_ptr<T> removeForward() {
        return std::unique_ptr<T>(static_cast<T*>(ListRemoveForward(list_)));
    }
    // Deletes every element.
    void clear() { ListClear(list_, 1); }

    // ListFind: the first element with match(element) true, the cursor on it; else null, the cursor on the
    // last node.
    template <class Match>
    T* find(const Match& match) {
        return static_cast<T*>(ListFind(
            list_,
            [](const void* key, const void* datum) {
                return (*static_cast<const Match*>(key))(*static_cast<const T*>(datum)) ? 1 : 0;
            },
            &match));
    }
    // ListApply: visit(element) for every element from the first; the cursor ends on the last node.
    template <class Visit>
    void apply(const Visit& visit) {
        ListForEach(
            list_,
            [](void* visitor, void*, void*, void* datum) {
                (*static_cast<const Visit*>(visitor))(*static_cast<T*>(datum));
            },
            const_cast<Visit*>(&visit), nullptr, nullptr);
    }

    iterator begin() { return iterator(list_->first); }
    iterator end() { return iterator(nullptr); }
    const_iterator begin() const { return const_iterator(list_->first); }
    const_iterator end() const { return const_iterator(nullptr); }

  private:
    static void deleteElement(void* datum) { delete static_cast<T*>(datum); }

    DblList* list_;
};
