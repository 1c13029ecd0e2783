#include "match/ball.h"

#include <cmath>
#include <initializer_list>

#include "core/commentary.h"
#include "core/message.h"
#include "core/run_state.h"
#include "match/match_events.h"
#include "match/match_log.h"
#include "match/match_stats.h"
#include "players/player.h"
#include "players/player_dump.h"
#include "players/track.h"

// Whole-run record; resetBall puts the ball at its start.
Ball ball;

static const irr::core::vector3df BALL_START(0.0f, 410.0f, -2860.0f); // cm
static constexpr float LAUNCH_ANGULAR_ACCELERATION = 2.0e-7f; // rad/ms², slows the fired ball
static constexpr float SLOW_ANGULAR_SPEED = -0.0008f;         // rad/ms; slower than this it rolls down
// cm/ms²: a tenth of gravity along the 18-degree bank, worked in double precision.
static const float ROLL_DOWN_ACCELERATION =
    static_cast<float>(-0.00098 * sin(0.31415926236) / 10.0);
static constexpr float BALL_ABOVE_BANK = 10.0f;    // cm, centre of the ball above the surface
static constexpr float BALL_ABOVE_HOLDER = 200.0f; // cm, above the holder's body
static constexpr float CATCH_REACH_SQUARED = 10000.0f; // cm², 100 cm
static constexpr float HIT_REACH_SQUARED = 2500.0f;    // cm², 50 cm
static constexpr float HIT_SPEED_DIVISOR = 4.0f;
static constexpr float CATCH_ANGLE_BUDGET = 12.566371f; // rad, 4π: two laps to hand the ball on
static constexpr int BANK_LANE = 2;
// Effort of the chasers sent back to lapping when the ball is reset.
static constexpr float CATCHER_GIVES_UP_EFFORT = 0.4f;
static constexpr float ATTACKER_GIVES_UP_EFFORT = 0.5f;

static void readTrackPosition(const irr::core::vector3df& position)
{
    ball.r = trackRadius(position.X, position.Z);
    ball.theta = trackAngle(position.X, position.Z, ball.r);
}

// Players chasing a ball that is no longer in play go back to lapping.
static void releaseChasers()
{
    for (int number = 0; number < TEAM_SIZE; ++number) {
        for (Player* p : {&home_players[number], &away_players[number]}) {
            if (p->path == ATTACK_SCORER)
                p->start_lapping(ATTACKER_GIVES_UP_EFFORT);
            else if (p->path == ATTEMPTING_CATCH)
                p->start_lapping(CATCHER_GIVES_UP_EFFORT);
        }
    }
}

void resetBall()
{
    ball.position = BALL_START;
    readTrackPosition(BALL_START);
    ball.height = bankHeight(ball.r);
    ball.xr_dt = 0;
    ball.zt_dt = 0;
    ball.xr_dt2 = 0;
    ball.zt_dt2 = 0;
    ball.holder = 0;
    ball.held_ms = 0;
    releaseChasers();
    ball.live = false;
}

void catchersGoForBall()
{
    for (int number = 0; number < TEAM_SIZE; ++number) {
        for (Player* p : {&home_players[number], &away_players[number]}) {
            if (p->type == Catcher && p->path == LAPPING)
                p->set_path(ATTEMPTING_CATCH);
        }
    }
}

static void followHolder(float dt)
{
    Player& holder = *ball.holder;
    ball.held_ms += dt;
    irr::core::vector3df position = holder.position;
    position.Y += BALL_ABOVE_HOLDER;
    ball.position = position;
    // No 2π here: a held ball's angle lies in (−π/2, 3π/2), as the HUD and cameras read it.
    ball.r = trackRadius(position.X, position.Z);
    ball.theta = polarAngle(position.X, position.Z, ball.r);
    ball.xr_dt = holder.xr_dt;
    ball.zt_dt = holder.zt_dt;
    if (holder.path != PASS_TO_SKATER && holder.path != TRYING_TO_SCORE) {
        // Reported once: the holder then loses the ball, as one sent off the
        // track does, so resuming the match does not stop it again.
        reportMessage(MESSAGE_PAUSE, "ball holder not OK");
        printPlayerDump(holder);
        dropIfHolder(holder, holder.xr_dt, holder.zt_dt);
        return;
    }
    if (ball.held_ms > POSSESSION_LIMIT_MS)
        holder.delay_of_game();
}

