#include "ui/help_panel.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "core/engine.h"
#include "ui/hud.h"
#include "ui/hud_font.h"
#include "ui/input.h"
#include "ui/palette.h"

using irr::core::rect;
using irr::core::stringw;
using irr::video::SColor;

// Written by layOutHelpPanel, one set a page.
static std::vector<HelpLine> lines[HELP_PAGE_COUNT];
static rect<irr::s32> panelArea;

// The panel in the 640 x 480 layout, px: at its tallest clear of the score
// line above and the commentary below, so the match can still be followed.
static constexpr irr::s32 PANEL_WIDTH = 620;
static constexpr irr::s32 PANEL_HEIGHT = 392;
static constexpr irr::s32 PANEL_CENTRE_Y = 230; // 10 px above the window's middle
static constexpr irr::s32 MARGIN = 8;           // px inside the panel's edge
static constexpr irr::s32 KEY_COLUMN = 68;      // px for a key's name ("PageDown", "Backspace")
static constexpr irr::s32 COLUMN_GAP = 12;      // px between the two columns
static constexpr irr::s32 EXTRA_PITCH = 1;      // px between two rows' bands
// Darker than the HUD's half-transparent colours, so the lines read on any
// ground.
static const SColor PANEL_GROUND(200, 0, 0, 0);
static const SColor KEY_COLOUR(255, 255, 255, 0);
static const SColor HELP_COLOUR(255, 255, 255, 255);
static const SColor TITLE_COLOUR(255, 63, 255, 0);

// Page 1 holds the keys that command the match, page 2 those of the view
// and of time, which never change it: two columns of either fit 640 x 480
// in a band the font can read, and the split is the one a player asks of
// a key (will it change the match?).
static const char* const TITLES[HELP_PAGE_COUNT] = {
    "MATCH KEYS  -  the player, the team: the selected ones",
    "VIEW AND TIME KEYS  -  none of them changes the match",
};
static const char* const FOOTERS[HELP_PAGE_COUNT] = {
    "F1 again: the view and time keys.  Every key acts when released.",
    "Mouse: turn the free camera.  F1 again closes this help.",
};

const char* keyName(irr::EKEY_CODE key)
{
    // Letters and digits are their own names, one static string each.
    static char single[2 * 36];
    if ((key >= irr::KEY_KEY_0 && key <= irr::KEY_KEY_9) || (key >= irr::KEY_KEY_A && key <= irr::KEY_KEY_Z)) {
        const int at = key <= irr::KEY_KEY_9 ? key - irr::KEY_KEY_0 : 10 + key - irr::KEY_KEY_A;
        single[2 * at] = static_cast<char>(key);
        single[2 * at + 1] = 0;
        return &single[2 * at];
    }
    switch (key) {
    case irr::KEY_TAB: return "Tab";
    case irr::KEY_SPACE: return "Space";
    case irr::KEY_BACK: return "Backspace";
    case irr::KEY_LEFT: return "Left";
    case irr::KEY_RIGHT: return "Right";
    case irr::KEY_UP: return "Up";
    case irr::KEY_DOWN: return "Down";
    case irr::KEY_PRIOR: return "PageUp";
    case irr::KEY_NEXT: return "PageDown";
    case irr::KEY_HOME: return "Home";
    case irr::KEY_END: return "End";
    case irr::KEY_OEM_4: return "[";
    case irr::KEY_OEM_6: return "]";
    case irr::KEY_PERIOD: return ".";
    case irr::KEY_COMMA: return ",";
    case irr::KEY_F1: return "F1";
    case irr::KEY_F12: return "F12";
    default: return 0;
    }
}

static stringw wide(const char* text)
{
    return stringw(text ? text : "?");
}

// The name a row of the table is pressed by: "Ctrl+" before a key that
// needs Ctrl held.
static stringw keyLabel(const KeyBinding& binding)
{
    stringw label = binding.control == CTRL_HELD ? L"Ctrl+" : L"";
    label += wide(keyName(binding.key));
    return label;
}

// The table's rows as the panel shows them: a run of neighbouring keys with
// the same help (the shirt numbers) becomes one row, "0 - 9".
struct HelpRow {
    stringw key;
    stringw help;
};

static bool onPage(const KeyBinding& binding, int page)
{
    return (binding.command != COMMAND_KIND_COUNT) == (page == 0);
}

