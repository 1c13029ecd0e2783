#pragma once
// The viewer's hold on time: the match's speed, single ticks, seeking in a
// recording, and the instant replay of the live match's last seconds. The
// match is the same whatever the viewer does: a live match only ever runs
// forward, and what an instant replay shows of its past is a kept copy put
// back for a moment, the live match put back after it.
#include "ui/input.h"

// Start of a run, after the first new game and before the first frame: a
// replay keeps its first copy (tick 0) to seek back to.
void startPlayback();

// The viewer's keys for time: the speed keys, . and , (one tick on, one
// back), the seek keys, G, and P while a recording or an instant replay is
// watched. True when the key did something.
bool controlTime(ViewerAction action);

// One drawn frame's ticks: as many as the real time owed calls for at the
// match's speed, of the live match, of a recording, or of an instant replay.
void playFrameTicks();

// How far between its last two ticks the frame stands, 0..1; 1 while what is
// shown stands still.
float frameFraction();

// Jumps a replay to just after tick `target` (0 to the recording's end):
// from the nearest copy kept at or before it, or from where it stands when
// that is nearer, running the ticks between without drawing. Copies are kept
// on the way. False outside a replay.
bool seekReplay(long target);

// Starts an instant replay of the last `ticks` ticks of the live match; false
// when there is nothing to show (a replay, no tick played yet, one already
// showing).
bool startInstantReplay(int ticks);
// Ends it: the live match stands exactly where it stood.
void endInstantReplay();

// Automatic play shows the last seconds again after every goal (--goal-replays).
extern bool goalReplays;
