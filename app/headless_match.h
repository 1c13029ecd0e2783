#pragma once
// Whole matches on the engine's null driver with the game's own code, all in
// one process: each from a clean state, a new game, automatic play, the
// window's fixed ticks, until the final whistle; and recorded matches played
// back.
#include "match/match_stats.h"

constexpr int DEFAULT_HEADLESS_STEP = 20; // ms, a 50 fps frame
constexpr int HEADLESS_FAULT_SIZE = 160;       // characters

// What a match leaves behind.
struct HeadlessResult {
    MatchStats stats;
    int homeScore;
    int awayScore;
    long ticks;
    int pauses;   // level-0 messages, each resumed at once as the user would
    bool gameOver; // ended by the final whistle
    char fault[HEADLESS_FAULT_SIZE]; // the first impossible state found, empty if none
    double wallSeconds;
};

// The game built once on the null driver for the matches this process
// plays. False when no null-driver device can be made.
bool buildHeadlessGame();

// Plays one match seeded with `seed`, from a clean state, as the window would
// with frames of `step` ms (1..99): the same 20 ms ticks whatever the step,
// so the same match. The game's console lines go nowhere while it plays.
// Returns false when the match did not reach the final whistle or left a
// fault. With a `recordPath`, the match is recorded there as the window
// would record it. Builds the game first if it is not built yet.
bool playHeadlessMatch(unsigned seed, int step, HeadlessResult& result, const char* recordPath = 0);

// The runner's report of match `index` (from 1), played with `seed`: the
// score, the statistics, how it ended, the score by period and every goal
// and miss, from the match's log as the match left it.
void printMatchReport(int index, unsigned seed, const HeadlessResult& result);

// Plays the recording at `path` on the null driver. Returns 0 when the match
// ends as recorded, 1 when it diverged (the tick is said on standard output),
// 2 when the file is damaged or no recording (said on standard error). The game's
// own console lines are printed as they come.
int replayHeadless(const char* path);
// The loaded recording's ticks on a game just built: its seed, commands,
// checks and end. 0 for the same match, 1 for another.
int playReplay();

// The first field of a player or the ball that is not a number, or a player
// index out of its range, as text; null when every record is sound.
const char* findUnsoundRecord();
