#pragma once
// Shared test fixtures: a real engine on the null video driver (no window),
// the game's globals pointed at it, and the game's records cleared.
#include <gtest/gtest.h>
#include <irrlicht.h>

#include <unistd.h>

#include <cstdio>
#include <string>

// Runs `statement` in a child whose standard output is folded into its error
// stream, so the death test can match what the game printed to the console.
#define EXPECT_HALTS(statement, pattern)                                                  \
    EXPECT_EXIT(                                                                          \
        {                                                                                 \
            fflush(stdout);                                                               \
            dup2(2, 1);                                                                   \
            statement;                                                                    \
        },                                                                                \
        ::testing::ExitedWithCode(1), pattern)

// The game's records as at program start, with no engine at all: the
// rosters with their shirts and kinds, the referees at their posts. The
// match and the players need nothing more.
class RecordsTest : public ::testing::Test {
protected:
    void SetUp() override;
};

// A null-driver device set as the game's device, driver and scene manager,
// run from the folder that holds the generated meshes/. Every game record
// (rosters, ball, clock, stadium table, flags) starts cleared.
class NullDeviceTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // A fresh game, built as start-up builds it, on a fresh device.
    void rebuildGame();
};

// A NullDeviceTest run from a scratch folder whose meshes/ links every
// generated file; a test removes or replaces links to plant missing or bad
// assets, and the folder goes when the test ends.
class ScratchRunFolderTest : public NullDeviceTest {
protected:
    void SetUp() override;
    void TearDown() override;
    std::string folder;
};

// Clears the game's global records as they are at program start.
void clearGameRecords();

// Captures what the game prints to standard output while `body` runs.
template <typename Body>
std::string captureStdout(Body body)
{
    fflush(stdout);
    ::testing::internal::CaptureStdout();
    body();
    fflush(stdout);
    return ::testing::internal::GetCapturedStdout();
}

// Builds the arena as start-up does (digits, cameras, stadium, the free
// camera's collision) and returns what it printed.
std::string buildArenaQuietly();

// The folder the tests run from: the build folder with meshes/ in it.
const char* runDirectory();

// A key as the engine reports it: a release unless `pressedDown`; the game acts on releases.
irr::SEvent keyEvent(irr::EKEY_CODE key, bool control = false, bool pressedDown = false);
// The key given to the game's receiver; what the receiver answered.
bool sendKey(irr::EKEY_CODE key, bool control = false, bool pressedDown = false);

// The first texture of a node's first material, if it has one.
irr::video::ITexture* textureOf(irr::scene::ISceneNode* node);
// Its file as the game names it ("meshes/..."), without the folder the engine puts in front; "" if none.
std::string textureName(irr::scene::ISceneNode* node);
