#include "ui/hud.h"

#include <cmath>
#include <cstdarg>
#include <cwchar>

#include "core/commentary.h"
#include "core/engine.h"
#include "core/playback.h"
#include "core/run_state.h"
#include "match/ball.h"
#include "match/match_clock.h"
#include "match/selection.h"
#include "players/player.h"
#include "players/player_dump.h"
#include "players/track.h"
#include "ui/cameras.h"
#include "ui/director.h"
#include "ui/hud_font.h"
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
irr::gui::IGUIStaticText* playbackText = 0;
irr::gui::IGUIStaticText* directorText = 0;

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
// Above the clock at the end of the score line, right of the bars: the
// speed, and what is being watched.
static const rect<irr::s32> PLAYBACK_RECT(372, 0, 460, 14);
// Left of the automatic-play bar, as the playback mark is right of it.
static const rect<irr::s32> DIRECTOR_RECT(200, 0, 276, 14);

// Roster rows: one per shirt number, home on the left, away on the right.
static constexpr irr::s32 ROW_PITCH = 40;        // px between shirt numbers
static constexpr irr::s32 READOUT_TOP = 50;      // px, row 0's readout
static constexpr irr::s32 STATE_TOP = 70;        // px, row 0's state line, under its readout
static constexpr irr::s32 ROW_HEIGHT = 50;       // px
static constexpr irr::s32 HOME_COLUMN_LEFT = 10; // px
static constexpr irr::s32 AWAY_COLUMN_LEFT = 470; // px
static constexpr irr::s32 COLUMN_WIDTH = 160;    // px

// The layout above is for a 640 x 480 window; other windows get it scaled.
static constexpr irr::s32 LAYOUT_WIDTH = 640;  // px
static constexpr irr::s32 LAYOUT_HEIGHT = 480; // px
// Written by setupHud from the window's size; 640 x 480 and 1 until then.
static irr::core::dimension2d<irr::u32> hudWindow(LAYOUT_WIDTH, LAYOUT_HEIGHT);
static float hudScale = 1.0f;

static constexpr double CM_PER_METRE = 100.0;
static constexpr double DEGREES_PER_RADIAN = 180.0 / 3.14159265358979323846;

static void formatHud(const wchar_t* format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    vswprintf(hudText, HUD_TEXT_SIZE, format, arguments);
    va_end(arguments);
}

float hudLayoutScale(irr::core::dimension2d<irr::u32> window)
{
    const float across = static_cast<float>(window.Width) / LAYOUT_WIDTH;
    const float down = static_cast<float>(window.Height) / LAYOUT_HEIGHT;
    return across < down ? across : down;
}

static irr::s32 placed(float anchor, irr::s32 layoutAnchor, irr::s32 coordinate)
{
    return static_cast<irr::s32>(std::lround(anchor + (coordinate - layoutAnchor) * hudScale));
}

// A rectangle of the 640 x 480 layout in the window: scaled by hudScale and
// held to the window's left edge, centre or right edge by the third of the
// layout it lies in, and to the top (or, `fromBottom`, to the bottom). On a
// 4:3 window that is plain scaling; on a wider or taller one the HUD keeps to
// the window's edges and corners, and what touches in the layout still touches.
static rect<irr::s32> placeOnWindow(const rect<irr::s32>& area, bool fromBottom = false)
{
    const irr::s32 centre = (area.UpperLeftCorner.X + area.LowerRightCorner.X) / 2;
    irr::s32 layoutX = 0;
    float windowX = 0.0f;
    if (centre >= 2 * LAYOUT_WIDTH / 3) {
        layoutX = LAYOUT_WIDTH;
        windowX = hudWindow.Width;
    } else if (centre >= LAYOUT_WIDTH / 3) {
        layoutX = LAYOUT_WIDTH / 2;
        windowX = hudWindow.Width / 2.0f;
    }
    const irr::s32 layoutY = fromBottom ? LAYOUT_HEIGHT : 0;
    const float windowY = fromBottom ? hudWindow.Height : 0.0f;
    return rect<irr::s32>(placed(windowX, layoutX, area.UpperLeftCorner.X),
                          placed(windowY, layoutY, area.UpperLeftCorner.Y),
                          placed(windowX, layoutX, area.LowerRightCorner.X),
                          placed(windowY, layoutY, area.LowerRightCorner.Y));
}

