#include "toolkit/util/text_markers.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(TextMarkers, CopyUntilMarker) {
    const struct {
        std::string text;
        int32_t position;
        std::string marker, out;
        int32_t endPosition;
        int result;
    } cases[] = {
        {"head##tail", 0, "##", "head", 6, 1},
        {"a#b##c", 0, "##", "a#b", 5, 1},
        {"head##tail", 6, "##", "tail", 6, 0},
        {"body  \n   \nEND rest", 0, "\n\nEND", "body", 14, 1},  // white space inside lines does not matter
        {"body\n\nEND", 0, "\n\nEND", "body", 9, 1},
        {"a\n  b", 0, "\nb", "a", 5, 1},  // white space that begins the next line is passed over
        {"abc", 0, "", "abc", 0, 0},      // an empty marker is never found
        {"abc", 9, "##", "", 9, 0},       // a position past the text: a failure, not the end of the process
    };
    for (const auto& c : cases) {
        int32_t position = c.position;
        std::string out = "old";
        EXPECT_EQ(StrCopyUntilMarker(c.text, position, out, c.marker), c.result)
            << testing::PrintToString(c.text);
        EXPECT_EQ(out, c.out) << testing::PrintToString(c.text);
        EXPECT_EQ(position, c.endPosition) << testing::PrintToString(c.text);
    }
}

TEST(TextMarkers, CopyUntilMarkerStopsAtItsLimit) {
    const std::string longText = std::string(kStrCopyUntilMarkerLimit + 5, 'a') + "##";
    int32_t position = 0;
    std::string out;
    EXPECT_EQ(StrCopyUntilMarker(longText, position, out, "##"), 0);
    EXPECT_EQ(out.size(), kStrCopyUntilMarkerLimit);
    EXPECT_EQ(position, 0);

    const std::string fits = std::string(kStrCopyUntilMarkerLimit - 1, 'a') + "##";
    EXPECT_EQ(StrCopyUntilMarker(fits, position, out, "##"), 1);
    EXPECT_EQ(out.size(), kStrCopyUntilMarkerLimit - 1);
}

TEST(TextMarkers, SkippingBlankPassesOverWhitePieces) {
    const std::string text = "x  y z";
    int32_t position = 2;
    std::string out;
    EXPECT_EQ(StrCopyUntilMarkerSkippingBlank(text, position, out, " "), 1);
    EXPECT_EQ(out, "y");
    EXPECT_EQ(position, 5);
    EXPECT_EQ(StrCopyUntilMarkerSkippingBlank(text, position, out, " "), 0);
    EXPECT_EQ(out, "z");

    position = 2;
    EXPECT_EQ(StrCopyUntilMarkerSkippingBlank("a,,b", position, out, ","),
              1);  // not a blank marker: "" counts
    EXPECT_EQ(out, "");
    EXPECT_EQ(position, 3);
}

TEST(TextMarkers, NextSectionTakesTheNearestMarker) {
    const std::string text =
        "intro\xB5\xB5"
        "body\xB6\xB6"
        "more\xB9\xB9"
        "end";
    const struct {
        int result;
        std::string out;
        int32_t position;
    } steps[] = {{0, "intro", 7}, {1, "body", 13}, {2, "more", 19}, {3, "end", 19}};
    int32_t position = 0;
    for (const auto& step : steps) {
        std::string out;
        EXPECT_EQ(StrNextSection(text, position, out), step.result) << step.out;
        EXPECT_EQ(out, step.out);
        EXPECT_EQ(position, step.position);
    }
}

}  // namespace
