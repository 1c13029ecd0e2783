#pragma once
// The HUD font's files in meshes/, written by the asset generator and read by
// the HUD. There is one set per HUD scale and face: glyphs drawn at their own
// pixel size stay crisp, where a stretched texture would blur.
//   hudfont-<scale>.png          one texture: the glyphs above, their dark rings below
//   hudfont-<scale>.xml          the engine's bitmap font of the glyphs
//   hudfont-<scale>-outline.xml  the same font of the rings
//   hudfont-line-<scale>...      the same three of the larger face
#include <cstdio>

// HUD scales that have a font, in hundredths of the 640 x 480 layout, rising.
constexpr int HUD_FONT_SCALES[] = {100, 125, 150, 175, 200, 225, 250, 275, 300, 350, 400, 450, 500, 550, 600};
constexpr int HUD_FONT_SCALE_COUNT = sizeof HUD_FONT_SCALES / sizeof HUD_FONT_SCALES[0];

// The first and last printable ASCII characters: every HUD text is made of these.
constexpr int HUD_FONT_FIRST_CHARACTER = 32;
constexpr int HUD_FONT_LAST_CHARACTER = 126;

enum HudFontFile { HUD_FONT_TEXTURE, HUD_FONT_GLYPHS, HUD_FONT_OUTLINE };

// The readouts' face stacks two lines in the 10 px between a readout and its
// state line; the single lines (score, ball) and the help panel have the
// height of their rectangles for a larger one.
enum HudFontFace { HUD_FACE_READOUT, HUD_FACE_LINE, HUD_FACE_COUNT };

// The file's name (without a folder) for `scale` in hundredths.
inline void hudFontFileName(char* name, size_t size, int scale, HudFontFile file, HudFontFace face = HUD_FACE_READOUT)
{
    static const char* const FORMATS[HUD_FACE_COUNT][3] = {
        {"hudfont-%d.png", "hudfont-%d.xml", "hudfont-%d-outline.xml"},
        {"hudfont-line-%d.png", "hudfont-line-%d.xml", "hudfont-line-%d-outline.xml"},
    };
    snprintf(name, size, FORMATS[face][file], scale);
}
