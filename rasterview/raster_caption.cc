#include "rasterview/raster_caption.h"

#include <cstdio>
#include <cstring>

bool viewForKey(unsigned char key, RasterView current, RasterView* chosen) {
  switch (key) {
    case kCorvaneViewKey:
      *chosen = RasterView::Corvane;
      return true;
    case kOpenGlViewKey:
      *chosen = RasterView::OpenGl;
      return true;
    case kDifferenceViewKey:
      *chosen = RasterView::Difference;
      return true;
    case kNextViewKey:
      *chosen = current == RasterView::Corvane  ? RasterView::OpenGl
                : current == RasterView::OpenGl ? RasterView::Difference
                                                : RasterView::Corvane;
      return true;
    default:
      return false;
  }
}

bool viewForWord(const char* word, RasterView* chosen) {
  if (std::strcmp(word, "picture") == 0) {
    *chosen = RasterView::Corvane;
  } else if (std::strcmp(word, "opengl") == 0) {
    *chosen = RasterView::OpenGl;
  } else if (std::strcmp(word, "difference") == 0) {
    *chosen = RasterView::Difference;
  } else {
    return false;
  }
  return true;
}

void rasterCaption(RasterView view, const PictureComparison& comparison, int width, int height,
                   char* title, char* counts, int size) {
  const char* name = view == RasterView::Corvane  ? "Corvane's picture"
                     : view == RasterView::OpenGl ? "OpenGL's picture"
                                                  : "Difference: red where they differ";
  std::snprintf(title, static_cast<size_t>(size), "%s   c Corvane  o OpenGL  d difference", name);
  const long pixels = static_cast<long>(width) * height;
  const double percent =
      pixels > 0 ? 100.0 * static_cast<double>(comparison.differing) / static_cast<double>(pixels)
                 : 0.0;
  std::snprintf(counts, static_cast<size_t>(size),
                "%ld of %ld pixels differ (%.2f %%), %ld with no match nearby",
                comparison.differing, pixels, percent, comparison.unmatched);
}
