// The free and chase cameras and the four camera modes, on the null driver.
#include <cmath>

#include "core/engine.h"
#include "match/ball.h"
#include "players/player.h"
#include "test_support.h"
#include "ui/cameras.h"
#include "ui/input.h"

using irr::core::vector3df;

namespace {

#define EXPECT_VECTOR_NEAR(expected, actual) \
    EXPECT_TRUE((actual).equals(expected, 0.01f)) << "got " << (actual).X << ", " << (actual).Y << ", " << (actual).Z

class CameraTest : public NullDeviceTest {
protected:
    void SetUp() override
    {
        NullDeviceTest::SetUp();
        createCameras();
    }
    // A flight of the user's: somewhere the modes would never put the camera.
    void flyFreeCamera()
    {
        freeCamera->setPosition(vector3df(-700, 300, 1800));
        freeCamera->setRotation(vector3df(10, 45, 0));
    }
    // The view from the ball's or a player's polar position (cm, rad).
    static vector3df polar(double r, double theta, double height)
    {
        return vector3df(static_cast<float>(std::cos(theta) * r), static_cast<float>(height),
                         static_cast<float>(std::sin(theta) * r));
    }
    irr::scene::ICameraSceneNode* active() { return sceneManager->getActiveCamera(); }
};

TEST_F(CameraTest, CreationSetsBothLensesAndStartsOverheadOnTheFreeCamera)
{
    ASSERT_NE(nullptr, chaseCamera);
    ASSERT_NE(nullptr, freeCamera);
    for (irr::scene::ICameraSceneNode* camera : {chaseCamera, freeCamera}) {
        EXPECT_FLOAT_EQ(50000.0f, camera->getFarValue());
        EXPECT_FLOAT_EQ(1.1f, camera->getFOV());
    }
    EXPECT_VECTOR_NEAR(vector3df(0, 1200, 0), freeCamera->getPosition());
    EXPECT_VECTOR_NEAR(vector3df(90, 90, 0), freeCamera->getRotation());
    EXPECT_EQ(freeCamera, active());

    // The engine's own first-person animator flies it: 1000 cm per second is 1 per ms.
    irr::scene::ISceneNodeAnimatorCameraFPS* fps = 0;
    for (irr::scene::ISceneNodeAnimator* animator : freeCamera->getAnimators()) {
        if (animator->getType() == irr::scene::ESNAT_CAMERA_FPS)
            fps = static_cast<irr::scene::ISceneNodeAnimatorCameraFPS*>(animator);
    }
    ASSERT_NE(nullptr, fps);
    EXPECT_FLOAT_EQ(1.0f, fps->getMoveSpeed());
    EXPECT_FLOAT_EQ(100.0f, fps->getRotateSpeed());
    EXPECT_TRUE(chaseCamera->getAnimators().empty());
}

TEST_F(CameraTest, FixedViewsPlaceTheFreeCameraOnlyWhenTheModeChanges)
{
    EXPECT_EQ(4, previousCameraMode);
    flyFreeCamera();
    // The first frame counts as a change: back to the overhead view.
    updateCamera();
    EXPECT_VECTOR_NEAR(vector3df(0, 1200, 0), freeCamera->getPosition());
    EXPECT_VECTOR_NEAR(vector3df(90, 90, 0), freeCamera->getRotation());
    EXPECT_EQ(0, previousCameraMode);

    // From then on the user flies it, and it stays where it was flown.
    flyFreeCamera();
    updateCamera();
    updateCamera();
    EXPECT_VECTOR_NEAR(vector3df(-700, 300, 1800), freeCamera->getPosition());

    cameraMode = END_VIEW;
    updateCamera();
    EXPECT_VECTOR_NEAR(vector3df(0, 750, 2950), freeCamera->getPosition());
    EXPECT_VECTOR_NEAR(vector3df(30, 180, 0), freeCamera->getRotation());
    EXPECT_EQ(freeCamera, active());
    flyFreeCamera();
    updateCamera();
    EXPECT_VECTOR_NEAR(vector3df(-700, 300, 1800), freeCamera->getPosition());
    EXPECT_VECTOR_NEAR(vector3df(10, 45, 0), freeCamera->getRotation());
}

TEST_F(CameraTest, CycleRunsThroughAllFourModesAndSnapsBackOverhead)
{
    updateCamera();
    flyFreeCamera();
    const int expected[] = {END_VIEW, BALL_CHASE, PLAYER_CHASE, OVERHEAD_VIEW, END_VIEW};
    for (int mode : expected) {
        cycleCameraMode();
        EXPECT_EQ(mode, cameraMode);
        updateCamera();
        if (mode == PLAYER_CHASE)
            flyFreeCamera();
        if (mode == OVERHEAD_VIEW) {
            EXPECT_VECTOR_NEAR(vector3df(0, 1200, 0), freeCamera->getPosition());
            EXPECT_VECTOR_NEAR(vector3df(90, 90, 0), freeCamera->getRotation());
            EXPECT_EQ(freeCamera, active());
        }
    }
    // A value that is no mode goes on to the end view.
    cameraMode = 7;
    cycleCameraMode();
    EXPECT_EQ(END_VIEW, cameraMode);
}

TEST_F(CameraTest, ModeOutsideTheFourLeavesTheActiveCameraAndIsStillRemembered)
{
    irr::scene::ISceneNode* ballNode = sceneManager->addEmptySceneNode();
    ball.node = ballNode;
    ball.r = 2000.0f;
    cameraMode = BALL_CHASE;
    updateCamera();
    ASSERT_EQ(chaseCamera, active());

    flyFreeCamera();
    cameraMode = 9;
    updateCamera();
    EXPECT_EQ(chaseCamera, active());
    EXPECT_EQ(9, previousCameraMode);
    EXPECT_VECTOR_NEAR(vector3df(-700, 300, 1800), freeCamera->getPosition());

    // Back from a stray value counts as a change, so the view is placed again.
    cameraMode = OVERHEAD_VIEW;
    updateCamera();
    EXPECT_EQ(freeCamera, active());
    EXPECT_VECTOR_NEAR(vector3df(0, 1200, 0), freeCamera->getPosition());
}

TEST_F(CameraTest, BallChaseLooksAheadOfALooseBallAndSwingsBehindWhenItIsHeld)
{
    irr::scene::ISceneNode* ballNode = sceneManager->addEmptySceneNode();
    ballNode->setPosition(vector3df(1900, 100, 600));
    ball.node = ballNode;
    ball.r = 2400.0f;
    ball.theta = 1.0f;
    ball.height = 260.0f;
    cameraMode = BALL_CHASE;

    updateCamera();
    EXPECT_EQ(chaseCamera, active());
    EXPECT_VECTOR_NEAR(polar(1800.0, 1.0 + M_PI / 6, 860.0), chasePosition);
    EXPECT_VECTOR_NEAR(chasePosition, chaseCamera->getPosition());
    EXPECT_VECTOR_NEAR(vector3df(1900, 250, 600), chaseCamera->getTarget());

    // Every frame, not only on entry: a held ball puts the camera 30 degrees behind.
    ball.holder = &home_players[4];
    ballNode->setPosition(vector3df(0, 0, 2400));
    updateCamera();
    EXPECT_VECTOR_NEAR(polar(1800.0, 1.0 - M_PI / 6, 860.0), chaseCamera->getPosition());
    EXPECT_VECTOR_NEAR(vector3df(0, 150, 2400), chaseCamera->getTarget());
}

TEST_F(CameraTest, PlayerChaseFollowsTheSelectedPlayerFromBehindAndSwitchesWithTheSelection)
{
    Player& home = home_players[2];
    home.node = sceneManager->addEmptySceneNode();
    home.node->setPosition(vector3df(0, 320, 2900));
    home.r = 2900.0f;
    home.theta = static_cast<float>(M_PI / 2);
    home.height = 422.0f;
    Player& away = away_players[7];
    away.node = sceneManager->addEmptySceneNode();
    away.node->setPosition(vector3df(-1000, 0, 0));
    away.r = 1000.0f;
    away.theta = static_cast<float>(M_PI);
    away.height = 0.0f;

    selectedTeam = 'H';
    selectedPlayer = 2;
    cameraMode = PLAYER_CHASE;
    updateCamera();
    EXPECT_EQ(chaseCamera, active());
    EXPECT_VECTOR_NEAR(polar(2900.0, M_PI / 2 - M_PI / 12, 722.0), chaseCamera->getPosition());
    EXPECT_VECTOR_NEAR(vector3df(0, 470, 2900), chaseCamera->getTarget());

    selectedTeam = 'A';
    selectedPlayer = 7;
    updateCamera();
    EXPECT_VECTOR_NEAR(polar(1000.0, M_PI - M_PI / 12, 300.0), chaseCamera->getPosition());
    EXPECT_VECTOR_NEAR(vector3df(-1000, 150, 0), chaseCamera->getTarget());
}

TEST_F(CameraTest, ChaseModesWithNothingToFollowKeepTheCurrentView)
{
    // Before the ball and the players have their nodes (and with a selection
    // that is no shirt number) the chase modes must neither crash nor switch.
    updateCamera();
    for (int mode : {BALL_CHASE, PLAYER_CHASE}) {
        cameraMode = mode;
        updateCamera();
        EXPECT_EQ(freeCamera, active());
        EXPECT_EQ(mode, previousCameraMode);
    }
    home_players[0].node = sceneManager->addEmptySceneNode();
    selectedPlayer = 10;
    updateCamera();
    selectedPlayer = -1;
    updateCamera();
    EXPECT_EQ(freeCamera, active());
}

}  // namespace
