#include "test_support.h"

#include <unistd.h>

#include <cstdlib>
#include <cstring>

#include "app/frame_loop.h"
#include "app/startup.h"
#include "arena/bodies.h"
#include "arena/camera_collision.h"
#include "arena/scene_object.h"
#include "arena/scoreboard.h"
#include "arena/stadium.h"
#include "core/engine.h"
#include "core/playback.h"
#include "core/random.h"
#include "core/switches.h"
#include "match/ball.h"
#include "match/match_clock.h"
#include "match/selection.h"
#include "players/player.h"
#include "ui/cameras.h"
#include "ui/hud.h"
#include "ui/input.h"

const char* runDirectory()
{
    return SKORVANE_RUN_DIR;
}

void clearGameRecords()
{
    for (int i = 0; i < TEAM_SIZE; ++i) {
        home_players[i] = Player();
        away_players[i] = Player();
    }
    for (Referee& referee : referees)
        referee = Referee();
    bodyMesh = wheelMesh = statballMesh = refereeMesh = 0;
    ball = Ball();
    matchClock = MatchClock();
    for (int i = 0; i < 2; ++i) {
        scoreboards[i] = Scoreboard();
        scoreboards[i].side = static_cast<irr::u8>(i);
    }
    clockTickCounter = 0;
    autoFireCounter = 0;
    autoPlay = false;
    for (SceneObject& entry : sceneObjects)
        entry = SceneObject();
    timeboxMesh = 0;
    memset(digitTextures, 0, sizeof digitTextures);
    floorSwitch = lightingSwitch = bikerSwitch = false;
    running = false;
    paused = false;
    frameTimeSum = 0;
    frameCount = 0;
    averageFrameTime = 0.0f;
    lastClock = 0;
    tickStep = static_cast<float>(TICK_MS);
    tickTimeOwed = 0;
    matchTickNumber = 0;
    forgetTickPoses();
    freeCamera = chaseCamera = 0;
    cameraMode = 0;
    previousCameraMode = 4;
    viewerCameraMode = -1;
    chasePosition = irr::core::vector3df();
    seedRandom(1); // as at program start
    selectedTeam = 'H';
    selectedPlayer = 0;
    showRosterReadouts = false;
    gameEventReceiver.handled = false;
    issueCommand = 0;
    watchingRecording = false;
    timeControl = 0;
    matchSpeedStep = 0;
    viewerPaused = false;
    showingInstantReplay = false;
    recordingProgress = -1.0f;
    // The HUD's texts belong to a device an earlier test may have dropped.
    forgetHud();
}

void RecordsTest::SetUp()
{
    clearGameRecords();
    setUpRosters();
    setUpReferees();
}

void NullDeviceTest::SetUp()
{
    ASSERT_EQ(0, chdir(runDirectory()));
    clearGameRecords();
    irr::SIrrlichtCreationParameters params;
    params.DriverType = irr::video::EDT_NULL;
    params.WindowSize = irr::core::dimension2d<irr::u32>(640, 480);
    // The engine's own log lines would mix with the console output under test.
    params.LoggingLevel = irr::ELL_NONE;
    device = irr::createDeviceEx(params);
    ASSERT_NE(nullptr, device);
    driver = device->getVideoDriver();
    sceneManager = device->getSceneManager();
}

void NullDeviceTest::TearDown()
{
    if (device)
        device->drop();
    device = 0;
    driver = 0;
    sceneManager = 0;
}

void NullDeviceTest::rebuildGame()
{
    NullDeviceTest::TearDown();
    NullDeviceTest::SetUp();
    useDevice(device);
    captureStdout([] { buildGame(); });
}

void ScratchRunFolderTest::SetUp()
{
    NullDeviceTest::SetUp();
    char pattern[] = "/tmp/skorvane-run-XXXXXX";
    ASSERT_NE(nullptr, mkdtemp(pattern));
    folder = pattern;
    const std::string command = "mkdir " + folder + "/meshes && for f in " + runDirectory() +
                                "/meshes/*; do ln -s \"$f\" " + folder + "/meshes/; done";
    ASSERT_EQ(0, system(command.c_str()));
    ASSERT_EQ(0, chdir(folder.c_str()));
}

void ScratchRunFolderTest::TearDown()
{
    NullDeviceTest::TearDown();
    ASSERT_EQ(0, system(("rm -rf " + folder).c_str()));
}

std::string buildArenaQuietly()
{
    return captureStdout([] {
        loadClockDigits();
        createCameras();
        buildStadium();
        addCameraCollision(freeCamera);
    });
}

irr::SEvent keyEvent(irr::EKEY_CODE key, bool control, bool pressedDown)
{
    irr::SEvent event = {};
    event.EventType = irr::EET_KEY_INPUT_EVENT;
    event.KeyInput.Key = key;
    event.KeyInput.Control = control;
    event.KeyInput.PressedDown = pressedDown;
    return event;
}

bool sendKey(irr::EKEY_CODE key, bool control, bool pressedDown)
{
    return gameEventReceiver.OnEvent(keyEvent(key, control, pressedDown));
}

irr::video::ITexture* textureOf(irr::scene::ISceneNode* node)
{
    return node && node->getMaterialCount() > 0 ? node->getMaterial(0).getTexture(0) : nullptr;
}

std::string textureName(irr::scene::ISceneNode* node)
{
    irr::video::ITexture* texture = textureOf(node);
    const std::string path = texture ? texture->getName().getPath().c_str() : "";
    const size_t meshes = path.rfind("meshes/");
    return meshes == std::string::npos ? path : path.substr(meshes);
}
