#include "toolkit/util/sl_list.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "tests/util/child_process.h"
#include "toolkit/util/err_report.h"

namespace {

// Data are pointers into this table; a list is written as the letters of its data, '0' for NULL.
char gLetters[] = "abcdefghijklmnopqrstuvwxyz";
void* datum(char letter) {
    return &gLetters[letter - 'a'];
}
char letterOf(const void* d) {
    return d == nullptr ? '0' : *static_cast<const char*>(d);
}

SlList* listOf(const std::string& letters, SlDestructor destructor = nullptr) {
    SlList* list = SlCreate(destructor);
    for (char c : letters) SlInsertAfter(list, c == '0' ? nullptr : datum(c));
    return list;
}

// The letters of the list, checking head, tail and the end of the chain on the way.
std::string lettersOf(const SlList* list) {
    std::string letters;
    const SlNode* last = nullptr;
    for (const SlNode* node = list->head; node != nullptr; node = node->next) {
        letters += letterOf(node->datum);
        last = node;
    }
    EXPECT_EQ(list->tail, last);
    return letters;
}

char cursorLetter(const SlList* list) {
    return list->cursor == nullptr ? '-' : letterOf(SlCurrent(list));
}

// Puts the cursor on the element at position index (0-based).
void moveTo(SlList* list, int index) {
    SlFirst(list);
    for (int i = 0; i < index; ++i) SlNext(list);
}

int matchLetter(const void* key, const void* d) {
    return d != nullptr && letterOf(d) == *static_cast<const char*>(key);
}
int sameLetterArg(const void* key, const void* extra, const void* d) {
    return letterOf(key) == letterOf(d) && extra == gLetters ? 1 : 0;
}
int greaterFirst(const void* earlier, const void* later) {
    return letterOf(earlier) > letterOf(later) ? 1 : 0;
}

std::string gDestroyed;
void recordDestroyed(void* d) {
    gDestroyed += letterOf(d);
}

}  // namespace

TEST(SlList, InsertionsMoveTheCursorToTheNewElement) {
    SlList* list = listOf("abc");
    EXPECT_EQ(lettersOf(list), "abc");
    EXPECT_EQ(cursorLetter(list), 'c');

    SlInsertBefore(SlFirst(list), datum('z'));
    EXPECT_EQ(lettersOf(list), "zabc");
    EXPECT_EQ(cursorLetter(list), 'z');

    moveTo(list, 2);
    SlInsertBefore(list, datum('y'));
    EXPECT_EQ(lettersOf(list), "zaybc");
    EXPECT_EQ(cursorLetter(list), 'y');

    SlInsertAfter(SlLast(list), datum('x'));
    EXPECT_EQ(lettersOf(list), "zaybcx");
    EXPECT_EQ(SlCount(list), 6);
    SlDestroy(list);
}

TEST(SlList, StateOfEmptyAndSmallLists) {
    SlList* list = SlCreate(nullptr);
    EXPECT_EQ(SlIsEmpty(list), 1);
    EXPECT_EQ(SlCount(list), 0);
    EXPECT_EQ(SlAtFirst(list), 1);
    EXPECT_EQ(SlAtLast(list), 1);
    EXPECT_EQ(SlCurrent(list), nullptr);
    EXPECT_EQ(SlRemoveCurrent(list), nullptr);
    EXPECT_EQ(SlPopFirst(list), nullptr);
    SlNext(list);
    SlPrevious(list);
    EXPECT_EQ(SlGetUserValue(list), 0);
    SlSetUserValue(list, 42);
    EXPECT_EQ(SlGetUserValue(list), 42);

    SlInsertBefore(list, datum('a'));
    EXPECT_EQ(SlHasOneElement(list), 1);
    EXPECT_EQ(SlIsEmpty(list), 0);
    SlInsertAfter(list, datum('b'));
    EXPECT_EQ(SlHasOneElement(list), 0);
    SlDestroy(list);
}

