// The agreement measure on 3 by 3 literal pictures.
#include "raster/picture_compare.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

// One grey level a pixel, row by row.
std::vector<std::uint8_t> grey(const std::vector<int>& levels) {
  std::vector<std::uint8_t> rgb;
  for (int level : levels) rgb.insert(rgb.end(), 3, static_cast<std::uint8_t>(level));
  return rgb;
}

PictureComparison compare(const std::vector<int>& a, const std::vector<int>& b) {
  return comparePictures(grey(a).data(), grey(b).data(), 3, 3, 0, 2);
}

TEST(PictureCompareTest, DifferingCountsPlacesUnmatchedCountsPixelsOfEitherWithNoNearMatch) {
  struct Case {
    std::vector<int> a, b;
    long differing, unmatched;
  };
  const Case cases[] = {
      {{0, 0, 0, 0, 200, 0, 0, 0, 0}, {0, 0, 0, 0, 202, 0, 0, 0, 0}, 0, 0},  // within 2 levels
      {{0, 0, 0, 0, 200, 0, 0, 0, 0}, {0, 0, 0, 0, 203, 0, 0, 0, 0}, 1, 2},  // 3 levels apart
      {{0, 0, 0, 0, 200, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 200, 0, 0, 0}, 2, 0},  // moved one pixel
      {{0, 0, 0, 0, 200, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0, 0, 0, 0}, 1, 1},    // left out
      {{0, 0, 0, 0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0, 0, 0, 90}, 1, 1},     // added
  };
  for (const Case& c : cases) {
    const PictureComparison got = compare(c.a, c.b);
    EXPECT_EQ(got.differing, c.differing);
    EXPECT_EQ(got.unmatched, c.unmatched);
  }
}

TEST(PictureCompareTest, OnlyTheGivenRowsAreCounted) {
  const auto a = grey({9, 9, 9, 0, 0, 0, 9, 9, 9});
  const auto b = grey({0, 0, 0, 0, 0, 0, 0, 0, 0});
  EXPECT_EQ(comparePictures(a.data(), b.data(), 3, 3, 1, 1).differing, 0);
  EXPECT_EQ(comparePictures(a.data(), b.data(), 3, 3, 2, 9).differing, 3);
}

TEST(PictureCompareTest, TheDifferenceShowsMismatchesRedOverTheDimmedSecondPicture) {
  const auto a = grey({200, 0, 0, 0, 201, 0, 0, 0, 0});
  const auto b = grey({100, 0, 0, 0, 200, 0, 0, 0, 200});
  std::vector<std::uint8_t> out;
  differencePicture(a.data(), b.data(), 3, 3, &out);
  ASSERT_EQ(out.size(), 27u);
  EXPECT_EQ((std::vector<int>{out[0], out[1], out[2]}), (std::vector<int>{255, 40, 40}));
  EXPECT_EQ((std::vector<int>{out[24], out[25], out[26]}), (std::vector<int>{255, 40, 40}));
  EXPECT_EQ((std::vector<int>{out[12], out[13], out[14]}), (std::vector<int>{50, 50, 50}));
  EXPECT_EQ(out[3], 0);
}

}  // namespace
