// The player state machine: the path transitions and each state's per-tick
// decision, ahead of the motion step.
#include <cmath>

#include "core/commentary.h"
#include "core/message.h"
#include "core/random.h"
#include "match/ball.h"
#include "match/match_clock.h"
#include "match/scoring.h"
#include "match/selection.h"
#include "players/player.h"
#include "players/track.h"

using irr::core::vector3df;

// Radii the states steer towards (cm).
static constexpr float WAITING_LINE_RADIUS = 2630.0f; // also the spacing line of lane 2
static constexpr float LANE_0_SPACING_RADIUS = 1830.0f;
static constexpr float LANE_1_SPACING_RADIUS = 2230.0f;
static constexpr float JOIN_RADIUS_MIN = 1700.0f;  // a player joins the track between these
static constexpr float JOIN_RADIUS_SPREAD = 1160.0f;

static constexpr float WALK_START_DIST2 = 36000000.0f; // cm², farther than any seat from its gate
static constexpr float SEAT_REACH2 = 10000.0f;         // cm², within 100 cm a stopped player sits down
static constexpr int SEATED_TICKS_BEFORE_LEAVING = 100;
static constexpr int SEAT_LEAVING_CONDITION = 33; // hp a rested player takes back onto the track

static constexpr float LAPPING_EFFORT = 0.5f;
static constexpr float WAITING_EFFORT = 0.5f;
static constexpr float HOMEWARD_EFFORT = 0.33f;
static constexpr float AFTER_GOAL_EFFORT = 0.33f;
static constexpr float AFTER_DEAD_BALL_EFFORT = 0.25f;
static constexpr float CATCH_EFFORT = 1.25f;     // asks beyond top speed; the setter caps it
static constexpr float EASE_OFF_EFFORT = 0.1f;

static constexpr float NO_RECEIVER_YET = 10.0f;  // rad, more than any angle ahead

static float gateX(char team)
{
    return team == 'A' ? -GATE_RADIUS : GATE_RADIUS;
}

// ---- Transitions -----------------------------------------------------------

void Player::stop()
{
    zt_dt2 = 0.0f;
    xr_dt2 = 0.0f;
    plan_path(0.0f, 0.0f, 0.0f);
    // The stop plan rests the player only once an earlier plan has a time;
    // before the first one (a player's first walk of the run) the speeds
    // would stay, and a walk's straight speeds read as polar ones would spin
    // the player round the track. A stop always leaves the player at rest.
    zt_dt = 0.0f;
    xr_dt = 0.0f;
    set_path(STOPPED);
}

void Player::kill()
{
    stop();
    set_path(DEAD);
}

void Player::start_lapping(float pms)
{
    this->pms = pms;
    set_path(LAPPING);
}

void Player::lap()
{
    plan_path(0.0f, PI_F / 6.0f, pms);
}

void Player::leave_seat()
{
    if (path != SEATED)
        return;
    target_xr = gateX(team);
    target_zt = 0.0f;
    // A straight walk at 1 cm/ms from where the body stands to the gate.
    const vector3df p = position;
    const float dx = target_xr - p.X;
    const float dz = target_zt - p.Z;
    const float d = sqrtf(dx * dx + dz * dz);
    xr_dt = dx / d;
    zt_dt = dz / d;
    last_dist2 = WALK_START_DIST2;
    change_condition(SEAT_LEAVING_CONDITION);
    set_path(SEAT_TO_GATE);
}

void Player::enter_track()
{
    plan_path(0.0f, 0.0f, 0.0f);
    target_xr = JOIN_RADIUS_MIN + randomScaled(JOIN_RADIUS_SPREAD);
    target_zt = TWO_PI_F; // at most one lap to reach the joining line
    set_path(GATE_TO_TRACK);
}

