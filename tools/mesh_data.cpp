#include "tools/mesh_data.h"

#include <cmath>

using irr::core::matrix4;
using irr::core::vector2df;
using irr::core::vector3df;

static const float kPi = 3.14159265358979f;

BoxUv uniformBoxUv(const UvRect& rect)
{
    BoxUv uv;
    for (UvRect& face : uv.faces)
        face = rect;
    return uv;
}

MeshGroup& meshGroup(MeshData& mesh, const char* name, Tint tint)
{
    for (MeshGroup& group : mesh.groups)
        if (group.name == name)
            return group;
    mesh.groups.push_back(MeshGroup());
    mesh.groups.back().name = name;
    mesh.groups.back().tint = tint;
    return mesh.groups.back();
}

void addTriangle(MeshGroup& group, MeshVertex a, MeshVertex b, MeshVertex c,
                 const vector3df& front)
{
    vector3df normal = (b.pos - a.pos).crossProduct(c.pos - a.pos);
    if (normal.dotProduct(front) < 0.0f) {
        std::swap(b, c);
        normal = -normal;
    }
    normal.normalize();
    // Keep the smooth normals the caller gave; flat faces get the face normal.
    for (MeshVertex* v : {&a, &b, &c})
        if (v->normal.getLengthSQ() == 0.0f)
            v->normal = normal;
    const unsigned first = static_cast<unsigned>(group.vertices.size());
    group.vertices.push_back(a);
    group.vertices.push_back(b);
    group.vertices.push_back(c);
    group.indices.push_back(first);
    group.indices.push_back(first + 1);
    group.indices.push_back(first + 2);
}

void addQuad(MeshGroup& group, const vector3df corners[4], const vector2df uvs[4],
             const vector3df& front)
{
    MeshVertex v[4];
    for (int i = 0; i < 4; ++i) {
        v[i].pos = corners[i];
        v[i].uv = uvs[i];
    }
    addTriangle(group, v[0], v[1], v[2], front);
    addTriangle(group, v[0], v[2], v[3], front);
}

void addPanel(MeshGroup& group, const vector3df& centre, const vector3df& normal,
              const vector3df& up, float width, float height, const UvRect& rect)
{
    // In the engine's left-handed frame a viewer facing the front (looking
    // along -normal) has normal x up on their right.
    const vector3df right = normal.crossProduct(up).normalize() * (width * 0.5f);
    const vector3df top = vector3df(up).normalize() * (height * 0.5f);
    const vector3df corners[4] = {centre - right + top, centre + right + top,
                                  centre + right - top, centre - right - top};
    const vector2df uvs[4] = {vector2df(rect.u0, rect.v0), vector2df(rect.u1, rect.v0),
                              vector2df(rect.u1, rect.v1), vector2df(rect.u0, rect.v1)};
    addQuad(group, corners, uvs, normal);
}

void addBox(MeshGroup& group, const vector3df& lo, const vector3df& hi, const BoxUv& uv)
{
    const vector3df c = (lo + hi) * 0.5f;
    const vector3df size = hi - lo;
    const vector3df x(1, 0, 0), y(0, 1, 0), z(0, 0, 1);
    addPanel(group, vector3df(hi.X, c.Y, c.Z), x, y, size.Z, size.Y, uv.faces[0]);
    addPanel(group, vector3df(lo.X, c.Y, c.Z), -x, y, size.Z, size.Y, uv.faces[1]);
    addPanel(group, vector3df(c.X, hi.Y, c.Z), y, x, size.Z, size.X, uv.faces[2]);
    addPanel(group, vector3df(c.X, lo.Y, c.Z), -y, x, size.Z, size.X, uv.faces[3]);
    addPanel(group, vector3df(c.X, c.Y, hi.Z), z, y, size.X, size.Y, uv.faces[4]);
    addPanel(group, vector3df(c.X, c.Y, lo.Z), -z, y, size.X, size.Y, uv.faces[5]);
}

void addCylinder(MeshGroup& group, const vector3df& base, float radius, float height,
                 int segments, const UvRect& side, bool caps, bool inward)
{
    const vector3df up(0, height, 0);
    for (int i = 0; i < segments; ++i) {
        const float a0 = 2.0f * kPi * i / segments;
        const float a1 = 2.0f * kPi * (i + 1) / segments;
        const vector3df d0(std::cos(a0), 0, std::sin(a0));
        const vector3df d1(std::cos(a1), 0, std::sin(a1));
        const float u0 = side.u0 + (side.u1 - side.u0) * i / segments;
        const float u1 = side.u0 + (side.u1 - side.u0) * (i + 1) / segments;
        const vector3df corners[4] = {base + d0 * radius + up, base + d1 * radius + up,
                                      base + d1 * radius, base + d0 * radius};
        const vector2df uvs[4] = {vector2df(u0, side.v0), vector2df(u1, side.v0),
                                  vector2df(u1, side.v1), vector2df(u0, side.v1)};
        const vector3df out = (d0 + d1).normalize();
        addQuad(group, corners, uvs, inward ? -out : out);
        if (caps) {
            MeshVertex centre, p0, p1;
            centre.uv = p0.uv = p1.uv = vector2df(side.u0, side.v0);
            centre.pos = base + up;
            p0.pos = corners[0];
            p1.pos = corners[1];
            addTriangle(group, centre, p0, p1, vector3df(0, 1, 0));
            centre.pos = base;
            p0.pos = corners[3];
            p1.pos = corners[2];
            addTriangle(group, centre, p0, p1, vector3df(0, -1, 0));
        }
    }
}

void addSphere(MeshGroup& group, const vector3df& centre, float radius, int rings,
               int segments, const UvRect& rect)
{
    auto point = [&](int ring, int segment) {
        const float polar = kPi * ring / rings;
        const float azimuth = 2.0f * kPi * segment / segments;
        MeshVertex v;
        v.normal = vector3df(std::sin(polar) * std::cos(azimuth), std::cos(polar),
                             std::sin(polar) * std::sin(azimuth));
        v.pos = centre + v.normal * radius;
        v.uv = vector2df(rect.u0 + (rect.u1 - rect.u0) * segment / segments,
                         rect.v0 + (rect.v1 - rect.v0) * ring / rings);
        return v;
    };
    for (int ring = 0; ring < rings; ++ring) {
        for (int segment = 0; segment < segments; ++segment) {
            const MeshVertex a = point(ring, segment), b = point(ring, segment + 1);
            const MeshVertex c = point(ring + 1, segment + 1), d = point(ring + 1, segment);
            const vector3df out = (a.normal + b.normal + c.normal + d.normal).normalize();
            if (ring > 0)
                addTriangle(group, a, b, c, out);
            if (ring < rings - 1)
                addTriangle(group, a, c, d, out);
        }
    }
}

void transformFrom(MeshGroup& group, size_t firstVertex, const matrix4& matrix)
{
    for (size_t i = firstVertex; i < group.vertices.size(); ++i) {
        matrix.transformVect(group.vertices[i].pos);
        matrix.rotateVect(group.vertices[i].normal);
    }
}

size_t triangleCount(const MeshData& mesh)
{
    size_t count = 0;
    for (const MeshGroup& group : mesh.groups)
        count += group.indices.size() / 3;
    return count;
}
