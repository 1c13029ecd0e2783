// The HUD font: DejaVu Sans Condensed Bold with a dark ring round every
// glyph, the rings joined into a band from the capitals' top to below the
// baseline, written as the engine's bitmap fonts, one per HUD scale and
// face (the readouts' small one, the single lines' larger one). The
// game draws the rings of all its texts first and the glyphs over them, so
// no ring covers a stroke: the half-transparent HUD colours then read on
// wood, steel, stands and sky.
#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "tools/output.h"
#include "ui/hud_font_files.h"

// Each face at the 640 x 480 layout, px: the em, the glyphs' width to their
// natural width, the ring's radius round the ink, how much more a space gets
// than the face gives (words part clearly), and the room either side of a
// ':' or a '-', which otherwise run into the digits beside them ("00:00"
// read as "0000", "-99" as "99").
struct FaceSize {
    double pixelSize;
    double squeeze;
    double ring;
    double widerSpace;
    double punctuationRoom;
};
static const FaceSize kFaces[HUD_FACE_COUNT] = {
    // The roster readouts stack two lines in 10 px and fit 31 characters in
    // 160 px, spaces widened: a 10 px face narrowed to 86 % is the largest
    // that does (letters taller than a plain 9 px face's, as wide).
    {10.0, 0.86, 2.0, 1.0, 0.0},
    // The score line has the 15 px down to the centre readout, the ball line
    // the 20 px to the window's foot, and both fit 21 characters in 160 px.
    {13.0, 0.9, 2.0, 1.0, 1.0},
};
static const int kCellGap = 1;                 // px between cells on the page

struct GlyphCell {
    int x = 0, y = 0;   // the cell's top left on the page
    int width = 0;      // px
    int left = 0;       // the cell's left edge from the pen position, <= 0
    int shift = 0;      // px the glyph is drawn left of where its face puts it
    int advance = 0;    // px to the next pen position
};

struct FontPage {
    int size = 0;        // px, the em
    double squeeze = 1;  // the glyphs' width to their natural width
    int ring = 0;        // px
    int ascent = 0;      // px of ink above the baseline, over all characters
    int capHeight = 0;   // px, the top of the capitals above the baseline
    int cellHeight = 0;  // px, the same for every cell
    int width = 0;       // the texture, px, powers of two
    int height = 0;      // rings start at height / 2
    std::vector<GlyphCell> cells; // one per character, first to last
};

static int powerOfTwoAtLeast(int value)
{
    int power = 1;
    while (power < value)
        power *= 2;
    return power;
}

// The face a character is drawn in. The face's own 1 loses its foot at HUD
// sizes and reads as an l, or as nothing beside an m; the monospaced face's
// keeps its foot and flag.
static FontStyle faceOf(int c)
{
    return c == '1' ? FONT_MONO_BOLD : FONT_CONDENSED_BOLD;
}

static void setHudFont(cairo_t* cr, const FontPage& page, FontStyle style)
{
    cairo_set_font_face(cr, fontFace(style));
    cairo_matrix_t em;
    cairo_matrix_init_scale(&em, page.size * page.squeeze, page.size);
    cairo_set_font_matrix(cr, &em);
    // Whole-pixel advances and stems snapped to the pixel grid: the glyphs
    // are drawn 1:1 at whole-pixel pen positions, so they stay sharp.
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_SLIGHT);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_ON);
    cairo_set_font_options(cr, options);
    cairo_font_options_destroy(options);
}

