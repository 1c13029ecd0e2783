#include "ui/result_panel.h"

#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <vector>

#include "core/engine.h"
#include "match/match_summary.h"
#include "ui/hud.h"
#include "ui/hud_font.h"
#include "ui/input.h"

using irr::core::rect;
using irr::video::SColor;

namespace {
struct PanelLine {
    irr::core::stringw text;
    rect<irr::s32> area; // px of the window
    SColor colour;
    bool large;   // the title and the score
    bool centred; // across its area: the teams' figures, under their names
};
} // namespace

// Laid out once at the whistle, drawn every frame from here.
static std::vector<PanelLine> lines;
static rect<irr::s32> panelArea;

// In the 640 x 480 layout, px.
static constexpr irr::s32 PANEL_WIDTH = 616;
static constexpr irr::s32 PANEL_HEIGHT = 448;
static constexpr irr::s32 MARGIN = 8;
static constexpr irr::s32 TABLE_WIDTH = 250; // the teams' figures, left
static constexpr irr::s32 SHOT_COLUMN_WIDTH = 170;
static constexpr irr::s32 FIGURE_WIDTH = 48; // a team's figure, under its name
static const SColor PANEL_GROUND(215, 0, 0, 0);
static const SColor TITLE_COLOUR(255, 63, 255, 0);
static const SColor SCORE_COLOUR(255, 255, 255, 255);
static const SColor TEXT_COLOUR(255, 255, 255, 255);
static const SColor GOAL_COLOUR(255, 255, 255, 0);
static const SColor MISS_COLOUR(255, 160, 160, 160);

static void addLine(const char* text, const rect<irr::s32>& area, SColor colour, bool large = false,
                    bool centred = false)
{
    lines.push_back(PanelLine{irr::core::stringw(text), area, colour, large, centred});
}

// A row of the teams' table is "label  home  away" in fixed widths, which a
// proportional face does not keep: the last two words (the figures, or the
// teams' names) go to columns of their own, centred.
static void addTableRow(const char* row, irr::s32 x, irr::s32 y, irr::s32 band, irr::s32 figureWidth,
                        irr::s32 labelWidth, SColor colour)
{
    const char* words[2] = {0, 0};
    const char* c = row + strlen(row);
    for (int word = 1; word >= 0; --word) {
        while (c > row && c[-1] == ' ')
            --c;
        const char* wordEnd = c;
        while (c > row && c[-1] != ' ')
            --c;
        if (c == wordEnd)
            break;
        words[word] = c;
    }
    if (!words[0]) {
        addLine(row, rect<irr::s32>(x, y, x + labelWidth + 2 * figureWidth, y + band), colour);
        return;
    }
    char label[SUMMARY_LINE_SIZE], home[16], away[16];
    snprintf(label, sizeof label, "%.*s", static_cast<int>(words[0] - row), row);
    snprintf(home, sizeof home, "%.*s", static_cast<int>(words[1] - words[0]), words[0]);
    snprintf(away, sizeof away, "%s", words[1]);
    // The face draws its dark band under spaces too.
    for (char* part : {label, home})
        for (std::size_t n = strlen(part); n > 0 && part[n - 1] == ' '; --n)
            part[n - 1] = 0;
    const irr::s32 homeLeft = x + labelWidth, awayLeft = homeLeft + figureWidth;
    if (label[0])
        addLine(label, rect<irr::s32>(x, y, homeLeft, y + band), colour);
    addLine(home, rect<irr::s32>(homeLeft, y, awayLeft, y + band), colour, false, true);
    addLine(away, rect<irr::s32>(awayLeft, y, awayLeft + figureWidth, y + band), colour, false, true);
}

