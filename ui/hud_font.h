#pragma once
// The HUD's font: the generated outlined font made for the HUD's scale, or the
// engine's own when the font's files are missing or damaged.
#include <irrlicht.h>

// The font scale (in hundredths) that serves a HUD drawn at `scale` times the
// 640 x 480 layout: the largest generated one that is no larger, so texts
// still fit their scaled rectangles.
int hudFontScale(float scale);

// Makes the outlined font for `scale` the GUI's default font, with
// `linePitch` px from one line of a text to the next. When its files are
// missing or damaged, the engine's own font serves instead, after a warning
// on the console. True when the outlined font is in use.
bool useHudFont(float scale, irr::s32 linePitch);

// The font of the single lines (score, ball) and the help panel: the larger
// outlined face when its files serve, else the HUD's font.
irr::gui::IGUIFont* hudLineFont();

// Draws the GUI. With the outlined font, in two passes: the dark rings of
// every text, then all their glyphs, so no text's band covers another's letters.
void drawHudTexts();
