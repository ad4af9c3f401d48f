#ifndef RASTER_PICTURE_COMPARE_H_
#define RASTER_PICTURE_COMPARE_H_

#include <cstdint>
#include <vector>

// How far two pictures of the same size agree: Corvane's and OpenGL's.
// Pictures are 8-bit RGB, 3 bytes a pixel, rows in the same order in both.

// Two pixels match when no channel differs by more than this many levels.
constexpr int kMatchLevels = 2;

struct PictureComparison {
  // Pixels where the two pictures do not match at the same place.
  long differing = 0;
  // Pixels of either picture that match no pixel of the other within the
  // 3 by 3 neighbourhood of the same place, counted in both pictures (so a
  // pixel one picture leaves out counts as much as one it adds).
  long unmatched = 0;
};

// Compares rows firstRow..lastRow (inclusive, clamped to the picture) of a
// and b, which are width by height pixels each; the neighbourhoods reach
// into the rows around, within the picture.
PictureComparison comparePictures(const std::uint8_t* a, const std::uint8_t* b, int width,
                                  int height, int firstRow, int lastRow);

// The difference view: b dimmed to a quarter, and every pixel where a and b
// do not match at the same place in bright red. out is resized to
// 3 * width * height (no allocation once it has that size).
void differencePicture(const std::uint8_t* a, const std::uint8_t* b, int width, int height,
                       std::vector<std::uint8_t>* out);

#endif  // RASTER_PICTURE_COMPARE_H_