void showResultPanel()
{
    resultPanelShown = true;
    resultPanelDismissed = false;
    lines.clear();
    const irr::core::dimension2d<irr::u32> window = driver->getScreenSize();
    const float scale = hudLayoutScale(window);
    auto px = [scale](irr::s32 layout) { return static_cast<irr::s32>(layout * scale + 0.5f); };
    const irr::s32 width = px(PANEL_WIDTH), height = px(PANEL_HEIGHT);
    const irr::s32 left = (static_cast<irr::s32>(window.Width) - width) / 2;
    const irr::s32 top = (static_cast<irr::s32>(window.Height) - height) / 2;
    panelArea = rect<irr::s32>(left, top, left + width, top + height);
    irr::gui::IGUIFont* large = hudLineFont();
    irr::gui::IGUIFont* small = device->getGUIEnvironment()->getSkin()->getFont();
    const irr::s32 largeBand = static_cast<irr::s32>(large->getDimension(L"Hg").Height);
    const irr::s32 band = static_cast<irr::s32>(small->getDimension(L"Hg").Height) + 1;
    const irr::s32 x0 = left + px(MARGIN), right = left + width - px(MARGIN);
    irr::s32 y = top + px(MARGIN);

    char text[SUMMARY_LINE_SIZE];
    addLine("FULL TIME", rect<irr::s32>(x0, y, right, y + largeBand), TITLE_COLOUR, true, true);
    y += largeBand;
    formatFinalScore(text, sizeof text);
    addLine(text, rect<irr::s32>(x0, y, right, y + largeBand), SCORE_COLOUR, true, true);
    y += largeBand + px(2);
    formatPeriodScores(text, sizeof text);
    addLine(text, rect<irr::s32>(x0, y, right, y + band), TEXT_COLOUR);
    y += band + px(4);

    const irr::s32 bodyTop = y;
    const irr::s32 footerTop = top + height - px(MARGIN) - band;
    for (int row = 0; row < teamTableRows(); ++row, y += band) {
        formatTeamRow(row, text, sizeof text);
        addTableRow(text, x0, y, band, px(FIGURE_WIDTH), px(TABLE_WIDTH) - 2 * px(FIGURE_WIDTH) - px(MARGIN),
                    row == 0 ? TITLE_COLOUR : TEXT_COLOUR);
    }
    // The goals and misses in columns right of the table, as many as fit.
    const irr::s32 listLeft = x0 + px(TABLE_WIDTH);
    const int perColumn = (footerTop - bodyTop) / band - 1;
    const int columns = (right - listLeft) / px(SHOT_COLUMN_WIDTH);
    const int room = perColumn * columns;
    const int shots = shotCount();
    snprintf(text, sizeof text, "Goals and misses: %d", shots);
    addLine(text, rect<irr::s32>(listLeft, bodyTop, right, bodyTop + band), TITLE_COLOUR);
    const int listed = shots <= room ? shots : room - 1;
    for (int i = 0; i < listed; ++i) {
        const irr::s32 x = listLeft + (i / perColumn) * px(SHOT_COLUMN_WIDTH);
        const irr::s32 at = bodyTop + band * (1 + i % perColumn);
        formatShot(i, text, sizeof text);
        addLine(text, rect<irr::s32>(x, at, x + px(SHOT_COLUMN_WIDTH), at + band),
                shotScored(i) ? GOAL_COLOUR : MISS_COLOUR);
    }
    if (listed < shots && listed >= 0) {
        const irr::s32 x = listLeft + (listed / perColumn) * px(SHOT_COLUMN_WIDTH);
        const irr::s32 at = bodyTop + band * (1 + listed % perColumn);
        snprintf(text, sizeof text, "and %d more: see the console", shots - listed);
        addLine(text, rect<irr::s32>(x, at, right, at + band), MISS_COLOUR);
    }
    // A replay's match is the recording's: Z there ends it like any key.
    addLine(watchingRecording ? "Any key or click: end the replay." : "Any key or click: end the game.   Z: a new game.",
            rect<irr::s32>(x0, footerTop, right, footerTop + band), TITLE_COLOUR);
}

void hideResultPanel()
{
    resultPanelShown = false;
    resultPanelDismissed = false;
}

void drawResultPanel()
{
    if (!resultPanelShown || lines.empty())
        return;
    driver->draw2DRectangle(PANEL_GROUND, panelArea, 0);
    irr::gui::IGUIFont* large = hudLineFont();
    irr::gui::IGUIFont* small = device->getGUIEnvironment()->getSkin()->getFont();
    for (const PanelLine& line : lines)
        (line.large ? large : small)->draw(line.text, line.area, line.colour, line.centred, false, 0);
}

int resultPanelLineCount()
{
    return static_cast<int>(lines.size());
}
