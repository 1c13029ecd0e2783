// The generated meshes and textures, read back through the engine's own
// loaders the way the game reads them: every file is there, and the
// geometry sits where the game places players, seats, doors and digits.
#include <sys/stat.h>
#include <sys/wait.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/startup.h"
#include "core/engine.h"
#include "test_support.h"
#include "tools/atlas.h"

using irr::core::line3df;
using irr::core::matrix4;
using irr::core::triangle3df;
using irr::core::vector2df;
using irr::core::vector3df;

namespace {

const float kPi = 3.14159265f;

const char* const kMeshFiles[] = {
    "playerbayfloor.3ds", "innerrailnorth.3ds", "innerrailsouth.3ds", "elevator.3ds",
    "elevatordoor.obj",   "ladder.3ds",         "controller.3ds",     "controlchair.3ds",
    "goalwest.3ds",       "outertrack.3ds",     "outerwall.3ds",      "goaltextbox.3ds",
    "teamcard.3ds",       "scoreboardeast.3ds", "scoreboardwest.3ds", "timebox.obj",
    "skater.obj",         "biker.3ds",          "wheel.obj",          "statball.obj",
    "goalfingerseast.3ds", "goaleastguide.3ds"};

std::vector<std::string> textureFiles()
{
    std::vector<std::string> names = {
        "floor.jpg", "sf_floor.jpg", "brushedsteel.jpg", "innerrailsouth.jpg", "elevator.jpg",
        "elevatordoor.jpg", "ladder.jpg", "controller.jpg", "controlchair.jpg", "goalwest.jpg",
        "goaltext01.jpg", "goaltext02.jpg", "teamcard.jpg", "scoreboardeast.jpg",
        "scoreboardwest.jpg", "bikerh0.jpg", "statball_ok.jpg", "referee.jpg",
        "statball_ok_hou.jpg", "statball_ok_mad.jpg", "statball_hit_hou.jpg",
        "statball_hit_mad.jpg", "statball_crit_hou.jpg", "statball_crit_mad.jpg",
        "goalfingerseast.jpg"};
    for (char d = '0'; d <= '9'; ++d) {
        names.push_back(std::string("sbn") + d + ".jpg");
        names.push_back(std::string("uni_h") + d + ".jpg");
        names.push_back(std::string("uni_a") + d + ".jpg");
    }
    return names;
}

// One triangle of a loaded mesh as the engine will draw it: its corners, its
// front (from the winding, as the engine culls) and its texture coordinates.
struct Face {
    triangle3df tri;
    vector3df front;
    vector2df uv[3];
};

class AssetTest : public NullDeviceTest {
protected:
    irr::scene::IMesh* mesh(const char* name)
    {
        irr::scene::IAnimatedMesh* animated = sceneManager->getMesh((std::string("meshes/") + name).c_str());
        return animated ? animated->getMesh(0) : nullptr;
    }

    std::vector<Face> faces(const char* name)
    {
        std::vector<Face> out;
        irr::scene::IMesh* m = mesh(name);
        if (!m)
            return out;
        for (irr::u32 b = 0; b < m->getMeshBufferCount(); ++b) {
            irr::scene::IMeshBuffer* buffer = m->getMeshBuffer(b);
            const irr::video::S3DVertex* v = static_cast<const irr::video::S3DVertex*>(buffer->getVertices());
            const irr::u16* index = buffer->getIndices();
            for (irr::u32 i = 0; i + 2 < buffer->getIndexCount(); i += 3) {
                Face f;
                f.tri = triangle3df(v[index[i]].Pos, v[index[i + 1]].Pos, v[index[i + 2]].Pos);
                f.front = f.tri.getNormal().normalize();
                for (int k = 0; k < 3; ++k)
                    f.uv[k] = v[index[i + k]].TCoords;
                out.push_back(f);
            }
        }
        return out;
    }

    // The first point where the segment from `from` to `to` meets the mesh.
    bool cast(irr::scene::ITriangleSelector* selector, const vector3df& from, const vector3df& to,
              vector3df& hit, triangle3df& tri)
    {
        irr::scene::ISceneNode* node = nullptr;
        return sceneManager->getSceneCollisionManager()->getCollisionPoint(line3df(from, to), selector,
                                                                          hit, tri, node);
    }

