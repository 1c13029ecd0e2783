#include "ui/hud.h"

#include <cstdarg>
#include <cwchar>

#include "app/commentary.h"
#include "app/engine.h"
#include "app/frame_loop.h"
#include "match/ball.h"
#include "match/match_clock.h"
#include "players/player.h"
#include "players/player_dump.h"
#include "ui/cameras.h"
#include "ui/input.h"
#include "ui/palette.h"
#include "ui/readouts.h"

// Every HUD text is formatted here; the elements copy it, so one buffer serves all.
wchar_t hudText[HUD_TEXT_SIZE];
// Created once by setupHud, owned by the GUI environment.
irr::gui::IGUIStaticText* centreReadout = 0;
irr::gui::IGUIStaticText* homeReadouts[10];
irr::gui::IGUIStaticText* homeStates[10];
irr::gui::IGUIStaticText* awayReadouts[10];
irr::gui::IGUIStaticText* awayStates[10];
irr::gui::IGUIStaticText* ballStatusText = 0;
irr::gui::IGUIStaticText* scoreText = 0;
irr::gui::IGUIStaticText* commentaryText = 0;

using irr::core::rect;
using irr::video::SColor;


// Window pixels (x1, y1, x2, y2).
static const rect<irr::s32> CENTRE_READOUT_RECT(280, 30, 440, 80);
static const rect<irr::s32> BALL_STATUS_RECT(280, 460, 440, 510);
static const rect<irr::s32> SCORE_RECT(280, 15, 440, 65);
static const rect<irr::s32> COMMENTARY_RECT(280, 430, 440, 460);
static const rect<irr::s32> AUTO_PLAY_BAR(280, 0, 360, 5);
static const rect<irr::s32> USER_CONTROL_BAR(280, 5, 360, 10);
static const rect<irr::s32> STEER_LEFT_MARKER(270, 3, 280, 12);
static const rect<irr::s32> STEER_RIGHT_MARKER(360, 3, 370, 12);
static const rect<irr::s32> HOME_TEAM_MARKER(5, 5, 25, 25);
static const rect<irr::s32> AWAY_TEAM_MARKER(615, 5, 635, 25);

// Roster rows: one per shirt number, home on the left, away on the right.
static constexpr irr::s32 ROW_PITCH = 40;        // px between shirt numbers
static constexpr irr::s32 READOUT_TOP = 50;      // px, row 0's readout
static constexpr irr::s32 STATE_TOP = 70;        // px, row 0's state line, under its readout
static constexpr irr::s32 ROW_HEIGHT = 50;       // px
static constexpr irr::s32 HOME_COLUMN_LEFT = 10; // px
static constexpr irr::s32 AWAY_COLUMN_LEFT = 470; // px
static constexpr irr::s32 COLUMN_WIDTH = 160;    // px

static constexpr double CM_PER_METRE = 100.0;
static constexpr double DEGREES_PER_RADIAN = 180.0 / 3.14159265358979323846;
static constexpr double CM_PER_MS_PER_MPH = 0.044704; // one mile per hour in cm/ms

static void formatHud(const wchar_t* format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    vswprintf(hudText, HUD_TEXT_SIZE, format, arguments);
    va_end(arguments);
}

static irr::gui::IGUIStaticText* addText(const rect<irr::s32>& area)
{
    return device->getGUIEnvironment()->addStaticText(hudText, area, false /*border*/, true /*wordWrap*/,
                                                      0 /*parent*/, -1 /*id*/, false /*fillBackground*/);
}

static rect<irr::s32> rosterRect(irr::s32 left, irr::s32 top, int row)
{
    const irr::s32 y = top + ROW_PITCH * row;
    return rect<irr::s32>(left, y, left + COLUMN_WIDTH, y + ROW_HEIGHT);
}

static void colourText(irr::gui::IGUIStaticText* text, SColor colour)
{
    text->setOverrideColor(colour);
    text->enableOverrideColor(true);
}

