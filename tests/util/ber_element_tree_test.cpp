#include "toolkit/util/ber_element_tree.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "toolkit/util/ber_limits.h"
#include "toolkit/util/memory.h"

namespace {

using Octets = std::vector<uint8_t>;

struct TreeDeleter {
    void operator()(BerDirElement* root) const { BerDirDestroy(root->directory); }
};
using Tree = std::unique_ptr<BerDirElement, TreeDeleter>;

Tree newTree(uint16_t tag = 16, int32_t elementsPerBlock = 2) {
    Tree tree(BerDirNewRoot(tag, 0, elementsPerBlock));
    EXPECT_NE(tree, nullptr);
    return tree;
}

Octets serialise(BerDirElement* element) {
    int32_t size = -1;
    uint8_t* block = BerDirSerialise(element, &size);
    EXPECT_NE(block, nullptr);
    if (block == nullptr) return {};
    Octets octets(block, block + size);
    MemFree(block);
    return octets;
}

std::string dump(const BerDirElement* element, int depth) {
    char* text = nullptr;
    size_t size = 0;
    std::FILE* out = open_memstream(&text, &size);
    BerDirDump(element, depth, out);
    std::fclose(out);
    std::string result(text, size);
    std::free(text);
    return result;
}

Octets nestedDefinite(int levels) {
    Octets octets = {0x05, 0x00};
    for (int i = 0; i < levels; ++i) {
        const size_t inner = octets.size();
        Octets header = {0x30};
        if (inner < 0x80) {
            header.push_back(static_cast<uint8_t>(inner));
        } else {
            header.insert(header.end(),
                          {0x82, static_cast<uint8_t>(inner >> 8), static_cast<uint8_t>(inner)});
        }
        octets.insert(octets.begin(), header.begin(), header.end());
    }
    return octets;
}

const Octets kBuilt = {
    0x30, 0x1C,                                            // SEQUENCE
    0x02, 0x02, 0x01, 0x2C,                                // INTEGER 300
    0x03, 0x02, 0x03, 0xC8,                                // BIT STRING yynny
    0x06, 0x07, 0x2A, 0x86, 0x48, 0xCE, 0x13, 0x05, 0x65,  // 1.2.840.10003.5.101
    0xBF, 0x81, 0x48, 0x07,                                // [200] constructed
    0x5F, 0x81, 0x9C, 0x20, 0x02, 0x68, 0x69,              // [APPLICATION 20000] "hi"
};

TEST(BerElementTreeTest, BuildsAndSerialises) {
    Tree tree = newTree();
    const uint8_t hi[] = {'h', 'i'};
    ASSERT_NE(BerDirAddInteger(tree.get(), 2, 0, 300, 4), nullptr);
    ASSERT_NE(BerDirAddBitString(tree.get(), 3, 0, "1Yn0t"), nullptr);
    ASSERT_NE(BerDirAddOid(tree.get(), 6, 0, "1.2.840.10003.5.101"), nullptr);
    BerDirElement* tagged = BerDirAddConstructed(tree.get(), 200, 2);
    ASSERT_NE(tagged, nullptr);
    ASSERT_NE(BerDirAddPrimitive(tagged, 20000, 1, hi, 2), nullptr);

    EXPECT_EQ(BerDirMeasure(tree.get()), static_cast<int32_t>(kBuilt.size()));
    EXPECT_EQ(tree->count, 4);
    EXPECT_EQ(serialise(tree.get()), kBuilt);
}

TEST(BerElementTreeTest, ParsesWhatItSerialises) {
    Tree tree = newTree();
    ASSERT_EQ(BerDirParse(kBuilt.data(), static_cast<int32_t>(kBuilt.size()), tree.get()), 1);
    const BerDirElement* integer = tree->firstChild;
    int32_t value = 0;
    ASSERT_TRUE(BerDirIntegerValue(integer, &value));
    EXPECT_EQ(value, 300);
    EXPECT_EQ(BerDirBitStringText(integer->next), "yynny");
    EXPECT_EQ(BerDirOidText(integer->next->next), "1.2.840.10003.5.101");
    const BerDirElement* tagged = tree->lastChild;
    EXPECT_EQ(tagged->tag, 200);
    EXPECT_EQ(tagged->tagClass, 2);
    EXPECT_EQ(tagged->form, kBerDirConstructed);
    EXPECT_EQ(tagged->firstChild->tag, 20000);
    EXPECT_EQ(tagged->firstChild->tagClass, 1);
    EXPECT_EQ(serialise(tree.get()), kBuilt);
}

TEST(BerElementTreeTest, IndefiniteLengthsComeOutDefinite) {
    const Octets indefinite = {0x30, 0x80, 0x02, 0x01, 0x05, 0xA1, 0x80,
                               0x04, 0x01, 0x41, 0x00, 0x00, 0x00, 0x00};
    Tree tree = newTree();
    ASSERT_EQ(BerDirParse(indefinite.data(), static_cast<int32_t>(indefinite.size()), tree.get()), 1);
    EXPECT_EQ(serialise(tree.get()), (Octets{0x30, 0x08, 0x02, 0x01, 0x05, 0xA1, 0x03, 0x04, 0x01, 0x41}));
}

TEST(BerElementTreeTest, LongLengths) {
    for (const int32_t count : {127, 128, 200, 70000}) {
        SCOPED_TRACE(count);
        Tree tree = newTree();
        const Octets contents(static_cast<size_t>(count), 0x41);
        ASSERT_NE(BerDirAddPrimitive(tree.get(), 4, 0, contents.data(), count), nullptr);
        const Octets octets = serialise(tree.get());
        Tree reparsed = newTree();
        ASSERT_EQ(BerDirParse(octets.data(), static_cast<int32_t>(octets.size()), reparsed.get()), 1);
        EXPECT_EQ(reparsed->firstChild->count, count);
        EXPECT_EQ(serialise(reparsed.get()), octets);
    }
    Tree tree = newTree();
    const Octets contents(70000, 0x41);
    BerDirAddPrimitive(tree.get(), 4, 0, contents.data(), 70000);
    const Octets octets = serialise(tree.get());
    EXPECT_EQ(Octets(octets.begin(), octets.begin() + 10),
              (Octets{0x30, 0x83, 0x01, 0x11, 0x75, 0x04, 0x83, 0x01, 0x11, 0x70}));
}

TEST(BerElementTreeTest, RefusesShortAndHostileEncodings) {
    Tree tree = newTree();
    for (size_t count = 0; count < kBuilt.size(); ++count) {
        SCOPED_TRACE(count);
        std::unique_ptr<uint8_t[]> exact(new uint8_t[count + 1]);
        std::copy(kBuilt.begin(), kBuilt.begin() + static_cast<std::ptrdiff_t>(count), exact.get());
        EXPECT_EQ(BerDirParse(exact.get(), static_cast<int32_t>(count), tree.get()), 0);
    }

    Octets deepIndefinite;
    for (int i = 0; i < 10000; ++i) deepIndefinite.insert(deepIndefinite.end(), {0x30, 0x80});
    for (int i = 0; i < 10000; ++i) deepIndefinite.insert(deepIndefinite.end(), {0x00, 0x00});
    const std::vector<std::pair<const char*, Octets>> cases = {
        {"child overruns its parent", {0x30, 0x03, 0x04, 0x05, 0x41}},
        {"indefinite primitive", {0x04, 0x80, 0x41, 0x00, 0x00}},
        {"five length octets", {0x04, 0x85, 0x00, 0x00, 0x00, 0x00, 0x01, 0x41}},
        {"length of 2^31", {0x30, 0x84, 0x80, 0x00, 0x00, 0x00}},
        {"tag number above 65535", {0x1F, 0x84, 0x80, 0x00, 0x00}},
        {"10000 levels of indefinite lengths", deepIndefinite},
        {"10000 levels of definite lengths", nestedDefinite(10000)},
        {"one level too deep", nestedDefinite(kBerMaxNesting + 1)},
    };
    for (const auto& [name, octets] : cases) {
        SCOPED_TRACE(name);
        EXPECT_EQ(BerDirParse(octets.data(), static_cast<int32_t>(octets.size()), tree.get()), 0);
    }
    const Octets deepest = nestedDefinite(kBerMaxNesting);
    EXPECT_EQ(BerDirParse(deepest.data(), static_cast<int32_t>(deepest.size()), tree.get()), 1);
}

TEST(BerElementTreeTest, ElementSizeIsKnownOnlyForAWholeElement) {
    struct SizeCase {
        const char* name;
        Octets octets;
        int32_t size;
    };
    const std::vector<SizeCase> cases = {
        {"definite", {0x30, 0x03, 0x02, 0x01, 0x05}, 5},
        {"the next element's octets follow", {0x02, 0x01, 0x05, 0x02, 0x01}, 3},
        {"indefinite, end-of-contents included", {0x30, 0x80, 0x02, 0x01, 0x05, 0x00, 0x00}, 7},
        {"long identifier", {0xBF, 0x81, 0x49, 0x00}, 4},
        {"long-form length", {0x04, 0x81, 0x01, 0x41}, 4},
        {"contents short of the length", {0x30, 0x03, 0x02, 0x01}, -1},
        {"length octets cut short", {0x30, 0x82, 0x01}, -1},
        {"identifier cut short", {0x1F, 0x81}, -1},
        {"indefinite without its end-of-contents", {0x30, 0x80, 0x02, 0x01, 0x05, 0x00}, -1},
        {"five length octets", {0x04, 0x85, 0x00, 0x00, 0x00, 0x00, 0x01, 0x41}, -1},
        {"length of 2^31", {0x04, 0x84, 0x80, 0x00, 0x00, 0x00}, -1},
        {"no octets", {}, -1},
    };
    for (const SizeCase& c : cases) {
        SCOPED_TRACE(c.name);
        // An exact-size block, so that a read past the count octets shows under the address sanitiser.
        std::unique_ptr<uint8_t[]> exact(new uint8_t[c.octets.size()]);
        std::copy(c.octets.begin(), c.octets.end(), exact.get());
        EXPECT_EQ(BerDirElementSize(exact.get(), static_cast<int32_t>(c.octets.size())), c.size);
    }
    EXPECT_EQ(BerDirElementSize(kBuilt.data(), 0), -1);
    EXPECT_EQ(BerDirElementSize(kBuilt.data(), -1), -1);
    EXPECT_EQ(BerDirElementSize(nullptr, 5), -1);
    // The size of a serialised tree is its measure.
    Tree tree = newTree();
    ASSERT_EQ(BerDirParse(kBuilt.data(), static_cast<int32_t>(kBuilt.size()), tree.get()), 1);
    EXPECT_EQ(BerDirElementSize(kBuilt.data(), static_cast<int32_t>(kBuilt.size())),
              BerDirMeasure(tree.get()));
}

TEST(BerElementTreeTest, IntegersDropRedundantOctets) {
    struct IntegerCase {
        int32_t value;
        int width;
        Octets contents;
        int32_t readBack;
    };
    const std::vector<IntegerCase> cases = {
        {0, 4, {0x00}, 0},
        {127, 1, {0x7F}, 127},
        {128, 2, {0x00, 0x80}, 128},
        {-1, 4, {0xFF}, -1},
        {-128, 4, {0x80}, -128},
        {-129, 4, {0xFF, 0x7F}, -129},
        {256, 1, {0x00}, 0},
        {0x12345678, 4, {0x12, 0x34, 0x56, 0x78}, 0x12345678},
        {INT32_MIN, 4, {0x80, 0x00, 0x00, 0x00}, INT32_MIN},
    };
    Tree tree = newTree();
    for (const IntegerCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.value << " in " << c.width);
        const BerDirElement* element = BerDirAddInteger(tree.get(), 2, 0, c.value, c.width);
        ASSERT_NE(element, nullptr);
        EXPECT_EQ(Octets(element->contents, element->contents + element->count), c.contents);
        int32_t value = 0;
        ASSERT_TRUE(BerDirIntegerValue(element, &value));
        EXPECT_EQ(value, c.readBack);
    }
    EXPECT_EQ(BerDirAddInteger(tree.get(), 2, 0, 1, 3), nullptr);