// Measures every character and packs the cells into the smallest square-ish page.
static FontPage layOutPage(int scale, const FaceSize& face)
{
    FontPage page;
    page.size = int(std::floor(face.pixelSize * scale / 100.0));
    page.squeeze = face.squeeze;
    page.ring = int(std::lround(face.ring * scale / 100.0));

    cairo_surface_t* scratch = cairo_image_surface_create(CAIRO_FORMAT_A8, 1, 1);
    cairo_t* cr = cairo_create(scratch);
    int descent = 0;
    int digitAdvance = 0; // px, the 0's: every digit's
    for (int c = HUD_FONT_FIRST_CHARACTER; c <= HUD_FONT_LAST_CHARACTER; ++c) {
        const char text[2] = {char(c), 0};
        cairo_text_extents_t ink;
        setHudFont(cr, page, faceOf(c));
        cairo_text_extents(cr, text, &ink);
        GlyphCell cell;
        cell.advance = int(std::lround(ink.x_advance));
        if (c == '0')
            digitAdvance = cell.advance;
        if (faceOf(c) != FONT_CONDENSED_BOLD) {
            // A digit's width, the ink centred in it.
            cell.advance = digitAdvance;
            cell.shift = int(std::lround(ink.x_bearing - (digitAdvance - ink.width) / 2));
            ink.x_bearing -= cell.shift;
        }
        if (c == ' ')
            cell.advance += int(std::lround(face.widerSpace * scale / 100.0));
        if (c == ':' || c == '-') {
            const int room = int(std::lround(face.punctuationRoom * scale / 100.0));
            cell.shift -= room;
            ink.x_bearing += room;
            cell.advance += 2 * room;
        }
        int right = cell.advance;
        if (ink.width > 0) {
            cell.left = std::min(0, int(std::floor(ink.x_bearing)) - page.ring);
            right = std::max(right, int(std::ceil(ink.x_bearing + ink.width)) + page.ring);
            page.ascent = std::max(page.ascent, int(std::ceil(-ink.y_bearing)));
            descent = std::max(descent, int(std::ceil(ink.y_bearing + ink.height)));
        }
        cell.width = right - cell.left;
        page.cells.push_back(cell);
        if (c == 'H')
            page.capHeight = int(std::ceil(-ink.y_bearing));
    }
    cairo_destroy(cr);
    cairo_surface_destroy(scratch);
    page.cellHeight = page.ascent + descent + 2 * page.ring;

    for (page.width = 128;; page.width *= 2) {
        int x = 0, y = 0;
        for (GlyphCell& cell : page.cells) {
            if (x + cell.width > page.width) {
                x = 0;
                y += page.cellHeight + kCellGap;
            }
            cell.x = x;
            cell.y = y;
            x += cell.width + kCellGap;
        }
        const int used = y + page.cellHeight + kCellGap;
        page.height = powerOfTwoAtLeast(2 * used);
        if (page.height <= page.width)
            break;
    }
    return page;
}

// The glyphs in white on the top half, their rings in white on the bottom
// half; the game tints both when it draws them.
static cairo_surface_t* paintPage(const FontPage& page)
{
    const int half = page.height / 2;
    cairo_surface_t* glyphs = cairo_image_surface_create(CAIRO_FORMAT_A8, page.width, half);
    cairo_t* cr = cairo_create(glyphs);
    for (size_t i = 0; i < page.cells.size(); ++i) {
        const GlyphCell& cell = page.cells[i];
        const char text[2] = {char(HUD_FONT_FIRST_CHARACTER + i), 0};
        setHudFont(cr, page, faceOf(HUD_FONT_FIRST_CHARACTER + int(i)));
        cairo_move_to(cr, cell.x - cell.left - cell.shift, cell.y + page.ring + page.ascent);
        cairo_show_text(cr, text);
    }
    cairo_destroy(cr);
    cairo_surface_flush(glyphs);

    // The ring: the glyphs spread by a disc of the ring's radius, less the
    // glyphs themselves. A cell holds its glyph's ring, so none spills over.
    cairo_surface_t* rings = cairo_image_surface_create(CAIRO_FORMAT_A8, page.width, half);
    cr = cairo_create(rings);
    const int r = page.ring;
    for (int dy = -r; dy <= r; ++dy)
        for (int dx = -r; dx <= r; ++dx)
            if (dx * dx + dy * dy <= r * (r + 1)) {
                cairo_set_source_surface(cr, glyphs, dx, dy);
                cairo_paint(cr);
            }
    // Between the capitals' top and the baseline the rings join into one
    // band, spaces included, so no ground shows between letters or words.
    for (const GlyphCell& cell : page.cells)
        cairo_rectangle(cr, cell.x, cell.y + page.ascent - page.capHeight, cell.width,
                        page.capHeight + 2 * page.ring);
    cairo_set_source_rgb(cr, 0, 0, 0);
    cairo_fill(cr);
    // Cut out twice: a stroke's soft edge stays bright rather than dark grey,
    // so thin strokes keep their weight.
    cairo_set_operator(cr, CAIRO_OPERATOR_DEST_OUT);
    cairo_set_source_surface(cr, glyphs, 0, 0);
    cairo_paint(cr);
    cairo_paint(cr);
    cairo_destroy(cr);
    cairo_surface_flush(rings);

    cairo_surface_t* texture = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, page.width, page.height);
    cr = cairo_create(texture);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_mask_surface(cr, glyphs, 0, 0);
    cairo_mask_surface(cr, rings, 0, half);
    cairo_destroy(cr);
    cairo_surface_destroy(glyphs);
    cairo_surface_destroy(rings);
    cairo_surface_flush(texture);
    return texture;
}

