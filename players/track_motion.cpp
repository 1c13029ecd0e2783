// Track motion: the path planner with its energy and power limit, the speed
// setters, and the per-tick integration, placement and turn of a player.
#include <cmath>

#include "core/message.h"
#include "core/run_state.h"
#include "core/switches.h"
#include "players/player.h"
#include "players/player_dump.h"
#include "players/track.h"

using irr::core::vector3df;

static constexpr float BIKER_TOP_SPEED = 2.5146f;  // cm/ms (56.25 mph)
static constexpr float RUNNER_TOP_SPEED = 1.2573f; // cm/ms, skaters and catchers (about 28.1 mph)
static constexpr float BIKER_POWER_LIMIT = 0.08f;  // kg·cm²/ms³
static constexpr float RUNNER_POWER_LIMIT = 0.02f; // kg·cm²/ms³
// plan_power of a plan that takes no time: such a plan never changes the speeds.
static constexpr float TIMELESS_PLAN_POWER = 99.0f;
static constexpr float PI_IN_TURN = 3.1415926236f; // radians to degrees for the body's turn
static constexpr float WOBBLE_TILT = 15.0f;        // degrees
static constexpr float BIKER_SWITCH_RAISE = 100.0f; // cm; the biker models stand on their wheels

float Player::top_speed() const
{
    return type == Biker ? BIKER_TOP_SPEED : RUNNER_TOP_SPEED;
}

float Player::power_limit() const
{
    return type == Biker ? BIKER_POWER_LIMIT : RUNNER_POWER_LIMIT;
}

float angle_ahead(float a, float b)
{
    // For angles in [0, 2π) this is a − b, plus 2π unless above 0 (fmodf is exact
    // there). Angles outside that range still come out in (0, 2π]: a held ball's
    // angle lies in (−π/2, 3π/2), and a player's may pass 2π until its next
    // read-back; a plain a − b would put them behind or more than a lap ahead.
    float ahead = fmodf(a - b, TWO_PI_F);
    if (!(ahead > 0.0f))
        ahead += TWO_PI_F;
    return ahead;
}

// Energy of height on the bank, counted along its slope (kg·cm²/ms²).
static float bankPotential(float mass, float r)
{
    if (r <= BANK_START_RADIUS)
        return 0.0f;
    return mass * GRAVITY * tanf(BANK_ANGLE) * (r - BANK_START_RADIUS);
}

void Player::plan_path(float dr, float dtheta, float pms)
{
    const float top = top_speed();
    const float limit = power_limit();
    const float targetRadius = r + dr;

    if (dtheta < 0.0f)
        dtheta += TWO_PI_F;
    this->pms = pms;
    plan_t_dt = pms * top / targetRadius;
    if (plan_t_dt > 0.0f) {
        plan_time = dtheta / plan_t_dt;
        plan_r_dt = dr / plan_time;
    } else {
        // A plan with no angular speed keeps the previous plan's time, so that
        // the stop plan can spend its energy change over it.
        plan_r_dt = 0.0f;
        plan_t_dt = 0.0f;
    }

    plan_v2 = xr_dt * xr_dt + (r * zt_dt) * (r * zt_dt);
    plan_e_u = bankPotential(mass, r);
    plan_e_k = mass / 2.0f * plan_v2;
    plan_e_t = plan_e_u + plan_e_k;

    plan_v2_target = plan_r_dt * plan_r_dt + (targetRadius * plan_t_dt) * (targetRadius * plan_t_dt);
    plan_e_u_target = bankPotential(mass, targetRadius);
    plan_e_k_target = mass / 2.0f * plan_v2_target;
    plan_e_t_target = plan_e_u_target + plan_e_k_target;

    plan_e_delta = plan_e_t_target - plan_e_t;
    plan_power = plan_time != 0.0f ? plan_e_delta / plan_time : TIMELESS_PLAN_POWER;

    if (plan_power <= limit) {
        // Within the limit, and always when slowing: the target speeds at once.
        xr_dt = plan_r_dt;
        zt_dt = plan_t_dt;
    } else if (plan_power == TIMELESS_PLAN_POWER) {
        return;
    } else {
        // Power-limited: spend only what the limit allows over the plan's time.
        // The speeds scale by the ratio of squared speeds, so a player closes on
        // its target over many re-plans.
        plan_e_delta = plan_time * limit;
        plan_e_t_target = plan_e_t + plan_e_delta;
        plan_e_k_target = plan_e_t_target - plan_e_u_target;
        // A climb that alone costs more than the limit allows over the plan's
        // time leaves a negative energy (always so when no speed is asked):
        // scaling by it would drive the player backwards against its path.
        // Like a plan it cannot time, such a plan keeps the speeds.
        if (plan_e_k_target < 0.0f || !(plan_v2_target > 0.0f))
            return;
        const float reachable_v2 = 2.0f * plan_e_k_target / mass;
        xr_dt = reachable_v2 * plan_r_dt / plan_v2_target;
        zt_dt = reachable_v2 * plan_t_dt / plan_v2_target;
    }
}

void Player::chase(float dr, float dtheta, float pms, float target_angular_speed)
{
    this->pms = pms;
    set_zt_dt(pms * top_speed() / r);
    if (zt_dt > target_angular_speed) {
        // Close dr in the time it takes to gain dtheta on the target.
        set_xr_dt(dr / (dtheta / (zt_dt - target_angular_speed)));
    } else {
        xr_dt = 0.0f;
        zt_dt = 0.0f;
        xr_dt2 = 0.0f;
        zt_dt2 = 0.0f;
    }
}