    // Where a vertical ray down through (x, z) first meets the mesh, or NaN.
    float surfaceHeight(irr::scene::ITriangleSelector* selector, float x, float z)
    {
        vector3df hit;
        triangle3df tri;
        if (!cast(selector, vector3df(x, 5000.0f, z), vector3df(x, -1000.0f, z), hit, tri))
            return NAN;
        return hit.Y;
    }

    irr::scene::ITriangleSelector* selectorFor(const char* name)
    {
        irr::scene::IMesh* m = mesh(name);
        if (!m)
            return nullptr;
        irr::scene::IMeshSceneNode* node = sceneManager->addMeshSceneNode(m);
        irr::scene::ITriangleSelector* selector = sceneManager->createTriangleSelector(m, node);
        node->setTriangleSelector(selector);
        selector->drop(); // the node keeps it
        return node->getTriangleSelector();
    }
};

// Triangles whose texture rectangle lies inside `rect`.
std::vector<Face> facesIn(const std::vector<Face>& all, const UvRect& rect)
{
    std::vector<Face> out;
    for (const Face& f : all) {
        bool inside = true;
        for (const vector2df& uv : f.uv)
            inside = inside && uv.X >= rect.u0 - 1e-3f && uv.X <= rect.u1 + 1e-3f &&
                     uv.Y >= rect.v0 - 1e-3f && uv.Y <= rect.v1 + 1e-3f;
        if (inside)
            out.push_back(f);
    }
    return out;
}

// Area-weighted average front of some faces.
vector3df averageFront(const std::vector<Face>& some)
{
    vector3df sum;
    for (const Face& f : some)
        sum += f.front * f.tri.getArea();
    return sum.normalize();
}

// The direction across a face in which the texture's u (axis 0) or v
// (axis 1) grows while the other stays put: the picture's right and down.
vector3df textureAxis(const Face& f, int axis)
{
    const vector3df e1 = f.tri.pointB - f.tri.pointA, e2 = f.tri.pointC - f.tri.pointA;
    const float du1 = f.uv[1].X - f.uv[0].X, dv1 = f.uv[1].Y - f.uv[0].Y;
    const float du2 = f.uv[2].X - f.uv[0].X, dv2 = f.uv[2].Y - f.uv[0].Y;
    const float det = du1 * dv2 - du2 * dv1;
    const vector3df axisDir = axis == 0 ? (e1 * dv2 - e2 * dv1) / det : (e2 * du1 - e1 * du2) / det;
    return vector3df(axisDir).normalize();
}

irr::core::aabbox3df bounds(irr::scene::IMesh* m)
{
    irr::core::aabbox3df box;
    bool first = true;
    for (irr::u32 b = 0; b < m->getMeshBufferCount(); ++b) {
        irr::scene::IMeshBuffer* buffer = m->getMeshBuffer(b);
        for (irr::u32 i = 0; i < buffer->getVertexCount(); ++i) {
            if (first)
                box.reset(buffer->getPosition(i));
            else
                box.addInternalPoint(buffer->getPosition(i));
            first = false;
        }
    }
    return box;
}

float bankHeight(float r)
{
    return r < 1600.0f ? 0.0f : (r - 1600.0f) * 0.325f;
}

}  // namespace

TEST_F(AssetTest, EveryFileLoadsThroughTheEngineAndTexturesArePowersOfTwo)
{
    for (const char* name : kMeshFiles) {
        irr::scene::IMesh* m = mesh(name);
        ASSERT_NE(nullptr, m) << name;
        EXPECT_GT(m->getMeshBufferCount(), 0u) << name;
    }
    for (const std::string& name : textureFiles()) {
        irr::video::ITexture* t = driver->getTexture(("meshes/" + name).c_str());
        ASSERT_NE(nullptr, t) << name;
        const irr::core::dimension2d<irr::u32> size = t->getOriginalSize();
        EXPECT_EQ(0u, size.Width & (size.Width - 1)) << name << " is " << size.Width << " wide";
        EXPECT_EQ(0u, size.Height & (size.Height - 1)) << name << " is " << size.Height << " high";
    }
}