// The character as an XML attribute value.
static std::string attributeText(int c)
{
    switch (c) {
    case '"': return "&quot;";
    case '&': return "&amp;";
    case '<': return "&lt;";
    case '>': return "&gt;";
    default: return std::string(1, char(c));
    }
}

// One bitmap font in the engine's XML form: the page, then each character's
// rectangle (rows `top` down), the pen's step back to the cell's left edge
// (u) and the advance's shortfall from the cell's width (o).
static bool writeFontXml(const std::string& path, const char* textureName, const FontPage& page, int top)
{
    FILE* file = std::fopen(path.c_str(), "w");
    if (!file)
        return false;
    std::fprintf(file, "<?xml version=\"1.0\"?>\n<font type=\"bitmap\">\n");
    std::fprintf(file, "<Texture index=\"0\" filename=\"%s\" hasAlpha=\"true\" />\n", textureName);
    for (size_t i = 0; i < page.cells.size(); ++i) {
        const GlyphCell& cell = page.cells[i];
        std::fprintf(file, "<c c=\"%s\" r=\"%d,%d,%d,%d\" u=\"%d\" o=\"%d\" />\n",
                     attributeText(HUD_FONT_FIRST_CHARACTER + int(i)).c_str(), cell.x, top + cell.y,
                     cell.x + cell.width, top + cell.y + page.cellHeight, cell.left,
                     cell.advance - cell.width - cell.left);
    }
    std::fprintf(file, "</font>\n");
    return std::fclose(file) == 0;
}

static void counted(AssetOutput& out, const std::string& path, bool written)
{
    ++out.files;
    if (!written) {
        std::fprintf(stderr, "Cannot write %s\n", path.c_str());
        ++out.failures;
    }
}

static void makeHudFace(AssetOutput& out, HudFontFace face)
{
    for (int scale : HUD_FONT_SCALES) {
        const FontPage page = layOutPage(scale, kFaces[face]);
        char textureName[64], glyphsName[64], outlineName[64];
        hudFontFileName(textureName, sizeof textureName, scale, HUD_FONT_TEXTURE, face);
        hudFontFileName(glyphsName, sizeof glyphsName, scale, HUD_FONT_GLYPHS, face);
        hudFontFileName(outlineName, sizeof outlineName, scale, HUD_FONT_OUTLINE, face);

        cairo_surface_t* texture = paintPage(page);
        const std::string texturePath = out.directory + textureName;
        counted(out, texturePath, cairo_surface_write_to_png(texture, texturePath.c_str()) == CAIRO_STATUS_SUCCESS);
        cairo_surface_destroy(texture);
        counted(out, out.directory + glyphsName, writeFontXml(out.directory + glyphsName, textureName, page, 0));
        counted(out, out.directory + outlineName,
                writeFontXml(out.directory + outlineName, textureName, page, page.height / 2));
    }
}

void makeHudFonts(AssetOutput& out)
{
    for (int face = 0; face < HUD_FACE_COUNT; ++face)
        makeHudFace(out, static_cast<HudFontFace>(face));
}
