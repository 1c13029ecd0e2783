#include "arena/scoreboard.h"

#include <cstdio>

#include "arena/scene_object.h"
#include "assets/asset_loading.h"
#include "match/match_clock.h"

using irr::core::vector3df;
using irr::scene::ISceneNode;

irr::scene::IAnimatedMesh* timeboxMesh = 0;
irr::video::ITexture* digitTextures[10];
Scoreboard scoreboards[2] = {{0, {}, 0, 0, 0, 0, 0, 0, {}}, {1, {}, 0, 0, 0, 0, 0, 0, {}}};

// Two digit boxes a team: beyond 99 the boards stay at 99 (there is no digit
// texture for ten), while the HUD prints the true score.
static constexpr int HIGHEST_SHOWN_SCORE = 99;

// The period digit's box carries the whole display; these place it (cm, degrees).
// The two displays face each other across the arena, the west one turned.
static const vector3df WEST_TIMEBOX_ROTATION(0.0f, 180.0f, 0.0f);
static const vector3df WEST_TIMEBOX_POSITION(-3360.0f, 989.0f, 1.0f);
static const vector3df EAST_TIMEBOX_POSITION(3360.0f, 1042.0f, 46.0f);

// Digits read until the new game shows real values: clock 21:12, score 21 12.
static const int FIRST_CLOCK_DIGITS[4] = {2, 1, 1, 2};
static const int FIRST_HOME_DIGITS[2] = {2, 1};
static const int FIRST_AWAY_DIGITS[2] = {1, 2};

void loadClockDigits()
{
    timeboxMesh = loadMesh("meshes/timebox.obj");
    char name[32];
    for (int d = 0; d < 10; ++d) {
        snprintf(name, sizeof name, "meshes/sbn%c.jpg", '0' + d);
        digitTextures[d] = loadTexture(name);
    }
}

void buildScoreboards()
{
    buildScoreboard(scoreboards[0]);
    buildScoreboard(scoreboards[1]);
}

// One digit box on the display, relative to the period digit (cm). The score
// row lies 136 above the period digit, the clock row 89 below it.
static ISceneNode* addDigitBox(Scoreboard& board, int digit, float x, float y, float z)
{
    ISceneNode* box = addAnimatedNode(timeboxMesh, board.timebox);
    if (!box)
        return 0;
    dressNodeWith(box, digitTextures[digit], false);
    board.pos.set(x, y, z);
    box->setPosition(board.pos);
    return box;
}

void buildScoreboard(Scoreboard& board)
{
    const bool west = board.side == 1;
    SceneObject frame = SceneObject();
    // The board meshes are modelled in place: the node is not moved.
    board.board = loadAnimatedObject(frame, west ? "meshes/scoreboardwest.3ds" : "meshes/scoreboardeast.3ds",
                                     west ? "meshes/scoreboardwest.jpg" : "meshes/scoreboardeast.jpg");

    // Without the time-box mesh the board shows no digits at all.
    board.timebox = addAnimatedNode(timeboxMesh);
    if (!board.timebox)
        return;
    dressNodeWith(board.timebox, digitTextures[0], false);

    // Two digits of one value are 60 apart; the gap between values is wider.
    board.clock_digits[0] = addDigitBox(board, FIRST_CLOCK_DIGITS[0], 0.0f, -89.0f, 99.0f);
    board.clock_digits[1] = addDigitBox(board, FIRST_CLOCK_DIGITS[1], 0.0f, -89.0f, 39.0f);
    board.clock_digits[2] = addDigitBox(board, FIRST_CLOCK_DIGITS[2], 0.0f, -89.0f, -43.0f);
    board.clock_digits[3] = addDigitBox(board, FIRST_CLOCK_DIGITS[3], 0.0f, -89.0f, -103.0f);
    board.home_tens = addDigitBox(board, FIRST_HOME_DIGITS[0], 0.0f, 136.0f, 110.0f);
    board.home_units = addDigitBox(board, FIRST_HOME_DIGITS[1], 0.0f, 136.0f, 50.0f);
    board.away_tens = addDigitBox(board, FIRST_AWAY_DIGITS[0], 0.0f, 136.0f, -55.0f);
    board.away_units = addDigitBox(board, FIRST_AWAY_DIGITS[1], 0.0f, 136.0f, -115.0f);

    // The eight boxes sit relative to it, so this places the whole display.
    if (west)
        placeNode(board.timebox, &WEST_TIMEBOX_ROTATION, &WEST_TIMEBOX_POSITION);
    else
        placeNode(board.timebox, 0, &EAST_TIMEBOX_POSITION);
}

void showDigit(ISceneNode* box, int digit)
{
    if (!box || digit < 0 || digit > 9)
        return;
    if (box->getMaterial(0).getTexture(0) != digitTextures[digit])
        box->setMaterialTexture(0, digitTextures[digit]);
}

static void showScore(int score, ISceneNode* tens, ISceneNode* units)
{
    if (score == NOTHING_SHOWN)
        return;
    if (score > HIGHEST_SHOWN_SCORE)
        score = HIGHEST_SHOWN_SCORE;
    showDigit(tens, score / 10);
    showDigit(units, score % 10);
}

void showScoreboards()
{
    const MatchClock& clock = matchClock;
    for (Scoreboard& board : scoreboards) {
        for (int position = 0; position < 4; ++position)
            showDigit(board.clock_digits[position], clock.shown[position]);
        showDigit(board.timebox, clock.shown_period);
        showScore(clock.shown_home_score, board.home_tens, board.home_units);
        showScore(clock.shown_away_score, board.away_tens, board.away_units);
    }
}
