// How large the program draws for a window size: a scale in thousandths, 1000 for the
// 640 x 480 window it was laid out for (480 x 640 when taller than wide), growing and
// shrinking with the window so text and artwork keep their proportions at any size and
// screen scaling. Fonts and artwork are chosen from it; layouts follow from their sizes.
#pragma once

constexpr int ScaleUnit = 1000;

// The scale of a width x height window: the smaller of its two ratios to the reference
// window of its orientation.
int DisplayScale(int width, int height);
// A size given for scale 1000, at the given scale, rounded to the nearest pixel and never
// below minimum.
int ScaledSize(int size, int scale, int minimum);
// A window size given for a 96 DPI screen, for a screen of dotsPerInch (144: 1.5 times).
int ScaledForDotsPerInch(int size, int dotsPerInch);
