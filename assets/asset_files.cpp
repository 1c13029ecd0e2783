#include "assets/asset_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <turbojpeg.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include <irrlicht.h>

#include "core/files.h"

using irr::u16;
using irr::u32;
using irr::u8;

static u16 read16(const u8* p)
{
    return static_cast<u16>(p[0] | p[1] << 8);
}

static u32 read32(const u8* p)
{
    return static_cast<u32>(p[0]) | static_cast<u32>(p[1]) << 8 | static_cast<u32>(p[2]) << 16 |
           static_cast<u32>(p[3]) << 24;
}

// ---- 3D Studio ---------------------------------------------------------------
// A tree of chunks: a 16-bit id, a 32-bit length that counts the chunk's own
// six header bytes, then its data and sub-chunks. The engine's loader trusts
// every length and count: a chunk shorter than its header makes it seek
// backwards for ever, a file cut short makes it read headers past the end, a
// material group naming a face past the list makes it read outside the list,
// and a few chunks it reads by a fixed size rather than by their length. It
// lets a face naming a vertex past the list through as a stray triangle;
// such a file is damaged all the same.

static constexpr size_t CHUNK_HEADER_BYTES = 6;
static constexpr size_t VERTEX_BYTES = 12;   // x, y, z floats
static constexpr size_t FACE_BYTES = 8;      // three corners and a flag word
static constexpr size_t TEXCOORD_BYTES = 8;  // u, v floats
static constexpr size_t MATRIX_BYTES = 48;   // 4 x 3 floats
static constexpr size_t FLOAT_COLOUR_BYTES = 12;
static constexpr size_t BYTE_COLOUR_BYTES = 3;

enum Chunk3ds : u16 {
    MAIN_CHUNK = 0x4D4D,
    FILE_VERSION_CHUNK = 0x0002,
    OLD_VERSION_CHUNK = 0x0001,
    FLOAT_COLOUR_CHUNK = 0x0010,
    BYTE_COLOUR_CHUNK = 0x0011,
    LINEAR_BYTE_COLOUR_CHUNK = 0x0012,
    LINEAR_FLOAT_COLOUR_CHUNK = 0x0013,
    INT_PERCENT_CHUNK = 0x0030,
    FLOAT_PERCENT_CHUNK = 0x0031,
    EDITOR_CHUNK = 0x3D3D,
    MESH_VERSION_CHUNK = 0x3D3E,
    OBJECT_CHUNK = 0x4000,
    TRIANGLES_CHUNK = 0x4100,
    VERTICES_CHUNK = 0x4110,
    POINT_FLAGS_CHUNK = 0x4111,
    FACES_CHUNK = 0x4120,
    FACE_MATERIAL_CHUNK = 0x4130,
    TEXCOORDS_CHUNK = 0x4140,
    SMOOTHING_CHUNK = 0x4150,
    MATRIX_CHUNK = 0x4160,
    MESH_COLOUR_CHUNK = 0x4165,
    MATERIAL_NAME_CHUNK = 0xA000,
    AMBIENT_CHUNK = 0xA010,
    DIFFUSE_CHUNK = 0xA020,
    SPECULAR_CHUNK = 0xA030,
    SHININESS_CHUNK = 0xA040,
    SHININESS_STRENGTH_CHUNK = 0xA041,
    TRANSPARENCY_CHUNK = 0xA050,
    TEXTURE_MAP_CHUNK = 0xA200,
    SPECULAR_MAP_CHUNK = 0xA204,
    OPACITY_MAP_CHUNK = 0xA210,
    REFLECTION_MAP_CHUNK = 0xA220,
    BUMP_MAP_CHUNK = 0xA230,
    MAP_FILE_CHUNK = 0xA300,
    MATERIAL_CHUNK = 0xAFFF,
};

// What one object's chunks add up to; the engine puts it together once the
// object's chunks are read, from the last counts it read.
struct Object3ds {
    u32 vertices;
    u32 faces;
    u32 highestCorner;    // highest vertex index any face names
    u32 highestGroupFace; // highest face index any material group names
    bool anyCorner;
    bool anyGroupFace;
};

// Offset just past the name's terminating zero, or 0 if the data holds none.
static size_t pastName(const u8* data, size_t size)
{
    const void* end = memchr(data, 0, size);
    return end ? static_cast<const u8*>(end) - data + 1 : 0;
}

static bool soundChunks(const u8* bytes, size_t begin, size_t end, Object3ds* object, int depth);

