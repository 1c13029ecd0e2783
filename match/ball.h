#pragma once
// The steel ball: its flight, possession and loss.
#include <irrlicht.h>

#include "core/run_state.h"

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
    // The steel sphere in the scene, made once by addBallNode; presentation
    // poses it from this record, and the match never reads it.
    irr::scene::ISceneNode* node;
    float held_ms;   // game time (ms, the sum of the time steps) held without a break; 0 while loose
    // cm: where the ball is: 10 cm above the bank while loose, 200 cm above
    // its holder's body while held.
    irr::core::vector3df position;
};

// A holding of ten minutes on the game clock is ended as a delay of game.
// The longest possessions in play end within about four minutes of the game
// clock (a catcher's two laps of waiting, then the scorer's run), rarely up
// to six; a holder who goes on far beyond that has stalled (a scorer that
// cannot climb to its line stands still) and would hold the match up for ever.
constexpr int POSSESSION_LIMIT_GAME_MINUTES = 10;
// The limit in the ticks' own game time (the sum of their time steps): a
// game-clock second is as many ticks as a tick lasts milliseconds, 20 ticks
// of 20 ms, so ten minutes are 240,000 ms.
constexpr float GAME_SECOND_MS = static_cast<float>(TICK_MS * TICK_MS);
constexpr float POSSESSION_LIMIT_MS = POSSESSION_LIMIT_GAME_MINUTES * 60 * GAME_SECOND_MS;

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
