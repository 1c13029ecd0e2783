// The player record and the rosters, the referees, seats and reset.
#include "players/player.h"

#include <initializer_list>

#include "core/message.h"
#include "players/track.h"

using irr::core::vector3df;

// Whole-run records: zero-filled at program start, given their shirts and
// posts by setUpRosters and setUpReferees, renewed by reset at every new game.
Player home_players[TEAM_SIZE];
Player away_players[TEAM_SIZE];
Referee referees[REFEREE_COUNT];

// Shirt numbers below these are bikers, then catchers; the rest skate.
static constexpr int FIRST_CATCHER = 3;
static constexpr int FIRST_SKATER = 5;

// Seat rows, 50 cm apart: home along +z, away along -z of the centre.
static constexpr float SEAT_SPACING = 50.0f;   // cm
static constexpr float HOME_SEAT_X0 = -218.0f; // cm, seat of shirt 0
static constexpr float HOME_SEAT_Z = 457.0f;
static constexpr float AWAY_SEAT_X0 = -224.0f;
static constexpr float AWAY_SEAT_Z = -465.0f;

static constexpr float FULL_MASS = 100.0f; // kg
static constexpr int FULL_CONDITION = 100; // hp

struct RefereePost {
    vector3df position; // cm
    float yaw;          // degrees
};
// The chief stands above the centre; the other two on the floor on the z axis.
static const RefereePost REFEREE_POSTS[REFEREE_COUNT] = {
    {vector3df(0.0f, 150.0f, 0.0f), 0.0f},
    {vector3df(0.0f, 0.2f, 850.0f), 45.0f},
    {vector3df(0.0f, 0.2f, -850.0f), 90.0f},
};

// Indexed by PathState; the gaps at 13 and 15 are never assigned.
static const char* const PATH_STATE_TEXTS[] = {
    "DEAD",
    "SEATED",
    "STOPPED",
    "SEAT TO GATE",
    "GATE TO SEAT",
    "GATE TO TRACK",
    "TRACK TO GATE",
    "LAPPING",
    "PASS TO SKATER",
    "ATTEMPTING CATCH",
    "TRYING TO SCORE",
    "ATTACK SCORER",
    "DEFEND GOAL",
    "UNKNOWN",
    "F:EVEN SPACING",
    "UNKNOWN",
    "USER CONTROL",
};
static constexpr int PATH_STATE_COUNT = sizeof PATH_STATE_TEXTS / sizeof PATH_STATE_TEXTS[0];

void setUpRosters()
{
    for (int number = 0; number < TEAM_SIZE; ++number) {
        for (Player* p : {&home_players[number], &away_players[number]}) {
            p->team = p == &home_players[number] ? 'H' : 'A';
            p->number = number;
            p->type = number < FIRST_CATCHER ? Biker : number < FIRST_SKATER ? Catcher : Skater;
        }
    }
}

void setUpReferees()
{
    for (int i = 0; i < REFEREE_COUNT; ++i) {
        Referee& referee = referees[i];
        referee.yaw = REFEREE_POSTS[i].yaw;
        referee.position = REFEREE_POSTS[i].position;
        referee.rotation = vector3df(0.0f, referee.yaw, 0.0f);
    }
}

int HowManyOnTrack(int type, char team)
{
    // Kinds come from the shirt numbers, not from the type field.
    int first;
    int last;
    switch (type) {
    case Biker:
        first = 0;
        last = FIRST_CATCHER - 1;
        break;
    case Catcher:
        first = FIRST_CATCHER;
        last = FIRST_SKATER - 1;
        break;
    case Skater:
        first = FIRST_SKATER;
        last = TEAM_SIZE - 1;
        break;
    default:
        reportMessage(MESSAGE_HALT, "Unknown player type @ HowManyOnTrack");
        return 0;
    }
    const Player* players = roster(team);
    int count = 0;
    for (int number = first; number <= last; ++number)
        if (players[number].lane != 0)
            ++count;
    return count;
}

const char* pathStateText(int path)
{
    if (path < 0 || path >= PATH_STATE_COUNT)
        return "UNKNOWN";
    return PATH_STATE_TEXTS[path];
}

void Player::reset()
{
    selected = 0;
    polar = 0;
    mass = FULL_MASS;
    penalty = 0;
    hp = FULL_CONDITION;
    change_condition(0); // shows the full-condition status ball
    seated_ticks = 0;
    power = 0.0f;
    exertion = 0.0f;
    seat = seat_position();
    position = seat;
    r = trackRadius(seat.X, seat.Z);
    theta = trackAngle(seat.X, seat.Z, r);
    stop();
}

vector3df Player::seat_position() const
{
    if (team == 'H')
        return vector3df(SEAT_SPACING * number + HOME_SEAT_X0, 0.0f, HOME_SEAT_Z);
    return vector3df(SEAT_SPACING * number + AWAY_SEAT_X0, 0.0f, AWAY_SEAT_Z);
}

void Player::set_path(int p)
{
    lp = path;
    path = p;
    // Only the two walks between seat and gate move in straight x/z lines.
    polar = (p == SEAT_TO_GATE || p == GATE_TO_SEAT) ? 0 : 1;
    // Whatever takes a player out of user control (a command, a stop at the
    // wall, a crit, the camera leaving it) hands it back to the game: the
    // user-control mark goes and the arrows no longer steer it.
    if (p != USER_CONTROL && selected)
        deselect();
}

bool Player::set_path_handled(int p)
{
    set_path(p);
    return true;
}

void Player::select() { selected = 1; }

void Player::deselect()
{
    zt_dt2 = 0.0f;
    xr_dt2 = 0.0f;
    selected = 0;
}
