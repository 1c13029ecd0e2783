#include "arena/scene_object.h"

#include "assets/asset_loading.h"
#include "core/engine.h"
#include "core/message.h"

using irr::core::vector3df;
using irr::scene::IAnimatedMesh;
using irr::scene::ISceneNode;

SceneObject sceneObjects[SCENE_OBJECT_COUNT];

SceneObject& sceneObject(int index)
{
    // Callers pass the table's constants; anything else would write past the table.
    if (index < 0 || index >= SCENE_OBJECT_COUNT)
        reportMessage(MESSAGE_HALT, "Unknown scene object @ sceneObject");
    return sceneObjects[index];
}

// The engine's default test culls a node only when its box misses the box
// around the whole view, which from above or across the hall holds most of
// the arena: the view's own planes leave out the players and pieces off the
// screen before the renderer shades and clips their triangles.
static ISceneNode* cullByView(ISceneNode* node)
{
    if (node)
        node->setAutomaticCulling(irr::scene::EAC_FRUSTUM_BOX);
    return node;
}

ISceneNode* addOctreeNode(IAnimatedMesh* mesh, ISceneNode* parent)
{
    if (!mesh)
        return 0;
    // Frame 0 at full detail; the loop frames are unused for static meshes.
    return cullByView(
        sceneManager->addOctreeSceneNode(mesh->getMesh(0, 255, -1, -1), parent, -1, OCTREE_MIN_POLYGONS));
}

ISceneNode* addAnimatedNode(IAnimatedMesh* mesh, ISceneNode* parent)
{
    if (!mesh)
        return 0;
    return cullByView(sceneManager->addAnimatedMeshSceneNode(mesh, parent, -1, vector3df(0, 0, 0),
                                                             vector3df(0, 0, 0), vector3df(1, 1, 1)));
}

void dressNode(ISceneNode* node, const char* textureFile, bool lighting)
{
    dressNodeWith(node, loadTexture(textureFile), lighting);
}

void dressNodeWith(ISceneNode* node, irr::video::ITexture* texture, bool lighting)
{
    // Both calls reach every material of the node: that is the engine's own rule.
    node->setMaterialTexture(0, texture);
    node->setMaterialFlag(irr::video::EMF_LIGHTING, lighting);
}

void placeNode(ISceneNode* node, const vector3df* rotation, const vector3df* offset)
{
    if (rotation)
        node->setRotation(*rotation);
    if (offset)
        node->setPosition(node->getPosition() + *offset);
}

ISceneNode* loadSceneObject(SceneObject& entry, const char* meshFile, const char* textureFile,
                            const vector3df* rotation, const vector3df* offset)
{
    entry.mesh = loadMesh(meshFile);
    entry.node = addOctreeNode(entry.mesh);
    if (!entry.node)
        return 0;
    dressNode(entry.node, textureFile, false);
    placeNode(entry.node, rotation, offset);
    return entry.node;
}

ISceneNode* loadAnimatedObject(SceneObject& entry, const char* meshFile, const char* textureFile,
                               const vector3df* offset)
{
    entry.mesh = loadMesh(meshFile);
    entry.node = addAnimatedNode(entry.mesh);
    if (!entry.node)
        return 0;
    dressNode(entry.node, textureFile, false);
    placeNode(entry.node, 0, offset);
    return entry.node;
}

ISceneNode* loadSphereObject(irr::f32 radius, irr::s32 segments, const char* textureFile)
{
    ISceneNode* node = sceneManager->addSphereSceneNode(radius, segments, 0, -1, vector3df(0, 0, 0),
                                                        vector3df(0, 0, 0), vector3df(1, 1, 1));
    if (!node)
        return 0;
    cullByView(node);
    dressNode(node, textureFile, false);
    return node;
}
