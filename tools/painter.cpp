#include "tools/painter.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <cstdio>

static const char* const kFontFiles[FONT_STYLE_COUNT] = {
    "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf",
    "/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed-Bold.ttf",
    "/usr/share/fonts/truetype/dejavu/DejaVuSansMono-Bold.ttf",
};
static const int kJpegQuality = 90; // percent; below this the digit edges ring

// Written by loadFonts, cleared by unloadFonts.
static FT_Library fontLibrary = nullptr;
static FT_Face fontFaces[FONT_STYLE_COUNT] = {};
static cairo_font_face_t* cairoFaces[FONT_STYLE_COUNT] = {};

bool loadFonts()
{
    if (FT_Init_FreeType(&fontLibrary) != 0) {
        std::fprintf(stderr, "Cannot start FreeType\n");
        return false;
    }
    for (int i = 0; i < FONT_STYLE_COUNT; ++i) {
        if (FT_New_Face(fontLibrary, kFontFiles[i], 0, &fontFaces[i]) != 0) {
            std::fprintf(stderr, "Cannot read font %s (package fonts-dejavu-core)\n",
                         kFontFiles[i]);
            return false;
        }
        cairoFaces[i] = cairo_ft_font_face_create_for_ft_face(fontFaces[i], 0);
    }
    return true;
}

void unloadFonts()
{
    for (int i = 0; i < FONT_STYLE_COUNT; ++i) {
        if (cairoFaces[i])
            cairo_font_face_destroy(cairoFaces[i]);
        // cairo may still hold the face in its caches; FreeType goes last.
        cairoFaces[i] = nullptr;
    }
    cairo_debug_reset_static_data();
    for (FT_Face& face : fontFaces) {
        if (face)
            FT_Done_Face(face);
        face = nullptr;
    }
    if (fontLibrary)
        FT_Done_FreeType(fontLibrary);
    fontLibrary = nullptr;
}

cairo_font_face_t* fontFace(FontStyle style)
{
    return cairoFaces[style];
}

Canvas newCanvas(int width, int height)
{
    Canvas canvas;
    canvas.width = width;
    canvas.height = height;
    canvas.surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    canvas.cr = cairo_create(canvas.surface);
    fillRect(canvas.cr, 0, 0, width, height, Rgb{0, 0, 0});
    return canvas;
}

void freeCanvas(Canvas& canvas)
{
    cairo_destroy(canvas.cr);
    cairo_surface_destroy(canvas.surface);
    canvas = Canvas();
}

void setColour(cairo_t* cr, Rgb c, double alpha)
{
    cairo_set_source_rgba(cr, c.r / 255.0, c.g / 255.0, c.b / 255.0, alpha);
}

Rgb mix(Rgb a, Rgb b, double t)
{
    return Rgb{int(a.r + (b.r - a.r) * t + 0.5), int(a.g + (b.g - a.g) * t + 0.5),
               int(a.b + (b.b - a.b) * t + 0.5)};
}

Rgb scaled(Rgb c, double f)
{
    auto clamp = [](double v) { return v < 0 ? 0 : v > 255 ? 255 : int(v + 0.5); };
    return Rgb{clamp(c.r * f), clamp(c.g * f), clamp(c.b * f)};
}

void fillRect(cairo_t* cr, double x, double y, double w, double h, Rgb colour)
{
    setColour(cr, colour);
    cairo_rectangle(cr, x, y, w, h);
    cairo_fill(cr);
}

void fillGradient(cairo_t* cr, double x, double y, double w, double h, Rgb top, Rgb bottom)
{
    cairo_pattern_t* gradient = cairo_pattern_create_linear(0, y, 0, y + h);
    cairo_pattern_add_color_stop_rgb(gradient, 0, top.r / 255.0, top.g / 255.0, top.b / 255.0);
    cairo_pattern_add_color_stop_rgb(gradient, 1, bottom.r / 255.0, bottom.g / 255.0,
                                     bottom.b / 255.0);
    cairo_set_source(cr, gradient);
    cairo_rectangle(cr, x, y, w, h);
    cairo_fill(cr);
    cairo_pattern_destroy(gradient);
}

// Sets the font and lays out `text` as a path whose ink is centred on
// (cx, cy), squeezed sideways when wider than `maxWidth` (0: never).
static void placeText(cairo_t* cr, const char* text, double cx, double cy, double size,
                      double maxWidth, FontStyle style)
{
    cairo_set_font_face(cr, cairoFaces[style]);
    cairo_set_font_size(cr, size);
    cairo_text_extents_t ink;
    cairo_text_extents(cr, text, &ink);
    double squeeze = 1.0;
    if (maxWidth > 0 && ink.width > maxWidth)
        squeeze = maxWidth / ink.width;
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, squeeze, 1.0);
    cairo_move_to(cr, -ink.x_bearing - ink.width / 2, -ink.y_bearing - ink.height / 2);
    cairo_text_path(cr, text);
}

void drawFittedText(cairo_t* cr, const char* text, double cx, double cy, double size,
                    double maxWidth, FontStyle style, Rgb colour)
{
    cairo_save(cr);
    placeText(cr, text, cx, cy, size, maxWidth, style);
    setColour(cr, colour);
    cairo_fill(cr);
    cairo_restore(cr);
}

void drawText(cairo_t* cr, const char* text, double cx, double cy, double size, FontStyle style,
              Rgb colour)
{
    drawFittedText(cr, text, cx, cy, size, 0, style, colour);
}

void drawOutlinedText(cairo_t* cr, const char* text, double cx, double cy, double size,
                      FontStyle style, Rgb colour, Rgb outlineColour, double outline)
{
    cairo_save(cr);
    placeText(cr, text, cx, cy, size, 0, style);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_width(cr, outline * 2);
    setColour(cr, outlineColour);
    cairo_stroke_preserve(cr);
    setColour(cr, colour);
    cairo_fill(cr);
    cairo_restore(cr);
}

double grainNext(Grain& grain)
{
    // Numerical Recipes' 32-bit linear congruential step; plenty for grain.
    grain.state = grain.state * 1664525u + 1013904223u;
    return (grain.state >> 8) / double(1u << 24);
}

bool saveJpeg(irr::video::IVideoDriver* driver, const Canvas& canvas, const char* path)
{
    cairo_surface_flush(canvas.surface);
    // cairo's ARGB32 and the engine's A8R8G8B8 are both native 32-bit words,
    // and every texture is opaque, so the pixels pass over unchanged.
    const int stride = cairo_image_surface_get_stride(canvas.surface);
    if (stride != canvas.width * 4)
        return false;
    irr::video::IImage* image = driver->createImageFromData(
        irr::video::ECF_A8R8G8B8,
        irr::core::dimension2d<irr::u32>(canvas.width, canvas.height),
        cairo_image_surface_get_data(canvas.surface), false);
    if (!image)
        return false;
    const bool written = driver->writeImageToFile(image, path, kJpegQuality);
    image->drop(); // made by createImageFromData: ours to drop
    return written;
}
