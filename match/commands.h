#pragma once
// The user's commands to the match, as records: what to do, to whom, and
// whether Ctrl was held. Keys become commands in the input; recordings keep
// them and replays give them back; the headless runner gives its own. All of
// them reach the match through executeCommand, before the next tick.

enum CommandKind : unsigned char {
    COMMAND_SELECT_PLAYER,   // the shirt number in `argument`; the commentary names the player
    COMMAND_SELECT_TEAM,     // the team letter ('H' or 'A') in `argument`
    COMMAND_SWITCH_TEAM,     // home to away and back
    COMMAND_STEER_IN,        // the selected player: taken over, or pushed in towards the centre
    COMMAND_STEER_OUT,       // ... or out towards the wall
    COMMAND_AUTO_PLAY,       // automatic play on or off
    COMMAND_FIRE_BALL,
    COMMAND_CLOCK_DISPLAY,   // the boards' clock frozen or running
    COMMAND_EVEN_SPACING,    // the selected player, or with Ctrl its team, spaces out on its lane
    COMMAND_RESET_BALL,
    COMMAND_TEAM_LAPS,       // the whole selected team laps at half effort
    COMMAND_LEAVE_SEAT,      // the selected player, or with Ctrl its team, goes out on the track
    COMMAND_PAUSE,           // the match stands still or goes on
    COMMAND_LEAVE_TRACK,     // the selected player, or with Ctrl its team, is recalled to its seat
    COMMAND_STOP,            // the selected player, or with Ctrl every player, stops where it is
    COMMAND_ROSTER_READOUTS, // every player's readout shown or hidden
    COMMAND_CAMERA_MODE,     // the next camera mode, as the match sees it
    COMMAND_NEW_GAME,
    COMMAND_KIND_COUNT
};

struct MatchCommand {
    CommandKind kind;
    int argument; // COMMAND_SELECT_PLAYER: the shirt number 0..9; COMMAND_SELECT_TEAM: 'H' or 'A'; else 0
    bool control; // Ctrl held: kept only for the commands that heed it (see commandHeedsControl)
};

// The command as the match takes it: Ctrl dropped where it means nothing,
// so that a command is the same however it was given.
MatchCommand matchCommand(CommandKind kind, int argument = 0, bool control = false);
// Ctrl changes what the command does: even spacing, leaving the seat or the
// track, and stopping.
bool commandHeedsControl(CommandKind kind);
// The command takes an argument: selecting a player or a team.
bool commandTakesArgument(CommandKind kind);
// A command's argument is one the match can take: a shirt 0..9, a team letter.
bool commandArgumentFits(CommandKind kind, int argument);

// Carries the command out on the match, as it stands before the next tick.
// False when the match did not take it: steering when no player is under
// the user's control and the player chase is not on (the arrows then fly the
// free camera), or an argument out of range.
bool executeCommand(const MatchCommand& command);

// The command's word in a recording ("select-player", "leave-seat", ...),
// and the kind of a word; COMMAND_KIND_COUNT for a word of no command.
const char* commandName(CommandKind kind);
CommandKind commandNamed(const char* name);
