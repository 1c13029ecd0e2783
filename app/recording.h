#pragma once
// Recording a match: the seed, the biker switch, every command the match
// took with the tick before which it took effect, checks of the match state
// on the way, and the digest at the end. The format is in the README.

struct MatchCommand;

// First line of every recording; the number is the format's version. Version
// 1 kept the keys' engine codes ("k" lines), version 2 keeps the commands
// ("m" lines); both are read.
constexpr const char RECORDING_HEADER[] = "skorvane recording 2";
constexpr const char RECORDING_HEADER_KEYS[] = "skorvane recording 1";
// A check of the match state is written every this many ticks (10 game
// seconds), and before every tick that follows a command.
constexpr long RECORDING_CHECK_TICKS = 500;

// Opens `path` for writing, before start-up. False, after a message on
// standard error, when the file cannot be written.
bool openRecording(const char* path);
// After start-up, before the first tick: the header, the seed and the biker
// switch (read from "skorvane.ini" at start-up), which moves every body.
void startRecording(unsigned seed);
// A recording is being written (from startRecording to finishRecording).
bool recordingMatch();
// A command the match took: it took effect before tick matchTickNumber + 1.
// Nothing when no recording is written.
void recordCommand(const MatchCommand& command);
// Before tick `tick` runs: writes a check when one is due.
void recordBeforeTick(long tick);
// The end line, with the ticks started and the digest of the match as it
// stands; closes the file. Q, a closed window or a halt ("Game Over!") end
// a recording. Does nothing when no recording is open.
void finishRecording();
