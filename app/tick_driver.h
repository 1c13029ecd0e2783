#pragma once
// One road for every command and every match tick, in the window, the
// headless runner and both replays. A command takes effect at once, before
// the next tick, and a recording keeps it with that tick's number; a replay
// gives the recorded commands back before the ticks they preceded. Before
// each tick come the checks a recording writes or a replay compares, then
// whatever the caller keeps for drawing, then the match tick.

struct MatchCommand;

// Executes a command of the user's or of the headless runner's, and records
// it when the match took it. False when the match did not take it.
bool issueMatchCommand(const MatchCommand& command);

// Runs up to `count` ticks, each after the commands a replay recorded before
// it, and returns how many ran: fewer when the match is paused (by a command
// or a message), when a replay has played out, or at the final whistle.
// `beforeTick`, if given, runs just before each tick: the window keeps there
// the poses it draws from.
int runTicks(int count, void (*beforeTick)() = 0);

// The final whistle has blown: no tick runs until a new game.
bool matchOver();