static std::vector<HelpRow> helpRows(int page)
{
    std::vector<HelpRow> rows;
    for (int i = 0; i < keyBindingCount;) {
        const KeyBinding& first = keyBindings[i];
        if (!onPage(first, page)) {
            ++i;
            continue;
        }
        int last = i;
        while (last + 1 < keyBindingCount && onPage(keyBindings[last + 1], page) &&
               strcmp(keyBindings[last + 1].help, first.help) == 0 &&
               keyBindings[last + 1].key == keyBindings[last].key + 1)
            ++last;
        HelpRow row{keyLabel(first), wide(first.help)};
        if (last > i) {
            row.key += L" - ";
            row.key += keyLabel(keyBindings[last]);
        }
        rows.push_back(row);
        i = last + 1;
    }
    return rows;
}

void layOutHelpPanel()
{
    const irr::core::dimension2d<irr::u32> window = driver->getScreenSize();
    const float scale = hudLayoutScale(window);
    auto px = [scale](irr::s32 layout) { return static_cast<irr::s32>(layout * scale + 0.5f); };
    std::vector<HelpRow> rows[HELP_PAGE_COUNT];
    int perColumn = 0;
    for (int page = 0; page < HELP_PAGE_COUNT; ++page) {
        rows[page] = helpRows(page);
        perColumn = std::max(perColumn, static_cast<int>(rows[page].size() + 1) / 2);
    }
    // The title, the rows of the longer column and the footer, each the
    // font's band high; both pages share the panel of the taller, which is
    // as tall as they need, up to its height, where the rows close up.
    irr::gui::IGUIFont* font = hudLineFont();
    const irr::s32 band = static_cast<irr::s32>(font->getDimension(L"Hg").Height);
    const irr::s32 most = px(PANEL_HEIGHT) - 2 * px(MARGIN);
    irr::s32 pitch = band + px(EXTRA_PITCH);
    if (pitch * (perColumn + 2) > most)
        pitch = most / (perColumn + 2);
    const irr::s32 width = px(PANEL_WIDTH);
    const irr::s32 height = pitch * (perColumn + 1) + band + 2 * px(MARGIN);
    const irr::s32 left = (static_cast<irr::s32>(window.Width) - width) / 2;
    const irr::s32 top = static_cast<irr::s32>(window.Height) / 2 - px(240 - PANEL_CENTRE_Y) - height / 2;
    panelArea = rect<irr::s32>(left, top, left + width, top + height);

    const irr::s32 x0 = left + px(MARGIN), y0 = top + px(MARGIN);
    const irr::s32 right = left + width - px(MARGIN);
    const irr::s32 columnWidth = (right - x0 - px(COLUMN_GAP)) / 2;
    for (int page = 0; page < HELP_PAGE_COUNT; ++page) {
        std::vector<HelpLine>& out = lines[page];
        out.clear();
        out.push_back(HelpLine{wide(TITLES[page]), rect<irr::s32>(x0, y0, right, y0 + band), TITLE_COLOUR});
        const int pageColumn = static_cast<int>(rows[page].size() + 1) / 2;
        for (int i = 0; i < static_cast<int>(rows[page].size()); ++i) {
            const irr::s32 x = x0 + (i / pageColumn) * (columnWidth + px(COLUMN_GAP));
            const irr::s32 y = y0 + pitch * (1 + i % pageColumn);
            out.push_back(HelpLine{rows[page][i].key, rect<irr::s32>(x, y, x + px(KEY_COLUMN), y + band), KEY_COLOUR});
            out.push_back(HelpLine{rows[page][i].help, rect<irr::s32>(x + px(KEY_COLUMN), y, x + columnWidth, y + band),
                                   HELP_COLOUR});
        }
        const irr::s32 y = y0 + pitch * (1 + perColumn);
        out.push_back(HelpLine{wide(FOOTERS[page]), rect<irr::s32>(x0, y, right, y + band), TITLE_COLOUR});
    }
}

rect<irr::s32> helpPanelArea()
{
    return panelArea;
}

const std::vector<HelpLine>& helpPanelLines(int page)
{
    return lines[page];
}

void drawHelpPanel()
{
    if (helpPanelPage <= 0 || helpPanelPage > HELP_PAGE_COUNT || lines[0].empty())
        return;
    driver->draw2DRectangle(PANEL_GROUND, panelArea, 0);
    irr::gui::IGUIFont* font = hudLineFont();
    for (const HelpLine& line : lines[helpPanelPage - 1])
        font->draw(line.text, line.area, line.colour, false, false, 0);
}