static irr::gui::IGUIStaticText* addText(const rect<irr::s32>& area, bool fromBottom = false)
{
    irr::gui::IGUIStaticText* text = device->getGUIEnvironment()->addStaticText(
        hudText, placeOnWindow(area, fromBottom), false /*border*/, true /*wordWrap*/, 0 /*parent*/, -1 /*id*/,
        false /*fillBackground*/);
    // The first letter's dark outline reaches a little left of the text's
    // rectangle; clipped there, the letter's edge would melt into the ground.
    text->setTextRestrainedInside(false);
    return text;
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

// The tick the texts last showed: -1 until they show one.
static long hudTick = -1;

void setupHud()
{
    // The mouse only turns the free camera; a pointer over the arena is clutter.
    if (irr::gui::ICursorControl* cursor = device->getCursorControl())
        cursor->setVisible(false);
    hudWindow = driver->getScreenSize();
    hudScale = hudLayoutScale(hudWindow);
    // A readout's two lines fill the gap down to its state line.
    const irr::s32 linePitch = (placeOnWindow(rosterRect(HOME_COLUMN_LEFT, STATE_TOP, 0)).UpperLeftCorner.Y -
                                placeOnWindow(rosterRect(HOME_COLUMN_LEFT, READOUT_TOP, 0)).UpperLeftCorner.Y) /
                               2;
    useHudFont(hudScale, linePitch);

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
    // The two lines under the arena keep to the window's bottom.
    ballStatusText = addText(BALL_STATUS_RECT, true);
    colourText(ballStatusText, WHITE);
    formatHud(L"HOU:00 MAD:00 1 21:12");
    scoreText = addText(SCORE_RECT);
    colourText(scoreText, AWAY_GREEN);
    // Single lines, with the height of their rectangles for a larger face.
    ballStatusText->setOverrideFont(hudLineFont());
    scoreText->setOverrideFont(hudLineFont());
    formatHud(L"COLOR COMMENTARY");
    commentaryText = addText(COMMENTARY_RECT, true);
    colourText(commentaryText, YELLOW);
    formatHud(L"");
    playbackText = addText(PLAYBACK_RECT);
    colourText(playbackText, WHITE);
    directorText = addText(DIRECTOR_RECT);
    colourText(directorText, WHITE);
}

void forgetHud()
{
    hudTick = -1;
    centreReadout = ballStatusText = scoreText = commentaryText = playbackText = directorText = 0;
    for (int i = 0; i < TEAM_SIZE; ++i)
        homeReadouts[i] = homeStates[i] = awayReadouts[i] = awayStates[i] = 0;
}

static void drawRectangle(SColor colour, const rect<irr::s32>& area)
{
    driver->draw2DRectangle(colour, placeOnWindow(area), 0);
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
        // The ball chase keeps whatever the end view left (V brings it only
        // from there); the director may cut to it from the player chase,
        // whose readout must not stay behind.
        if (directing())
            centreReadout->setText(L"");
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

// "x8", "x1/4": the match's speed when it is not 1; "REPLAY" during an
// instant replay; how far through a recording a replay stands.

static void updatePlaybackMark()
{
    wchar_t speed[8] = L"";
    if (matchSpeedStep > 0)
        swprintf(speed, 8, L"x%d", 1 << matchSpeedStep);
    else if (matchSpeedStep < 0)
        swprintf(speed, 8, L"x1/%d", 1 << -matchSpeedStep);
    wchar_t place[8] = L"";
    if (showingInstantReplay)
        swprintf(place, 8, L"REPLAY");
    else if (recordingProgress >= 0.0f)
        swprintf(place, 8, L"%d%%", wholePart(recordingProgress * 100.0f));
    formatHud(L"%ls%ls%ls", speed, speed[0] && place[0] ? L" " : L"", place);
    playbackText->setText(hudText);
}

void updateHud()
{
    if (!scoreText)
        return;
    // The viewer's hold on time shows even while the match stands still.
    updatePlaybackMark();
    directorText->setText(directing() ? L"DIRECTOR" : L"");
    const Player& p = *selectedPlayerRecord();
    // A single tick run while paused (the viewer's step) is shown once, as
    // any tick is; then the texts stand still again.
    const bool stepped = matchTickNumber != hudTick;
    if (paused && !stepped) {
        // Frozen: every other text keeps its last contents and no marker is drawn.
        formatHud(L"PAUSED");
        ballStatusText->setText(hudText);
    } else {
        if (!paused)
            drawMarkers(p);
        updateCentreReadout(chasedPlayer());
        if (showRosterReadouts) {
            updateRoster(home_players, homeReadouts, homeStates, HOME_ORANGE);
            updateRoster(away_players, awayReadouts, awayStates, AWAY_GREEN);
        } else {
            clearRosters();
        }
        updateBallLine();
        updateCommentary();
        updateScoreLine();
        hudTick = matchTickNumber;
        if (paused) {
            formatHud(L"PAUSED");
            ballStatusText->setText(hudText);
        }
    }
    drawHudTexts();
}
