#include "ui/result_panel.h"

#include <cstdio>
#include <vector>

#include "core/engine.h"
#include "match/match_summary.h"
#include "ui/help_panel.h"
#include "ui/hud.h"
#include "ui/hud_font.h"

using irr::core::rect;
using irr::video::SColor;

bool resultPanelShown = false;
bool resultPanelDismissed = false;

// Laid out once at the whistle, drawn every frame from here.
static std::vector<HelpLine> lines;
static rect<irr::s32> panelArea;

// In the 640 x 480 layout, px.
static constexpr irr::s32 PANEL_WIDTH = 616;
static constexpr irr::s32 PANEL_HEIGHT = 448;
static constexpr irr::s32 MARGIN = 8;
static constexpr irr::s32 TABLE_WIDTH = 250; // the teams' figures, left
static constexpr irr::s32 SHOT_COLUMN_WIDTH = 170;
static const SColor PANEL_GROUND(215, 0, 0, 0);
static const SColor TITLE_COLOUR(255, 63, 255, 0);
static const SColor SCORE_COLOUR(255, 255, 255, 255);
static const SColor TEXT_COLOUR(255, 255, 255, 255);
static const SColor GOAL_COLOUR(255, 255, 255, 0);
static const SColor MISS_COLOUR(255, 160, 160, 160);

static void addLine(const char* text, const rect<irr::s32>& area, SColor colour)
{
    lines.push_back(HelpLine{irr::core::stringw(text), area, colour});
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
    addLine("FULL TIME", rect<irr::s32>(x0, y, right, y + largeBand), TITLE_COLOUR);
    y += largeBand;
    formatFinalScore(text, sizeof text);
    addLine(text, rect<irr::s32>(x0, y, right, y + largeBand), SCORE_COLOUR);
    y += largeBand + px(2);
    formatPeriodScores(text, sizeof text);
    addLine(text, rect<irr::s32>(x0, y, right, y + band), TEXT_COLOUR);
    y += band + px(4);

    const irr::s32 bodyTop = y;
    const irr::s32 footerTop = top + height - px(MARGIN) - band;
    for (int row = 0; row < teamTableRows(); ++row, y += band) {
        formatTeamRow(row, text, sizeof text);
        addLine(text, rect<irr::s32>(x0, y, x0 + px(TABLE_WIDTH), y + band), row == 0 ? TITLE_COLOUR : TEXT_COLOUR);
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
    addLine("Any key or click: end the game.   Z: a new game.", rect<irr::s32>(x0, footerTop, right, footerTop + band),
            TITLE_COLOUR);
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
    // The title and the score in the large face, the rest in the HUD's.
    for (std::size_t i = 0; i < lines.size(); ++i)
        (i < 2 ? large : small)->draw(lines[i].text, lines[i].area, lines[i].colour, i < 2, false, 0);
}

int resultPanelLineCount()
{
    return static_cast<int>(lines.size());
}