TEST(SlList, CursorStepsStopAtTheEnds) {
    SlList* list = listOf("abc");
    SlNext(list);
    EXPECT_EQ(cursorLetter(list), 'c');
    EXPECT_EQ(SlAtLast(list), 1);
    SlPrevious(list);
    SlPrevious(list);
    EXPECT_EQ(cursorLetter(list), 'a');
    EXPECT_EQ(SlAtFirst(list), 1);
    SlPrevious(list);
    EXPECT_EQ(cursorLetter(list), 'a');

    SlNext(list);
    SlSaveCursor(list);
    SlLast(list);
    EXPECT_EQ(cursorLetter(SlRestoreCursor(list)), 'b');
    SlDestroy(list);
}

TEST(SlList, StepWithoutCursorGoesToTheLastOrIsFatal) {
    SlList* list = listOf("abc");
    SlRestoreCursor(list);  // nothing saved: no cursor
    EXPECT_EQ(SlCurrent(list), nullptr);
    SlPrevious(list);
    EXPECT_EQ(cursorLetter(list), 'c');

    ChildResult result = runInChild([list] {
        SlRestoreCursor(list);
        SlNext(list);
    });
    EXPECT_EQ(result.exitCode, 255);
    EXPECT_EQ(result.output, "\aSL:Impossible program route\n");
    SlDestroy(list);
}

TEST(SlList, RemovalMovesTheCursorByPosition) {
    struct Case {
        std::string letters;
        int position;
        bool forward;
        std::string left;
        char cursor;
    };
    const Case cases[] = {
        {"abc", 1, false, "ac", 'a'}, {"abc", 1, true, "ac", 'c'},  {"abc", 2, false, "ab", 'b'},
        {"abc", 2, true, "ab", 'b'},  {"abc", 0, false, "bc", 'b'}, {"abc", 0, true, "bc", 'b'},
        {"a", 0, false, "", '-'},     {"a", 0, true, "", '-'},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.letters + " at " + std::to_string(c.position) + (c.forward ? " forward" : ""));
        SlList* list = listOf(c.letters);
        moveTo(list, c.position);
        void* removed = c.forward ? SlRemoveCurrentForward(list) : SlRemoveCurrent(list);
        EXPECT_EQ(removed, datum(c.letters[c.position]));
        EXPECT_EQ(lettersOf(list), c.left);
        EXPECT_EQ(cursorLetter(list), c.cursor);
        SlInsertAfter(SlLast(list), datum('z'));  // the tail is still right
        EXPECT_EQ(lettersOf(list), c.left + "z");
        SlDestroy(list);
    }
}

TEST(SlList, PopAndDeleteFirstKeepTheCursorOnAnElement) {
    gDestroyed.clear();
    SlList* list = listOf("ab", recordDestroyed);
    SlFirst(list);
    EXPECT_EQ(SlPopFirst(list), datum('a'));
    EXPECT_EQ(lettersOf(list), "b");
    EXPECT_EQ(cursorLetter(list), 'b');
    SlInsertAfter(list, datum('c'));
    SlFirst(list);
    SlDeleteFirst(list);
    EXPECT_EQ(gDestroyed, "b");
    EXPECT_EQ(cursorLetter(list), 'c');
    SlDeleteFirst(list);
    EXPECT_EQ(cursorLetter(list), '-');
    EXPECT_EQ(SlIsEmpty(list), 1);
    SlDeleteFirst(list);
    EXPECT_EQ(gDestroyed, "bc");
    SlDestroy(list);
}

TEST(SlList, SavedCursorOnARemovedElementIsForgotten) {
    SlList* list = listOf("abc");
    moveTo(list, 1);
    SlSaveCursor(list);
    SlRemoveCurrent(list);
    SlRestoreCursor(list);
    EXPECT_EQ(SlCurrent(list), nullptr);
    SlDestroy(list);
}