void Player::walk_to_seat()
{
    const vector3df gate(gateX(team), 0.0f, 0.0f);
    position = gate;
    const vector3df s = seat_position();
    target_xr = s.X;
    target_zt = s.Z;
    const float dx = s.X - gate.X;
    const float dz = s.Z;
    const float d = sqrtf(dx * dx + dz * dz);
    xr_dt = dx / d;
    zt_dt = dz / d;
    last_dist2 = WALK_START_DIST2;
    set_path(GATE_TO_SEAT);
}

void Player::leave_track()
{
    if (path != DEAD && path != SEATED && path != STOPPED) {
        // The angle on to the player's own gate: the away gate lies at π, the home gate at 2π.
        target_zt = (team == 'A' ? PI_F : TWO_PI_F) - theta;
        if (target_zt <= PI_F / 6.0f)
            target_zt += TWO_PI_F; // too close to turn off: one more lap
        set_path(TRACK_TO_GATE);
    }
    dropIfHolder(*this, xr_dt, zt_dt);
}

void Player::delay_of_game()
{
    setCommentary("Delay of game - dead ball\n");
    resetBall();
    start_lapping(AFTER_DEAD_BALL_EFFORT);
}

// ---- Per-state decisions ---------------------------------------------------

// The nearest lapping skater ahead of the catcher in its own team; a tie keeps
// the lower shirt number. Without one, the catcher holds the waiting line.
static void passToSkater(Player& player)
{
    const Player* players = roster(player.team);
    const Player* receiver = 0;
    float best = NO_RECEIVER_YET;
    for (int i = 0; i < TEAM_SIZE; ++i) {
        const Player& q = players[i];
        if (q.type != Skater || q.path != LAPPING)
            continue;
        const float ahead = angle_ahead(q.theta, player.theta);
        if (ahead < best) {
            best = ahead;
            receiver = &q;
        }
    }
    if (receiver)
        player.plan_path(receiver->r - player.r, best, FULL_EFFORT);
    else
        player.plan_path(WAITING_LINE_RADIUS - player.r, PI_F / 3.0f, WAITING_EFFORT);
}

static void interceptBall(Player& player)
{
    const float ahead = angle_ahead(ball.theta, player.theta);
    const float closingTime = ahead / (player.zt_dt - ball.zt_dt); // ms
    const float ballRadiusThen = ball.xr_dt * closingTime + ball.r;
    // Also false when the closing time is not a number: wait on the line instead.
    if (ballRadiusThen > BANK_START_RADIUS)
        player.chase(ball.r - player.r, ahead, CATCH_EFFORT, ball.zt_dt);
    else
        player.plan_path(WAITING_LINE_RADIUS - player.r, PI_F / 3.0f, WAITING_EFFORT);
}

// False when the run is over (missed or scored): the update ends there.
static bool runForGoal(Player& player)
{
    if (player.target_zt < 0.0f) {
        missShot(player);
        player.start_lapping(AFTER_DEAD_BALL_EFFORT);
        return false;
    }
    if (shotScores(player)) {
        scoreGoal(player);
        player.start_lapping(AFTER_GOAL_EFFORT);
        return false;
    }
    player.plan_path(SCORING_RUN_RADIUS - player.r, angle_ahead(goalAngle(player.team), player.theta), FULL_EFFORT);
    return true;
}

static void chaseScorer(Player& player, const Player& holder)
{
    const float ahead = angle_ahead(holder.theta, player.theta);
    if (ahead > PI_F / 2.0f) // far ahead, or just behind: ease right off
        player.plan_path(holder.r - player.r, PI_F / 6.0f, EASE_OFF_EFFORT);
    else if (ahead > PI_F / 24.0f)
        player.plan_path(holder.r - player.r, ahead, FULL_EFFORT);
    // Close enough: keep the speeds.
}

static void spaceEvenly(Player& player)
{
    switch (player.lane) {
    case 0:
        player.plan_path(LANE_0_SPACING_RADIUS - player.r, PI_F / 3.0f, WAITING_EFFORT);
        break;
    case 1:
        player.plan_path(LANE_1_SPACING_RADIUS - player.r, PI_F / 3.0f, WAITING_EFFORT);
        break;
    case 2:
        player.plan_path(WAITING_LINE_RADIUS - player.r, PI_F / 3.0f, WAITING_EFFORT);
        break;
    }
}

