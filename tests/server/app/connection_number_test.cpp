#include "Quorvane/app/connection_number.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(ConnectionNumber, CountsFromOneWrapsAfter99999AndSkipsZeroAndNumbersInUse) {
    struct Case {
        KivAssocId current;
        std::set<KivAssocId> inUse;
        KivAssocId next;
    };
    for (const Case& c : {
             Case{0, {}, 1},
             Case{41, {}, 42},
             Case{99998, {}, 99999},
             Case{99999, {}, 1},
             Case{99999, {1, 2}, 3},
             Case{7, {8, 9, 10}, 11},
             Case{99998, {99999, 1}, 2},
         }) {
        SCOPED_TRACE(c.current);
        EXPECT_EQ(NextConnectionNumber(c.current, [&c](KivAssocId id) { return c.inUse.count(id) != 0; }),
                  c.next);
    }
    EXPECT_EQ(NextConnectionNumber(5, [](KivAssocId) { return true; }), 0) << "every number in use";
}

}  // namespace
