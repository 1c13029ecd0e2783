#include "match/commands.h"

#include <cstring>

#include "core/commentary.h"
#include "core/run_state.h"
#include "match/ball.h"
#include "match/match_clock.h"
#include "match/selection.h"
#include "players/player.h"

// cm/ms² added to the steered player's radial acceleration per command.
static constexpr float STEERING_STEP = 0.001f;
// Effort of the whole team sent lapping: half of top speed.
static constexpr float TEAM_LAPPING_EFFORT = 0.5f;

// Indexed by CommandKind.
static const char* const COMMAND_NAMES[COMMAND_KIND_COUNT] = {
    "select-player", "select-team", "switch-team", "steer-in",   "steer-out",       "auto-play",
    "fire-ball",     "clock-display", "even-spacing", "reset-ball", "team-laps",     "leave-seat",
    "pause",         "leave-track", "stop",         "roster-readouts", "camera-mode", "new-game",
};

MatchCommand matchCommand(CommandKind kind, int argument, bool control)
{
    return MatchCommand{kind, commandTakesArgument(kind) ? argument : 0, control && commandHeedsControl(kind)};
}

bool commandHeedsControl(CommandKind kind)
{
    return kind == COMMAND_EVEN_SPACING || kind == COMMAND_LEAVE_SEAT || kind == COMMAND_LEAVE_TRACK ||
           kind == COMMAND_STOP;
}

bool commandTakesArgument(CommandKind kind)
{
    return kind == COMMAND_SELECT_PLAYER || kind == COMMAND_SELECT_TEAM;
}

bool commandArgumentFits(CommandKind kind, int argument)
{
    switch (kind) {
    case COMMAND_SELECT_PLAYER:
        return argument >= 0 && argument < TEAM_SIZE;
    case COMMAND_SELECT_TEAM:
        return argument == 'H' || argument == 'A';
    default:
        return argument == 0;
    }
}

const char* commandName(CommandKind kind)
{
    return kind < COMMAND_KIND_COUNT ? COMMAND_NAMES[kind] : "";
}

CommandKind commandNamed(const char* name)
{
    for (int kind = 0; kind < COMMAND_KIND_COUNT; ++kind)
        if (strcmp(name, COMMAND_NAMES[kind]) == 0)
            return static_cast<CommandKind>(kind);
    return COMMAND_KIND_COUNT;
}

static void toggle(bool& flag)
{
    flag = !flag;
}

// A dead player stays dead until a new game resets it; no command moves it.
static bool canCommand(const Player& player)
{
    return player.path != DEAD;
}

// In (-1) or out (+1). The first command in the player chase takes the player
// over; further ones push it sideways, and one against the current push first
// brings the sideways motion to rest.
static bool steer(Player& player, float direction)
{
    if (player.is_selected()) {
        if (player.xr_dt2 * direction < 0.0f) {
            player.xr_dt = 0.0f;
            player.xr_dt2 = 0.0f;
        } else {
            player.xr_dt2 += direction * STEERING_STEP;
        }
        return true;
    }
    if (cameraMode == PLAYER_CHASE) {
        if (!canCommand(player))
            return true;
        // A player caught on a walk between seat and gate carries straight
        // x/z speeds in cm/ms; steering reads them as polar, which would spin
        // the player backwards round the track. It is taken over from rest.
        if (!player.polar) {
            player.zt_dt = 0.0f;
            player.xr_dt = 0.0f;
        }
        player.select();
        return player.set_path_handled(USER_CONTROL);
    }
    // Not the match's: the free camera strafes with the arrows.
    return false;
}

static void setTeamPath(char team, int path)
{
    for (int i = 0; i < TEAM_SIZE; ++i)
        if (canCommand(roster(team)[i]))
            roster(team)[i].set_path(path);
}

static void sendTeamLapping(char team)
{
    for (int i = 0; i < TEAM_SIZE; ++i)
        if (canCommand(roster(team)[i]))
            roster(team)[i].start_lapping(TEAM_LAPPING_EFFORT);
}

static void sendTeamOut(char team)
{
    for (int i = 0; i < TEAM_SIZE; ++i)
        roster(team)[i].leave_seat();
}

static void recallTeam(char team)
{
    for (int i = 0; i < TEAM_SIZE; ++i)
        roster(team)[i].leave_track();
}

static void stopEveryone()
{
    for (int i = 0; i < TEAM_SIZE; ++i) {
        if (canCommand(home_players[i]))
            home_players[i].stop();
        if (canCommand(away_players[i]))
            away_players[i].stop();
    }
}

bool executeCommand(const MatchCommand& command)
{
    if (!commandArgumentFits(command.kind, command.argument))
        return false;
    Player& p = *selectedPlayerRecord();
    const bool ctrl = command.control;
    switch (command.kind) {
    case COMMAND_SELECT_PLAYER:
        selectedPlayer = command.argument;
        // "%c%d %s" adds one blank, the text brings the other: "H3  selected".
        setPlayerCommentary(selectedTeam, selectedPlayer, " selected");
        return true;
    case COMMAND_SELECT_TEAM:
        selectedTeam = static_cast<char>(command.argument);
        return true;
    case COMMAND_SWITCH_TEAM:
        selectedTeam = selectedTeam == 'H' ? 'A' : 'H';
        return true;
    case COMMAND_STEER_IN:
        return steer(p, -1.0f);
    case COMMAND_STEER_OUT:
        return steer(p, +1.0f);
    case COMMAND_AUTO_PLAY:
        toggle(autoPlay);
        return true;
    case COMMAND_FIRE_BALL:
        fireBall();
        return true;
    case COMMAND_CLOCK_DISPLAY:
        toggle(matchClock.visible);
        return true;
    case COMMAND_EVEN_SPACING:
        if (ctrl)
            setTeamPath(selectedTeam, EVEN_SPACING);
        else if (canCommand(p))
            p.set_path(EVEN_SPACING);
        return true;
    case COMMAND_RESET_BALL:
        resetBall();
        return true;
    case COMMAND_TEAM_LAPS:
        sendTeamLapping(selectedTeam);
        return true;
    case COMMAND_LEAVE_SEAT:
        if (ctrl)
            sendTeamOut(selectedTeam);
        else
            p.leave_seat();
        return true;
    case COMMAND_PAUSE:
        toggle(paused);
        return true;
    case COMMAND_LEAVE_TRACK:
        if (ctrl)
            recallTeam(selectedTeam);
        else
            p.leave_track();
        return true;
    case COMMAND_STOP:
        if (ctrl)
            stopEveryone();
        else if (canCommand(p))
            p.stop();
        return true;
    case COMMAND_ROSTER_READOUTS:
        toggle(showRosterReadouts);
        return true;
    case COMMAND_CAMERA_MODE:
        cycleCameraMode();
        return true;
    case COMMAND_NEW_GAME:
        newGame();
        return true;
    default:
        return false;
    }
}