// One chunk whose header and whole length have been found inside its parent:
// `size` bytes of data from `dataBegin`.
static bool soundChunk(u16 id, const u8* bytes, size_t dataBegin, size_t size, Object3ds* object, int depth)
{
    const u8* data = bytes + dataBegin;
    switch (id) {
    case FILE_VERSION_CHUNK:
        return size >= 2;
    case OLD_VERSION_CHUNK:
    case MESH_VERSION_CHUNK:
    case FLOAT_PERCENT_CHUNK:
        return size == 4;
    case INT_PERCENT_CHUNK:
        return size == 2;
    case FLOAT_COLOUR_CHUNK:
    case LINEAR_FLOAT_COLOUR_CHUNK:
        return size == FLOAT_COLOUR_BYTES;
    case BYTE_COLOUR_CHUNK:
    case LINEAR_BYTE_COLOUR_CHUNK:
        return size == BYTE_COLOUR_BYTES;
    case MATRIX_CHUNK:
        return size == MATRIX_BYTES;
    case MESH_COLOUR_CHUNK:
        return size == 1;
    case MATERIAL_NAME_CHUNK:
    case MAP_FILE_CHUNK:
        return pastName(data, size) != 0;
    case EDITOR_CHUNK:
    case MATERIAL_CHUNK:
    case AMBIENT_CHUNK:
    case DIFFUSE_CHUNK:
    case SPECULAR_CHUNK:
    case SHININESS_CHUNK:
    case SHININESS_STRENGTH_CHUNK:
    case TRANSPARENCY_CHUNK:
    case TEXTURE_MAP_CHUNK:
    case SPECULAR_MAP_CHUNK:
    case OPACITY_MAP_CHUNK:
    case REFLECTION_MAP_CHUNK:
    case BUMP_MAP_CHUNK:
        return soundChunks(bytes, dataBegin, dataBegin + size, object, depth + 1);
    case OBJECT_CHUNK: {
        const size_t name = pastName(data, size);
        if (name == 0)
            return false;
        Object3ds parts = Object3ds();
        if (!soundChunks(bytes, dataBegin + name, dataBegin + size, &parts, depth + 1))
            return false;
        return (!parts.anyCorner || parts.highestCorner < parts.vertices) &&
               (!parts.anyGroupFace || parts.highestGroupFace < parts.faces);
    }
    case TRIANGLES_CHUNK:
        return object && soundChunks(bytes, dataBegin, dataBegin + size, object, depth + 1);
    case VERTICES_CHUNK:
        if (!object || size < 2 || size != 2 + VERTEX_BYTES * read16(data))
            return false;
        object->vertices = read16(data);
        return true;
    case TEXCOORDS_CHUNK:
        return size >= 2 && size == 2 + TEXCOORD_BYTES * read16(data);
    case POINT_FLAGS_CHUNK:
        return size >= 2 && size == 2 + 2 * static_cast<size_t>(read16(data));
    case FACES_CHUNK: {
        if (!object || size < 2)
            return false;
        const u32 faces = read16(data);
        const size_t listBytes = 2 + FACE_BYTES * faces;
        if (listBytes > size)
            return false;
        object->faces = faces;
        object->anyCorner = false;
        object->highestCorner = 0;
        for (u32 f = 0; f < faces; ++f) {
            for (int corner = 0; corner < 3; ++corner) {
                const u32 index = read16(data + 2 + f * FACE_BYTES + corner * 2);
                if (!object->anyCorner || index > object->highestCorner)
                    object->highestCorner = index;
                object->anyCorner = true;
            }
        }
        // Material groups and smoothing follow the list, as sub-chunks.
        return soundChunks(bytes, dataBegin + listBytes, dataBegin + size, object, depth + 1);
    }
    case FACE_MATERIAL_CHUNK: {
        const size_t name = pastName(data, size);
        if (!object || name == 0 || size - name < 2)
            return false;
        const u32 count = read16(data + name);
        if (size - name != 2 + 2 * static_cast<size_t>(count))
            return false;
        for (u32 i = 0; i < count; ++i) {
            const u32 face = read16(data + name + 2 + i * 2);
            if (!object->anyGroupFace || face > object->highestGroupFace)
                object->highestGroupFace = face;
            object->anyGroupFace = true;
        }
        return true;
    }
    case SMOOTHING_CHUNK:
        // Read as one word per face of the list before it, whatever its length says.
        return object && size == 4 * static_cast<size_t>(object->faces);
    default:
        // Chunks the engine does not read inside are skipped by their length.
        return true;
    }
}

// Real files nest a handful deep; a deeper tree is damage, and the bound
// keeps the walk's own stack small.
static constexpr int MAX_CHUNK_DEPTH = 16;