TEST_F(AssetTest, TrackSurfaceFollowsTheBankFormulaAndFacesUp)
{
    irr::scene::ITriangleSelector* track = selectorFor("outertrack.3ds");
    ASSERT_NE(nullptr, track);
    // Angles on and between the mesh's own corners, radii across the bank
    // including the waiting line, the clamp radius and the bounds.
    for (float r : {1605.0f, 1700.0f, 2000.0f, 2230.0f, 2630.0f, 2760.0f, 2860.0f, 2959.0f}) {
        for (float theta : {0.0f, 0.013f, 0.7f, 1.5708f, 2.9f, 3.1416f, 4.7124f, 6.2f}) {
            const float y = surfaceHeight(track, r * std::cos(theta), r * std::sin(theta));
            EXPECT_NEAR(bankHeight(r), y, 1.0f) << "r " << r << " theta " << theta;
        }
    }
    for (const Face& f : faces("outertrack.3ds"))
        ASSERT_GT(f.front.Y, 0.9f) << "a bank face is drawn from below";
}

TEST_F(AssetTest, PlayerBayFloorIsFlatUnderTheWholeInfieldSeatsAndGates)
{
    irr::scene::ITriangleSelector* floor = selectorFor("playerbayfloor.3ds");
    ASSERT_NE(nullptr, floor);
    for (float r : {0.0f, 300.0f, 900.0f, 1500.0f, 1599.0f}) {
        for (float theta : {0.0f, 0.0245f, 1.0f, 2.5f, 3.1661f, 4.0f, 5.5f}) {
            EXPECT_NEAR(0.0f, surfaceHeight(floor, r * std::cos(theta), r * std::sin(theta)), 0.01f)
                << "r " << r << " theta " << theta;
        }
    }
    // Both seat rows end to end, and the two gates.
    const float points[][2] = {{-218, 457}, {232, 457}, {-224, -465}, {226, -465}, {1000, 0}, {-1000, 0}};
    for (const auto& p : points)
        EXPECT_NEAR(0.0f, surfaceHeight(floor, p[0], p[1]), 0.01f) << p[0] << ", " << p[1];
    for (const Face& f : faces("playerbayfloor.3ds"))
        ASSERT_GT(f.front.Y, 0.9f) << "a floor face is drawn from below";
}

TEST_F(AssetTest, OuterWallStandsBeyondTheBoundsAndRisesAboveTheBank)
{
    irr::scene::IMesh* wall = mesh("outerwall.3ds");
    ASSERT_NE(nullptr, wall);
    // Below the hall's roof, nothing of it comes inside the bounds.
    for (irr::u32 b = 0; b < wall->getMeshBufferCount(); ++b) {
        irr::scene::IMeshBuffer* buffer = wall->getMeshBuffer(b);
        for (irr::u32 i = 0; i < buffer->getVertexCount(); ++i) {
            const vector3df p = buffer->getPosition(i);
            if (p.Y < 1500.0f) {
                ASSERT_GT(std::sqrt(p.X * p.X + p.Z * p.Z), 2960.0f) << "at height " << p.Y;
            }
        }
    }
    // Looking out from the track at any angle, just above the bank's top,
    // one meets the wall's inner face soon after the bounds.
    irr::scene::ITriangleSelector* selector = selectorFor("outerwall.3ds");
    const float bankTop = bankHeight(2960.0f);
    for (float theta : {0.0f, 0.5f, 1.5708f, 3.0f, 3.1416f, 4.0f, 5.9f}) {
        for (float above : {20.0f, 200.0f}) {
            const vector3df out(std::cos(theta), 0, std::sin(theta));
            vector3df hit;
            triangle3df tri;
            ASSERT_TRUE(cast(selector, out * 2500.0f + vector3df(0, bankTop + above, 0),
                             out * 3500.0f + vector3df(0, bankTop + above, 0), hit, tri))
                << "no wall at theta " << theta << ", " << above << " above the bank";
            const float r = std::sqrt(hit.X * hit.X + hit.Z * hit.Z);
            EXPECT_GT(r, 2960.0f);
            EXPECT_LT(r, 3100.0f);
            EXPECT_LT(tri.getNormal().normalize().dotProduct(out), -0.9f) << "the wall shows its back to the track";
        }
    }
}