    BerDirElement* element = BerDirAddInteger(tree.get(), 2, 0, 1, 1);
    ASSERT_EQ(BerDirSetInteger(element, -300), 1);
    int32_t value = 0;
    ASSERT_TRUE(BerDirIntegerValue(element, &value));
    EXPECT_EQ(value, -300);
    EXPECT_EQ(BerDirSetInteger(tree.get(), 1), 0);

    const uint8_t five[] = {0, 0, 0, 0, 1};
    EXPECT_FALSE(BerDirIntegerValue(BerDirAddPrimitive(tree.get(), 2, 0, five, 5), &value));
    EXPECT_FALSE(BerDirIntegerValue(BerDirAddPrimitive(tree.get(), 2, 0, five, 0), &value));
}

TEST(BerElementTreeTest, BitStringsAndOids) {
    Tree tree = newTree();
    const BerDirElement* empty = BerDirAddBitString(tree.get(), 3, 0, "");
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(Octets(empty->contents, empty->contents + empty->count), Octets{0x00});
    const std::string longBits(1000, 'y');
    EXPECT_EQ(BerDirBitStringText(BerDirAddBitString(tree.get(), 3, 0, longBits.c_str())), longBits);

    const uint8_t tooManyUnused[] = {0x08, 0xFF};
    const uint8_t unusedWithoutData[] = {0x01};
    EXPECT_EQ(BerDirBitStringText(BerDirAddPrimitive(tree.get(), 3, 0, tooManyUnused, 2)), "");
    EXPECT_EQ(BerDirBitStringText(BerDirAddPrimitive(tree.get(), 3, 0, unusedWithoutData, 1)), "");

    const uint8_t subidentifier120[] = {0x78};
    EXPECT_EQ(BerDirOidText(BerDirAddPrimitive(tree.get(), 6, 0, subidentifier120, 1)), "2.40");
    EXPECT_EQ(BerDirOidText(BerDirAddOid(tree.get(), 6, 0, "5")), "0.0");
    // Far beyond what a fixed buffer of 90 octets or 30 arcs would hold.
    std::string manyArcs = "1.2";
    for (int i = 0; i < 200; ++i) manyArcs += ".4000000000";
    const BerDirElement* oid = BerDirAddOid(tree.get(), 6, 0, manyArcs.c_str());
    ASSERT_NE(oid, nullptr);
    EXPECT_EQ(oid->count, 1 + 200 * 5);
    EXPECT_EQ(BerDirOidText(oid), manyArcs);
}

