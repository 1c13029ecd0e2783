#pragma once
// Drawing between ticks. The match moves in 20 ms ticks, the screen is drawn
// at whatever rate the machine manages: each drawn frame shows the players
// (with their wheels and status balls), the ball and the referees part of the
// way from where the tick before the last left them to where the last tick
// left them. The nodes are put back to the last tick's positions right after
// drawing, since the node position is the match's own record of a player.
// Something that moved further in one tick than anything can run (a wrap past
// 2π aside, a player sent back to its seat, the ball put back to its start)
// is drawn where it landed.

struct Player;

// Before a tick: remembers where every drawn thing stands.
void keepTickState();
// Moves the nodes `fraction` (0..1) of the way from the remembered state to
// the present one; 1, or nothing remembered yet, leaves them where they are.
void showBetweenTicks(float fraction);
// Puts the nodes back where the last tick left them.
void restoreTickState();
// Forgets the remembered state (a new scene): the next frames draw the tick state.
void forgetTickState();

// A track position as drawn: radius (cm), angle (rad), bank height (cm).
struct TrackPoint {
    float r;
    float theta;
    float height;
};
// Where the chase cameras see a player or the ball in the frame being drawn:
// the record's own values outside drawing.
TrackPoint drawnTrackPoint(const Player& player);
TrackPoint drawnBallPoint();