// The engine's built-in font draws one-pixel strokes, which half-transparent
// colours over the bright track all but wash out. Each glyph is thickened by
// one pixel to the right within its own cell, leaving the cell's last column
// (the gap between letters) alone, so the layout keeps its metrics.
static void thickenFont()
{
    irr::gui::IGUIFont* font = device->getGUIEnvironment()->getBuiltInFont();
    if (!font || font->getType() != irr::gui::EGFT_BITMAP)
        return;
    irr::gui::IGUISpriteBank* bank = static_cast<irr::gui::IGUIFontBitmap*>(font)->getSpriteBank();
    if (!bank || bank->getTextureCount() == 0 || !bank->getTexture(0))
        return;
    irr::video::ITexture* thin = bank->getTexture(0);
    // A driver that keeps no pixels (the null driver) has nothing to thicken.
    if (!thin->lock(irr::video::ETLM_READ_ONLY))
        return;
    thin->unlock();
    irr::video::IImage* image = driver->createImage(thin, irr::core::position2d<irr::s32>(0, 0), thin->getOriginalSize());
    if (!image)
        return;
    const irr::core::dimension2d<irr::u32> size = image->getDimension();
    const irr::core::array<rect<irr::s32>>& cells = bank->getPositions();
    for (irr::u32 c = 0; c < cells.size(); ++c) {
        rect<irr::s32> cell = cells[c];
        cell.clipAgainst(rect<irr::s32>(0, 0, size.Width, size.Height));
        for (irr::s32 y = cell.UpperLeftCorner.Y; y < cell.LowerRightCorner.Y; ++y)
            // Right to left, so a thickened pixel is not thickened again.
            for (irr::s32 x = cell.LowerRightCorner.X - 2; x > cell.UpperLeftCorner.X; --x) {
                const SColor left = image->getPixel(x - 1, y);
                if (left.getAlpha() > image->getPixel(x, y).getAlpha())
                    image->setPixel(x, y, left);
            }
    }
    irr::video::ITexture* thick = driver->addTexture("hud-font-thick", image);
    image->drop();
    if (thick)
        bank->setTexture(0, thick);
}

void setupHud()
{
    // The mouse only turns the free camera; a pointer over the arena is clutter.
    if (irr::gui::ICursorControl* cursor = device->getCursorControl())
        cursor->setVisible(false);
    thickenFont();

    // The creation texts are placeholders, replaced by the first update.
    formatHud(L"THIS IS A TEST STRING");
    centreReadout = addText(CENTRE_READOUT_RECT);
    for (int i = 0; i < TEAM_SIZE; ++i) {
        homeReadouts[i] = addText(rosterRect(HOME_COLUMN_LEFT, READOUT_TOP, i));
        homeStates[i] = addText(rosterRect(HOME_COLUMN_LEFT, STATE_TOP, i));
        awayReadouts[i] = addText(rosterRect(AWAY_COLUMN_LEFT, READOUT_TOP, i));
        awayStates[i] = addText(rosterRect(AWAY_COLUMN_LEFT, STATE_TOP, i));
    }

    formatHud(L"BALL STAT FIX ME");
    ballStatusText = addText(BALL_STATUS_RECT);
    colourText(ballStatusText, WHITE);
    formatHud(L"HOU:00 MAD:00 1 21:12");
    scoreText = addText(SCORE_RECT);
    colourText(scoreText, AWAY_GREEN);
    formatHud(L"COLOR COMMENTARY");
    commentaryText = addText(COMMENTARY_RECT);
    colourText(commentaryText, YELLOW);
}

void forgetHud()
{
    centreReadout = ballStatusText = scoreText = commentaryText = 0;
    for (int i = 0; i < TEAM_SIZE; ++i)
        homeReadouts[i] = homeStates[i] = awayReadouts[i] = awayStates[i] = 0;
}

static void drawRectangle(SColor colour, const rect<irr::s32>& area)
{
    driver->draw2DRectangle(colour, area, 0);
}

