#include "assets/asset_loading.h"

#include <cstdio>

#include "app/engine.h"
#include "assets/asset_files.h"

using irr::scene::IAnimatedMesh;

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

