// The arena on the null driver with the generated meshes: the stadium table,
// both scoreboards and the free camera's collision with the stadium.
#include <unistd.h>

#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "arena/camera_collision.h"
#include "arena/scene_object.h"
#include "arena/scoreboard.h"
#include "arena/stadium.h"
#include "core/commentary.h"
#include "core/engine.h"
#include "core/switches.h"
#include "match/match_clock.h"
#include "test_support.h"
#include "ui/cameras.h"

using irr::core::vector3df;
using irr::scene::ISceneNode;

namespace {

bool endsWith(const std::string& text, const std::string& tail)
{
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

#define EXPECT_VECTOR(expected, actual) EXPECT_TRUE((actual).equals(expected)) << "got " << (actual).X << ", " \
                                                                              << (actual).Y << ", " << (actual).Z

class ArenaTest : public NullDeviceTest {
protected:
    void buildAll()
    {
        loadClockDigits();
        buildStadium();
    }
};

TEST_F(ArenaTest, StadiumFillsEveryUsedSlotAndLeavesSlotNineEmpty)
{
    buildAll();
    EXPECT_STREQ("Building stadium", getCommentary());
    for (int i = 0; i < SCENE_OBJECT_COUNT; ++i) {
        if (i == UNUSED_SLOT) {
            EXPECT_EQ(nullptr, sceneObject(i).mesh);
            EXPECT_EQ(nullptr, sceneObject(i).node);
            continue;
        }
        ASSERT_NE(nullptr, sceneObject(i).node) << "slot " << i;
        // The whole arena is drawn unlit, in its textures' own colours.
        EXPECT_FALSE(sceneObject(i).node->getMaterial(0).Lighting) << "slot " << i;
        EXPECT_NE("", textureName(sceneObject(i).node)) << "slot " << i;
        EXPECT_VECTOR(vector3df(1, 1, 1), sceneObject(i).node->getScale());
    }
    // One door mesh and one text-box mesh, loaded once, each slot with a node of its own.
    EXPECT_EQ(sceneObject(ELEVATOR_DOOR_1).mesh, sceneObject(ELEVATOR_DOOR_4).mesh);
    EXPECT_NE(sceneObject(ELEVATOR_DOOR_1).node, sceneObject(ELEVATOR_DOOR_4).node);
    EXPECT_EQ(sceneObject(GOAL_TEXT_BOX_1).mesh, sceneObject(GOAL_TEXT_BOX_2).mesh);
    EXPECT_TRUE(endsWith(textureName(sceneObject(GOAL_TEXT_BOX_1).node), "meshes/goaltext01.jpg"));
    EXPECT_TRUE(endsWith(textureName(sceneObject(GOAL_TEXT_BOX_2).node), "meshes/goaltext02.jpg"));
    EXPECT_TRUE(endsWith(textureName(sceneObject(OUTER_WALL).node), "meshes/brushedsteel.jpg"));
}

TEST_F(ArenaTest, PlacedPiecesStandAtTheirOffsetsAndOnlyTheSecondTextBoxIsTurned)
{
    buildAll();
    EXPECT_VECTOR(vector3df(95, 90, 31), sceneObject(ELEVATOR_DOOR_1).node->getPosition());
    EXPECT_VECTOR(vector3df(95, 90, -31), sceneObject(ELEVATOR_DOOR_2).node->getPosition());
    EXPECT_VECTOR(vector3df(-95, 90, 45), sceneObject(ELEVATOR_DOOR_3).node->getPosition());
    EXPECT_VECTOR(vector3df(-95, 90, -45), sceneObject(ELEVATOR_DOOR_4).node->getPosition());
    EXPECT_VECTOR(vector3df(-150, 0, 0), sceneObject(WEST_GOAL).node->getPosition());
    EXPECT_VECTOR(vector3df(-141, 21, 0), sceneObject(GOAL_TEXT_BOX_1).node->getPosition());
    EXPECT_VECTOR(vector3df(141, 21, 0), sceneObject(GOAL_TEXT_BOX_2).node->getPosition());
    EXPECT_VECTOR(vector3df(0, 15, 142), sceneObject(TEAM_CARD).node->getPosition());
    // Pieces modelled in arena coordinates stay where their files put them.
    EXPECT_VECTOR(vector3df(0, 0, 0), sceneObject(ELEVATOR).node->getPosition());

    EXPECT_VECTOR(vector3df(0, 180, 0), sceneObject(GOAL_TEXT_BOX_2).node->getRotation());
    for (int i = 0; i < SCENE_OBJECT_COUNT; ++i) {
        if (i != GOAL_TEXT_BOX_2 && sceneObject(i).node) {
            EXPECT_VECTOR(vector3df(0, 0, 0), sceneObject(i).node->getRotation()) << "slot " << i;
        }
    }
}

TEST_F(ArenaTest, FloorSwitchRetexturesBothFloorsAndNothingElse)
{
    floorSwitch = false;
    buildAll();
    EXPECT_TRUE(endsWith(textureName(sceneObject(PLAYER_BAY_FLOOR).node), "meshes/floor.jpg"));
    EXPECT_TRUE(endsWith(textureName(sceneObject(OUTER_TRACK).node), "meshes/floor.jpg"));

    sceneManager->clear();
    floorSwitch = true;
    buildAll();
    EXPECT_TRUE(endsWith(textureName(sceneObject(PLAYER_BAY_FLOOR).node), "meshes/sf_floor.jpg"));
    EXPECT_TRUE(endsWith(textureName(sceneObject(OUTER_TRACK).node), "meshes/sf_floor.jpg"));
    EXPECT_TRUE(endsWith(textureName(sceneObject(ELEVATOR).node), "meshes/elevator.jpg"));
}

// Regression: with the L switch the players were lit by no light and drew black.
TEST_F(ArenaTest, LightingSwitchLightsTheHallAndOnlyThen)
{
    auto lights = [] {
        irr::core::array<irr::scene::ISceneNode*> found;
        sceneManager->getSceneNodesFromType(irr::scene::ESNT_LIGHT, found);
        return found.size();
    };
    lightingSwitch = false;
    buildAll();
    EXPECT_EQ(0u, lights());
    EXPECT_EQ(0.0f, sceneManager->getAmbientLight().r);

    sceneManager->clear();
    lightingSwitch = true;
    buildAll();
    EXPECT_EQ(1u, lights());
    EXPECT_GT(sceneManager->getAmbientLight().r, 0.0f);
    lightingSwitch = false;
}

TEST_F(ArenaTest, AnIndexOutsideTheTableHalts)
{
    EXPECT_HALTS(sceneObject(SCENE_OBJECT_COUNT), "Unknown scene object @ sceneObject\nhalting");
    EXPECT_HALTS(sceneObject(-1), "Unknown scene object @ sceneObject\nhalting");
}

// A run folder whose meshes/ lacks one file: every other file is linked in.
class MissingMeshTest : public ScratchRunFolderTest,
                        public ::testing::WithParamInterface<std::pair<const char*, std::vector<int>>> {
protected:
    void SetUp() override
    {
        ScratchRunFolderTest::SetUp();
        ASSERT_EQ(0, unlink((std::string("meshes/") + GetParam().first).c_str()));
    }
};

TEST_P(MissingMeshTest, LeavesOnlyThatPieceOutSilently)
{
    const std::set<int> missing(GetParam().second.begin(), GetParam().second.end());
    const std::string printed = buildArenaQuietly();
    EXPECT_EQ("", printed);
    for (int i = 0; i < SCENE_OBJECT_COUNT; ++i) {
        if (i == UNUSED_SLOT)
            continue;
        if (missing.count(i))
            EXPECT_EQ(nullptr, sceneObject(i).node) << "slot " << i;
        else
            EXPECT_NE(nullptr, sceneObject(i).node) << "slot " << i;
    }
    EXPECT_NE(nullptr, scoreboards[0].board);
    EXPECT_NE(nullptr, scoreboards[1].timebox);

    // A missing solid piece also takes its collision away, and only its own.
    int solidMissing = 0;
    for (int i : {PLAYER_BAY_FLOOR, INNER_RAIL_SOUTH, INNER_RAIL_NORTH, OUTER_TRACK, OUTER_WALL, ELEVATOR})
        solidMissing += missing.count(i);
    int collisions = 0;
    for (irr::scene::ISceneNodeAnimator* animator : freeCamera->getAnimators())
        collisions += animator->getType() == irr::scene::ESNAT_COLLISION_RESPONSE;
    EXPECT_EQ(6 - solidMissing, collisions);
}

INSTANTIATE_TEST_SUITE_P(
    Arena, MissingMeshTest,
    ::testing::Values(std::make_pair("elevator.3ds", std::vector<int>{ELEVATOR}),
                      std::make_pair("elevatordoor.obj",
                                     std::vector<int>{ELEVATOR_DOOR_1, ELEVATOR_DOOR_2, ELEVATOR_DOOR_3,
                                                      ELEVATOR_DOOR_4}),
                      std::make_pair("teamcard.3ds", std::vector<int>{TEAM_CARD})));

// --- Scoreboards -----------------------------------------------------------

// Every digit box on one board: the period digit and its eight children.
std::vector<ISceneNode*> digitBoxes(const Scoreboard& board)
{
    return {board.timebox,       board.clock_digits[0], board.clock_digits[1], board.clock_digits[2],
            board.clock_digits[3], board.home_tens,     board.home_units,      board.away_tens,
            board.away_units};
}

// Nodes showing the time-box mesh anywhere below `node`.
int countTimeboxNodes(ISceneNode* node)
{
    int count = node->getType() == irr::scene::ESNT_ANIMATED_MESH &&
                static_cast<irr::scene::IAnimatedMeshSceneNode*>(node)->getMesh() == timeboxMesh;
    for (ISceneNode* child : node->getChildren())
        count += countTimeboxNodes(child);
    return count;
}

class ArenaScoreboardTest : public NullDeviceTest {
protected:
    void SetUp() override
    {
        NullDeviceTest::SetUp();
        loadClockDigits();
        buildScoreboards();
    }
    int digitShown(ISceneNode* box)
    {
        for (int d = 0; d < 10; ++d) {
            if (box->getMaterial(0).getTexture(0) == digitTextures[d])
                return d;
        }
        return -1;
    }
};

TEST_F(ArenaScoreboardTest, EastIsBoardZeroAndWestIsBoardOne)
{
    EXPECT_TRUE(endsWith(textureName(scoreboards[0].board), "meshes/scoreboardeast.jpg"));
    EXPECT_TRUE(endsWith(textureName(scoreboards[1].board), "meshes/scoreboardwest.jpg"));
    for (const Scoreboard& board : scoreboards) {
        EXPECT_VECTOR(vector3df(0, 0, 0), board.board->getPosition());
        EXPECT_FALSE(board.board->getMaterial(0).Lighting);
    }
}

TEST_F(ArenaScoreboardTest, EachBoardHasNineTimeBoxesEightOfThemChildrenOfTheFirst)
{
    EXPECT_EQ(18, countTimeboxNodes(sceneManager->getRootSceneNode()));

    for (const Scoreboard& board : scoreboards) {
        const std::vector<ISceneNode*> boxes = digitBoxes(board);
        ASSERT_EQ(sceneManager->getRootSceneNode(), board.timebox->getParent());
        EXPECT_EQ(8u, board.timebox->getChildren().size());
        for (size_t i = 1; i < boxes.size(); ++i) {
            ASSERT_NE(nullptr, boxes[i]);
            EXPECT_EQ(board.timebox, boxes[i]->getParent());
            EXPECT_FALSE(boxes[i]->getMaterial(0).Lighting);
        }
        EXPECT_EQ(9u, std::set<ISceneNode*>(boxes.begin(), boxes.end()).size());
    }
}

TEST_F(ArenaScoreboardTest, DisplaysFaceEachOtherAcrossTheArena)
{
    const Scoreboard& east = scoreboards[0];
    const Scoreboard& west = scoreboards[1];
    EXPECT_VECTOR(vector3df(3360, 1042, 46), east.timebox->getPosition());
    EXPECT_VECTOR(vector3df(0, 0, 0), east.timebox->getRotation());
    EXPECT_VECTOR(vector3df(-3360, 989, 1), west.timebox->getPosition());
    EXPECT_VECTOR(vector3df(0, 180, 0), west.timebox->getRotation());

    // The rows sit relative to the period digit: score 136 above, clock 89 below.
    const vector3df expected[] = {vector3df(0, -89, 99),  vector3df(0, -89, 39),   vector3df(0, -89, -43),
                                  vector3df(0, -89, -103), vector3df(0, 136, 110), vector3df(0, 136, 50),
                                  vector3df(0, 136, -55),  vector3df(0, 136, -115)};
    for (const Scoreboard* board : {&east, &west}) {
        const std::vector<ISceneNode*> boxes = digitBoxes(*board);
        for (int i = 0; i < 8; ++i)
            EXPECT_VECTOR(expected[i], boxes[i + 1]->getPosition()) << "box " << i;
    }

    // In the world the west display is mirrored by its half turn.
    sceneManager->getRootSceneNode()->OnAnimate(0);
    EXPECT_TRUE(west.clock_digits[0]->getAbsolutePosition().equals(vector3df(-3360, 900, -98), 0.01f));
    EXPECT_TRUE(east.clock_digits[0]->getAbsolutePosition().equals(vector3df(3360, 953, 145), 0.01f));
}

TEST_F(ArenaScoreboardTest, BoardsReadPeriodZeroClockTwentyOneTwelveScoreTwentyOneTwelve)
{
    // Ten distinct textures, or every digit would read the same.
    for (int d = 0; d < 10; ++d) {
        ASSERT_NE(nullptr, digitTextures[d]);
        EXPECT_TRUE(endsWith(digitTextures[d]->getName().getPath().c_str(),
                             "meshes/sbn" + std::to_string(d) + ".jpg"));
    }
    for (const Scoreboard& board : scoreboards) {
        EXPECT_EQ(0, digitShown(board.timebox));
        EXPECT_EQ(2, digitShown(board.clock_digits[0]));
        EXPECT_EQ(1, digitShown(board.clock_digits[1]));
        EXPECT_EQ(1, digitShown(board.clock_digits[2]));
        EXPECT_EQ(2, digitShown(board.clock_digits[3]));
        EXPECT_EQ(2, digitShown(board.home_tens));
        EXPECT_EQ(1, digitShown(board.home_units));
        EXPECT_EQ(1, digitShown(board.away_tens));
        EXPECT_EQ(2, digitShown(board.away_units));
    }
}

TEST_F(ArenaScoreboardTest, BoardsPaintWhatTheClockShowsAndStopAtNinetyNine)
{
    matchClock.visible = true;
    matchClock.reset_clock(20);
    matchClock.tick_second();
    matchClock.period = 2;
    matchClock.show_period();
    matchClock.home_score = 7;
    matchClock.away_score = 123; // no digit for ten: the boards stay at 99
    matchClock.show_score();
    showScoreboards();
    const int expected[9] = {2, 1, 9, 5, 9, 0, 7, 9, 9};
    for (const Scoreboard& board : scoreboards) {
        const std::vector<ISceneNode*> boxes = digitBoxes(board);
        for (int i = 0; i < 9; ++i)
            EXPECT_EQ(expected[i], digitShown(boxes[i])) << "box " << i;
    }

    // C freezes the clock on the boards while the game clock runs on.
    matchClock.visible = false;
    matchClock.tick_second();
    showScoreboards();
    EXPECT_EQ(8, matchClock.sec_units);
    EXPECT_EQ(9, digitShown(scoreboards[1].clock_digits[3]));
}

TEST_F(ArenaScoreboardTest, ShowDigitSkipsAbsentBoxesAndValuesThatAreNoDigit)
{
    ISceneNode* box = scoreboards[0].home_units;
    showDigit(box, 7);
    EXPECT_EQ(7, digitShown(box));
    // A three-figure score must not read past the ten textures.
    showDigit(box, 10);
    showDigit(box, -1);
    EXPECT_EQ(7, digitShown(box));
    showDigit(0, 3);
}

TEST_F(ArenaTest, BoardsWithoutTheTimeBoxMeshHaveNoDigitsAndTheClockSkipsThem)
{
    loadClockDigits();
    timeboxMesh = 0;
    buildScoreboards();
    for (const Scoreboard& board : scoreboards) {
        EXPECT_NE(nullptr, board.board);
        for (ISceneNode* box : digitBoxes(board))
            EXPECT_EQ(nullptr, box);
    }
    matchClock.home_score = 12;
    matchClock.period = 2;
    matchClock.show_score();
    matchClock.show_period();
    matchClock.reset_clock(15);
    showScoreboards();
}

// --- Free-camera collision -------------------------------------------------

const int SOLID_ORDER[] = {PLAYER_BAY_FLOOR, INNER_RAIL_SOUTH, INNER_RAIL_NORTH, OUTER_TRACK, OUTER_WALL, ELEVATOR};

class ArenaCollisionTest : public NullDeviceTest {
protected:
    void SetUp() override
    {
        NullDeviceTest::SetUp();
        loadClockDigits();
        createCameras();
        buildStadium();
        addCameraCollision(freeCamera);
    }
    std::vector<irr::scene::ISceneNodeAnimatorCollisionResponse*> collisionAnimators()
    {
        std::vector<irr::scene::ISceneNodeAnimatorCollisionResponse*> found;
        for (irr::scene::ISceneNodeAnimator* animator : freeCamera->getAnimators()) {
            if (animator->getType() == irr::scene::ESNAT_COLLISION_RESPONSE)
                found.push_back(static_cast<irr::scene::ISceneNodeAnimatorCollisionResponse*>(animator));
        }
        return found;
    }
    // One pass of the scene's animation, 16 ms of engine time after the last.
    void animate()
    {
        clock += 16;
        sceneManager->getRootSceneNode()->OnAnimate(clock);
    }
    // Puts the camera at `from` (a jump, not a flight), then flies it toward
    // `to` in one frame and returns where it ends.
    vector3df fly(const vector3df& from, const vector3df& to)
    {
        freeCamera->setPosition(from);
        for (auto* animator : collisionAnimators())
            animator->setTargetNode(freeCamera);
        animate();
        freeCamera->setPosition(to);
        animate();
        return freeCamera->getPosition();
    }
    irr::u32 clock = 1000;
};

TEST_F(ArenaCollisionTest, SixAnimatorsOnTheFreeCameraEachOnItsOwnPiece)
{
    const std::vector<irr::scene::ISceneNodeAnimatorCollisionResponse*> animators = collisionAnimators();
    ASSERT_EQ(6u, animators.size());
    for (int i = 0; i < 6; ++i) {
        ISceneNode* piece = sceneObject(SOLID_ORDER[i]).node;
        ASSERT_NE(nullptr, piece->getTriangleSelector()) << "piece " << i;
        EXPECT_EQ(piece->getTriangleSelector(), animators[i]->getWorld()) << "piece " << i;
        EXPECT_EQ(freeCamera, animators[i]->getTargetNode());
        EXPECT_VECTOR(vector3df(30, 50, 30), animators[i]->getEllipsoidRadius());
        EXPECT_VECTOR(vector3df(0, 0, 0), animators[i]->getGravity());
        EXPECT_VECTOR(vector3df(0, 50, 0), animators[i]->getEllipsoidTranslation());
        // Handed over and let go: the camera holds the animator; the node and
        // the animator hold the selector.
        EXPECT_EQ(1, animators[i]->getReferenceCount());
        EXPECT_EQ(2, piece->getTriangleSelector()->getReferenceCount());
    }
    // Nothing else of the stadium is solid.
    for (int i : {ELEVATOR_DOOR_1, LADDER, CONTROLLER, CONTROL_CHAIR, WEST_GOAL, GOAL_TEXT_BOX_1, TEAM_CARD})
        EXPECT_EQ(nullptr, sceneObject(i).node->getTriangleSelector()) << "slot " << i;
    EXPECT_EQ(nullptr, scoreboards[0].board->getTriangleSelector());
}

TEST_F(ArenaCollisionTest, OuterWallStopsTheCameraAndLetsItSlideAlong)
{
    // The camera's whole body (50 to 150 cm below the eye) clears the bank's
    // top edge, 455 cm up at the track's outer radius of 3000 cm, but not the
    // wall that rises from there: only the wall can stop it.
    const float eye = 650.0f;

    // Straight out along +x from the infield: held just inside the wall.
    const vector3df stopped = fly(vector3df(2000, eye, 0), vector3df(5000, eye, 0));
    EXPECT_GT(stopped.X, 2900.0f);
    EXPECT_LT(stopped.X, 3000.0f);
    // Without gravity the camera keeps its height.
    EXPECT_NEAR(eye, stopped.Y, 1.0f);

    // Into the wall at a slant: held inside, but the part of the move along the wall survives.
    const vector3df slid = fly(vector3df(2000, eye, 0), vector3df(5000, eye, 1500));
    EXPECT_LT(vector3df(slid.X, 0, slid.Z).getLength(), 3000.0f);
    EXPECT_GT(slid.Z, 500.0f);
}

TEST_F(ArenaCollisionTest, SnappingBackOverheadIsAJumpNotAFlight)
{
    // Flown down to the floor beside the elevator, in the end view.
    cameraMode = END_VIEW;
    updateCamera();
    animate();
    fly(vector3df(0, 101, -150), vector3df(0, 101, -150));

    // The straight line up to the overhead point grazes the elevator's roof.
    // Taken as a flight, the collision would leave the camera 130 cm off.
    cameraMode = OVERHEAD_VIEW;
    updateCamera();
    animate();
    EXPECT_VECTOR(vector3df(0, 1200, 0), freeCamera->getPosition());

    // The same for the end view, from under the overhead point's own roof.
    fly(vector3df(0, 101, 150), vector3df(0, 101, 150));
    cameraMode = END_VIEW;
    updateCamera();
    animate();
    EXPECT_VECTOR(vector3df(0, 750, 2950), freeCamera->getPosition());
}

}  // namespace
