#include "arena/stadium.h"

#include "arena/scene_object.h"
#include "arena/scoreboard.h"
#include "core/commentary.h"
#include "core/engine.h"
#include "core/switches.h"

using irr::core::vector3df;

// One fixed piece of scenery. Pieces without an offset are modelled in arena
// coordinates already; for the others the offset is the final position (cm),
// since a new node starts at the origin.
struct StadiumPiece {
    int index;               // slot in the scene-object table
    const char* meshFile;
    const char* textureFile; // 0: the floor texture that the F switch picks
    bool turned;             // half a turn about the vertical axis, set before the offset
    bool moved;
    vector3df offset;        // cm
};

static const vector3df HALF_TURN(0.0f, 180.0f, 0.0f); // degrees

// The hall's lamps, for players and referees drawn with engine lighting (the
// L switch): without a light they would come out black. The arena itself is
// drawn unlit in its textures' own colours and is not touched by them.
static const irr::video::SColorf HALL_AMBIENT(0.45f, 0.45f, 0.45f);
static const irr::video::SColorf LAMP_COLOUR(0.8f, 0.8f, 0.75f);
static const vector3df LAMP_POSITION(0.0f, 2200.0f, 0.0f); // cm, under the roof above the centre
static constexpr float LAMP_REACH = 6000.0f;                // cm, past the outer wall
static const vector3df EAST_GOAL_OFFSET(150.0f, 0.0f, 0.0f); // cm

// Build order up to the west goal; the scoreboards follow it.
static const StadiumPiece INNER_PIECES[] = {
    {PLAYER_BAY_FLOOR, "meshes/playerbayfloor.3ds", 0, false, false, vector3df()},
    {INNER_RAIL_NORTH, "meshes/innerrailnorth.3ds", "meshes/brushedsteel.jpg", false, false, vector3df()},
    {INNER_RAIL_SOUTH, "meshes/innerrailsouth.3ds", "meshes/innerrailsouth.jpg", false, false, vector3df()},
    {ELEVATOR, "meshes/elevator.3ds", "meshes/elevator.jpg", false, false, vector3df()},
    // One door mesh four times; the doors stand still, nothing opens them.
    {ELEVATOR_DOOR_1, "meshes/elevatordoor.obj", "meshes/elevatordoor.jpg", false, true, vector3df(95, 90, 31)},
    {ELEVATOR_DOOR_2, "meshes/elevatordoor.obj", "meshes/elevatordoor.jpg", false, true, vector3df(95, 90, -31)},
    {ELEVATOR_DOOR_3, "meshes/elevatordoor.obj", "meshes/elevatordoor.jpg", false, true, vector3df(-95, 90, 45)},
    {ELEVATOR_DOOR_4, "meshes/elevatordoor.obj", "meshes/elevatordoor.jpg", false, true, vector3df(-95, 90, -45)},
    {LADDER, "meshes/ladder.3ds", "meshes/ladder.jpg", false, false, vector3df()},
    {CONTROLLER, "meshes/controller.3ds", "meshes/controller.jpg", false, false, vector3df()},
    {CONTROL_CHAIR, "meshes/controlchair.3ds", "meshes/controlchair.jpg", false, false, vector3df()},
    {WEST_GOAL, "meshes/goalwest.3ds", "meshes/goalwest.jpg", false, true, vector3df(-150, 0, 0)},
};

// Build order after the scoreboards.
static const StadiumPiece OUTER_PIECES[] = {
    {OUTER_TRACK, "meshes/outertrack.3ds", 0, false, false, vector3df()},
    {OUTER_WALL, "meshes/outerwall.3ds", "meshes/brushedsteel.jpg", false, false, vector3df()},
    // One text-box mesh with two faces of text, set facing each other.
    {GOAL_TEXT_BOX_1, "meshes/goaltextbox.3ds", "meshes/goaltext01.jpg", false, true, vector3df(-141, 21, 0)},
    {GOAL_TEXT_BOX_2, "meshes/goaltextbox.3ds", "meshes/goaltext02.jpg", true, true, vector3df(141, 21, 0)},
    {TEAM_CARD, "meshes/teamcard.3ds", "meshes/teamcard.jpg", false, true, vector3df(0, 15, 142)},
};

static void buildPieces(const StadiumPiece* pieces, int count)
{
    // Read at build time: the player-bay floor and the outer track share it.
    const char* floorTexture = floorSwitch ? "meshes/sf_floor.jpg" : "meshes/floor.jpg";
    for (int i = 0; i < count; ++i) {
        const StadiumPiece& piece = pieces[i];
        // A missing mesh leaves the slot's node absent and the piece out, silently.
        loadSceneObject(sceneObject(piece.index), piece.meshFile,
                        piece.textureFile ? piece.textureFile : floorTexture,
                        piece.turned ? &HALF_TURN : 0, piece.moved ? &piece.offset : 0);
    }
}

// Near to far as the cameras see them from inside the ring: the track under
// the players, the floor inside it, then the wall with the stands and the hall
// behind it all. The wall's own parts are in the same order in its mesh.
static const int SHELL_PIECES[] = {OUTER_TRACK, PLAYER_BAY_FLOOR, OUTER_WALL};

// The engine sorts the solid nodes it draws by their texture's address, which
// for the pieces loaded first puts the farthest surfaces first: every layer
// of the scene was textured, then hidden by the next.
static void keepShellForLast()
{
    for (int index : SHELL_PIECES) {
        if (irr::scene::ISceneNode* node = sceneObject(index).node) {
            // Invisible nodes are not animated, so their place is fixed here.
            node->updateAbsolutePosition();
            node->setVisible(false);
        }
    }
}

void drawArenaShell()
{
    for (int index : SHELL_PIECES)
        if (irr::scene::ISceneNode* node = sceneObject(index).node)
            node->render();
}

static void lightTheHall()
{
    sceneManager->setAmbientLight(HALL_AMBIENT);
    sceneManager->addLightSceneNode(0, LAMP_POSITION, LAMP_COLOUR, LAMP_REACH);
}

void buildStadium()
{
    setCommentary("Building stadium");
    buildPieces(INNER_PIECES, sizeof INNER_PIECES / sizeof INNER_PIECES[0]);
    buildScoreboards();
    buildPieces(OUTER_PIECES, sizeof OUTER_PIECES / sizeof OUTER_PIECES[0]);
    keepShellForLast();
    if (lightingSwitch)
        lightTheHall();
}

void buildEastGoal()
{
    // Kept out of the scene-object table: nothing collides with or reads them.
    SceneObject fingers = SceneObject();
    SceneObject guide = SceneObject();
    loadAnimatedObject(fingers, "meshes/goalfingerseast.3ds", "meshes/goalfingerseast.jpg", &EAST_GOAL_OFFSET);
    loadAnimatedObject(guide, "meshes/goaleastguide.3ds", "meshes/brushedsteel.jpg", &EAST_GOAL_OFFSET);
}
