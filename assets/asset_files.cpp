#include "assets/asset_files.h"

#include <cstdio>
#include <cstring>
#include <vector>

#include <irrlicht.h>

using irr::u16;
using irr::u32;
using irr::u8;

// Far above any mesh or texture of the game; a file this large is no asset of ours.
static constexpr long MAX_ASSET_FILE_BYTES = 16L * 1024 * 1024;

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
    // One main chunk, exactly as long as the file: a cut file fails here.
    if (size < CHUNK_HEADER_BYTES || read16(bytes) != MAIN_CHUNK || read32(bytes + 2) != size)
        return false;
    return soundChunks(bytes, CHUNK_HEADER_BYTES, size, 0, 0);
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

static bool soundObjBytes(const u8* bytes, size_t size)
{
    // A file cut anywhere but at a line end leaves a line unfinished.
    if (size == 0 || bytes[size - 1] != '\n')
        return false;
    size_t defined[OBJ_LIST_COUNT] = {0, 0, 0};
    size_t lineBegin = 0;
    for (size_t i = 0; i < size; ++i) {
        const u8 c = bytes[i];
        // Text only. A carriage return only ends a line together with the
        // line feed, so lines are the same whichever of them the engine breaks on.
        if (c == '\r' && i + 1 < size && bytes[i + 1] == '\n')
            continue;
        if (c != '\n' && c != '\t' && (c < ' ' || c == 0x7F))
            return false;
        if (c != '\n')
            continue;
        size_t lineEnd = i;
        if (lineEnd > lineBegin && bytes[lineEnd - 1] == '\r')
            --lineEnd;
        if (!soundObjLine(bytes + lineBegin, bytes + lineEnd, defined))
            return false;
        lineBegin = i + 1;
    }
    return true;
}

// ---- JPEG --------------------------------------------------------------------
// Marker segments: FF D8 first, FF D9 last, each segment between with a
// two-byte length, and the coded data after each scan header running to the
// next marker. The engine's reader, given a file without its end marker,
// reads on past its buffer (and crashes when only the end marker is gone);
// given a huge frame size it tries to allocate the whole picture.

static constexpr u8 MARKER = 0xFF;
static constexpr u8 START_OF_IMAGE = 0xD8;
static constexpr u8 END_OF_IMAGE = 0xD9;
static constexpr u8 START_OF_SCAN = 0xDA;
static constexpr u8 FIRST_RESTART = 0xD0;
static constexpr u8 LAST_RESTART = 0xD7;
static constexpr u8 TEMPORARY = 0x01;
static constexpr u8 FIRST_FRAME = 0xC0;
static constexpr u8 LAST_FRAME = 0xCF;
static constexpr u8 HUFFMAN_TABLES = 0xC4;
static constexpr u8 EXTENSION = 0xC8;
static constexpr u8 ARITHMETIC_TABLES = 0xCC;
// No driver takes a texture wider or taller than this.
static constexpr u32 MAX_TEXTURE_SIDE_PIXELS = 8192;

static bool isFrameHeader(u8 marker)
{
    return marker >= FIRST_FRAME && marker <= LAST_FRAME && marker != HUFFMAN_TABLES &&
           marker != EXTENSION && marker != ARITHMETIC_TABLES;
}

// Offset of the marker that ends the coded data starting at `at` (size if none).
static size_t endOfCodedData(const u8* bytes, size_t at, size_t size)
{
    for (; at + 1 < size; ++at) {
        if (bytes[at] != MARKER)
            continue;
        const u8 next = bytes[at + 1];
        // A stuffed zero, a restart marker or fill bytes belong to the data.
        if (next == 0 || next == MARKER || (next >= FIRST_RESTART && next <= LAST_RESTART))
            continue;
        return at;
    }
    return size;
}

static bool soundJpegBytes(const u8* bytes, size_t size)
{
    if (size < 4 || bytes[0] != MARKER || bytes[1] != START_OF_IMAGE || bytes[size - 2] != MARKER ||
        bytes[size - 1] != END_OF_IMAGE)
        return false;
    bool frame = false;
    size_t at = 2;
    for (;;) {
        if (at + 2 > size || bytes[at] != MARKER)
            return false;
        while (at + 2 <= size && bytes[at + 1] == MARKER)
            ++at; // fill bytes before a marker
        if (at + 2 > size)
            return false;
        const u8 marker = bytes[at + 1];
        at += 2;
        if (marker == END_OF_IMAGE)
            return frame && at == size;
        if (marker == TEMPORARY || (marker >= FIRST_RESTART && marker <= LAST_RESTART))
            continue;
        if (marker == START_OF_IMAGE || at + 2 > size)
            return false;
        const size_t length = static_cast<size_t>(bytes[at]) << 8 | bytes[at + 1];
        if (length < 2 || length > size - at)
            return false;
        if (isFrameHeader(marker)) {
            // Precision, height, width.
            if (length < 8)
                return false;
            const u32 height = static_cast<u32>(bytes[at + 3]) << 8 | bytes[at + 4];
            const u32 width = static_cast<u32>(bytes[at + 5]) << 8 | bytes[at + 6];
            if (width == 0 || height == 0 || width > MAX_TEXTURE_SIDE_PIXELS || height > MAX_TEXTURE_SIDE_PIXELS)
                return false;
            frame = true;
        }
        at += length;
        if (marker == START_OF_SCAN) {
            if (!frame)
                return false;
            at = endOfCodedData(bytes, at, size);
        }
    }
}

// ---- Files ---------------------------------------------------------------------

static bool endsWith(const char* text, const char* tail)
{
    const size_t textLength = strlen(text);
    const size_t tailLength = strlen(tail);
    return textLength >= tailLength && strcmp(text + textLength - tailLength, tail) == 0;
}

bool soundAssetFile(const char* path)
{
    if (!path)
        return false;
    bool (*sound)(const u8*, size_t) = 0;
    if (endsWith(path, ".3ds"))
        sound = sound3dsBytes;
    else if (endsWith(path, ".obj"))
        sound = soundObjBytes;
    else if (endsWith(path, ".jpg"))
        sound = soundJpegBytes;
    if (!sound)
        return false;

    FILE* file = fopen(path, "rb");
    if (!file)
        return false;
    long size = -1;
    if (fseek(file, 0, SEEK_END) == 0)
        size = ftell(file);
    // Read once per file at start-up (and once per status-ball texture):
    // the verdict is kept by the caller, so play never comes back here.
    std::vector<u8> bytes;
    bool read = size > 0 && size <= MAX_ASSET_FILE_BYTES && fseek(file, 0, SEEK_SET) == 0;
    if (read) {
        bytes.resize(static_cast<size_t>(size));
        read = fread(bytes.data(), 1, bytes.size(), file) == bytes.size();
    }
    fclose(file);
    return read && sound(bytes.data(), bytes.size());
}
