#pragma once
// The director: chooses the camera mode and the player the player chase
// follows, by the play, as a television director cuts between cameras. It
// sets the view only, never the match (the match's own camera mode, which a
// player under the user's control needs, stays the user's), so a match
// watched with it is the match watched without it.
//
// About every second of play, and at once when something happens, it scores
// the shots it could show: a run for goal (the scorer, in the player chase)
// above a death, a loose ball (the ball chase), a player sent off or
// penalised, the catcher holding the ball, a big hit, and a dead ball (the
// end view). It cuts to the best when the shot on show has had 3 seconds,
// and after a goal or a death it stays 2 seconds more on what showed it. A
// shot held 20 seconds without a run for goal gives way to the next best.
// Times are seconds of play as watched at normal speed: 50 ticks each.

struct DirectorShot {
    int mode;   // CameraMode
    char team;  // the followed player's, in the player chase
    int number; // -1 outside the player chase
};

inline bool operator==(const DirectorShot& a, const DirectorShot& b)
{
    return a.mode == b.mode && a.team == b.team && a.number == b.number;
}
inline bool operator!=(const DirectorShot& a, const DirectorShot& b)
{
    return !(a == b);
}

constexpr long DIRECTOR_REVIEW_TICKS = 50;   // a second between two looks at the play
constexpr long SHORTEST_SHOT_TICKS = 150;    // 3 s
constexpr long HOLD_AFTER_GOAL_TICKS = 100;  // 2 s
constexpr long LONGEST_SHOT_TICKS = 1000;    // 20 s

// On: D, or --director at start. Suspended: the user looked for themselves
// (V, an arrow, the mouse), until D.
extern bool directorOn;
extern bool directorSuspended;
// Each cut named on the console ("director: ball chase"), with --verbose.
extern bool directorSaysCuts;

// The director's shot is the one on show.
bool directing();
const DirectorShot& directorShot();
// Cuts so far, the first shot included.
long directorCuts();

// D: on; on again after a suspension; else off.
void toggleDirector();
// The user took the camera.
void suspendDirector();
// Forgets what it saw and shot: the next look starts afresh.
void resetDirector();

// After the ticks of a frame, at match tick `tick`: looks at the play when
// due or when something happened, and cuts when the rules allow. Does
// nothing while off or suspended.
void direct(long tick);
