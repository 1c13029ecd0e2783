#include "arena/bodies.h"

#include <cmath>
#include <cstdio>

#include "arena/scene_object.h"
#include "assets/asset_loading.h"
#include "core/commentary.h"
#include "core/message.h"
#include "core/switches.h"
#include "match/ball.h"
#include "players/player.h"
#include "players/track.h"

using irr::core::vector3df;
using irr::scene::ISceneNode;

irr::scene::IAnimatedMesh* bodyMesh = 0;
irr::scene::IAnimatedMesh* wheelMesh = 0;
irr::scene::IAnimatedMesh* statballMesh = 0;
irr::scene::IAnimatedMesh* refereeMesh = 0;

static const vector3df BIKER_WHEEL_OFFSET(50.0f, 0.0f, 0.0f);    // cm, one each side of the body
static const vector3df CATCHER_WHEEL_TURN(0.0f, 90.0f, 0.0f);    // degrees
static const vector3df CATCHER_WHEEL_OFFSET(25.0f, 55.0f, 0.0f); // cm
static const vector3df STATBALL_OFFSET(0.0f, -80.0f, 0.0f);      // cm

static constexpr float BALL_RADIUS = 20.0f; // cm
static constexpr irr::s32 BALL_SEGMENTS = 16;
static const char* const BALL_TEXTURE = "meshes/brushedsteel.jpg";

// cm: a biker at top speed covers 50 cm in a tick, the fastest ball about
// 125 cm; a longer move is a jump, drawn where it lands.
static constexpr float LONGEST_TICK_MOVE = 250.0f;
// degrees: a body turns about 1 degree a tick with its angle, a wobble up to
// about 25; more is the end of a wobble or a referee giving up on the ball.
static constexpr float LONGEST_TICK_TURN = 45.0f;
static constexpr int PLAYER_COUNT = 2 * TEAM_SIZE;

// The status balls' textures by team (home, away) and band, loaded once with
// the bodies: a player's condition never waits on the disk mid-match.
static irr::video::ITexture* statusTextures[2][3];
static const char* const STATUS_BAND_NAMES[3] = {"ok", "hit", "crit"};

struct Pose {
    vector3df position;
    vector3df rotation;
};

// Written by keepTickPoses before every tick, read while a frame is drawn.
static Pose playerBefore[PLAYER_COUNT];
static TrackPoint playerPointBefore[PLAYER_COUNT];
static Pose ballBefore;
static TrackPoint ballPointBefore;
static Pose refereeBefore[REFEREE_COUNT];
static bool kept = false;
// How far between the last two ticks the frame being drawn lies; 1 outside
// drawing, where the records are what is shown.
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

void AddPlayers()
{
    setCommentary("Adding players");
    wheelMesh = loadMesh("meshes/wheel.obj");
    statballMesh = loadMesh("meshes/statball.obj");
    bodyMesh = loadMesh(bikerSwitch ? "meshes/biker.3ds" : "meshes/skater.obj");
    if (!bodyMesh || !wheelMesh || !statballMesh) {
        reportMessage(MESSAGE_HALT, "Cannot find meshes @ AddPlayers");
        return;
    }
    char name[64];
    for (int team = 0; team < 2; ++team) {
        for (int band = STATUS_OK; band <= STATUS_CRIT; ++band) {
            snprintf(name, sizeof name, "meshes/statball_%s_%s.jpg", STATUS_BAND_NAMES[band], team == 0 ? "hou" : "mad");
            statusTextures[team][band] = loadTexture(name);
        }
    }
    // Home and away alternate so both rosters fill in shirt order.
    for (int number = 0; number < TEAM_SIZE; ++number) {
        add_player('H', number);
        add_player('A', number);
    }
}

void add_player(char team, int number)
{
    Player& player = playerOf(team, number);
    player.node = addOctreeNode(bodyMesh);
    if (!player.node)
        return;
    char uniform[32];
    if (bikerSwitch)
        snprintf(uniform, sizeof uniform, "meshes/bikerh0.jpg");
    else
        snprintf(uniform, sizeof uniform, "meshes/uni_%c%c.jpg", team == 'H' ? 'h' : 'a', '0' + number);
    dressNode(player.node, uniform, lightingSwitch);
    player.node->setPosition(player.position);
    player.node->setRotation(player.rotation);

    // Wheels are bare: no texture, no lighting setting of their own.
    if (player.type == Biker) {
        const vector3df otherSide = -BIKER_WHEEL_OFFSET;
        if (ISceneNode* wheel = addOctreeNode(wheelMesh, player.node))
            placeNode(wheel, 0, &BIKER_WHEEL_OFFSET);
        if (ISceneNode* wheel = addOctreeNode(wheelMesh, player.node))
            placeNode(wheel, 0, &otherSide);
    } else if (player.type == Catcher) {
        if (ISceneNode* wheel = addOctreeNode(wheelMesh, player.node))
            placeNode(wheel, &CATCHER_WHEEL_TURN, &CATCHER_WHEEL_OFFSET);
    }

    player.statball = addOctreeNode(statballMesh, player.node);
    if (player.statball) {
        dressNode(player.statball, "meshes/statball_ok.jpg", lightingSwitch);
        placeNode(player.statball, 0, &STATBALL_OFFSET);
    }
}