TEST_F(AssetTest, TimeBoxShowsItsDigitTowardsTheCentreUnmirroredOnBothBoards)
{
    const std::vector<Face> all = faces("timebox.obj");
    ASSERT_FALSE(all.empty());
    // The digit face is the one face that carries the whole picture.
    std::vector<Face> digit;
    for (const Face& f : all) {
        float uMin = 1, uMax = 0;
        for (const vector2df& uv : f.uv) {
            uMin = std::min(uMin, uv.X);
            uMax = std::max(uMax, uv.X);
        }
        if (uMax - uMin > 0.5f)
            digit.push_back(f);
    }
    ASSERT_EQ(2u, digit.size());

    struct Board {
        vector3df position, rotation;
    };
    const Board boards[] = {{vector3df(3360, 1042, 46), vector3df(0, 0, 0)},
                            {vector3df(-3360, 989, 1), vector3df(0, 180, 0)}};
    for (const Board& board : boards) {
        matrix4 turn;
        turn.setRotationDegrees(board.rotation);
        vector3df towardsCentre = -board.position;
        towardsCentre.Y = 0;
        towardsCentre.normalize();
        for (const Face& f : digit) {
            vector3df front = f.front, uAxis = textureAxis(f, 0), vAxis = textureAxis(f, 1);
            turn.rotateVect(front);
            turn.rotateVect(uAxis);
            turn.rotateVect(vAxis);
            EXPECT_GT(front.dotProduct(towardsCentre), 0.99f) << "board at x " << board.position.X;
            // Facing the board from the centre, right is front x up in the
            // engine's left-handed frame: the picture's u must run that way
            // and its v downwards.
            const vector3df right = front.crossProduct(vector3df(0, 1, 0));
            EXPECT_GT(uAxis.dotProduct(right), 0.99f) << "mirrored digit at x " << board.position.X;
            EXPECT_LT(vAxis.Y, -0.99f) << "upside-down digit at x " << board.position.X;
        }
    }
    // Digits stand 60 apart in a row and rows 89 apart: boxes must not overlap.
    const irr::core::aabbox3df box = bounds(mesh("timebox.obj"));
    EXPECT_LT(box.getExtent().Z, 60.0f);
    EXPECT_LT(box.getExtent().Y, 89.0f);
}

TEST_F(AssetTest, ScoreboardsStandBehindTheirDigitsAndFrameThem)
{
    struct Board {
        const char* file;
        vector3df timebox;
        float turn; // +1 for the east box, -1 for the west one turned half a turn
    };
    const Board boards[] = {{"scoreboardeast.3ds", vector3df(3360, 1042, 46), 1.0f},
                            {"scoreboardwest.3ds", vector3df(-3360, 989, 1), -1.0f}};
    const float offsets[][2] = {{0, 0},     {-89, 99},  {-89, 39},  {-89, -43}, {-89, -103},
                                {136, 110}, {136, 50},  {136, -55}, {136, -115}};
    for (const Board& board : boards) {
        irr::scene::ITriangleSelector* selector = selectorFor(board.file);
        ASSERT_NE(nullptr, selector) << board.file;
        for (const auto& offset : offsets) {
            const vector3df digit = board.timebox + vector3df(0, offset[0], board.turn * offset[1]);
            // A ray from the digit away from the centre meets the board just behind it.
            const vector3df away(board.turn, 0, 0);
            vector3df hit;
            triangle3df tri;
            ASSERT_TRUE(cast(selector, digit, digit + away * 200.0f, hit, tri))
                << board.file << " leaves the digit at " << offset[0] << ", " << offset[1] << " hanging";
            EXPECT_LT(std::fabs(hit.X - digit.X), 30.0f);
            EXPECT_LT(tri.getNormal().normalize().dotProduct(away), -0.9f) << "board face turned away";
        }
        // It hangs high above the wall's top.
        EXPECT_GT(bounds(mesh(board.file)).MinEdge.Y, bankHeight(3000.0f) + 200.0f);
    }
}

TEST_F(AssetTest, BodiesTurnedByTheMotionRuleFaceTheirWayOfTravel)
{
    for (const char* body : {"skater.obj", "biker.3ds"}) {
        const std::vector<Face> all = faces(body);
        ASSERT_FALSE(all.empty()) << body;
        const vector3df visor = averageFront(facesIn(all, kUniVisor));
        const vector3df back = averageFront(facesIn(all, kUniTorsoBack));
        ASSERT_GT(visor.X, 0.99f) << body << " looks along its own +x";
        ASSERT_LT(back.X, -0.9f) << body << " carries its number on its back";

        irr::scene::ISceneNode* node = sceneManager->addMeshSceneNode(mesh(body));
        for (float theta : {0.0f, 0.8f, kPi / 2, 2.0f, kPi, 4.0f, 3 * kPi / 2, 6.0f}) {
            node->setRotation(vector3df(0, -(theta + kPi / 2) * 180.0f / 3.1415926236f, 0));
            node->updateAbsolutePosition();
            vector3df facing = visor;
            node->getAbsoluteTransformation().rotateVect(facing);
            // Players lap towards growing theta.
            const vector3df travel(-std::sin(theta), 0, std::cos(theta));
            EXPECT_GT(facing.dotProduct(travel), 0.99f) << body << " at theta " << theta;
        }
    }
}

