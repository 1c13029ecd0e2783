#pragma once
// The match's bodies in the scene: every player with its wheels and status
// ball, the referees and the ball. The match keeps where each stands in its
// records; every drawn frame poses the nodes from them. The match moves in
// 20 ms ticks and the screen is drawn at whatever rate the machine manages,
// so each frame shows the bodies part of the way from where the tick before
// the last left them to where the last tick left them. Something that moved
// further in one tick than anything can run (a player sent back to its seat,
// the ball put back to its start) is drawn where it landed.
#include <irrlicht.h>

struct Player;

// Shared meshes, loaded once by AddPlayers and AddReferees; owned by the engine.
extern irr::scene::IAnimatedMesh* bodyMesh;
extern irr::scene::IAnimatedMesh* wheelMesh;
extern irr::scene::IAnimatedMesh* statballMesh;
extern irr::scene::IAnimatedMesh* refereeMesh;

// Loads the player meshes and gives all twenty players their bodies, in
// shirt order, home before away. Halts with "Cannot find meshes @ AddPlayers"
// when the body, wheel or status-ball mesh is missing.
void AddPlayers();
// One player's body: its uniform, the wheels of its kind and its status ball.
void add_player(char team, int number);
// The three referees' bodies; halts with "Cannot find meshes @ AddReferees"
// without the referee mesh.
void AddReferees();
// The ball's steel sphere.
void addBallNode();

// Before a tick: remembers where every body stands, to draw the next frames
// from there.
void keepTickPoses();
// Forgets the remembered poses (a new scene, a jump in time): the next frames
// draw the records as they stand.
void forgetTickPoses();
// Poses every node `fraction` (0..1) of the way from the remembered poses to
// the records, and shows each player's condition on its status ball; 1, or
// nothing remembered yet, shows the records as they stand.
void poseBodies(float fraction);

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