TEST(BerElementTreeTest, RearrangesChildren) {
    Tree tree = newTree();
    BerDirElement* a = BerDirAddInteger(tree.get(), 2, 0, 1, 1);
    BerDirElement* b = BerDirAddInteger(tree.get(), 2, 0, 2, 1);
    BerDirAddInteger(tree.get(), 2, 0, 3, 1);

    BerDirElement* set = BerDirGroup(b, 17, 0);
    ASSERT_NE(set, nullptr);
    EXPECT_EQ(tree->count, 2);
    EXPECT_EQ(set->count, 2);
    EXPECT_EQ(BerDirHasChild(tree.get(), 17, 0), 1);
    EXPECT_EQ(BerDirHasChild(tree.get(), 17, 2), 0);
    EXPECT_EQ(serialise(tree.get()),
              (Octets{0x30, 0x0B, 0x02, 0x01, 0x01, 0x31, 0x06, 0x02, 0x01, 0x02, 0x02, 0x01, 0x03}));

    EXPECT_EQ(BerDirAttach(tree.get(), b), 1);
    EXPECT_EQ(set->count, 1);
    EXPECT_EQ(serialise(tree.get()),
              (Octets{0x30, 0x0B, 0x02, 0x01, 0x01, 0x31, 0x03, 0x02, 0x01, 0x03, 0x02, 0x01, 0x02}));

    BerDirDetach(a);
    EXPECT_EQ(tree->firstChild, set);
    EXPECT_EQ(tree->count, 2);
    EXPECT_EQ(BerDirGroup(tree.get(), 17, 0), nullptr);

    Tree other = newTree();
    EXPECT_EQ(BerDirAttach(b, a), 0);
    EXPECT_EQ(BerDirAttach(set, tree.get()), 0);
    EXPECT_EQ(BerDirAttach(set, set), 0);
    EXPECT_EQ(BerDirAttach(other.get(), a), 0);
    EXPECT_EQ(BerDirAddConstructed(b, 16, 0), nullptr);
    EXPECT_EQ(BerDirAddConstructed(tree.get(), 16, 4), nullptr);
}