TEST_F(AssetTest, BodiesWheelsAndStatusBallFitTogether)
{
    const irr::core::aabbox3df skater = bounds(mesh("skater.obj"));
    EXPECT_NEAR(0.0f, skater.MinEdge.Y, 0.01f) << "feet on the ground";
    EXPECT_NEAR(180.0f, skater.MaxEdge.Y, 5.0f);
    // The P switch raises every body by 100: the biker's feet are modelled there.
    EXPECT_NEAR(-100.0f, bounds(mesh("biker.3ds")).MinEdge.Y, 0.01f);

    // Wheels stand upright in the x-y plane on the ground; the two of a
    // biker, 100 apart, must not touch each other.
    const irr::core::aabbox3df wheel = bounds(mesh("wheel.obj"));
    EXPECT_NEAR(0.0f, wheel.MinEdge.Y, 0.01f);
    EXPECT_LT(wheel.getExtent().Z, 15.0f);
    EXPECT_NEAR(wheel.getExtent().X, wheel.getExtent().Y, 1.0f);
    EXPECT_LT(wheel.getExtent().X, 100.0f);
    // The game leaves wheels untextured and lit while no light shines: they
    // must carry their own glow or they are drawn black.
    irr::scene::IMesh* wheelMesh = mesh("wheel.obj");
    bool glows = false;
    for (irr::u32 b = 0; b < wheelMesh->getMeshBufferCount(); ++b)
        glows = glows || wheelMesh->getMeshBuffer(b)->getMaterial().EmissiveColor.getLuminance() > 100;
    EXPECT_TRUE(glows);

    // Hung 80 below the body, the status ball floats clear above the head
    // and above a held ball (centre 200 up, radius 20), centred over the body.
    irr::core::aabbox3df ball = bounds(mesh("statball.obj"));
    ball.MinEdge.Y -= 80.0f;
    ball.MaxEdge.Y -= 80.0f;
    EXPECT_GT(ball.MinEdge.Y, std::max(skater.MaxEdge.Y, 220.0f) + 10.0f);
    EXPECT_NEAR(0.0f, ball.getCenter().X, 0.5f);
    EXPECT_NEAR(0.0f, ball.getCenter().Z, 0.5f);
}

TEST_F(AssetTest, TowerCarriesItsDoorsAndRefereeAndReadablePanelsFaceOut)
{
    const irr::core::aabbox3df tower = bounds(mesh("elevator.3ds"));
    EXPECT_NEAR(-95.0f, tower.MinEdge.X, 0.01f);
    EXPECT_NEAR(95.0f, tower.MaxEdge.X, 0.01f);
    // Doors at x = +-95, z up to 45 off the middle, must lie on its faces.
    const irr::core::aabbox3df door = bounds(mesh("elevatordoor.obj"));
    EXPECT_LT(door.MinEdge.X, 0.0f);
    EXPECT_GT(door.MaxEdge.X, 0.0f);
    EXPECT_NEAR(0.0f, door.MinEdge.Y + 90.0f, 0.01f) << "door foot on the floor";
    EXPECT_LT(45.0f + door.MaxEdge.Z, tower.MaxEdge.Z);
    EXPECT_GT(-45.0f + door.MinEdge.Z, tower.MinEdge.Z);
    // Referee 0 stands at (0, 150, 0) on the tower's deck.
    EXPECT_NEAR(150.0f, surfaceHeight(selectorFor("elevator.3ds"), 0, 0), 0.01f);

    // The goal text box's picture looks along its own -x (the west one is
    // unturned at x = -141, the east one turned half a turn), the team
    // card's along +z (north) and -z.
    std::vector<Face> whole;
    for (const Face& f : faces("goaltextbox.3ds"))
        if (std::fabs(f.uv[0].X - f.uv[1].X) + std::fabs(f.uv[1].X - f.uv[2].X) > 0.5f)
            whole.push_back(f);
    ASSERT_FALSE(whole.empty());
    EXPECT_LT(averageFront(whole).X, -0.99f);
    bool north = false, south = false;
    for (const Face& f : faces("teamcard.3ds")) {
        if (std::fabs(f.uv[0].X - f.uv[1].X) + std::fabs(f.uv[1].X - f.uv[2].X) < 0.5f)
            continue;
        north = north || f.front.Z > 0.99f;
        south = south || f.front.Z < -0.99f;
        const vector3df right = f.front.crossProduct(vector3df(0, 1, 0));
        EXPECT_GT(textureAxis(f, 0).dotProduct(right), 0.99f) << "mirrored team card";
    }
    EXPECT_TRUE(north && south);
}

