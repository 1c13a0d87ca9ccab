#pragma once
// Helpers for the DBL list tests: lists of short texts, shown as "a [b] c" with the cursor's datum in
// brackets, and a free routine that records what it frees.

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <string>
#include <vector>

#include "Quorvane/lists/dbl_list.h"

// Texts freed by recordingFree, in order.
inline std::vector<std::string>& freedTexts() {
    static std::vector<std::string> freed;
    return freed;
}

inline void recordingFree(void* datum) {
    freedTexts().emplace_back(static_cast<const char*>(datum));
    std::free(datum);
}

inline void* text(const char* literal) {
    return const_cast<char*>(literal);
}

// A list of the texts in order, the cursor on the last. With a free routine the data are heap copies.
inline DblList* listOf(std::initializer_list<const char*> texts, DblFreeRoutine freeRoutine = nullptr) {
    DblList* list = ListCreate(freeRoutine);
    for (const char* t : texts) ListInsert(list, freeRoutine != nullptr ? ::strdup(t) : text(t));
    return list;
}

// The texts from first to last, the cursor's in brackets. Checks the links both ways as it goes.
inline std::string contents(const DblList* list) {
    std::string shown;
    const DblNode* previous = nullptr;
    for (const DblNode* node = list->first; node != nullptr; node = node->next) {
        EXPECT_EQ(node->prev, previous) << "broken back link";
        if (!shown.empty()) shown += ' ';
        std::string datum = static_cast<const char*>(node->datum);
        shown += node == list->cursor ? "[" + datum + "]" : datum;
        previous = node;
    }
    EXPECT_EQ(list->last, previous) << "wrong last node";
    if (list->first == nullptr) {
        EXPECT_EQ(list->cursor, nullptr);
    }
    return shown;
}

inline int sameText(const void* key, const void* datum) {
    return std::strcmp(static_cast<const char*>(key), static_cast<const char*>(datum)) == 0 ? 1 : 0;
}

// Matches data that start with the key's first letter.
inline int sameInitial(const void* key, const void* datum) {
    return *static_cast<const char*>(key) == *static_cast<const char*>(datum) ? 1 : 0;
}
