#pragma once
// The stadium's fixed pieces, and the one way the game brings any model into
// the scene: load the mesh, show it in a node, texture it, light it, place it.
#include <irrlicht.h>

struct SceneObject {
    irr::scene::IAnimatedMesh* mesh; // owned by the engine's mesh cache
    irr::scene::ISceneNode* node;    // owned by the scene manager; absent if the mesh failed
};

// Fixed slots of the stadium table.
enum SceneObjectIndex {
    PLAYER_BAY_FLOOR = 0,
    ELEVATOR = 1,
    ELEVATOR_DOOR_1 = 2, ELEVATOR_DOOR_2 = 3, ELEVATOR_DOOR_3 = 4, ELEVATOR_DOOR_4 = 5,
    LADDER = 6,
    CONTROLLER = 7,
    CONTROL_CHAIR = 8,
    UNUSED_SLOT = 9, // stays empty
    WEST_GOAL = 10,
    INNER_RAIL_NORTH = 11,
    INNER_RAIL_SOUTH = 12,
    OUTER_TRACK = 13,
    OUTER_WALL = 14,
    GOAL_TEXT_BOX_1 = 15,
    GOAL_TEXT_BOX_2 = 16,
    TEAM_CARD = 17,
    SCENE_OBJECT_COUNT = 18
};

// Zero-filled at program start, filled once by the stadium builder, read by the
// free-camera collision. Handles belong to the engine.
extern SceneObject sceneObjects[SCENE_OBJECT_COUNT];

// The entry at one of the fixed slots above; any other index halts.
SceneObject& sceneObject(int index);

// Octree polygons per node for every static model.
constexpr irr::s32 OCTREE_MIN_POLYGONS = 128;

// Step 3: an octree node showing frame 0 of the mesh (with an optional parent).
irr::scene::ISceneNode* addOctreeNode(irr::scene::IAnimatedMesh* mesh, irr::scene::ISceneNode* parent = 0);
// Step 3, animated variant: scoreboards, the clock display and the east goal.
irr::scene::ISceneNode* addAnimatedNode(irr::scene::IAnimatedMesh* mesh, irr::scene::ISceneNode* parent = 0);
// Steps 4 and 5: texture layer 0 by file name (a missing texture leaves it
// untextured) and the lighting flag for every material of the node.
void dressNode(irr::scene::ISceneNode* node, const char* textureFile, bool lighting);
// The same with a texture already loaded (the scoreboards' digits).
void dressNodeWith(irr::scene::ISceneNode* node, irr::video::ITexture* texture, bool lighting);
// Step 6: rotation first (if any), then the offset added to the node's position.
void placeNode(irr::scene::ISceneNode* node, const irr::core::vector3df* rotation,
               const irr::core::vector3df* offset);

// The whole sequence into a table entry, unlit. A mesh that does not load
// leaves the entry's node absent, silently. Returns the node (or 0).
irr::scene::ISceneNode* loadSceneObject(SceneObject& entry, const char* meshFile, const char* textureFile,
                                        const irr::core::vector3df* rotation = 0,
                                        const irr::core::vector3df* offset = 0);
// The same with the animated-mesh node.
irr::scene::ISceneNode* loadAnimatedObject(SceneObject& entry, const char* meshFile, const char* textureFile,
                                           const irr::core::vector3df* offset = 0);
// The ball's variant: an engine sphere (radius in cm) in place of a mesh, at
// the origin without parent, textured and unlit. Returns the node (or 0).
irr::scene::ISceneNode* loadSphereObject(irr::f32 radius, irr::s32 segments, const char* textureFile);