TEST(SlList, ClearRemovesFromTheCursorBackThenOnwards) {
    gDestroyed.clear();
    SlList* list = listOf("abcde", recordDestroyed);
    moveTo(list, 2);
    EXPECT_EQ(SlClear(list, 1), 1);
    EXPECT_EQ(gDestroyed, "cbade");
    EXPECT_EQ(SlIsEmpty(list), 1);

    gDestroyed.clear();
    SlInsertAfter(list, datum('x'));
    SlClear(list, 0);
    EXPECT_EQ(gDestroyed, "");
    SlDestroy(list);
}

TEST(SlList, DestroyAppliesTheDestructorInOrderAndSkipsNull) {
    gDestroyed.clear();
    SlDestroy(listOf("a0b", recordDestroyed));
    EXPECT_EQ(gDestroyed, "ab");
    gDestroyed.clear();
    SlDestroy(listOf("ab"));
    EXPECT_EQ(gDestroyed, "");
    SlDestroy(nullptr);
}

TEST(SlList, FindLeavesTheCursorOnTheElementFound) {
    SlList* list = listOf("abcb");
    char key = 'b';
    EXPECT_EQ(SlFind(list, matchLetter, &key), datum('b'));
    EXPECT_EQ(SlRemoveCurrent(list), datum('b'));
    EXPECT_EQ(lettersOf(list), "acb");
    EXPECT_EQ(SlIndexOf(list, matchLetter, &key), 3);
    EXPECT_EQ(SlCountIf(list, matchLetter, &key), 1);

    key = 'q';
    EXPECT_EQ(SlFind(list, matchLetter, &key), nullptr);
    EXPECT_EQ(cursorLetter(list), 'b');  // where the walk stopped
    EXPECT_EQ(SlIndexOf(list, matchLetter, &key), -1);
    SlDestroy(list);

    key = 'a';
    EXPECT_EQ(SlFind(nullptr, matchLetter, &key), nullptr);
    EXPECT_EQ(SlIndexOf(nullptr, matchLetter, &key), -1);
    EXPECT_EQ(SlCountIf(nullptr, matchLetter, &key), 0);
}

TEST(SlList, NullDatumEndsTheSearches) {
    SlList* list = listOf("a0b");
    char key = 'b';
    EXPECT_EQ(SlFind(list, matchLetter, &key), nullptr);
    EXPECT_EQ(SlFindArg(list, sameLetterArg, datum('b'), gLetters), nullptr);
    EXPECT_EQ(SlIndexOf(list, matchLetter, &key), -1);
    EXPECT_EQ(SlCountIf(list, matchLetter, &key), 0);
    EXPECT_EQ(SlCount(list), 3);
    SlDestroy(list);
}

TEST(SlList, FindNextAndPreviousSearchFromTheCursor) {
    SlList* list = listOf("abcab");
    char key = 'a';
    moveTo(list, 1);
    EXPECT_EQ(SlFindNext(list, matchLetter, &key), datum('a'));
    EXPECT_EQ(SlIndexOf(list, matchLetter, &key), 1);
    moveTo(list, 3);
    EXPECT_EQ(SlFindNext(list, matchLetter, &key), nullptr);
    moveTo(list, 2);
    EXPECT_EQ(SlFindPrevious(list, matchLetter, &key), datum('a'));
    EXPECT_EQ(SlAtFirst(list), 1);
    EXPECT_EQ(SlFindPrevious(list, matchLetter, &key), nullptr);

    moveTo(list, 4);
    EXPECT_EQ(SlFindPreviousArg(list, sameLetterArg, datum('b'), gLetters), datum('b'));
    EXPECT_EQ(SlRemoveCurrent(list), datum('b'));
    EXPECT_EQ(lettersOf(list), "acab");
    SlLast(list);
    EXPECT_EQ(SlFindNextArg(list, sameLetterArg, datum('b'), gLetters), nullptr);
    SlDestroy(list);
}

