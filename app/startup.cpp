#include "app/startup.h"

#include <cstdio>
#include <cstdlib>

#include "app/desktop.h"
#include "app/frame_loop.h"
#include "app/options.h"
#include "app/playback.h"
#include "app/replay.h"
#include "app/tick_driver.h"
#include "arena/bodies.h"
#include "arena/camera_collision.h"
#include "arena/scoreboard.h"
#include "arena/stadium.h"
#include "assets/asset_loading.h"
#include "core/engine.h"
#include "core/message.h"
#include "core/random.h"
#include "core/switches.h"
#include "match/match_clock.h"
#include "match/match_state.h"
#include "players/player.h"
#include "ui/cameras.h"
#include "ui/help_panel.h"
#include "ui/hud.h"
#include "ui/input.h"
#include "ui/sound.h"

static const irr::core::dimension2d<irr::u32> CLASSIC_WINDOW_SIZE(640, 480);
static constexpr irr::u32 WINDOW_BITS = 16;

// The window the command line asks for: the classic 640 x 480, a chosen
// size, or for the full screen the desktop's resolution.
static irr::core::dimension2d<irr::u32> windowSize()
{
    if (gameOptions.windowWidth != 0)
        return irr::core::dimension2d<irr::u32>(gameOptions.windowWidth, gameOptions.windowHeight);
    if (!gameOptions.fullscreen)
        return CLASSIC_WINDOW_SIZE;
    const irr::core::dimension2d<irr::u32> desktop = desktopSize();
    return desktop.Width != 0 && desktop.Height != 0 ? desktop : CLASSIC_WINDOW_SIZE;
}

void startUp(unsigned seed)
{
    seedRandom(seed);

    irr::SIrrlichtCreationParameters parameters;
    parameters.DriverType = irr::video::EDT_OPENGL;
    parameters.WindowSize = windowSize();
    parameters.Bits = WINDOW_BITS;
    parameters.Fullscreen = gameOptions.fullscreen;
    parameters.Stencilbuffer = false;
    parameters.Vsync = gameOptions.vsync;
    parameters.EventReceiver = &gameEventReceiver;
    // Set before the device exists, so its own start-up lines ("Loaded
    // texture: ...", the driver's extensions) are held back too: warnings and
    // errors still show.
    parameters.LoggingLevel = gameOptions.verbose ? irr::ELL_INFORMATION : irr::ELL_WARNING;
    if (gameOptions.vsync)
        countDisplayErrors();
    device = irr::createDeviceEx(parameters);
    if (gameOptions.vsync && displayErrorsCounted(device) > 0)
        printf("the display refused vertical sync: the game draws without it\n");
    if (!device)
        reportMessage(MESSAGE_HALT, "Cannot create graphics driver!");
    useDevice(device);
    // Mesa's software driver builds its mipmap generator the first time a
    // texture asks for one, a tenth of a second at start-up; the engine's own
    // box filter makes the levels of our small textures in a few milliseconds.
    driver->disableFeature(irr::video::EVDF_MIP_MAP_AUTO_UPDATE, true);
    buildGame();
    startSound(gameOptions.noSound, gameOptions.verbose);
}

void useDevice(irr::IrrlichtDevice* engine)
{
    device = engine;
    driver = device->getVideoDriver();
    sceneManager = device->getSceneManager();
    guardEngineFiles(device->getFileSystem());
}

void buildGame()
{
    readSwitches();
    // A replay plays with the recording's biker switch, which moves every
    // body: it must be in place before the players' meshes are chosen.
    if (replayingMatch())
        bikerSwitch = replayBikerSwitch();
    // The keys command the match, unless a recording plays it.
    watchingRecording = replayingMatch();
    issueCommand = issueMatchCommand;
    timeControl = controlTime;
    // The scoreboards are built from the digit assets, so these come first.
    loadClockDigits();
    createCameras();
    setupHud();
    // In the HUD's font and scale, which setupHud chose.
    layOutHelpPanel();
    buildStadium();
    // The match's records before any body shows them: the rosters' shirts, the referees' posts.
    clearMatchState();
    AddPlayers();
    AddReferees();
    // Needs the stadium's pieces and the free camera.
    addCameraCollision(freeCamera);
    addBallNode();
    newGame();
}
