#include "assets/asset_loading.h"

#include <cstdio>
#include <cstring>
#include <vector>

#include "assets/asset_files.h"
#include "core/engine.h"
#include "core/files.h"

using irr::scene::IAnimatedMesh;

// ---- The gate in front of the engine's file opening ---------------------------

// True while the engine's mesh loader runs for loadMesh. Set and cleared there.
static bool meshLoading = false;

// What a refused file reaches the loader as: zero bytes under a name no image
// loader claims. Every loader looks for its own signature in the first bytes
// (or the last 26, for TGA) and finds none; a mesh loader finds no chunk
// and no line, a material reader no material.
static constexpr irr::s32 REFUSED_FILE_BYTES = 64;
static const char* const REFUSED_SUFFIX = ".refused";
static constexpr irr::io::E_FILE_ARCHIVE_TYPE GATE_ARCHIVE_TYPE =
    static_cast<irr::io::E_FILE_ARCHIVE_TYPE>(MAKE_IRR_ID('s', 'k', 'g', 't'));

// An archive holding no files of its own, asked first whenever the engine
// opens a file by name: it answers every ask, so the engine never opens a
// file from the disk itself.
class AssetGate : public irr::io::IFileArchive {
public:
    explicit AssetGate(irr::io::IFileSystem* files)
        : fileSystem(files), noFiles(files->createEmptyFileList("", false, false))
    {
    }
    ~AssetGate() override { noFiles->drop(); }

    irr::io::IReadFile* createAndOpenFile(const irr::io::path& filename) override
    {
        const char* name = filename.c_str();
        std::vector<unsigned char> bytes;
        bool sound = false;
        if (judgedAssetKind(name)) {
            sound = readSoundAsset(name, bytes);
        } else if (!meshLoading) {
            // Files of other kinds (fonts) are only held to being regular
            // files of a sane size; a mesh's loader wants none of them.
            bool more = false;
            sound = readRegularFile(name, MAX_ASSET_FILE_BYTES, bytes, &more) && !more && !bytes.empty();
        }
        if (!sound)
            return refusal(filename);
        // The memory file frees the copy with delete[] when the loader drops it.
        irr::c8* copy = new irr::c8[bytes.size()];
        memcpy(copy, bytes.data(), bytes.size());
        return fileSystem->createMemoryReadFile(copy, static_cast<irr::s32>(bytes.size()), filename, true);
    }
    irr::io::IReadFile* createAndOpenFile(irr::u32) override { return 0; }
    const irr::io::IFileList* getFileList() const override { return noFiles; }
    irr::io::E_FILE_ARCHIVE_TYPE getType() const override { return GATE_ARCHIVE_TYPE; }

private:
    irr::io::IReadFile* refusal(const irr::io::path& filename)
    {
        irr::c8* zeros = new irr::c8[REFUSED_FILE_BYTES]();
        return fileSystem->createMemoryReadFile(zeros, REFUSED_FILE_BYTES, filename + REFUSED_SUFFIX, true);
    }

    irr::io::IFileSystem* fileSystem; // owns this archive, so not grabbed
    irr::io::IFileList* noFiles;
};

void guardEngineFiles(irr::io::IFileSystem* files)
{
    for (irr::u32 i = 0; i < files->getFileArchiveCount(); ++i) {
        if (files->getFileArchive(i)->getType() == GATE_ARCHIVE_TYPE)
            return;
    }
    AssetGate* gate = new AssetGate(files);
    // The game mounts no other archive, so the gate is asked first. The file
    // system keeps our reference without a grab of its own, and drops it
    // when the device goes.
    files->addFileArchive(gate);
}

// ---- The game's own asks ---------------------------------------------------------

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
    guardEngineFiles(sceneManager->getFileSystem());
    if (!judgedSound(meshFile))
        return 0;
    // Whatever the mesh's loader opens besides the mesh must be of a kind
    // the gate judges: material files and JPEG textures.
    meshLoading = true;
    IAnimatedMesh* mesh = sceneManager->getMesh(meshFile);
    meshLoading = false;
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
    guardEngineFiles(sceneManager->getFileSystem());
    if (!judgedSound(textureFile))
        return 0;
    irr::video::ITexture* texture = driver->getTexture(textureFile);
    if (!texture)
        condemn(textureFile);
    return texture;
}

