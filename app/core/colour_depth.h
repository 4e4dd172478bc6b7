// The colour depths a saved picture can be written in, and the reduction of
// a drawn image to one of them: each pixel takes the nearest colour of the
// depth's palette (no dithering, so lines stay solid).
#pragma once

#include <QImage>

enum class ColourDepth {
  kBlackAndWhite,  // 1 bit: black and white
  k16Colours,      // 4 bits: the 16 standard colours, which hold every curve colour
  k256Colours,     // 8 bits: the 16 standard colours, a 6 x 6 x 6 cube and a grey ramp
  kHighColour,     // 16 bits: 5 bits per channel
  kTrueColour,     // 24 bits
};

// Bits per pixel of a BMP file of the depth.
int BitsPerPixel(ColourDepth depth);

// `image` reduced to the depth: Format_Mono, Format_Indexed8 with 16 or 256
// colours, Format_RGB555 or Format_RGB888.
QImage ReduceColours(const QImage& image, ColourDepth depth);
