#pragma once
// Scoring: where each team's goal lies, the run a scorer makes for it, and
// what a goal and a missed shot do to the match.

struct Player;

// cm: a scorer runs out to this line on its way to the goal.
constexpr float SCORING_RUN_RADIUS = 2760.0f;

// Track angle (rad) of a team's goal: π for the home team, 2π (the home
// gate's side) for the other.
float goalAngle(char team);
// The scorer is near enough its goal for the shot to go in: within π/64 of
// the goal angle, coming up to it. A home scorer at or past π still has the
// lap's remainder to run.
bool shotScores(const Player& scorer);
// The shot goes in: the scorer's team scores, the boards show it, and the ball
// is dead at its start.
void scoreGoal(const Player& scorer);
// The scorer ran out of angle: the ball is dead at its start.
void missShot(const Player& scorer);
