// Damaged asset files: an empty file, random bytes, the real file cut in
// half, a folder, a named pipe, a link loop or an endless device, in place of
// a stadium mesh, a player mesh, a texture, a material file or a texture a
// material file names, is treated exactly as if the file were absent. Files
// that crash, hang or overrun the engine's own loaders never reach them, and
// files the engine reads correctly, however unusual, load.
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "app/frame_loop.h"
#include "app/startup.h"
#include "arena/bodies.h"
#include "arena/camera_collision.h"
#include "arena/scene_object.h"
#include "arena/scoreboard.h"
#include "arena/stadium.h"
#include "assets/asset_files.h"
#include "assets/asset_loading.h"
#include "core/engine.h"
#include "core/run_state.h"
#include "core/switches.h"
#include "match/match_clock.h"
#include "match/match_stats.h"
#include "players/player.h"
#include "test_support.h"
#include "ui/cameras.h"

namespace {

enum BadForm { ABSENT, EMPTY, RANDOM_BYTES, CUT_IN_HALF, FOLDER, NAMED_PIPE, LINK_LOOP, ENDLESS_DEVICE };

const char* formName(BadForm form)
{
    static const char* const NAMES[] = {"Absent", "Empty",     "RandomBytes", "CutInHalf",
                                        "Folder", "NamedPipe", "LinkLoop",    "EndlessDevice"};
    return NAMES[form];
}

// "elevator.3ds" as a test name: elevator_3ds.
std::string fileTestName(const std::string& file)
{
    std::string name = file;
    name[name.find('.')] = '_';
    return name;
}

const auto ALL_FORMS =
    ::testing::Values(ABSENT, EMPTY, RANDOM_BYTES, CUT_IN_HALF, FOLDER, NAMED_PIPE, LINK_LOOP, ENDLESS_DEVICE);

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeFile(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

// A run folder whose meshes/ links every generated file, except those planted
// in their place; the tests run from it.
class BadAssetTest : public ScratchRunFolderTest {
protected:
    // Replaces meshes/<name> by its bad form, made from `good` (by default
    // the generated file of that name). An existing link goes first, so the
    // generated file itself is never written.
    void plant(const std::string& name, BadForm form, std::string good = "")
    {
        if (good.empty())
            good = readFile(std::string(runDirectory()) + "/meshes/" + name);
        ASSERT_FALSE(good.empty()) << name;
        const std::string path = "meshes/" + name;
        unlink(path.c_str());
        std::string bad;
        switch (form) {
        case ABSENT:
            return;
        case FOLDER:
            ASSERT_EQ(0, mkdir(path.c_str(), 0700));
            return;
        case NAMED_PIPE:
            ASSERT_EQ(0, mkfifo(path.c_str(), 0600));
            return;
        case LINK_LOOP:
            ASSERT_EQ(0, symlink(name.c_str(), path.c_str()));
            return;
        case ENDLESS_DEVICE:
            ASSERT_EQ(0, symlink("/dev/zero", path.c_str()));
            return;
        case RANDOM_BYTES: {
            std::mt19937 random(20261208); // the same bytes on every run
            for (size_t i = 0; i < good.size(); ++i)
                bad.push_back(static_cast<char>(random() & 0xFF));
            break;
        }
        case CUT_IN_HALF:
            bad = good.substr(0, good.size() / 2);
            break;
        case EMPTY:
            break;
        }
        writeFile(path, bad);
    }
};

// ---- Stadium meshes: the piece is left out, silently -------------------------

struct StadiumPieceCase {
    const char* file;
    std::vector<int> slots; // the table entries the file fills
};

void PrintTo(const StadiumPieceCase& piece, std::ostream* out)
{
    *out << piece.file;
}

class BadStadiumMeshTest : public BadAssetTest,
                           public ::testing::WithParamInterface<std::tuple<StadiumPieceCase, BadForm>> {};

TEST_P(BadStadiumMeshTest, LeavesThatPieceAndItsCollisionOutSilently)
{
    const StadiumPieceCase& piece = std::get<0>(GetParam());
    plant(piece.file, std::get<1>(GetParam()));
    const std::string printed = buildArenaQuietly();
    EXPECT_EQ("", printed);
    const std::set<int> missing(piece.slots.begin(), piece.slots.end());
    int solidMissing = 0;
    for (int i = 0; i < SCENE_OBJECT_COUNT; ++i) {
        if (i == UNUSED_SLOT)
            continue;
        EXPECT_EQ(missing.count(i) == 0, sceneObject(i).node != nullptr) << "slot " << i;
        EXPECT_EQ(missing.count(i) == 0, sceneObject(i).mesh != nullptr) << "slot " << i;
    }
    for (int i : {PLAYER_BAY_FLOOR, INNER_RAIL_SOUTH, INNER_RAIL_NORTH, OUTER_TRACK, OUTER_WALL, ELEVATOR})
        solidMissing += missing.count(i);
    int collisions = 0;
    for (irr::scene::ISceneNodeAnimator* animator : freeCamera->getAnimators())
        collisions += animator->getType() == irr::scene::ESNAT_COLLISION_RESPONSE;
    EXPECT_EQ(6 - solidMissing, collisions);
    // Nothing the engine made of the file stays cached under its name.
    EXPECT_FALSE(sceneManager->getMeshCache()->isMeshLoaded((std::string("meshes/") + piece.file).c_str()));
}

INSTANTIATE_TEST_SUITE_P(
    BadAssets, BadStadiumMeshTest,
    ::testing::Combine(::testing::Values(StadiumPieceCase{"elevator.3ds", {ELEVATOR}},
                                         StadiumPieceCase{"outerwall.3ds", {OUTER_WALL}},
                                         StadiumPieceCase{"elevatordoor.obj",
                                                          {ELEVATOR_DOOR_1, ELEVATOR_DOOR_2,
                                                           ELEVATOR_DOOR_3, ELEVATOR_DOOR_4}}),
                       ALL_FORMS),
    [](const ::testing::TestParamInfo<std::tuple<StadiumPieceCase, BadForm>>& info) {
        return fileTestName(std::get<0>(info.param).file) + "_" + formName(std::get<1>(info.param));
    });

// ---- Player and referee meshes: "Cannot find meshes", halting ----------------

class BadPlayerMeshTest : public BadAssetTest,
                          public ::testing::WithParamInterface<std::tuple<const char*, BadForm>> {};

TEST_P(BadPlayerMeshTest, HaltsAddPlayers)
{
    const std::string file = std::get<0>(GetParam());
    // The biker body is only loaded with the P switch.
    bikerSwitch = file == "biker.3ds";
    plant(file, std::get<1>(GetParam()));
    EXPECT_HALTS(AddPlayers(), "Cannot find meshes @ AddPlayers\nhalting");
    if (file == "skater.obj") {
        EXPECT_HALTS(AddReferees(), "Cannot find meshes @ AddReferees\nhalting");
    }
}

INSTANTIATE_TEST_SUITE_P(
    BadAssets, BadPlayerMeshTest,
    ::testing::Combine(::testing::Values("skater.obj", "wheel.obj", "statball.obj", "biker.3ds"), ALL_FORMS),
    [](const ::testing::TestParamInfo<std::tuple<const char*, BadForm>>& info) {
        return fileTestName(std::get<0>(info.param)) + "_" + formName(std::get<1>(info.param));
    });

// ---- Textures: left off, silently ---------------------------------------------

class BadTextureTest : public BadAssetTest, public ::testing::WithParamInterface<BadForm> {};

TEST_P(BadTextureTest, StadiumDigitUniformAndStatusBallGoUntextured)
{
    for (const char* file : {"elevator.jpg", "sbn2.jpg", "uni_h3.jpg", "statball_hit_mad.jpg"})
        plant(file, GetParam());
    const std::string printed = captureStdout([] {
        loadClockDigits();
        buildStadium();
        setUpRosters();
        AddPlayers();
    });
    EXPECT_EQ("", printed);
    EXPECT_EQ(nullptr, textureOf(sceneObject(ELEVATOR).node));
    EXPECT_NE(nullptr, textureOf(sceneObject(LADDER).node));
    // The boards read 21:12 and 21 12 until the new game: the twos are bare.
    EXPECT_EQ(nullptr, digitTextures[2]);
    EXPECT_EQ(nullptr, textureOf(scoreboards[0].clock_digits[0]));
    EXPECT_NE(nullptr, textureOf(scoreboards[0].clock_digits[1]));
    EXPECT_EQ(nullptr, textureOf(home_players[3].node));
    EXPECT_NE(nullptr, textureOf(away_players[3].node));

    Player& away = away_players[6];
    away.reset();
    away.change_condition(-30); // into the hit band
    poseBodies(1.0f);
    EXPECT_EQ(nullptr, textureOf(away.statball));
    // The file comes back good, but the verdict was kept: play never rereads a file.
    if (unlink("meshes/statball_hit_mad.jpg") != 0)
        rmdir("meshes/statball_hit_mad.jpg");
    ASSERT_EQ(0, symlink((std::string(runDirectory()) + "/meshes/statball_hit_mad.jpg").c_str(),
                         "meshes/statball_hit_mad.jpg"));
    away.change_condition(30);
    poseBodies(1.0f);
    away.change_condition(-30);
    poseBodies(1.0f);
    EXPECT_EQ(nullptr, textureOf(away.statball));
    Player& home = home_players[6];
    home.reset();
    home.change_condition(-30);
    poseBodies(1.0f);
    EXPECT_NE(nullptr, textureOf(home.statball));

    for (irr::u32 i = 0; i < driver->getTextureCount(); ++i) {
        const std::string name = driver->getTextureByIndex(i)->getName().getPath().c_str();
        EXPECT_EQ(std::string::npos, name.find("sbn2.jpg"));
        EXPECT_EQ(std::string::npos, name.find("statball_hit_mad.jpg"));
    }
}

INSTANTIATE_TEST_SUITE_P(BadAssets, BadTextureTest, ALL_FORMS,
                         [](const ::testing::TestParamInfo<BadForm>& info) { return formName(info.param); });

// ---- The whole game --------------------------------------------------------------

TEST_F(BadAssetTest, GameBuildsAndPlaysWithoutItsBadPieces)
{
    plant("outertrack.3ds", CUT_IN_HALF);
    plant("elevatordoor.obj", RANDOM_BYTES);
    plant("floor.jpg", EMPTY);
    useDevice(device);
    const long ticksBefore = matchTickNumber;
    captureStdout([] {
        buildGame();
        autoPlay = true;
        irr::s32 now = 0;
        for (int frame = 0; frame < 500; ++frame)
            if (countFrame(now += 20))
                simulateAndDraw();
    });
    // A halt would have ended this process: what is left to see is that the match played.
    EXPECT_GT(matchTickNumber, ticksBefore + 400);
    EXPECT_GT(matchStats.firings, 0);
    EXPECT_TRUE(running);
    EXPECT_EQ(nullptr, sceneObject(OUTER_TRACK).node);
    EXPECT_EQ(nullptr, sceneObject(ELEVATOR_DOOR_3).node);
    EXPECT_EQ(nullptr, textureOf(sceneObject(PLAYER_BAY_FLOOR).node));
    for (int number = 0; number < TEAM_SIZE; ++number)
        EXPECT_NE(nullptr, home_players[number].node);
}

// ---- Files the engine's own loaders crash, hang or overrun on ------------------

std::string chunk(irr::u16 id, const std::string& body)
{
    const irr::u32 length = static_cast<irr::u32>(body.size() + 6);
    std::string header;
    header.push_back(static_cast<char>(id & 0xFF));
    header.push_back(static_cast<char>(id >> 8));
    for (int shift = 0; shift < 32; shift += 8)
        header.push_back(static_cast<char>(length >> shift & 0xFF));
    return header + body;
}

std::string words(std::initializer_list<irr::u16> values)
{
    std::string bytes;
    for (irr::u16 v : values) {
        bytes.push_back(static_cast<char>(v & 0xFF));
        bytes.push_back(static_cast<char>(v >> 8));
    }
    return bytes;
}

// One triangle of material "m" in a 3DS file, its corners as given;
// `faceChunks` follow the face list inside its chunk, `meshChunks` follow the
// face chunk.
std::string triangle3ds(irr::u16 a, irr::u16 b, irr::u16 c, const std::string& faceChunks = "",
                        const std::string& meshChunks = "")
{
    const std::string corners(36, '\0'); // three vertices at the origin will do
    const std::string mesh =
        chunk(0x4110, words({3}) + corners) + chunk(0x4120, words({1, a, b, c, 0}) + faceChunks) + meshChunks;
    const std::string material = chunk(0xAFFF, chunk(0xA000, std::string("m", 2)));
    return chunk(0x4D4D, chunk(0x3D3D, material + chunk(0x4000, std::string("box", 4) + chunk(0x4100, mesh))));
}

// A material group of material "m" naming one face.
std::string faceGroup(irr::u16 face)
{
    return chunk(0x4130, std::string("m", 2) + words({1, face}));
}

const char* const OBJ_TRIANGLE = "v 0 0 0\nv 1 0 0\nv 0 1 0\n";

struct CraftedFile {
    const char* name; // also the test's name
    const char* extension;
    std::string bytes;
    bool sound;
};

// Well formed, but with coded data no decoder can read: every bit of a stretch
// of the first scan set, which is no Huffman code (stuffed after each 0xFF).
std::string jpegWithCorruptCodedData(const std::string& jpeg)
{
    const size_t scan = jpeg.find("\xFF\xDA");
    const size_t data = scan + 2 + (static_cast<unsigned char>(jpeg[scan + 2]) << 8 | static_cast<unsigned char>(jpeg[scan + 3]));
    const size_t end = jpeg.rfind("\xFF\xD9");
    std::string bad = jpeg.substr(0, data);
    for (size_t i = data; i < end; i += 2)
        bad += "\xFF\x00";
    return bad + "\xFF\xD9";
}

std::vector<CraftedFile> craftedFiles()
{
    const std::string jpeg = readFile(std::string(runDirectory()) + "/meshes/sbn3.jpg");
    const std::string elevator = readFile(std::string(runDirectory()) + "/meshes/elevator.3ds");
    // The frame header's height and width, raised to 65000 x 65000.
    std::string hugeJpeg = jpeg;
    hugeJpeg.replace(jpeg.find("\xFF\xC0") + 5, 4, "\xFD\xE8\xFD\xE8");
    return {
        // Valid, some of them unusual: the engine reads each correctly, so each must load.
        {"ObjTriangle", ".obj", std::string(OBJ_TRIANGLE) + "f 1 2 3\n", true},
        {"ObjTriangleWithCarriageReturns", ".obj", "v 0 0 0\r\nv 1 0 0\r\nv 0 1 0\r\nf -3 -2 -1\r\n", true},
        {"ObjLinesEndedByCarriageReturnsAlone", ".obj", "v 0 0 0\rv 1 0 0\rv 0 1 0\rf 1 2 3\r", true},
        {"ObjLastFaceWithoutLineEnd", ".obj", std::string(OBJ_TRIANGLE) + "f 1 2 3", true},
        {"ObjLastVertexWithoutLineEnd", ".obj", std::string(OBJ_TRIANGLE) + "f 1 2 3\nv 1 1 1", true},
        {"ThreeDsTriangle", ".3ds", triangle3ds(0, 1, 2, faceGroup(0)), true},
        {"ThreeDsBytesAfterTheMainChunk", ".3ds", triangle3ds(0, 1, 2, faceGroup(0)) + std::string(10, '\x7F'), true},
        {"JpegImage", ".jpg", jpeg, true},
        {"JpegBytesAfterTheEndMarker", ".jpg", jpeg + "trailing bytes \xFF\xD8\xFF", true},
        // Damaged: each would crash, hang, overrun or mislead the engine's loader.
        {"ObjIndexZero", ".obj", std::string(OBJ_TRIANGLE) + "f 0 2 3\n", false},
        {"ObjIndexPastTheVertices", ".obj", std::string(OBJ_TRIANGLE) + "f 1 2 4\n", false},
        {"ObjNegativeIndexBeforeTheFirst", ".obj", std::string(OBJ_TRIANGLE) + "f -4 2 3\n", false},
        {"ObjNormalPastTheNormals", ".obj", std::string(OBJ_TRIANGLE) + "vn 0 0 1\nf 1//2 2//1 3//1\n", false},
        {"ObjCornerWithoutVertex", ".obj", std::string(OBJ_TRIANGLE) + "f /1 2 3\n", false},
        {"ObjIndexLongerThanTheLoadersBuffer", ".obj",
         std::string(OBJ_TRIANGLE) + "f " + std::string(40, '0') + "1 2 3\n", false},
        {"ThreeDsMaterialGroupPastTheFaces", ".3ds", triangle3ds(0, 1, 2, faceGroup(30000)), false},
        // An id the loader skips by its length, which here is zero.
        {"ThreeDsChunkShorterThanItsHeader", ".3ds", triangle3ds(0, 1, 2, faceGroup(0), words({0x4170, 0, 0})), false},
        {"ThreeDsCutJustBeforeTheEnd", ".3ds", elevator.substr(0, elevator.size() * 99 / 100), false},
        {"JpegWithoutEndMarker", ".jpg", jpeg.substr(0, jpeg.size() - 2), false},
        {"JpegCutBeforeItsEndMarker", ".jpg", jpeg.substr(0, jpeg.size() * 2 / 3), false},
        {"JpegCorruptCodedDataInAWellFormedFrame", ".jpg", jpegWithCorruptCodedData(jpeg), false},
        {"JpegFrameOfSixtyFiveThousandSquare", ".jpg", hugeJpeg, false},
    };
}

class CraftedFileTest : public BadAssetTest, public ::testing::WithParamInterface<int> {};

// Each load runs in a child: a file that got through to a loader it breaks
// fails this case alone instead of taking the whole suite down.
TEST_P(CraftedFileTest, LoadsOnlyWhenSound)
{
    const CraftedFile file = craftedFiles()[GetParam()];
    const std::string path = std::string("crafted") + file.extension;
    writeFile(path, file.bytes);
    const bool texture = std::string(file.extension) == ".jpg";
    EXPECT_EXIT(
        {
            const bool loaded = texture ? loadTexture(path.c_str()) != 0 : loadMesh(path.c_str()) != 0;
            exit(loaded == file.sound ? 0 : 2);
        },
        ::testing::ExitedWithCode(0), "");
}

INSTANTIATE_TEST_SUITE_P(BadAssets, CraftedFileTest,
                         ::testing::Range(0, static_cast<int>(craftedFiles().size())),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return std::string(craftedFiles()[info.param].name);
                         });

// ---- Material files and the textures they name --------------------------------
// The engine opens these itself while it loads an .obj: the skater's body
// names skater.mtl, and a map_Kd line there names a texture. Each load runs in
// a child with an alarm, so a load that crashes or blocks fails its case alone.

std::string generatedFile(const char* name)
{
    return readFile(std::string(runDirectory()) + "/meshes/" + name);
}

// Mesh buffers of frame 0 whose material carries a texture.
int texturedBuffers(irr::scene::IAnimatedMesh* mesh)
{
    int textured = 0;
    const irr::scene::IMesh* frame = mesh->getMesh(0);
    for (irr::u32 b = 0; b < frame->getMeshBufferCount(); ++b)
        textured += frame->getMeshBuffer(b)->getMaterial().getTexture(0) != nullptr;
    return textured;
}

// Whether a material of frame 0 has the shadow tint of the generated
// material file (its ambient colour: a texture turns the diffuse one white).
bool hasShadowTint(irr::scene::IAnimatedMesh* mesh)
{
    const irr::u32 SHADOW_GREY = 185; // Ka 0.7255 in skater.mtl
    const irr::scene::IMesh* frame = mesh->getMesh(0);
    for (irr::u32 b = 0; b < frame->getMeshBufferCount(); ++b)
        if (frame->getMeshBuffer(b)->getMaterial().AmbientColor.getRed() == SHADOW_GREY)
            return true;
    return false;
}

// The generated material file with a texture for its last material (the
// shadow), named on the file's last line, which has no line end.
std::string materialWithTexture()
{
    std::string material = generatedFile("skater.mtl");
    while (!material.empty() && material.back() == '\n')
        material.pop_back();
    return material + "\nmap_Kd shadow.jpg";
}

// Passes when `body`, run in a child with its console in a file, holds
// (is true) and nothing was printed. The alarm is only a guard against a load
// that blocks for ever, with room for the children that run under valgrind.
#define EXPECT_IN_CHILD(body)                                                             \
    EXPECT_EXIT(                                                                          \
        {                                                                                 \
            alarm(120);                                                                   \
            FILE* console = freopen("console.txt", "w", stdout);                          \
            const bool sound = (body);                                                    \
            fflush(stdout);                                                               \
            _exit(sound && console && ftell(console) == 0 ? 0 : 3);                       \
        },                                                                                \
        ::testing::ExitedWithCode(0), "")

// The engine looks for an .obj's material file beside the file it opened, so
// the skater's body is copied in: beside its link, it would find the
// generated material file in the build folder.
void copySkaterIn()
{
    unlink("meshes/skater.obj");
    writeFile("meshes/skater.obj", generatedFile("skater.obj"));
}

class BadMaterialFileTest : public BadAssetTest, public ::testing::WithParamInterface<BadForm> {};

TEST_P(BadMaterialFileTest, PlayersAndRefereesAreBuiltUntintedAndSilently)
{
    copySkaterIn();
    plant("skater.mtl", GetParam());
    EXPECT_IN_CHILD(([] {
        setUpRosters();
        AddPlayers();
        AddReferees();
        return bodyMesh && refereeMesh && home_players[7].node && referees[2].node && !hasShadowTint(bodyMesh);
    }()));
}

INSTANTIATE_TEST_SUITE_P(BadAssets, BadMaterialFileTest, ALL_FORMS,
                         [](const ::testing::TestParamInfo<BadForm>& info) { return formName(info.param); });

class BadMaterialTextureTest : public BadAssetTest, public ::testing::WithParamInterface<BadForm> {};

TEST_P(BadMaterialTextureTest, LeavesTheMaterialUntexturedButTinted)
{
    copySkaterIn();
    unlink("meshes/skater.mtl");
    writeFile("meshes/skater.mtl", materialWithTexture());
    plant("shadow.jpg", GetParam(), generatedFile("sbn3.jpg"));
    EXPECT_IN_CHILD(([] {
        irr::scene::IAnimatedMesh* body = loadMesh("meshes/skater.obj");
        return body && texturedBuffers(body) == 0 && hasShadowTint(body);
    }()));
}

INSTANTIATE_TEST_SUITE_P(BadAssets, BadMaterialTextureTest, ALL_FORMS,
                         [](const ::testing::TestParamInfo<BadForm>& info) { return formName(info.param); });

// The engine's JPEG reader, given a file without its end marker, reads on
// past its buffer until it crashes.
TEST_F(BadAssetTest, AMaterialTextureWithoutItsEndMarkerIsLeftOff)
{
    copySkaterIn();
    unlink("meshes/skater.mtl");
    writeFile("meshes/skater.mtl", materialWithTexture());
    const std::string jpeg = generatedFile("sbn3.jpg");
    writeFile("meshes/shadow.jpg", jpeg.substr(0, jpeg.size() - 2));
    EXPECT_IN_CHILD(([] {
        setUpRosters();
        AddPlayers();
        return bodyMesh && texturedBuffers(bodyMesh) == 0 && hasShadowTint(bodyMesh);
    }()));
}

TEST_F(BadAssetTest, ASoundTextureNamedOnAMaterialFilesUnendedLastLineIsLoaded)
{
    copySkaterIn();
    unlink("meshes/skater.mtl");
    writeFile("meshes/skater.mtl", materialWithTexture());
    writeFile("meshes/shadow.jpg", generatedFile("sbn3.jpg"));
    irr::scene::IAnimatedMesh* body = loadMesh("meshes/skater.obj");
    ASSERT_NE(nullptr, body);
    EXPECT_GT(texturedBuffers(body), 0);
    EXPECT_TRUE(hasShadowTint(body));
}

// Random damage to a material file and to the texture it names, a few
// hundred times over: the engine never makes a texture of a file the checks
// refuse, and nothing it reads crashes or blocks it.
TEST_F(BadAssetTest, RandomDamageToMaterialFilesAndTheirTexturesReachesNoLoader)
{
    constexpr int ROUNDS = 300;
    const std::string jpeg = generatedFile("sbn3.jpg");
    std::mt19937 random(20261208);
    auto damage = [&](std::string bytes) {
        switch (random() % 4) {
        case 0: // a few bytes changed
            for (int k = 0; k < 1 + static_cast<int>(random() % 4); ++k)
                bytes[random() % bytes.size()] = static_cast<char>(random() & 0xFF);
            break;
        case 1: // cut short
            bytes.resize(random() % bytes.size());
            break;
        case 2: // random bytes put in
            bytes.insert(random() % bytes.size(), std::string(1 + random() % 16, static_cast<char>(random() & 0xFF)));
            break;
        default: // left whole
            break;
        }
        return bytes;
    };
    int textured = 0;
    captureStdout([&] {
        for (int round = 0; round < ROUNDS; ++round) {
            const std::string n = std::to_string(round);
            writeFile("m" + n + ".mtl", damage("newmtl a\nKd 0.5 0.5 0.5\nmap_Kd t" + n + ".jpg\n"));
            writeFile("t" + n + ".jpg", damage(jpeg));
            writeFile("f" + n + ".obj", std::string(OBJ_TRIANGLE) + "mtllib m" + n + ".mtl\nusemtl a\nf 1 2 3\n");
            irr::scene::IAnimatedMesh* mesh = loadMesh(("f" + n + ".obj").c_str());
            ASSERT_NE(nullptr, mesh) << "round " << round;
            irr::video::ITexture* texture = mesh->getMesh(0)->getMeshBuffer(0)->getMaterial().getTexture(0);
            if (!texture)
                continue;
            ++textured;
            EXPECT_TRUE(soundAssetFile(texture->getName().getPath().c_str())) << "round " << round;
        }
    });
    // Whole and lightly damaged files still give textures: the test sees both outcomes.
    EXPECT_GT(textured, ROUNDS / 10);
    EXPECT_LT(textured, ROUNDS);
}

TEST_F(BadAssetTest, AMeshWithoutTrianglesIsMissingAndLeavesTheCache)
{
    // Well framed, but the object holds no faces: the engine makes an empty mesh of it.
    const std::string mesh = chunk(0x4110, words({3}) + std::string(36, '\0'));
    writeFile("empty.3ds", chunk(0x4D4D, chunk(0x3D3D, chunk(0x4000, std::string("box", 4) + chunk(0x4100, mesh)))));
    EXPECT_EQ(nullptr, loadMesh("empty.3ds"));
    EXPECT_FALSE(sceneManager->getMeshCache()->isMeshLoaded("empty.3ds"));
    EXPECT_EQ(nullptr, loadMesh("empty.3ds"));
}

} // namespace