TEST(BerElementTreeTest, ResetKeepsOnlyTheFirstBlock) {
    Tree tree = newTree(16, 2);
    for (int i = 0; i < 50; ++i) BerDirAddBitString(tree.get(), 3, 0, "1010");
    ASSERT_NE(BerDirPoolAlloc(tree.get(), 4096), nullptr);
    EXPECT_GT(tree->directory->blockCount, 50);

    ASSERT_EQ(BerDirReset(tree.get(), 17, 1), 1);
    EXPECT_EQ(tree->directory->blockCount, 1);
    EXPECT_EQ(tree->count, 0);
    EXPECT_EQ(serialise(tree.get()), (Octets{0x71, 0x00}));
    EXPECT_EQ(BerDirReset(BerDirAddInteger(tree.get(), 2, 0, 1, 1), 16, 0), 0);

    EXPECT_EQ(BerDirNew(0), nullptr);
    EXPECT_EQ(BerDirNew(kBerDirMaxElementsPerBlock + 1), nullptr);
}

TEST(BerElementTreeTest, Dump) {
    Tree tree = newTree();
    const uint8_t contents[] = {'A', 'B', 0x01};
    BerDirAddPrimitive(tree.get(), 4, 2, contents, 3);
    BerDirAddPrimitive(tree.get(), 5, 0, nullptr, 0);
    EXPECT_EQ(dump(tree.get(), 0),
              "tag=16, Class=0, form=1, count=2\n"
              "    tag=4, Class=2, form=0, count=3\n"
              "    data=AB.\n"
              "         440\n"
              "         121\n"
              "    tag=5, Class=0, form=0, count=0\n"
              "    data=NONE\n");
    EXPECT_EQ(dump(nullptr, 0), "hex_dir passed a NULL directory pointer\n");

    // Lines hold 74 characters less the indentation.
    const Octets wide(75, 'x');
    Tree wideTree = newTree();
    BerDirAddPrimitive(wideTree.get(), 4, 0, wide.data(), 75);
    const std::string margin(9, ' ');
    EXPECT_EQ(dump(wideTree->firstChild, 1),
              "    tag=4, Class=0, form=0, count=75\n    data=" + std::string(70, 'x') + "\n" + margin +
                  std::string(70, '7') + "\n" + margin + std::string(70, '8') + "\n" + margin + "xxxxx\n" +
                  margin + "77777\n" + margin + "88888\n");
}

}  // namespace
