#pragma once
// Drawing textures: a cairo canvas with the game's fonts, saved as JPEG
// through the engine's own image writer.
#include <cairo.h>
#include <irrlicht.h>

enum FontStyle { FONT_BOLD, FONT_CONDENSED_BOLD, FONT_MONO_BOLD, FONT_STYLE_COUNT };

// Loads the fonts from the Debian DejaVu package. Returns false (after
// printing which file is missing) when one cannot be read.
bool loadFonts();
void unloadFonts();
// The loaded face of a style, for text laid out glyph by glyph.
cairo_font_face_t* fontFace(FontStyle style);

struct Canvas {
    cairo_surface_t* surface = nullptr;
    cairo_t* cr = nullptr;
    int width = 0;  // pixels, a power of two
    int height = 0; // pixels, a power of two
};

Canvas newCanvas(int width, int height);
void freeCanvas(Canvas& canvas);

// Colour as 0..255 components, the way the game's palette is written.
struct Rgb {
    int r, g, b;
};
void setColour(cairo_t* cr, Rgb colour, double alpha = 1.0);
Rgb mix(Rgb a, Rgb b, double t);
Rgb scaled(Rgb colour, double factor);

void fillRect(cairo_t* cr, double x, double y, double w, double h, Rgb colour);
// A vertical gradient from `top` to `bottom` over the rectangle.
void fillGradient(cairo_t* cr, double x, double y, double w, double h, Rgb top, Rgb bottom);

// Text whose ink is centred on (cx, cy), `size` pixels tall in font units.
void drawText(cairo_t* cr, const char* text, double cx, double cy, double size, FontStyle style,
              Rgb colour);
// The same with a dark outline `outline` pixels wide, for text on busy ground.
void drawOutlinedText(cairo_t* cr, const char* text, double cx, double cy, double size,
                      FontStyle style, Rgb colour, Rgb outlineColour, double outline);
// Text squeezed to fit `maxWidth` pixels of ink.
void drawFittedText(cairo_t* cr, const char* text, double cx, double cy, double size,
                    double maxWidth, FontStyle style, Rgb colour);

// A repeatable pseudo-random sequence for texture grain: the same seed gives
// the same texture on every build.
struct Grain {
    unsigned state;
};
double grainNext(Grain& grain); // uniform in [0, 1)

// Writes the canvas as a JPEG file. Returns false when the engine cannot.
bool saveJpeg(irr::video::IVideoDriver* driver, const Canvas& canvas, const char* path);
