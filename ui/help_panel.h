#pragma once
// The F1 panel: every key of the table of keys and its line of help, over
// the scene in the HUD's font, on two pages (the keys that command the
// match, then those of the view and of time). Only the viewer sees it; the
// match goes on under it unless paused.
#include <irrlicht.h>

#include <vector>

#include "ui/input.h"

// The key's name as the panel and the README write it ("Tab", "F12", "[");
// null for a key the panel cannot name.
const char* keyName(irr::EKEY_CODE key);

struct HelpLine {
    irr::core::stringw text;
    irr::core::rect<irr::s32> area; // px of the window; the text keeps inside it
    irr::video::SColor colour;
};

// Lays both pages out for the window and the HUD font setupHud chose: a
// title, the page's keys (a run of keys with one help line, as 0 to 9,
// shares a row) in two columns, then a line about F1 or the mouse. Made
// once per set-up, so drawing it allocates nothing.
void layOutHelpPanel();
// The panel's dark ground, the same for both pages, and a page's lines
// (page 0 or 1), as last laid out.
irr::core::rect<irr::s32> helpPanelArea();
const std::vector<HelpLine>& helpPanelLines(int page);

// Over the HUD, before the frame ends, the page F1 asked for (helpPanelPage).
void drawHelpPanel();
