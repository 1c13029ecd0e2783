#include "match/ball.h"

#include "players/player.h"

Ball ball;

void resetBall() {}
void updateBall() {}
void launchBall(float zt)
{
    ball.zt_dt = zt;
    ball.zt_dt2 = 2.0e-7f;
    ball.live = true;
}
bool ballImpact(Player&) { return false; }
void knockLoose(float, float) {}
void dropIfHolder(Player&, float, float) {}
void catchersGoForBall() {}

char holderTeam()
{
    return ball.holder ? ball.holder->team : 0;
}

void Player::hit_by_ball() {}
