#pragma once
// The steel ball: its flight, possession and loss.
#include <irrlicht.h>

struct Player;

struct Ball {
    Player* holder;  // null while the ball is loose
    bool live;       // in play: set by launchBall, cleared by resetBall
    float r;         // cm
    float theta;     // rad; [0, 2π) while loose, (−π/2, 3π/2) while held
    float height;    // cm, bank height under the ball
    float xr_dt;     // cm/ms, positive outwards
    float zt_dt;     // rad/ms, negative against the players' direction
    float xr_dt2;    // cm/ms²
    float zt_dt2;    // rad/ms²
    irr::scene::ISceneNode* node; // the sphere; null until the first resetBall
};

extern Ball ball;

void resetBall();
void updateBall();
void launchBall(float zt);
bool ballImpact(Player& p);
void knockLoose(float xr, float zt);
void dropIfHolder(Player& p, float xr, float zt);
// Every lapping catcher of both teams goes for the loose ball.
void catchersGoForBall();

// Holder queries.
inline Player* ballHolder() { return ball.holder; }
inline bool isHolder(const Player* p) { return ball.holder == p; }
char holderTeam(); // the holder's team letter, 0 while the ball is loose