void Player::set_zt_dt(float omega)
{
    if (omega < 0.0f)
        reportMessage(MESSAGE_PAUSE, "Player going CW!");
    const float top = top_speed();
    if (omega * r > top)
        omega = top / r;
    zt_dt = omega;
}

void Player::set_xr_dt(float v)
{
    const float top = top_speed();
    if (v > top)
        v = top;
    else if (v < -top)
        v = -top;
    xr_dt = v;
}

// Speed along the track (cm/ms): the angular speed at radius r, or the z speed of a walk.
static float trackSpeed(const Player& player)
{
    return player.polar ? player.r * player.zt_dt : player.zt_dt;
}

float Player::potential_energy() const
{
    return bankPotential(mass, r);
}

float Player::kinetic_energy() const
{
    const float w = trackSpeed(*this);
    return mass / 2.0f * (xr_dt * xr_dt + w * w);
}

float Player::total_energy() const
{
    return kinetic_energy() + potential_energy();
}

float Player::speed_mph() const
{
    return trackSpeed(*this) / static_cast<float>(CM_PER_MS_PER_MPH);
}

vector3df read_track_position(Player& player)
{
    const vector3df p = player.position;
    player.r = trackRadius(p.X, p.Z);
    player.theta = trackAngle(p.X, p.Z, player.r);
    return p;
}

// The user steers a player between the inner edge of lane 1 and the radius
// clamp: at an edge its radial speed stops. One taken over beyond an edge
// (from its seat, or already past the clamp) is never carried further beyond it.
static void keepOnTrack(Player& player, float before)
{
    if (player.xr_dt < 0.0f && player.r < LANE_0_MAX_RADIUS) {
        player.r = fminf(before, LANE_0_MAX_RADIUS);
        player.xr_dt = 0.0f;
    } else if (player.xr_dt > 0.0f && player.r > TRACK_OUTER_RADIUS) {
        player.r = fmaxf(before, TRACK_OUTER_RADIUS);
        player.xr_dt = 0.0f;
    }
}

// Integrates the speeds over one time step by path. False for a path outside the table.
static bool integrate(Player& player, vector3df& p, float dt)
{
    switch (player.path) {
    case DEAD:
    case SEATED:
    case STOPPED:
        return true;
    case SEAT_TO_GATE:
    case GATE_TO_SEAT:
        p.X += player.xr_dt * dt;
        p.Z += player.zt_dt * dt;
        player.r = trackRadius(p.X, p.Z);
        // Left below 0 on the walks; the next read-back brings it into range.
        player.theta = polarAngle(p.X, p.Z, player.r);
        return true;
    case USER_CONTROL:
        // zt_dt2 stays 0: this only re-applies the top-speed cap to the angular speed.
        player.set_zt_dt(player.zt_dt + dt * player.zt_dt2);
        player.set_xr_dt(player.xr_dt + dt * player.xr_dt2);
        // fall through
    case GATE_TO_TRACK:
    case TRACK_TO_GATE:
    case PASS_TO_SKATER:
    case TRYING_TO_SCORE:
        player.target_zt -= player.zt_dt * dt;
        // fall through
    case LAPPING:
    case ATTEMPTING_CATCH:
    case ATTACK_SCORER:
    case DEFEND_GOAL:
    case EVEN_SPACING: {
        const float before = player.r;
        // theta may pass 2π here; the next read-back wraps it.
        player.r += player.xr_dt * dt;
        player.theta += player.zt_dt * dt;
        if (player.path == USER_CONTROL)
            keepOnTrack(player, before);
        return true;
    }
    default:
        return false;
    }
}

void advance_player(Player& player, vector3df p)
{
    const float dt = tickStep;
    const float energyBefore = player.total_energy();
    if (!integrate(player, p, dt))
        reportMessage(MESSAGE_HALT, "\nWarning! Unhandled path state!\n");

    player.height = bankHeight(player.r);
    const vector3df next(cosf(player.theta) * player.r, player.height, sinf(player.theta) * player.r);

    const float energyChange = player.total_energy() - energyBefore;
    // A zero step (time stopped by a test) has no power to speak of.
    player.power = dt > 0.0f ? energyChange / dt : 0.0f;
    if (energyChange > 0.0f)
        player.exertion += energyChange;

    if (!place_player(player, next))
        return; // the dead are not turned either

    if (player.wobble != 0) {
        const float w = static_cast<float>(player.wobble); // taken as radians
        player.rotation.set(WOBBLE_TILT * sinf(w), 0.0f, WOBBLE_TILT * cosf(w));
        player.wobble -= 1;
    } else {
        // Local +x of the body points along growing theta.
        player.rotation.set(0.0f, -(player.theta + PI_F / 2.0f) * 180.0f / PI_IN_TURN, 0.0f);
    }
}

bool place_player(Player& player, vector3df p)
{
    if (player.path == DEAD)
        return false;
    if (bikerSwitch)
        p.Y += BIKER_SWITCH_RAISE;
    if (player.r > OUT_OF_BOUNDS_RADIUS) {
        reportMessage(MESSAGE_PAUSE, "\nPlayer out of bounds! Halting player");
        printDumpWithClock(player);
        player.stop();
    } else if (player.r > TRACK_OUTER_RADIUS) {
        // Only the field: the position keeps the true distance, read back next tick.
        player.r = TRACK_OUTER_RADIUS;
    }
    player.lane = 0;
    if (player.r > LANE_0_MAX_RADIUS)
        player.lane = 1;
    if (player.r > BANK_START_RADIUS)
        player.lane = 2;
    player.position = p;
    return true;
}