TEST(SlList, FindRepeatAndRemoveFirstRepeat) {
    SlList* list = listOf("abcbad");
    EXPECT_EQ(SlFindRepeat(list, sameLetterArg, gLetters), datum('a'));
    EXPECT_EQ(list->cursor, list->head->next->next->next->next);  // on the later one
    SlRemoveFirstRepeat(list, sameLetterArg, gLetters);
    EXPECT_EQ(lettersOf(list), "abcbd");
    SlRemoveFirstRepeat(list, sameLetterArg, gLetters);
    EXPECT_EQ(lettersOf(list), "abcd");
    SlRemoveFirstRepeat(list, sameLetterArg, gLetters);
    EXPECT_EQ(lettersOf(list), "abcd");
    EXPECT_EQ(SlFindRepeat(list, sameLetterArg, gLetters), nullptr);
    SlDestroy(list);
    EXPECT_EQ(SlFindRepeat(nullptr, sameLetterArg, gLetters), nullptr);
    SlRemoveFirstRepeat(nullptr, sameLetterArg, gLetters);
}

TEST(SlList, WalksVisitInOrderAndStopAtNull) {
    static std::string visited;
    visited.clear();
    SlList* list = listOf("ab0c");
    SlForEach(list, [](void* d) { visited += letterOf(d); });
    EXPECT_EQ(visited, "ab");

    visited.clear();
    char tag = '+';
    SlForEachArgs(
        list,
        [](void* a, void* b, void* c, void* d) {
            visited += *static_cast<char*>(a);
            visited += letterOf(d);
            EXPECT_EQ(b, nullptr);
            EXPECT_EQ(c, nullptr);
        },
        &tag, nullptr, nullptr);
    EXPECT_EQ(visited, "+a+b");
    SlForEach(nullptr, [](void*) { FAIL(); });

    SlList* copy = listOf("xy");
    SlFirst(copy);
    SlCopy(
        list, [](void* d) { return datum(static_cast<char>(letterOf(d) + 1)); }, copy);
    EXPECT_EQ(lettersOf(copy), "xbcy");
    SlCopy(list, nullptr, copy);
    EXPECT_EQ(lettersOf(copy), "xbcaby");
    EXPECT_EQ(lettersOf(list), "ab0c");
    SlDestroy(copy);
    SlDestroy(list);
}

TEST(SlList, AppendListHandsTheDataOver) {
    gDestroyed.clear();
    SlList* to = listOf("ab");
    SlFirst(to);
    SlList* from = listOf("c0d", recordDestroyed);
    SlAppendList(to, from, 1);
    EXPECT_EQ(lettersOf(to), "abc0d");
    EXPECT_EQ(gDestroyed, "");

    SlList* kept = listOf("e", recordDestroyed);
    SlAppendList(to, kept, 0);
    EXPECT_EQ(lettersOf(to), "abc0de");
    EXPECT_EQ(lettersOf(kept), "e");
    SlDestroy(kept);
    EXPECT_EQ(gDestroyed, "");  // kept gave up its destructor

    SlAppendList(to, nullptr, 1);
    SlList* empty = SlCreate(recordDestroyed);
    SlAppendList(to, empty, 1);
    EXPECT_EQ(lettersOf(to), "abc0de");
    SlDestroy(to);
}

TEST(SlList, AppendStringCopiesCopiesTheTexts) {
    static std::string freed;
    freed.clear();
    char one[] = "one";
    char two[] = "two";
    SlList* from = SlCreate([](void* d) { freed += static_cast<char*>(d); });
    SlInsertAfter(from, one);
    SlInsertAfter(from, two);
    SlList* to = SlCreate(ErrFree);
    SlAppendStringCopies(to, from, 1);
    EXPECT_EQ(freed, "onetwo");  // from kept its destructor
    ASSERT_EQ(SlCount(to), 2);
    auto* first = static_cast<char*>(to->head->datum);
    EXPECT_NE(first, one);
    EXPECT_STREQ(first, "one");
    EXPECT_STREQ(static_cast<char*>(to->tail->datum), "two");
    SlDestroy(to);
}

