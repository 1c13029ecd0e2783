#pragma once
// A mesh as the game's engine sees it once loaded: positions in arena units
// (1 unit = 1 cm, y up), texture v growing downwards, and every triangle wound
// so that the engine draws its front, that is (b - a) x (c - a) points towards
// the viewer. The file writers turn this into what each loader expects.
#include <irrlicht.h>

#include <deque>
#include <string>
#include <vector>

struct MeshVertex {
    irr::core::vector3df pos;    // cm
    irr::core::vector3df normal; // unit length, towards the front
    irr::core::vector2df uv;     // texture coordinates, v = 0 at the image's top
};

// A colour that the loaders turn into vertex colours (through the file's
// material). Unlit, the engine multiplies the texture by it: that is how the
// arena gets shading and painted lines from one shared texture.
struct Tint {
    unsigned char r = 255, g = 255, b = 255;
};
const Tint kWhite = {255, 255, 255};
inline Tint grey(unsigned char level) { return Tint{level, level, level}; }

// One group of triangles with one tint.
struct MeshGroup {
    std::string name;
    Tint tint;
    bool glows = false; // drawn in its tint even when the engine lights it and no light shines
    std::vector<MeshVertex> vertices;
    std::vector<unsigned> indices; // three per triangle
};

struct MeshData {
    std::deque<MeshGroup> groups; // a deque: adding a group keeps references to the others
};

// A rectangle of the texture: (u0, v0) is the top left corner as drawn.
struct UvRect {
    float u0 = 0.0f, v0 = 0.0f, u1 = 1.0f, v1 = 1.0f;
};

// Texture rectangles of a box's six faces, in the order +x, -x, +y, -y, +z, -z.
struct BoxUv {
    UvRect faces[6];
};

BoxUv uniformBoxUv(const UvRect& rect);

// Returns the group named `name`, adding it with the given tint if new.
MeshGroup& meshGroup(MeshData& mesh, const char* name, Tint tint = kWhite);

void addTriangle(MeshGroup& group, MeshVertex a, MeshVertex b, MeshVertex c,
                 const irr::core::vector3df& front);

// A flat quad given by its corners in order around the edge; the winding is
// chosen so that its front shows towards `front`.
void addQuad(MeshGroup& group, const irr::core::vector3df corners[4],
             const irr::core::vector2df uvs[4], const irr::core::vector3df& front);

// An upright picture: `normal` is where its front looks, `up` the picture's
// up. The texture reads the right way round to a viewer facing the front.
void addPanel(MeshGroup& group, const irr::core::vector3df& centre,
              const irr::core::vector3df& normal, const irr::core::vector3df& up,
              float width, float height, const UvRect& rect);

// An axis-aligned box seen from outside. Side faces use y as the picture's
// up; the top and bottom use +x, so markings on top read along the local
// forward direction.
void addBox(MeshGroup& group, const irr::core::vector3df& minCorner,
            const irr::core::vector3df& maxCorner, const BoxUv& uv);

// An upright cylinder around the y axis through `base`, seen from outside
// (or from inside when `inward`), with its side texture wrapped once.
void addCylinder(MeshGroup& group, const irr::core::vector3df& base, float radius,
                 float height, int segments, const UvRect& side, bool caps, bool inward);

// A sphere with the texture wrapped once around it, v = 0 at its top.
void addSphere(MeshGroup& group, const irr::core::vector3df& centre, float radius,
               int rings, int segments, const UvRect& rect);

// Moves every vertex of the groups added after `firstVertex` by `matrix`.
void transformFrom(MeshGroup& group, size_t firstVertex, const irr::core::matrix4& matrix);

// Counts the triangles of a whole mesh.
size_t triangleCount(const MeshData& mesh);
