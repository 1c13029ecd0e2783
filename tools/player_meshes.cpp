#include "tools/player_meshes.h"

#include <cmath>
#include <utility>

#include "tools/arena_layout.h"
#include "tools/atlas.h"

using irr::core::matrix4;
using irr::core::vector3df;

static const float kPi = 3.14159265358979f;
static const float kLeanDegrees = 10.0f; // the skater's forward lean from the hips
static const float kHipHeight = 100.0f;  // cm above the feet

static UvRect uni(const UvRect& r)
{
    return inset(r, 3, kUniformSize);
}

// One box of the body, with the texture picture for each face. Side faces
// of limbs take the same picture all round.
static BoxUv limbUv(const UvRect& r)
{
    return uniformBoxUv(uni(r));
}

// The body, standing on y = `floor`, facing +x; its left is +z. A skater's
// crouch: knees padded, the upper body leaning into the run, head up.
static void addFigure(MeshData& mesh, float floor)
{
    MeshGroup& suit = meshGroup(mesh, "suit");
    MeshGroup& shadow = meshGroup(mesh, "shadow", grey(185)); // legs and hips, under the torso
    const vector3df up(0, floor, 0);
    auto box = [&](MeshGroup& group, vector3df lo, vector3df hi, const BoxUv& uv) {
        addBox(group, up + lo, up + hi, uv);
    };

    for (float side : {-1.0f, 1.0f}) {
        // One leg's inner and outer z, as a box wants them ordered.
        auto across = [side](float inner, float outer) {
            return side > 0 ? std::make_pair(inner, outer) : std::make_pair(-outer, -inner);
        };
        const auto leg = across(3.0f, 15.0f);
        box(shadow, vector3df(-13, 0, leg.first), vector3df(19, 10, leg.second), limbUv(kUniSkates));
        box(shadow, vector3df(-7, 10, leg.first + 1), vector3df(7, 50, leg.second - 1), limbUv(kUniLegs));
        box(suit, vector3df(4, 42, leg.first), vector3df(10, 60, leg.second), limbUv(kUniHelmetSide));
        box(shadow, vector3df(-8, 50, leg.first), vector3df(8, 90, leg.second), limbUv(kUniLegs));
    }
    box(shadow, vector3df(-10, 84, -17), vector3df(10, 104, 17), limbUv(kUniLegs));

    // Upper body, built upright round the hips and then leant forward.
    const size_t firstVertex = suit.vertices.size();
    BoxUv torso = limbUv(kUniTorsoSide);
    torso.faces[0] = uni(kUniTorsoFront); // the chest
    torso.faces[1] = uni(kUniTorsoBack);  // the number, large
    box(suit, vector3df(-11, 100, -21), vector3df(11, 142, 21), torso);
    BoxUv pads = limbUv(kUniTorsoSide);
    pads.faces[2] = uni(kUniShoulders); // numbered on top for the overhead camera
    box(suit, vector3df(-13, 140, -26), vector3df(13, 152, 26), pads);
    for (float side : {-1.0f, 1.0f}) {
        const float z0 = side > 0 ? 21.0f : -29.0f, z1 = z0 + 8.0f;
        box(suit, vector3df(-5, 114, z0), vector3df(6, 146, z1), limbUv(kUniSleeve));
        box(suit, vector3df(-3, 104, z0), vector3df(18, 114, z1), limbUv(kUniSleeve));
        box(shadow, vector3df(16, 102, z0 + 1), vector3df(23, 113, z1 - 1), limbUv(kUniSkates)); // gloves
    }
    matrix4 lean;
    lean.setRotationDegrees(vector3df(0, 0, -kLeanDegrees));
    matrix4 toHips, back;
    toHips.setTranslation(-(up + vector3df(0, kHipHeight, 0)));
    back.setTranslation(up + vector3df(0, kHipHeight, 0));
    transformFrom(suit, firstVertex, back * lean * toHips);

    // Helmet, upright over the leant shoulders: visor forward, number on top.
    const float reach = std::sin(kLeanDegrees * kPi / 180.0f) * (154.0f - kHipHeight);
    BoxUv helmet = limbUv(kUniHelmetSide);
    helmet.faces[0] = uni(kUniVisor);
    helmet.faces[2] = uni(kUniHelmetTop);
    box(suit, vector3df(reach - 11, 154, -10), vector3df(reach + 12, kPlayerHeight, 10), helmet);
    box(shadow, vector3df(reach - 6, 148, -6), vector3df(reach + 3, 155, 6), limbUv(kUniLegs));
}

