#include "tools/output.h"

#include <cstdio>
#include <cstring>

#include "tools/mesh_writers.h"

void saveTexture(AssetOutput& out, const char* name, const Canvas& canvas)
{
    const std::string path = out.directory + name;
    ++out.files;
    if (!saveJpeg(out.driver, canvas, path.c_str())) {
        std::fprintf(stderr, "Cannot write %s\n", path.c_str());
        ++out.failures;
    }
}

void saveMesh(AssetOutput& out, const char* name, const MeshData& mesh)
{
    const std::string path = out.directory + name;
    const size_t length = std::strlen(name);
    const bool obj = length > 4 && std::strcmp(name + length - 4, ".obj") == 0;
    ++out.files;
    out.triangles += triangleCount(mesh);
    if (!(obj ? writeObj(path.c_str(), mesh) : write3ds(path.c_str(), mesh))) {
        std::fprintf(stderr, "Cannot write %s\n", path.c_str());
        ++out.failures;
    }
}
