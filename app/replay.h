#pragma once
// Playing a recording back: the recorded seed and biker switch, the recorded
// commands given before the ticks they took effect before, each recorded check
// compared with the match as it stands, and the final digest compared at the
// end. The window and the headless runner share it.

// Reads and checks the whole recording at `path`. False, after a message on
// standard error naming `program` and what is wrong, for a file that cannot
// be read, is damaged or is no recording.
bool loadReplay(const char* path, const char* program);
// A recording is loaded and being played.
bool replayingMatch();
// Puts the recording away: the match is the user's again.
void closeReplay();
unsigned replaySeed();
bool replayBikerSwitch();
// Ticks the recorded run started; its end line was written after them.
long replayEndTick();

// Gives the match the recorded commands that took effect before tick `tick`
// and have not been given yet.
void applyReplayedCommands(long tick);
// Before tick `tick`: its commands, and false once the recording has played
// out (then, once, the last commands, the verdict on the console, and "end
// of the recording" in the commentary). No tick runs after.
bool playReplayTo(long tick);
// The recording has played out: the match stands still where it ended.
bool replayPlayedOut();
// Before tick `tick` runs: compares the recorded check of that tick, if any.
// The first difference is announced on the console and kept.
void checkBeforeTick(long tick);
// The first tick before which the match differed from the recording, 0 if
// none yet.
long replayDivergedAt();
// Compares the match's end (ticks started, digest) with the recording's and
// prints the verdict, once for the run: 0 for the same match, 1 for another.
int finishReplay();
// The match has been put back to where it stood after tick `tick` (a seek):
// the recorded commands and checks after it are to come again, and a
// recording that had played out plays on.
void rewindReplayTo(long tick);