MeshData makeSkater()
{
    MeshData mesh;
    addFigure(mesh, 0.0f);
    return mesh;
}

// The same rider with the feet 100 lower, so that the P switch's raise
// stands it on the track. (The game's wheels and status balls keep their
// offsets from the body, so in that mode they ride 100 higher.)
MeshData makeBiker()
{
    MeshData mesh;
    addFigure(mesh, -kBikerRaise);
    return mesh;
}

MeshData makeWheel()
{
    MeshData mesh;
    // The game gives wheels no texture and leaves them lit, so they carry
    // their colours in their materials and glow them.
    MeshGroup& tyre = meshGroup(mesh, "tyre", grey(40));
    MeshGroup& rim = meshGroup(mesh, "rim", Tint{200, 205, 215});
    tyre.glows = rim.glows = true;
    const int segments = 20;
    const float outer = kWheelRadius, inner = kWheelRadius - 6.0f, halfWidth = 4.0f; // cm
    const vector3df centre(0, kWheelRadius, 0);
    const irr::core::vector2df uvs[4]; // never textured
    for (int i = 0; i < segments; ++i) {
        const float a0 = 2 * kPi * i / segments, a1 = 2 * kPi * (i + 1) / segments;
        const vector3df d0(std::cos(a0), std::sin(a0), 0), d1(std::cos(a1), std::sin(a1), 0);
        const vector3df zf(0, 0, halfWidth), zb(0, 0, -halfWidth);
        const vector3df outward = (d0 + d1).normalize();
        const vector3df tread[4] = {centre + d0 * outer + zf, centre + d1 * outer + zf,
                                    centre + d1 * outer + zb, centre + d0 * outer + zb};
        addQuad(tyre, tread, uvs, outward);
        const vector3df bore[4] = {centre + d0 * inner + zf, centre + d1 * inner + zf,
                                   centre + d1 * inner + zb, centre + d0 * inner + zb};
        addQuad(rim, bore, uvs, -outward);
        for (const vector3df& z : {zf, zb}) {
            const vector3df side[4] = {centre + d0 * outer + z, centre + d1 * outer + z,
                                       centre + d1 * inner + z, centre + d0 * inner + z};
            addQuad(tyre, side, uvs, z);
        }
    }
    // Hub and three spokes across it.
    const BoxUv plain = uniformBoxUv(UvRect());
    addBox(rim, centre - vector3df(5, 5, 5), centre + vector3df(5, 5, 5), plain);
    for (int i = 0; i < 3; ++i) {
        const size_t first = rim.vertices.size();
        addBox(rim, vector3df(-inner, -1.5f, -1.5f), vector3df(inner, 1.5f, 1.5f), plain);
        matrix4 turn;
        turn.setRotationDegrees(vector3df(0, 0, 60.0f * i));
        matrix4 place;
        place.setTranslation(centre);
        transformFrom(rim, first, place * turn);
    }
    return mesh;
}

MeshData makeStatusBall()
{
    MeshData mesh;
    MeshGroup& ball = meshGroup(mesh, "ball");
    // The game hangs it 80 below the body's origin; this puts its centre
    // well above the head (180) and above a held ball (200 + 20).
    addSphere(ball, vector3df(0, kStatusBallHeight + kStatusBallDrop, 0), kStatusBallRadius, 8, 14,
              UvRect{0, 0, 1, 1});
    return mesh;
}