static void moveLooseBall(float dt)
{
    readTrackPosition(ball.position);
    ball.xr_dt += ball.xr_dt2 * dt;
    // A loose ball never travels with the players: one knocked loose that way stops dead in angle.
    if (ball.zt_dt > 0) {
        ball.zt_dt = 0;
        ball.zt_dt2 = 0;
    }
    ball.zt_dt += ball.zt_dt2 * dt;
    ball.r += ball.xr_dt * dt;
    ball.theta += ball.zt_dt * dt;
    if (ball.theta <= 0)
        ball.theta += TWO_PI_F;
    ball.height = bankHeight(ball.r);
    ball.position.set(ball.r * cosf(ball.theta), ball.height + BALL_ABOVE_BANK, ball.r * sinf(ball.theta));
}

// Home and away players of one shirt number are tested as a pair; the scan
// stops after the first number at which either was impacted. Once the home
// catcher has caught the ball, the away catcher of that number has nothing
// left to catch and is not tested.
static void impactScan()
{
    for (int number = 0; number < TEAM_SIZE; ++number) {
        bool impacted = ballImpact(home_players[number]);
        if (!ball.holder)
            impacted = ballImpact(away_players[number]) || impacted;
        if (impacted)
            return;
    }
}

void updateBall()
{
    if (ball.holder) {
        followHolder(tickStep);
        return;
    }
    ball.held_ms = 0;
    moveLooseBall(tickStep);
    if (!ball.live || !(ball.zt_dt - SLOW_ANGULAR_SPEED > 0))
        return;
    // Slow: from the first slow update on, it keeps its angular speed and rolls down the bank.
    if (ball.xr_dt2 == 0) {
        ball.xr_dt2 = ROLL_DOWN_ACCELERATION;
        ball.zt_dt2 = 0;
        catchersGoForBall();
    }
    if (ball.r < BANK_START_RADIUS) {
        setCommentary("ball rolls out of play");
        ++matchStats.out_of_play;
        resetBall();
        return;
    }
    impactScan();
}

void launchBall(float zt)
{
    ball.zt_dt = zt;
    ball.zt_dt2 = LAUNCH_ANGULAR_ACCELERATION;
    ball.live = true;
}

static bool canCatch(const Player& p)
{
    return p.path != DEAD && p.path != STOPPED && p.path != GATE_TO_TRACK && p.path != TRACK_TO_GATE &&
           p.lane == BANK_LANE;
}

bool ballImpact(Player& p)
{
    const float dx = ball.position.X - p.position.X;
    const float dz = ball.position.Z - p.position.Z;
    const float distanceSquared = dx * dx + dz * dz;
    if (p.type == Catcher) {
        if (!canCatch(p) || distanceSquared > CATCH_REACH_SQUARED)
            return false;
        if (ball.holder)
            reportMessage(MESSAGE_HALT, "How can ball impact if already held?");
        setPlayerCommentary(p.team, p.number, "catches ball!");
        ball.holder = &p;
        p.target_zt = CATCH_ANGLE_BUDGET;
        p.set_path(PASS_TO_SKATER);
        ++matchStats.catches;
        logPlayerEvent(EVENT_CATCH, p);
        return true;
    }
    if (distanceSquared > HIT_REACH_SQUARED)
        return false;
    p.hit_by_ball();
    ball.zt_dt /= HIT_SPEED_DIVISOR;
    ++matchStats.hits;
    logPlayerEvent(EVENT_BALL_HIT, p);
    return true;
}

void knockLoose(float xr, float zt)
{
    setCommentary("Ball knocked loose!");
    ball.xr_dt = xr;
    ball.zt_dt = zt;
    if (ball.holder)
        logBallLost(*ball.holder);
    ball.holder = 0;
    ++matchStats.knock_looses;
    catchersGoForBall();
}

void dropIfHolder(Player& p, float xr, float zt)
{
    if (ball.holder == &p)
        knockLoose(xr, zt);
}

char holderTeam()
{
    return ball.holder ? ball.holder->team : 0;
}

static constexpr int HIT_DAMAGE = -33;    // condition points
static constexpr int HIT_WOBBLE_TICKS = 10;

void Player::hit_by_ball()
{
    setPlayerCommentary(team, number, "hit by ball!");
    change_condition(HIT_DAMAGE);
    wobble = HIT_WOBBLE_TICKS;
}
