#include "drafts/draft_list_placement.h"

#include <gtest/gtest.h>

#include <limits>
#include <ostream>

namespace talvoren {

void PrintTo(const WindowOrigin& origin, std::ostream* out) {
  *out << "{" << origin.left << ", " << origin.top << "}";
}

namespace {

TEST(OsGenerationCode, FollowsTheVersionTable) {
  constexpr uint32_t kLargest = std::numeric_limits<uint32_t>::max();
  const struct {
    uint32_t major, minor;
    int code;
  } cases[] = {
      {0, 0, 4},         {3, 51, 4},       {4, 0, 4},
      {4, 90, 4},        {5, 0, 5},        {5, 1, 6},
      {5, 2, 7},         {5, 3, 12},       {5, 99, 12},
      {5, kLargest, 12}, {6, 0, 8},        {6, 1, 9},
      {6, 2, 10},        {6, 3, 11},       {6, 4, 12},
      {6, 5, 0},         {6, kLargest, 0}, {7, 0, 12},
      {10, 0, 12},       {11, 3, 12},      {kLargest, kLargest, 12},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(osGenerationCodeFor(c.major, c.minor), c.code) << c.major << "." << c.minor;
  }
}

TEST(DraftListWindowOrigin, StandsAgainstTheMainWindowsRightEdge) {
  const struct {
    int code, left, top, width;
    WindowOrigin origin;
  } cases[] = {
      {12, 300, 200, 625, {920, 200}},
      {9, 300, 200, 625, {927, 195}},
      {0, 300, 200, 625, {927, 195}},
      {4, 300, 200, 625, {927, 195}},
      {11, 300, 200, 625, {927, 195}},
      // No clamping: off the screen on either side stays off the screen.
      {12, -32000, -32000, 160, {-31845, -32000}},
      {8, -32000, -32000, 160, {-31838, -32005}},
      {12, 1200, 0, 625, {1820, 0}},
      {10, 1200, 0, 625, {1827, -5}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(draftListWindowOrigin(c.code, c.left, c.top, c.width), c.origin)
        << "code " << c.code << " at " << c.left << ", " << c.top << " width " << c.width;
  }
}

}  // namespace
}  // namespace talvoren