TEST(SlList, AppendIfSharesTheAcceptedData) {
    SlList* to = listOf("a");
    SlList* from = listOf("bcde");
    SlAppendIf(to, from, [](SlList*, const void* d) { return letterOf(d) != 'c' ? 1 : 0; });
    EXPECT_EQ(lettersOf(to), "abde");
    EXPECT_EQ(lettersOf(from), "bcde");
    SlDestroy(from);
    SlDestroy(to);
}

TEST(SlList, SpliceInsertsAtTheCursor) {
    struct Case {
        int before;
        int keepCursor;
        std::string result;
        char cursor;
    };
    const Case cases[] = {
        {0, 0, "abxyc", 'y'}, {0, 1, "abxyc", 'b'}, {1, 0, "axybc", 'y'}, {1, 1, "axybc", 'b'}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.before) + std::to_string(c.keepCursor));
        gDestroyed.clear();
        SlList* to = listOf("abc");
        moveTo(to, 1);
        SlSpliceList(to, listOf("xy", recordDestroyed), c.before, 1, c.keepCursor);
        EXPECT_EQ(lettersOf(to), c.result);
        EXPECT_EQ(cursorLetter(to), c.cursor);
        EXPECT_EQ(gDestroyed, "");
        SlDestroy(to);
    }
    SlList* empty = SlCreate(nullptr);
    SlSpliceList(empty, listOf("xy"), 1, 1, 1);
    EXPECT_EQ(lettersOf(empty), "xy");
    SlDestroy(empty);
}

TEST(SlList, ReverseAndSort) {
    SlList* list = listOf("abc");
    SlReverse(list);
    EXPECT_EQ(lettersOf(list), "cba");
    EXPECT_EQ(cursorLetter(list), 'a');
    SlReverse(nullptr);
    SlDestroy(list);

    list = listOf("dbacb");
    SlSort(list, greaterFirst);
    EXPECT_EQ(lettersOf(list), "abbcd");
    EXPECT_EQ(cursorLetter(list), 'd');
    SlDestroy(list);

    // Equal keys keep their order: sort pointers into one text by their letter.
    static const char text[] = "b1a1b2a2";
    list = SlCreate(nullptr);
    for (int i = 0; i < 8; i += 2) SlInsertAfter(list, const_cast<char*>(text + i));
    SlSort(list, greaterFirst);
    std::string order;
    for (const SlNode* node = list->head; node != nullptr; node = node->next) {
        order += std::string(static_cast<const char*>(node->datum), 2);
    }
    EXPECT_EQ(order, "a1a2b1b2");
    SlDestroy(list);

    // A comparator that is never satisfied still ends.
    list = listOf("abc");
    SlSort(list, [](const void*, const void*) { return 1; });
    EXPECT_EQ(SlCount(list), 3);
    SlDestroy(list);
    SlSort(nullptr, greaterFirst);
}

TEST(SlList, RemoveDuplicatesKeepsTheFirstOfEachPointer) {
    SlList* list = listOf("pqprqq");
    SlRemoveDuplicates(list);
    EXPECT_EQ(lettersOf(list), "pqr");
    EXPECT_EQ(cursorLetter(list), 'r');
    SlInsertAfter(list, datum('s'));
    EXPECT_EQ(lettersOf(list), "pqrs");
    SlDestroy(list);
    SlRemoveDuplicates(nullptr);
}

TEST(SlSamePointer, ComparesAddresses) {
    int a = 1;
    int b = 1;
    EXPECT_EQ(SlSamePointer(&a, &a), 1);
    EXPECT_EQ(SlSamePointer(&a, &b), 0);
}
