#include "app/tick_blend.h"

#include <cmath>

#include "match/ball.h"
#include "players/player.h"
#include "players/track.h"

using irr::core::vector3df;
using irr::scene::ISceneNode;

// cm: a biker at top speed covers 50 cm in a tick, the fastest ball about
// 125 cm; a longer move is a jump, drawn where it lands.
static constexpr float LONGEST_TICK_MOVE = 250.0f;
// degrees: a body turns about 1 degree a tick with its angle, a wobble up to
// about 25; more is the end of a wobble or a referee giving up on the ball.
static constexpr float LONGEST_TICK_TURN = 45.0f;
static constexpr int PLAYER_COUNT = 2 * TEAM_SIZE;

struct NodePose {
    vector3df position;
    vector3df rotation;
};

// Written by keepTickState before every tick, read while a frame is drawn.
static NodePose playerBefore[PLAYER_COUNT];
static TrackPoint playerPointBefore[PLAYER_COUNT];
static NodePose ballBefore;
static TrackPoint ballPointBefore;
static NodePose refereeBefore[REFEREE_COUNT];
static bool kept = false;

// The last tick's poses while a frame is drawn between ticks; `shown` says so.
static NodePose playerAfter[PLAYER_COUNT];
static NodePose ballAfter;
static NodePose refereeAfter[REFEREE_COUNT];
static bool shown = false;
static float shownFraction = 1.0f;

// Home 0..9, then away 0..9.
static Player& playerAt(int index)
{
    return index < TEAM_SIZE ? home_players[index] : away_players[index - TEAM_SIZE];
}

static int indexOf(const Player& player)
{
    return static_cast<int>(player.team == 'H' ? &player - home_players : &player - away_players + TEAM_SIZE);
}

static NodePose poseOf(const ISceneNode* node)
{
    return NodePose{node->getPosition(), node->getRotation()};
}

// The way from a to b in degrees, the short way round.
static float turnBetween(float a, float b)
{
    float turn = std::fmod(b - a, 360.0f);
    if (turn > 180.0f)
        turn -= 360.0f;
    else if (turn < -180.0f)
        turn += 360.0f;
    return turn;
}

static bool turnBlends(const vector3df& a, const vector3df& b)
{
    return std::fabs(turnBetween(a.X, b.X)) <= LONGEST_TICK_TURN &&
           std::fabs(turnBetween(a.Y, b.Y)) <= LONGEST_TICK_TURN &&
           std::fabs(turnBetween(a.Z, b.Z)) <= LONGEST_TICK_TURN;
}

static vector3df blendTurn(const vector3df& a, const vector3df& b, float f)
{
    return vector3df(a.X + f * turnBetween(a.X, b.X), a.Y + f * turnBetween(a.Y, b.Y),
                     a.Z + f * turnBetween(a.Z, b.Z));
}

static void showNode(ISceneNode* node, const NodePose& before, NodePose& after, float f)
{
    after = poseOf(node);
    if (after.position.getDistanceFrom(before.position) <= LONGEST_TICK_MOVE)
        node->setPosition(before.position + (after.position - before.position) * f);
    if (turnBlends(before.rotation, after.rotation))
        node->setRotation(blendTurn(before.rotation, after.rotation, f));
}

static void restoreNode(ISceneNode* node, const NodePose& after)
{
    node->setPosition(after.position);
    node->setRotation(after.rotation);
}

void keepTickState()
{
    for (int i = 0; i < PLAYER_COUNT; ++i) {
        const Player& player = playerAt(i);
        if (player.node)
            playerBefore[i] = poseOf(player.node);
        playerPointBefore[i] = TrackPoint{player.r, player.theta, player.height};
    }
    if (ball.node)
        ballBefore = poseOf(ball.node);
    ballPointBefore = TrackPoint{ball.r, ball.theta, ball.height};
    for (int i = 0; i < REFEREE_COUNT; ++i)
        if (referees[i].node)
            refereeBefore[i] = poseOf(referees[i].node);
    kept = true;
}

void showBetweenTicks(float fraction)
{
    if (!kept || !(fraction < 1.0f))
        return;
    if (fraction < 0.0f)
        fraction = 0.0f;
    for (int i = 0; i < PLAYER_COUNT; ++i)
        if (ISceneNode* node = playerAt(i).node)
            showNode(node, playerBefore[i], playerAfter[i], fraction);
    if (ball.node)
        showNode(ball.node, ballBefore, ballAfter, fraction);
    for (int i = 0; i < REFEREE_COUNT; ++i)
        if (referees[i].node)
            showNode(referees[i].node, refereeBefore[i], refereeAfter[i], fraction);
    shown = true;
    shownFraction = fraction;
}

void restoreTickState()
{
    if (!shown)
        return;
    for (int i = 0; i < PLAYER_COUNT; ++i)
        if (ISceneNode* node = playerAt(i).node)
            restoreNode(node, playerAfter[i]);
    if (ball.node)
        restoreNode(ball.node, ballAfter);
    for (int i = 0; i < REFEREE_COUNT; ++i)
        if (referees[i].node)
            restoreNode(referees[i].node, refereeAfter[i]);
    shown = false;
}

void forgetTickState()
{
    restoreTickState();
    kept = false;
}

// The angle the short way round, so a lap's wrap past 2π is no sweep.
static TrackPoint blendPoint(const TrackPoint& a, const TrackPoint& b, float f)
{
    float turn = std::fmod(b.theta - a.theta, TWO_PI_F);
    if (turn > PI_F)
        turn -= TWO_PI_F;
    else if (turn < -PI_F)
        turn += TWO_PI_F;
    const float dx = b.r * cosf(b.theta) - a.r * cosf(a.theta);
    const float dz = b.r * sinf(b.theta) - a.r * sinf(a.theta);
    if (sqrtf(dx * dx + dz * dz) > LONGEST_TICK_MOVE)
        return b;
    return TrackPoint{a.r + f * (b.r - a.r), a.theta + f * turn, a.height + f * (b.height - a.height)};
}

TrackPoint drawnTrackPoint(const Player& player)
{
    const TrackPoint now{player.r, player.theta, player.height};
    const int index = indexOf(player);
    if (!shown || index < 0 || index >= PLAYER_COUNT)
        return now;
    return blendPoint(playerPointBefore[index], now, shownFraction);
}

TrackPoint drawnBallPoint()
{
    const TrackPoint now{ball.r, ball.theta, ball.height};
    if (!shown)
        return now;
    return blendPoint(ballPointBefore, now, shownFraction);
}
