#include "tools/mesh_writers.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

using irr::core::vector3df;

// 3D Studio chunk ids.
static const uint16_t kChunkMain = 0x4D4D;
static const uint16_t kChunkVersion = 0x0002;
static const uint16_t kChunkEditor = 0x3D3D;
static const uint16_t kChunkMeshVersion = 0x3D3E;
static const uint16_t kChunkMaterial = 0xAFFF;
static const uint16_t kChunkMaterialName = 0xA000;
static const uint16_t kChunkAmbient = 0xA010;
static const uint16_t kChunkDiffuse = 0xA020;
static const uint16_t kChunkSpecular = 0xA030;
static const uint16_t kChunkColour24 = 0x0011;
static const uint16_t kChunkObject = 0x4000;
static const uint16_t kChunkTriangles = 0x4100;
static const uint16_t kChunkVertices = 0x4110;
static const uint16_t kChunkFaces = 0x4120;
static const uint16_t kChunkFaceMaterial = 0x4130;
static const uint16_t kChunkTexCoords = 0x4140;
static const uint32_t kFormatVersion = 3;
static const size_t kMaxCount = 65535; // the format's counts are 16 bits

// Builds one chunk in memory: id, then its whole length, then the body.
struct Chunk {
    std::string bytes;
    explicit Chunk(uint16_t id) { put16(id); put32(0); }
    void put16(uint16_t v) { bytes.push_back(char(v & 0xFF)); bytes.push_back(char(v >> 8)); }
    void put32(uint32_t v) { put16(uint16_t(v & 0xFFFF)); put16(uint16_t(v >> 16)); }
    void putFloat(float f)
    {
        uint32_t v;
        static_assert(sizeof v == sizeof f, "32-bit floats");
        std::memcpy(&v, &f, sizeof v);
        put32(v);
    }
    void putString(const std::string& s) { bytes += s; bytes.push_back('\0'); }
    void add(const Chunk& child) { bytes += child.finished(); }
    std::string finished() const
    {
        std::string out = bytes;
        const uint32_t length = static_cast<uint32_t>(out.size());
        for (int i = 0; i < 4; ++i)
            out[2 + i] = char((length >> (8 * i)) & 0xFF);
        return out;
    }
};

static Chunk colourChunk(uint16_t id, Tint tint)
{
    Chunk chunk(id);
    Chunk rgb(kChunkColour24);
    rgb.bytes.push_back(char(tint.r));
    rgb.bytes.push_back(char(tint.g));
    rgb.bytes.push_back(char(tint.b));
    chunk.add(rgb);
    return chunk;
}

static std::string materialName(const MeshGroup& group, size_t index)
{
    return group.name.empty() ? "m" + std::to_string(index) : group.name;
}

