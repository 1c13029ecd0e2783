#include "ui/cameras.h"

#include <cmath>

#include "arena/bodies.h"
#include "core/engine.h"
#include "match/ball.h"
#include "players/player.h"
#include "ui/director.h"

using irr::core::vector3df;

irr::scene::ICameraSceneNode* freeCamera = 0;
irr::scene::ICameraSceneNode* chaseCamera = 0;
int previousCameraMode = 4;
int viewerCameraMode = -1;
irr::core::vector3df chasePosition;

static constexpr irr::f32 CAMERA_FAR_VALUE = 50000.0f; // cm
static constexpr irr::f32 CAMERA_FIELD_OF_VIEW = 1.1f; // rad
static constexpr irr::f32 FREE_CAMERA_ROTATE_SPEED = 100.0f;
// The engine takes this per millisecond: 1000 cm per second.
static constexpr irr::f32 FREE_CAMERA_MOVE_SPEED = 1.0f;

// Overhead: straight down from 1200 cm above the arena centre.
static const vector3df OVERHEAD_POSITION(0.0f, 1200.0f, 0.0f);
static const vector3df OVERHEAD_ROTATION(90.0f, 90.0f, 0.0f); // degrees
// End view: from above the south end of the track, looking across it.
static const vector3df END_VIEW_POSITION(0.0f, 750.0f, 2950.0f);
static const vector3df END_VIEW_ROTATION(30.0f, 180.0f, 0.0f);

static constexpr double BALL_CHASE_INSET = 600.0;     // cm inside the ball's radius
static constexpr double BALL_CHASE_RISE = 600.0;      // cm above the ball
static constexpr double BALL_CHASE_SWING = 0.5235988; // rad of track angle, π/6
static constexpr double PLAYER_CHASE_RISE = 300.0;    // cm above the player
static constexpr double PLAYER_CHASE_LAG = 0.2617994; // rad of track angle behind, π/12
static constexpr irr::f32 CHASE_AIM_RISE = 150.0f;    // cm above the followed node

void createCameras()
{
    chaseCamera = sceneManager->addCameraSceneNode(0, vector3df(0, 0, 0), vector3df(0, 0, 0), -1);
    chaseCamera->setFarValue(CAMERA_FAR_VALUE);
    chaseCamera->setFOV(CAMERA_FIELD_OF_VIEW);
    // No key map of our own: the engine's default arrow keys fly it.
    freeCamera = sceneManager->addCameraSceneNodeFPS(0, FREE_CAMERA_ROTATE_SPEED, FREE_CAMERA_MOVE_SPEED, -1,
                                                     0, 0, false);
    freeCamera->setPosition(OVERHEAD_POSITION);
    freeCamera->setRotation(OVERHEAD_ROTATION);
    freeCamera->setFarValue(CAMERA_FAR_VALUE);
    freeCamera->setFOV(CAMERA_FIELD_OF_VIEW);
    sceneManager->setActiveCamera(freeCamera);
}

// The collision animators take any change of position as flight and would
// stop a snap to a fixed view at the first wall on the way; telling them the
// camera's new place makes it a jump.
static void settleFreeCamera()
{
    const irr::scene::ISceneNodeAnimatorList& animators = freeCamera->getAnimators();
    for (irr::scene::ISceneNodeAnimatorList::ConstIterator it = animators.begin(); it != animators.end(); ++it) {
        if ((*it)->getType() == irr::scene::ESNAT_COLLISION_RESPONSE)
            static_cast<irr::scene::ISceneNodeAnimatorCollisionResponse*>(*it)->setTargetNode(freeCamera);
    }
}

static void chaseBall()
{
    // Until the ball has its sphere there is nothing to follow: the view stays.
    if (!ball.node)
        return;
    // Behind the ball either way: loose, it runs against the players (toward
    // smaller angles); carried, it runs with them.
    const TrackPoint drawn = drawnBallPoint();
    const double angle = drawn.theta + (ball.holder ? -BALL_CHASE_SWING : BALL_CHASE_SWING);
    const double radius = drawn.r - BALL_CHASE_INSET;
    chasePosition.set(static_cast<irr::f32>(std::cos(angle) * radius),
                      static_cast<irr::f32>(drawn.height + BALL_CHASE_RISE),
                      static_cast<irr::f32>(std::sin(angle) * radius));
    chaseCamera->setPosition(chasePosition);
    const vector3df aim = ball.node->getPosition();
    chaseCamera->setTarget(vector3df(aim.X, aim.Y + CHASE_AIM_RISE, aim.Z));
    sceneManager->setActiveCamera(chaseCamera);
}

static void chasePlayer()
{
    if (!directing() && (selectedPlayer < 0 || selectedPlayer >= TEAM_SIZE))
        return;
    const Player& player = chasedPlayer();
    // A player not yet in the scene has nothing to show: the view stays.
    if (!player.node)
        return;
    // Players lap toward growing angle, so a smaller angle is behind them.
    const TrackPoint drawn = drawnTrackPoint(player);
    const double angle = drawn.theta - PLAYER_CHASE_LAG;
    chasePosition.set(static_cast<irr::f32>(std::cos(angle) * drawn.r),
                      static_cast<irr::f32>(drawn.height + PLAYER_CHASE_RISE),
                      static_cast<irr::f32>(std::sin(angle) * drawn.r));
    chaseCamera->setPosition(chasePosition);
    const vector3df aim = player.node->getPosition();
    chaseCamera->setTarget(vector3df(aim.X, aim.Y + CHASE_AIM_RISE, aim.Z));
    sceneManager->setActiveCamera(chaseCamera);
}

void updateCamera()
{
    // Every frame, paused or not: the free camera's mouse look reads the
    // cursor's distance from the centre.
    if (irr::gui::ICursorControl* cursor = device ? device->getCursorControl() : 0)
        cursor->setPosition(0.5f, 0.5f);
    const int mode = shownCameraMode();
    const bool entered = mode != previousCameraMode;
    switch (mode) {
    case OVERHEAD_VIEW:
        // Only on entry, so the user can fly the camera away from here.
        if (entered && freeCamera) {
            freeCamera->setPosition(OVERHEAD_POSITION);
            freeCamera->setRotation(OVERHEAD_ROTATION);
            settleFreeCamera();
            sceneManager->setActiveCamera(freeCamera);
        }
        break;
    case END_VIEW:
        if (entered && freeCamera) {
            freeCamera->setRotation(END_VIEW_ROTATION);
            freeCamera->setPosition(END_VIEW_POSITION);
            settleFreeCamera();
            sceneManager->setActiveCamera(freeCamera);
        }
        break;
    case BALL_CHASE:
        if (chaseCamera)
            chaseBall();
        break;
    case PLAYER_CHASE:
        if (chaseCamera)
            chasePlayer();
        break;
    default:
        // No such mode: whatever camera is active stays so.
        break;
    }
    previousCameraMode = mode;
}

void cycleViewerCameraMode()
{
    viewerCameraMode = nextCameraMode(shownCameraMode());
}

int shownCameraMode()
{
    if (directing())
        return directorShot().mode;
    return viewerCameraMode >= 0 ? viewerCameraMode : cameraMode;
}

const Player& chasedPlayer()
{
    if (directing() && directorShot().mode == PLAYER_CHASE)
        return playerOf(directorShot().team, directorShot().number);
    return *selectedPlayerRecord();
}
