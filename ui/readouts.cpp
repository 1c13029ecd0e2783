#include "ui/readouts.h"

#include <cwchar>

#include "players/player.h"
#include "players/player_dump.h"
#include "ui/palette.h"

// Filled by writeStateLine; the element copies it, so one buffer serves all twenty.
wchar_t stateText[STATE_TEXT_SIZE];

static constexpr float CM_PER_METRE = 100.0f;
static constexpr float POWER_SCALE = 10000.0f;   // readout shows power in 1/10000 per ms
static constexpr float EXERTION_SCALE = 36000.0f; // readout shows exertion in these units

using irr::video::SColor;
static const SColor& PENALTY_COLOUR = HOME_ORANGE;
static const SColor UNKNOWN_COLOUR(127, 96, 63, 63);
static const SColor BLUE(127, 0, 0, 255);
static const SColor CYAN(127, 0, 255, 255);
static const SColor MAGENTA(127, 255, 0, 255);
static const SColor& GREEN = AWAY_GREEN;

// State colours by path value; 13 and 15 are never assigned and read as unknown.
static const SColor* const STATE_COLOURS[] = {
    &RED,            // DEAD
    &YELLOW,         // SEATED
    &RED,            // STOPPED
    &BLUE,           // SEAT_TO_GATE
    &WHITE,          // GATE_TO_SEAT
    &BLUE,           // GATE_TO_TRACK
    &WHITE,          // TRACK_TO_GATE
    &CYAN,           // LAPPING
    &MAGENTA,        // PASS_TO_SKATER
    &MAGENTA,        // ATTEMPTING_CATCH
    &RED,            // TRYING_TO_SCORE
    &RED,            // ATTACK_SCORER
    &RED,            // DEFEND_GOAL
    &UNKNOWN_COLOUR, // 13
    &MAGENTA,        // EVEN_SPACING
    &UNKNOWN_COLOUR, // 15
    &GREEN,          // USER_CONTROL
};
static constexpr int STATE_COLOUR_COUNT = sizeof STATE_COLOURS / sizeof STATE_COLOURS[0];

void formatReadout(const Player& player, wchar_t* destination)
{
    swprintf(destination, STATE_TEXT_SIZE, L"%c%d r:%3.1fm t:%03d mph:%3d hp:%d\ne:%d u:%d k:%d p:%d x:%d",
             player.team, player.number, static_cast<double>(player.r / CM_PER_METRE),
             wholeDegrees(player.theta), wholePart(player.speed_mph()), player.hp,
             wholePart(player.total_energy()), wholePart(player.potential_energy()),
             wholePart(player.kinetic_energy()), wholePart(player.power * POWER_SCALE),
             wholePart(player.exertion / EXERTION_SCALE));
}

void writeStateLine(const Player& player, irr::gui::IGUIStaticText* element)
{
    SColor colour = UNKNOWN_COLOUR;
    // A player sitting out a penalty shows the time left, whatever it is doing.
    if (player.penalty != 0) {
        swprintf(stateText, STATE_TEXT_SIZE, L"PENALTY %3d", player.penalty);
        colour = PENALTY_COLOUR;
    } else {
        swprintf(stateText, STATE_TEXT_SIZE, L"%s", pathStateText(player.path));
        if (player.path >= 0 && player.path < STATE_COLOUR_COUNT)
            colour = *STATE_COLOURS[player.path];
    }
    element->setOverrideColor(colour);
    element->enableOverrideColor(true);
    element->setText(stateText);
}