bool write3ds(const char* path, const MeshData& mesh)
{
    size_t vertexCount = 0;
    for (const MeshGroup& group : mesh.groups)
        vertexCount += group.vertices.size();
    if (vertexCount > kMaxCount || triangleCount(mesh) > kMaxCount)
        return false;

    Chunk editor(kChunkEditor);
    Chunk meshVersion(kChunkMeshVersion);
    meshVersion.put32(kFormatVersion);
    editor.add(meshVersion);
    for (size_t g = 0; g < mesh.groups.size(); ++g) {
        Chunk material(kChunkMaterial);
        Chunk name(kChunkMaterialName);
        name.putString(materialName(mesh.groups[g], g));
        material.add(name);
        material.add(colourChunk(kChunkAmbient, mesh.groups[g].tint));
        material.add(colourChunk(kChunkDiffuse, mesh.groups[g].tint));
        material.add(colourChunk(kChunkSpecular, grey(0)));
        editor.add(material);
    }

    Chunk vertices(kChunkVertices);
    Chunk texCoords(kChunkTexCoords);
    Chunk faces(kChunkFaces);
    vertices.put16(uint16_t(vertexCount));
    texCoords.put16(uint16_t(vertexCount));
    faces.put16(uint16_t(triangleCount(mesh)));
    for (const MeshGroup& group : mesh.groups) {
        for (const MeshVertex& v : group.vertices) {
            // The loader reads (x, y, z) as (x, z, y).
            vertices.putFloat(v.pos.X);
            vertices.putFloat(v.pos.Z);
            vertices.putFloat(v.pos.Y);
            // The loader turns v into 1 - v, like the format's v-up images.
            texCoords.putFloat(v.uv.X);
            texCoords.putFloat(1.0f - v.uv.Y);
        }
    }
    size_t base = 0;
    for (const MeshGroup& group : mesh.groups) {
        for (size_t i = 0; i + 2 < group.indices.size(); i += 3) {
            // Corners reversed: the loader reverses them again.
            faces.put16(uint16_t(base + group.indices[i + 2]));
            faces.put16(uint16_t(base + group.indices[i + 1]));
            faces.put16(uint16_t(base + group.indices[i]));
            faces.put16(0);
        }
        base += group.vertices.size();
    }
    size_t firstFace = 0;
    for (size_t g = 0; g < mesh.groups.size(); ++g) {
        const size_t count = mesh.groups[g].indices.size() / 3;
        Chunk faceMaterial(kChunkFaceMaterial);
        faceMaterial.putString(materialName(mesh.groups[g], g));
        faceMaterial.put16(uint16_t(count));
        for (size_t f = 0; f < count; ++f)
            faceMaterial.put16(uint16_t(firstFace + f));
        faces.add(faceMaterial);
        firstFace += count;
    }

    Chunk triangles(kChunkTriangles);
    triangles.add(vertices);
    triangles.add(texCoords);
    triangles.add(faces);
    Chunk object(kChunkObject);
    object.putString("skorvane");
    object.add(triangles);
    editor.add(object);

    Chunk main(kChunkMain);
    Chunk version(kChunkVersion);
    version.put32(kFormatVersion);
    main.add(version);
    main.add(editor);

    FILE* file = std::fopen(path, "wb");
    if (!file)
        return false;
    const std::string bytes = main.finished();
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

static bool needsMaterials(const MeshData& mesh)
{
    for (const MeshGroup& group : mesh.groups)
        if (group.tint.r != 255 || group.tint.g != 255 || group.tint.b != 255 || group.glows)
            return true;
    return false;
}

static std::string baseName(const std::string& path)
{
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

static bool writeMaterials(const std::string& path, const MeshData& mesh)
{
    FILE* file = std::fopen(path.c_str(), "w");
    if (!file)
        return false;
    for (size_t g = 0; g < mesh.groups.size(); ++g) {
        const MeshGroup& group = mesh.groups[g];
        const float r = group.tint.r / 255.0f, gr = group.tint.g / 255.0f, b = group.tint.b / 255.0f;
        std::fprintf(file, "newmtl %s\nKa %.4f %.4f %.4f\nKd %.4f %.4f %.4f\nKs 0 0 0\n",
                     materialName(group, g).c_str(), r, gr, b, r, gr, b);
        if (group.glows)
            std::fprintf(file, "Ke %.4f %.4f %.4f\n", r, gr, b);
        std::fprintf(file, "\n");
    }
    return std::fclose(file) == 0;
}

bool writeObj(const char* path, const MeshData& mesh)
{
    const bool materials = needsMaterials(mesh);
    std::string materialPath = path;
    materialPath = materialPath.substr(0, materialPath.size() - 4) + ".mtl";
    if (materials && !writeMaterials(materialPath, mesh))
        return false;

    FILE* file = std::fopen(path, "w");
    if (!file)
        return false;
    std::fprintf(file, "# Skorvane\n");
    if (materials)
        std::fprintf(file, "mtllib %s\n", baseName(materialPath).c_str());
    for (const MeshGroup& group : mesh.groups)
        for (const MeshVertex& v : group.vertices)
            std::fprintf(file, "v %.3f %.3f %.3f\n", -v.pos.X, v.pos.Y, v.pos.Z);
    for (const MeshGroup& group : mesh.groups)
        for (const MeshVertex& v : group.vertices)
            std::fprintf(file, "vt %.5f %.5f\n", v.uv.X, 1.0f - v.uv.Y);
    for (const MeshGroup& group : mesh.groups)
        for (const MeshVertex& v : group.vertices)
            std::fprintf(file, "vn %.4f %.4f %.4f\n", -v.normal.X, v.normal.Y, v.normal.Z);
    size_t base = 1; // the format counts from 1
    for (size_t g = 0; g < mesh.groups.size(); ++g) {
        const MeshGroup& group = mesh.groups[g];
        std::fprintf(file, "g %s\n", materialName(group, g).c_str());
        if (materials)
            std::fprintf(file, "usemtl %s\n", materialName(group, g).c_str());
        for (size_t i = 0; i + 2 < group.indices.size(); i += 3) {
            std::fprintf(file, "f");
            for (size_t k = 0; k < 3; ++k) {
                const size_t index = base + group.indices[i + 2 - k];
                std::fprintf(file, " %zu/%zu/%zu", index, index, index);
            }
            std::fprintf(file, "\n");
        }
        base += group.vertices.size();
    }
    const bool ok = !std::ferror(file);
    return std::fclose(file) == 0 && ok;
}