void AddReferees()
{
    setCommentary("Adding referees");
    refereeMesh = loadMesh("meshes/skater.obj");
    if (!refereeMesh) {
        reportMessage(MESSAGE_HALT, "Cannot find meshes @ AddReferees");
        return;
    }
    for (Referee& referee : referees) {
        referee.node = addOctreeNode(refereeMesh);
        if (!referee.node)
            continue;
        dressNode(referee.node, "meshes/referee.jpg", lightingSwitch);
        referee.node->setRotation(referee.rotation);
        referee.node->setPosition(referee.position);
    }
}

void addBallNode()
{
    ball.node = loadSphereObject(BALL_RADIUS, BALL_SEGMENTS, BALL_TEXTURE);
    if (ball.node)
        ball.node->setPosition(ball.position);
}

// ---- Drawing between ticks ---------------------------------------------------

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

// The node `f` of the way from `before` to where the record stands now.
static void poseNode(ISceneNode* node, const Pose& before, const vector3df& position, const vector3df& rotation,
                     float f)
{
    const bool between = f < 1.0f;
    if (between && position.getDistanceFrom(before.position) <= LONGEST_TICK_MOVE)
        node->setPosition(before.position + (position - before.position) * f);
    else
        node->setPosition(position);
    if (between && turnBlends(before.rotation, rotation))
        node->setRotation(blendTurn(before.rotation, rotation, f));
    else
        node->setRotation(rotation);
}

// The status ball in the band's colour of the player's team; a dead
// player's is lit, so it stands out, and keeps the colour it had.
static void showCondition(const Player& player)
{
    ISceneNode* statball = player.statball;
    const int band = player.status_band <= STATUS_CRIT ? static_cast<int>(player.status_band) : 0;
    irr::video::ITexture* texture = statusTextures[player.team == 'H' ? 0 : 1][band];
    if (statball->getMaterial(0).getTexture(0) != texture)
        statball->setMaterialTexture(0, texture);
    const bool lit = player.hp < 0;
    if (statball->getMaterial(0).Lighting != lit)
        statball->setMaterialFlag(irr::video::EMF_LIGHTING, lit);
}

void keepTickPoses()
{
    for (int i = 0; i < PLAYER_COUNT; ++i) {
        const Player& player = playerAt(i);
        playerBefore[i] = Pose{player.position, player.rotation};
        playerPointBefore[i] = TrackPoint{player.r, player.theta, player.height};
    }
    ballBefore = Pose{ball.position, vector3df()};
    ballPointBefore = TrackPoint{ball.r, ball.theta, ball.height};
    for (int i = 0; i < REFEREE_COUNT; ++i)
        refereeBefore[i] = Pose{referees[i].position, referees[i].rotation};
    kept = true;
    shownFraction = 1.0f;
}

void forgetTickPoses()
{
    kept = false;
    shownFraction = 1.0f;
}

void poseBodies(float fraction)
{
    if (!kept || !(fraction < 1.0f))
        fraction = 1.0f;
    else if (fraction < 0.0f)
        fraction = 0.0f;
    for (int i = 0; i < PLAYER_COUNT; ++i) {
        const Player& player = playerAt(i);
        if (player.node)
            poseNode(player.node, playerBefore[i], player.position, player.rotation, fraction);
        if (player.statball)
            showCondition(player);
    }
    if (ball.node)
        poseNode(ball.node, ballBefore, ball.position, vector3df(), fraction);
    for (int i = 0; i < REFEREE_COUNT; ++i)
        if (referees[i].node)
            poseNode(referees[i].node, refereeBefore[i], referees[i].position, referees[i].rotation, fraction);
    shownFraction = fraction;
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
    if (!(shownFraction < 1.0f) || index < 0 || index >= PLAYER_COUNT)
        return now;
    return blendPoint(playerPointBefore[index], now, shownFraction);
}

TrackPoint drawnBallPoint()
{
    const TrackPoint now{ball.r, ball.theta, ball.height};
    if (!(shownFraction < 1.0f))
        return now;
    return blendPoint(ballPointBefore, now, shownFraction);
}
