#include "Quorvane/lists/dbl_list_combine.h"

#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/util/err_report.h"

namespace {

constexpr const char* kTag = "DBL";

// Taken before anything is inserted, so that a list combined with itself is walked once.
std::vector<void*> dataOf(const DblList* list) {
    std::vector<void*> data;
    if (list == nullptr) return data;
    for (const DblNode* node = list->first; node != nullptr; node = node->next) data.push_back(node->datum);
    return data;
}

void appendAll(DblList* list, const std::vector<void*>& data) {
    ListLast(list);
    for (void* datum : data) ListInsert(list, datum);
}

char* countedText(std::string_view text, std::size_t room) {
    auto* copy = static_cast<char*>(ErrAllocString(static_cast<int32_t>(room), kTag));
    std::memcpy(copy, text.data(), text.size());
    return copy;
}

void giveAway(DblList* second, int destroySecond) {
    second->freeRoutine = nullptr;
    if (destroySecond == 1) ListDestroy(second);
}

}  // namespace

void ListCopyInto(DblList* list, DblConvert convert, DblList* to) {
    std::vector<void*> data = dataOf(list);
    if (convert != nullptr) {
        for (void*& datum : data) datum = convert(datum);
    }
    appendAll(to, data);
}

void ListAppendList(DblList* list, DblList* second, int destroySecond) {
    if (second == nullptr) return;
    appendAll(list, dataOf(second));
    giveAway(second, destroySecond);
}

void ListAppendCopies(DblList* list, DblList* second, int destroySecond) {
    if (second == nullptr) return;
    std::vector<void*> copies;
    for (void* datum : dataOf(second)) {
        std::string_view text(static_cast<const char*>(datum));
        copies.push_back(countedText(text, text.size() + 2));
    }
    appendAll(list, copies);
    if (destroySecond == 1) ListDestroy(second);
}

void ListAppendMatching(DblList* list, DblList* second, DblAccept accept) {
    std::vector<void*> accepted;
    for (void* datum : dataOf(second)) {
        if (accept(list, datum) == 1) accepted.push_back(datum);
    }
    appendAll(list, accepted);
}

void ListMerge(DblList* list, DblList* second, int before, int destroySecond, int keepCursor) {
    if (second == nullptr) return;
    DblNode* original = list->cursor;
    bool firstDatum = true;
    for (void* datum : dataOf(second)) {
        if (firstDatum && before == 1) {
            ListInsertBefore(list, datum);
        } else {
            ListInsert(list, datum);
        }
        firstDatum = false;
    }
    if (keepCursor == 1 && original != nullptr) list->cursor = original;
    giveAway(second, destroySecond);
}

void ListJoinPairwise(DblList* list, DblList* second, const char* separator) {
    std::string_view between(separator != nullptr ? separator : "");
    DblNode* node = list->first;
    DblNode* other = second->first;
    for (; node != nullptr && other != nullptr; node = node->next, other = other->next) {
        list->cursor = node;
        second->cursor = other;
        std::string_view added(static_cast<const char*>(other->datum));
        if (added == "xNONEx") continue;
        std::string joined(static_cast<const char*>(node->datum));
        joined.append(between).append(added);
        void* old = node->datum;
        node->datum = countedText(joined, joined.size() + 1);
        if (list->freeRoutine != nullptr) list->freeRoutine(old);
    }
}
