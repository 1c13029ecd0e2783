#include "arena/scene_object.h"

#include <cstdio>

#include "app/engine.h"
#include "app/message.h"
#include "arena/asset_files.h"

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

// Verdicts on asset files live in the scene manager's parameters, beside the
// engine's own caches: they go with the device, as the meshes and textures
// they vouch for do. Names longer than the key are judged on every ask.
static constexpr size_t VERDICT_KEY_SIZE = 256;
static const char* const VERDICT_KEY_FORMAT = "skorvane sound asset %s";

static bool verdictKey(const char* file, char (&key)[VERDICT_KEY_SIZE])
{
    const int length = snprintf(key, sizeof key, VERDICT_KEY_FORMAT, file);
    return length > 0 && static_cast<size_t>(length) < sizeof key;
}

static bool judgedSound(const char* file)
{
    if (!file)
        return false;
    char key[VERDICT_KEY_SIZE];
    if (!verdictKey(file, key))
        return soundAssetFile(file);
    irr::io::IAttributes* verdicts = sceneManager->getParameters();
    const irr::s32 known = verdicts->findAttribute(key);
    if (known >= 0)
        return verdicts->getAttributeAsBool(known);
    const bool sound = soundAssetFile(file);
    verdicts->setAttribute(key, sound);
    return sound;
}

// The engine refused a file that passed the checks: never ask it again.
static void condemn(const char* file)
{
    char key[VERDICT_KEY_SIZE];
    if (verdictKey(file, key))
        sceneManager->getParameters()->setAttribute(key, false);
}

static irr::u32 triangleCount(IAnimatedMesh* mesh)
{
    const irr::scene::IMesh* frame = mesh->getMesh(0, 255, -1, -1);
    irr::u32 triangles = 0;
    for (irr::u32 b = 0; frame && b < frame->getMeshBufferCount(); ++b)
        triangles += frame->getMeshBuffer(b)->getIndexCount() / 3;
    return triangles;
}

IAnimatedMesh* loadMesh(const char* meshFile)
{
    if (!judgedSound(meshFile))
        return 0;
    IAnimatedMesh* mesh = sceneManager->getMesh(meshFile);
    if (mesh && triangleCount(mesh) > 0)
        return mesh;
    // The engine caches what it loaded under the file's name; an empty mesh
    // left there would be handed out again by the next getMesh.
    if (mesh)
        sceneManager->getMeshCache()->removeMesh(mesh);
    condemn(meshFile);
    return 0;
}

irr::video::ITexture* loadTexture(const char* textureFile)
{
    if (!judgedSound(textureFile))
        return 0;
    irr::video::ITexture* texture = driver->getTexture(textureFile);
    if (!texture)
        condemn(textureFile);
    return texture;
}

ISceneNode* addOctreeNode(IAnimatedMesh* mesh, ISceneNode* parent)
{
    if (!mesh)
        return 0;
    // Frame 0 at full detail; the loop frames are unused for static meshes.
    return sceneManager->addOctreeSceneNode(mesh->getMesh(0, 255, -1, -1), parent, -1, OCTREE_MIN_POLYGONS);
}

ISceneNode* addAnimatedNode(IAnimatedMesh* mesh, ISceneNode* parent)
{
    if (!mesh)
        return 0;
    return sceneManager->addAnimatedMeshSceneNode(mesh, parent, -1, vector3df(0, 0, 0), vector3df(0, 0, 0),
                                                  vector3df(1, 1, 1));
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
    dressNode(node, textureFile, false);
    return node;
}
