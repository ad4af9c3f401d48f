#ifndef RASTERVIEW_RASTER_CAPTION_H_
#define RASTERVIEW_RASTER_CAPTION_H_

// What the "Corvane Raster" window shows and says, without GL: its three
// views, the keys and script words that choose them, and its caption.

#include "raster/picture_compare.h"

enum class RasterView { Corvane, OpenGl, Difference };

// Keys in the window: 'c' Corvane's picture, 'o' OpenGL's, 'd' the
// difference; the space bar steps through the three in that order.
constexpr unsigned char kCorvaneViewKey = 'c';
constexpr unsigned char kOpenGlViewKey = 'o';
constexpr unsigned char kDifferenceViewKey = 'd';
constexpr unsigned char kNextViewKey = ' ';

// The view a key chooses in a window showing current; false for other keys.
bool viewForKey(unsigned char key, RasterView current, RasterView* chosen);

// The words of the script command "raster WORD": "picture", "opengl",
// "difference". False for any other word.
bool viewForWord(const char* word, RasterView* chosen);

// The caption's two lines, each at most size bytes with its terminator:
//   "Corvane's picture   c Corvane  o OpenGL  d difference"
//   "1234 of 160000 pixels differ (0.77 %), 0 with no match nearby"
// The first names the view ("Corvane's picture", "OpenGL's picture",
// "Difference: red where they differ").
void rasterCaption(RasterView view, const PictureComparison& comparison, int width, int height,
                   char* title, char* counts, int size);

#endif  // RASTERVIEW_RASTER_CAPTION_H_