static void drawMarkers(const Player& p)
{
    if (autoPlay)
        drawRectangle(RED, AUTO_PLAY_BAR);
    if (p.is_selected()) {
        drawRectangle(PURE_GREEN, USER_CONTROL_BAR);
        // The side marker shows which way the user is pushing the player.
        if (p.xr_dt2 < 0.0f)
            drawRectangle(PURE_GREEN, STEER_LEFT_MARKER);
        else if (p.xr_dt2 > 0.0f)
            drawRectangle(PURE_GREEN, STEER_RIGHT_MARKER);
    }
    if (selectedTeam == 'H')
        drawRectangle(HOME_ORANGE, HOME_TEAM_MARKER);
    else
        drawRectangle(AWAY_GREEN, AWAY_TEAM_MARKER);
}

static void updateCentreReadout(const Player& p)
{
    switch (shownCameraMode()) {
    case OVERHEAD_VIEW:
    case END_VIEW:
        centreReadout->setText(L"");
        break;
    case PLAYER_CHASE:
        formatReadout(p, hudText);
        colourText(centreReadout, p.team == 'H' ? HOME_ORANGE : AWAY_GREEN);
        centreReadout->setText(hudText);
        break;
    default:
        // The ball chase keeps whatever the end view left (it comes only from there).
        break;
    }
}

static void updateRoster(const Player* players, irr::gui::IGUIStaticText* const* readouts,
                         irr::gui::IGUIStaticText* const* states, SColor colour)
{
    for (int i = 0; i < TEAM_SIZE; ++i) {
        formatReadout(players[i], hudText);
        colourText(readouts[i], colour);
        readouts[i]->setText(hudText);
        writeStateLine(players[i], states[i]);
    }
}

static void clearRosters()
{
    for (int i = 0; i < TEAM_SIZE; ++i) {
        homeReadouts[i]->setText(L"");
        homeStates[i]->setText(L"");
        awayReadouts[i]->setText(L"");
        awayStates[i]->setText(L"");
    }
}

static void updateBallLine()
{
    const double metres = ball.r / CM_PER_METRE;
    const int degrees = wholePart(static_cast<double>(ball.theta) * DEGREES_PER_RADIAN);
    // The speed along the track, signed: the ball flies against the players.
    const int mph = wholePart(static_cast<double>(ball.zt_dt) * ball.r / CM_PER_MS_PER_MPH);
    if (ball.holder)
        formatHud(L"%02.1fm %03d %03dmph %c%d", metres, degrees, mph, ball.holder->team, ball.holder->number);
    else
        formatHud(L"%02.1fm %03d %03dmph", metres, degrees, mph);
    ballStatusText->setText(hudText);
}

static void updateCommentary()
{
    // Byte by byte: each byte becomes the wide character of the same value
    // (Latin-1 for anything above ASCII), so no locale can refuse the line.
    const char* line = getCommentary();
    int i = 0;
    for (; i < HUD_TEXT_SIZE - 1 && line[i] != 0; ++i)
        hudText[i] = static_cast<wchar_t>(static_cast<unsigned char>(line[i]));
    hudText[i] = 0;
    commentaryText->setText(hudText);
}

static void updateScoreLine()
{
    formatHud(L"HOU:%02d MAD:%02d %d %d%d:%d%d", matchClock.home_score, matchClock.away_score, matchClock.period,
              matchClock.min_tens, matchClock.min_units, matchClock.sec_tens, matchClock.sec_units);
    scoreText->setText(hudText);
}

void updateHud()
{
    if (!scoreText)
        return;
    const Player& p = *selectedPlayerRecord();
    if (paused) {
        // Frozen: every other text keeps its last contents and no marker is drawn.
        formatHud(L"PAUSED");
        ballStatusText->setText(hudText);
    } else {
        drawMarkers(p);
        updateCentreReadout(p);
        if (showRosterReadouts) {
            updateRoster(home_players, homeReadouts, homeStates, HOME_ORANGE);
            updateRoster(away_players, awayReadouts, awayStates, AWAY_GREEN);
        } else {
            clearRosters();
        }
        updateBallLine();
        updateCommentary();
        updateScoreLine();
    }
    device->getGUIEnvironment()->drawAll();
}