TEST_F(AssetTest, TheTenDigitsArePairwiseDistinct)
{
    std::vector<irr::video::IImage*> digits;
    for (char d = '0'; d <= '9'; ++d) {
        irr::video::IImage* image = driver->createImageFromFile((std::string("meshes/sbn") + d + ".jpg").c_str());
        ASSERT_NE(nullptr, image) << d;
        digits.push_back(image);
    }
    const irr::core::dimension2d<irr::u32> size = digits[0]->getDimension();
    for (size_t a = 0; a < digits.size(); ++a) {
        for (size_t b = a + 1; b < digits.size(); ++b) {
            ASSERT_EQ(size, digits[b]->getDimension());
            // Count pixels that are lit in one and dark in the other: a
            // different glyph, not JPEG noise.
            int different = 0;
            for (irr::u32 y = 0; y < size.Height; ++y)
                for (irr::u32 x = 0; x < size.Width; ++x)
                    different += std::abs(int(digits[a]->getPixel(x, y).getLuminance()) -
                                          int(digits[b]->getPixel(x, y).getLuminance())) > 100;
            EXPECT_GT(different, int(size.Width * size.Height / 50)) << "sbn" << a << " and sbn" << b;
        }
    }
    for (irr::video::IImage* image : digits)
        image->drop();
}

TEST(AssetGenerator, WritesTheSameBytesOnEveryRun)
{
    const std::string build = runDirectory();
    char folder[] = "/tmp/skorvane-assets.XXXXXX";
    ASSERT_NE(nullptr, mkdtemp(folder));
    const std::string command = build + "/tools/skorvane_assetgen " + folder + " > /dev/null";
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << command;
    std::vector<std::string> names(std::begin(kMeshFiles), std::end(kMeshFiles));
    for (const std::string& t : textureFiles())
        names.push_back(t);
    for (const std::string& name : names) {
        auto slurp = [](const std::string& path) {
            std::string bytes;
            if (FILE* f = std::fopen(path.c_str(), "rb")) {
                char chunk[65536];
                size_t n;
                while ((n = std::fread(chunk, 1, sizeof chunk, f)) > 0)
                    bytes.append(chunk, n);
                std::fclose(f);
            }
            return bytes;
        };
        const std::string fresh = slurp(std::string(folder) + "/" + name);
        EXPECT_FALSE(fresh.empty()) << name;
        EXPECT_TRUE(fresh == slurp(build + "/meshes/" + name)) << name << " differs between runs";
    }
    std::system((std::string("rm -rf ") + folder).c_str());
}

// Everything the game puts in its scene at start-up, as triangles handed to
// the driver each frame when all of it is in view.
static size_t sceneTriangles(irr::scene::ISceneNode* node)
{
    size_t count = 0;
    irr::scene::IMesh* m = nullptr;
    switch (node->getType()) {
    case irr::scene::ESNT_OCTREE:
    case irr::scene::ESNT_MESH:
    case irr::scene::ESNT_SPHERE:
        m = static_cast<irr::scene::IMeshSceneNode*>(node)->getMesh();
        break;
    case irr::scene::ESNT_ANIMATED_MESH:
        m = static_cast<irr::scene::IAnimatedMeshSceneNode*>(node)->getMesh()->getMesh(0);
        break;
    default:
        break;
    }
    if (m)
        for (irr::u32 b = 0; b < m->getMeshBufferCount(); ++b)
            count += m->getMeshBuffer(b)->getIndexCount() / 3;
    for (irr::scene::ISceneNode* child : node->getChildren())
        count += sceneTriangles(child);
    return count;
}

TEST_F(AssetTest, FullSceneStaysWithinItsTriangleBudget)
{
    buildGame();
    const size_t triangles = sceneTriangles(sceneManager->getRootSceneNode());
    std::printf("full scene: %zu triangles\n", triangles);
    RecordProperty("scene_triangles", int(triangles));
    // Software OpenGL keeps a high frame rate below this.
    EXPECT_LT(triangles, 40000u);
}
