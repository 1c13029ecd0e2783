#include "tools/player_meshes.h"

#include <cmath>

#include "tools/arena_layout.h"
#include "tools/atlas.h"

using irr::core::matrix4;
using irr::core::vector3df;

static const float kPi = 3.14159265358979f;

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

// The body, standing on y = `floor`, facing +x. Its left is +z.
static void addFigure(MeshData& mesh, float floor)
{
    MeshGroup& suit = meshGroup(mesh, "suit");
    MeshGroup& shadow = meshGroup(mesh, "shadow", grey(185)); // under-sides and inner faces
    const vector3df up(0, floor, 0);

    // Skates (or boots), a little longer forwards.
    for (float side : {-1.0f, 1.0f}) {
        const float z0 = side * 4.0f, z1 = side * 14.0f;
        addBox(shadow, up + vector3df(-13, 0, std::min(z0, z1)), up + vector3df(19, 10, std::max(z0, z1)),
               limbUv(kUniSkates));
        addBox(shadow, up + vector3df(-7, 10, std::min(z0, z1) + 1), up + vector3df(7, 86, std::max(z0, z1) - 1),
               limbUv(kUniLegs));
    }
    // Hips.
    addBox(shadow, up + vector3df(-10, 82, -16), up + vector3df(10, 102, 16), limbUv(kUniLegs));
    // Torso: the number large on the back, smaller on the chest.
    BoxUv torso = limbUv(kUniTorsoSide);
    torso.faces[0] = uni(kUniTorsoFront);
    torso.faces[1] = uni(kUniTorsoBack);
    addBox(suit, up + vector3df(-11, 100, -21), up + vector3df(11, 142, 21), torso);
    // Shoulder pads, numbered on top for the overhead camera.
    BoxUv pads = limbUv(kUniTorsoSide);
    pads.faces[2] = uni(kUniShoulders);
    addBox(suit, up + vector3df(-13, 142, -26), up + vector3df(13, 153, 26), pads);
    // Arms, slightly forward as if skating.
    for (float side : {-1.0f, 1.0f}) {
        const float z0 = side * 21.0f, z1 = side * 29.0f;
        addBox(suit, up + vector3df(-5, 96, std::min(z0, z1)), up + vector3df(7, 142, std::max(z0, z1)),
               limbUv(kUniSleeve));
    }
    // Helmet: visor forward, number on top.
    BoxUv helmet = limbUv(kUniHelmetSide);
    helmet.faces[0] = uni(kUniVisor);
    helmet.faces[2] = uni(kUniHelmetTop);
    addBox(suit, up + vector3df(-11, 154, -10), up + vector3df(12, kPlayerHeight, 10), helmet);
    addBox(shadow, up + vector3df(-4, 150, -6), up + vector3df(4, 154, 6), limbUv(kUniLegs));
}

MeshData makeSkater()
{
    MeshData mesh;
    addFigure(mesh, 0.0f);
    return mesh;
}

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
    const float outer = kWheelRadius, inner = kWheelRadius - 6.0f, halfWidth = 4.0f;
    const vector3df centre(0, kWheelRadius, 0);
    const UvRect uv;
    for (int i = 0; i < segments; ++i) {
        const float a0 = 2 * kPi * i / segments, a1 = 2 * kPi * (i + 1) / segments;
        const vector3df d0(std::cos(a0), std::sin(a0), 0), d1(std::cos(a1), std::sin(a1), 0);
        const vector3df zf(0, 0, halfWidth), zb(0, 0, -halfWidth);
        const irr::core::vector2df uvs[4];
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
    const BoxUv plain = uniformBoxUv(uv);
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