// Squared distance (cm²) in the x/z plane from p to the walk's target.
static float walkDistance2(const Player& player, const vector3df& p)
{
    const float dx = player.target_xr - p.X;
    const float dz = player.target_zt - p.Z;
    return dx * dx + dz * dz;
}

// Step 3 of the update: true when the player goes on to move this tick.
static bool decide(Player& player, const vector3df& p)
{
    switch (player.path) {
    case DEAD:
        return false;
    case SEATED:
        if (!autoPlay)
            return true;
        player.seated_ticks += 1;
        if (player.seated_ticks > SEATED_TICKS_BEFORE_LEAVING && player.penalty == 0) {
            player.seated_ticks = 0;
            player.leave_seat();
            return false;
        }
        return true;
    case STOPPED: {
        const vector3df s = player.seat_position();
        const float dx = s.X - p.X;
        const float dz = s.Z - p.Z;
        if (dx * dx + dz * dz <= SEAT_REACH2) {
            place_player(player, s);
            player.set_path(SEATED);
            return false;
        }
        return true;
    }
    case SEAT_TO_GATE:
    case GATE_TO_SEAT: {
        // The walk ends on the first tick the distance grows: one step past the target.
        const float d2 = walkDistance2(player, p);
        if (d2 <= player.last_dist2) {
            player.last_dist2 = d2;
            return true;
        }
        if (player.path == SEAT_TO_GATE)
            player.enter_track();
        else
            player.stop();
        return false;
    }
    case GATE_TO_TRACK:
        player.plan_path(player.target_xr - player.r, player.target_zt, FULL_EFFORT);
        if (player.r >= player.target_xr || player.target_zt <= 0.0f) {
            player.start_lapping(LAPPING_EFFORT);
            return false;
        }
        return true;
    case TRACK_TO_GATE:
        if (player.target_zt < 0.0f) {
            player.walk_to_seat();
            return false;
        }
        player.plan_path(GATE_RADIUS - player.r, player.target_zt, HOMEWARD_EFFORT);
        return true;
    case LAPPING:
        player.lap();
        return true;
    case PASS_TO_SKATER:
        if (player.target_zt < 0.0f) {
            player.delay_of_game();
            return false;
        }
        passToSkater(player);
        return true;
    case ATTEMPTING_CATCH:
        interceptBall(player);
        return true;
    case TRYING_TO_SCORE:
        return runForGoal(player);
    case ATTACK_SCORER:
        if (ball.holder) {
            chaseScorer(player, *ball.holder);
        } else {
            setCommentary("Ball is dropped!");
            player.start_lapping(LAPPING_EFFORT);
        }
        return true;
    case DEFEND_GOAL: {
        const float goalLine = player.team == 'H' ? 3.0f * PI_F : 4.0f * PI_F;
        if (player.theta + TWO_PI_F + PI_F / 12.0f > goalLine) {
            player.stop();
            return false;
        }
        return true;
    }
    case EVEN_SPACING:
        spaceEvenly(player);
        return true;
    case USER_CONTROL:
        // The user steers only while the chase camera follows the player.
        if (cameraMode != PLAYER_CHASE) {
            player.deselect();
            player.start_lapping(LAPPING_EFFORT);
        }
        return true;
    default:
        reportMessage(MESSAGE_HALT, "\nWarning! Unhandled vel-acc pathtype - stopping player\n");
        return false;
    }
}

// ---- The tick --------------------------------------------------------------

void update_player(char team, int number)
{
    Player& player = playerOf(team, number);
    const vector3df p = read_track_position(player);
    if (decide(player, p))
        advance_player(player, p);
}

void update_players()
{
    // Home and away alternate by shirt number: the order decides who sees whose
    // new position within a tick.
    for (int number = 0; number < TEAM_SIZE; ++number) {
        update_player('H', number);
        update_player('A', number);
    }
}