static bool soundChunks(const u8* bytes, size_t begin, size_t end, Object3ds* object, int depth)
{
    if (depth > MAX_CHUNK_DEPTH)
        return false;
    size_t at = begin;
    while (at < end) {
        if (end - at < CHUNK_HEADER_BYTES)
            return false;
        const u16 id = read16(bytes + at);
        const u32 length = read32(bytes + at + 2);
        if (length < CHUNK_HEADER_BYTES || length > end - at)
            return false;
        const size_t dataBegin = at + CHUNK_HEADER_BYTES;
        if (!soundChunk(id, bytes, dataBegin, length - CHUNK_HEADER_BYTES, object, depth))
            return false;
        at += length;
    }
    return true;
}

static bool sound3dsBytes(const u8* bytes, size_t size)
{
    // One main chunk, no longer than the file: a cut file fails here. The
    // engine reads no further than the main chunk, so bytes after it are
    // left alone.
    if (size < CHUNK_HEADER_BYTES || read16(bytes) != MAIN_CHUNK)
        return false;
    const u32 length = read32(bytes + 2);
    if (length < CHUNK_HEADER_BYTES || length > size)
        return false;
    return soundChunks(bytes, CHUNK_HEADER_BYTES, length, 0, 0);
}

// ---- Wavefront ---------------------------------------------------------------
// Text lines. The engine takes each face corner "v", "v/t", "v//n" or "v/t/n"
// and reads the vertex, texture coordinate and normal lists at those indices
// (1 the first, -1 the last defined so far) without checking them: index 0, a
// corner without digits or an index past what the lines above defined reads
// outside the lists. It also copies each index's digits into a small buffer
// without a bound, so a long run of digits overwrites its stack.

static constexpr int MAX_INDEX_DIGITS = 9;

enum ObjList { OBJ_VERTICES, OBJ_TEXCOORDS, OBJ_NORMALS, OBJ_LIST_COUNT };

static bool isBlank(u8 c)
{
    return c == ' ' || c == '\t';
}

// One index of a face corner, from `at` up to `end`, within the `defined`
// entries. Counted from the front (k) or from the back (-k), it names an
// entry only while k <= defined.
static bool soundObjIndex(const u8* at, const u8* end, size_t defined)
{
    if (at < end && *at == '-')
        ++at;
    if (at == end || end - at > MAX_INDEX_DIGITS)
        return false;
    size_t value = 0;
    for (; at < end; ++at) {
        if (*at < '0' || *at > '9')
            return false;
        value = value * 10 + (*at - '0');
    }
    return value >= 1 && value <= defined;
}

// One corner word: the vertex index, then optional texture and normal indices.
static bool soundObjCorner(const u8* word, const u8* end, const size_t defined[OBJ_LIST_COUNT])
{
    int list = OBJ_VERTICES;
    const u8* part = word;
    for (const u8* at = word;; ++at) {
        if (at < end && *at != '/')
            continue;
        // An empty texture or normal index leaves that one out; the vertex is required.
        if (at > part || list == OBJ_VERTICES) {
            if (!soundObjIndex(part, at, defined[list]))
                return false;
        }
        if (at == end)
            return true;
        if (++list == OBJ_LIST_COUNT)
            return false;
        part = at + 1;
    }
}

static bool soundObjLine(const u8* line, const u8* end, size_t defined[OBJ_LIST_COUNT])
{
    while (line < end && isBlank(*line))
        ++line;
    if (line == end)
        return true;
    const size_t length = end - line;
    if (line[0] == 'v') {
        // Counted only in the forms the engine surely counts, so a face
        // is never passed for a vertex the engine does not have.
        if (length >= 2 && line[1] == ' ')
            ++defined[OBJ_VERTICES];
        else if (length >= 3 && line[1] == 't' && line[2] == ' ')
            ++defined[OBJ_TEXCOORDS];
        else if (length >= 3 && line[1] == 'n' && line[2] == ' ')
            ++defined[OBJ_NORMALS];
        return true;
    }
    if (line[0] != 'f')
        return true;
    // The engine reads every line that starts with f as a face: each word
    // after the first is a corner.
    const u8* at = line;
    while (at < end && !isBlank(*at))
        ++at;
    for (;;) {
        while (at < end && isBlank(*at))
            ++at;
        if (at == end)
            return true;
        const u8* word = at;
        while (at < end && !isBlank(*at))
            ++at;
        if (!soundObjCorner(word, at, defined))
            return false;
    }
}

// Text only: a line end is '\n' or '\r', as the engine breaks lines at
// either, and the last line need not have one (the gate gives it one before
// the engine reads the file, see readSoundAsset).
template <typename Line>
static bool soundTextLines(const u8* bytes, size_t size, Line soundLine)
{
    if (size == 0)
        return false;
    size_t lineBegin = 0;
    for (size_t i = 0; i <= size; ++i) {
        if (i < size) {
            const u8 c = bytes[i];
            if (c != '\n' && c != '\r' && c != '\t' && (c < ' ' || c == 0x7F))
                return false;
            if (c != '\n' && c != '\r')
                continue;
        }
        if (!soundLine(bytes + lineBegin, bytes + i))
            return false;
        lineBegin = i + 1;
    }
    return true;
}

static bool soundObjBytes(const u8* bytes, size_t size)
{
    size_t defined[OBJ_LIST_COUNT] = {0, 0, 0};
    return soundTextLines(bytes, size, [&](const u8* line, const u8* end) { return soundObjLine(line, end, defined); });
}

// Material files (.mtl): lines of a keyword and its values. The engine reads
// each value into a buffer of its own size, whatever the line holds, and
// opens every texture a map line names through the gate, where it is judged
// as a file of its own. So any text will do.
static bool soundMtlBytes(const u8* bytes, size_t size)
{
    return soundTextLines(bytes, size, [](const u8*, const u8*) { return true; });
}

// ---- JPEG --------------------------------------------------------------------
// The engine's reader hands libjpeg the file's bytes and, should the decoder
// want more, claims there are more without giving any: it reads on past its
// buffer. Given a huge frame it tries to allocate the whole picture. So the
// whole image is decoded here first, by libjpeg-turbo, and the file is sound
// only if that ends at the end marker without one complaint: a file cut
// short, coded data that does not decode, a frame of a size no driver takes.
// Bytes after the end marker are never read, by either.

// No driver takes a texture wider or taller than this.
static constexpr int MAX_TEXTURE_SIDE_PIXELS = 8192;
// Every coded block is decoded whatever the scale, so an eighth of the size
// finds the same damage with a buffer 64 times smaller.
static const tjscalingfactor CHECK_SCALE = {1, 8};
static constexpr int RGB_BYTES = 3;

static bool soundJpegBytes(const u8* bytes, size_t size)
{
    tjhandle decoder = tjInitDecompress();
    if (!decoder)
        return false;
    const unsigned char* jpeg = bytes;
    const unsigned long jpegSize = static_cast<unsigned long>(size);
    int width = 0, height = 0, subsampling = 0, colourspace = 0;
    bool sound = tjDecompressHeader3(decoder, jpeg, jpegSize, &width, &height, &subsampling, &colourspace) == 0 &&
                 width > 0 && height > 0 && width <= MAX_TEXTURE_SIDE_PIXELS && height <= MAX_TEXTURE_SIDE_PIXELS;
    if (sound) {
        const int checkWidth = TJSCALED(width, CHECK_SCALE);
        const int checkHeight = TJSCALED(height, CHECK_SCALE);
        std::vector<u8> pixels(static_cast<size_t>(checkWidth) * checkHeight * RGB_BYTES);
        sound = tjDecompress2(decoder, jpeg, jpegSize, pixels.data(), checkWidth, 0, checkHeight, TJPF_RGB,
                              TJFLAG_STOPONWARNING) == 0;
    }
    tjDestroy(decoder);
    return sound;
}

// ---- Files ---------------------------------------------------------------------

static bool endsWith(const char* text, const char* tail)
{
    const size_t textLength = strlen(text);
    const size_t tailLength = strlen(tail);
    return textLength >= tailLength && strcmp(text + textLength - tailLength, tail) == 0;
}

bool judgedAssetKind(const char* path)
{
    return path && (endsWith(path, ".3ds") || endsWith(path, ".obj") || endsWith(path, ".mtl") ||
                    endsWith(path, ".jpg"));
}

bool soundAssetBytes(const char* path, const u8* bytes, size_t size)
{
    if (!path || !bytes || size == 0)
        return false;
    if (endsWith(path, ".3ds"))
        return sound3dsBytes(bytes, size);
    if (endsWith(path, ".obj"))
        return soundObjBytes(bytes, size);
    if (endsWith(path, ".mtl"))
        return soundMtlBytes(bytes, size);
    if (endsWith(path, ".jpg"))
        return soundJpegBytes(bytes, size);
    return false;
}

bool readSoundAsset(const char* path, std::vector<u8>& bytes)
{
    bool more = false;
    if (!judgedAssetKind(path) || !readRegularFile(path, MAX_ASSET_FILE_BYTES, bytes, &more) || more ||
        !soundAssetBytes(path, bytes.data(), bytes.size()))
        return false;
    // The engine's text reader copies a word up to a blank or the buffer's
    // end, but looks at the byte first: a last word running to the end of
    // the file is read one byte past it. A line end there changes no line.
    const u8 last = bytes.back();
    if ((endsWith(path, ".obj") || endsWith(path, ".mtl")) && last != '\n' && last != '\r')
        bytes.push_back('\n');
    return true;
}

bool soundAssetFile(const char* path)
{
    std::vector<u8> bytes;
    return readSoundAsset(path, bytes);
}
