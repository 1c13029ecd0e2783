#include "tools/scoreboard_meshes.h"

#include <algorithm>

#include "tools/arena_layout.h"
#include "tools/atlas.h"
#include "tools/scoreboard_layout.h"

using irr::core::vector3df;

static const float kBoardThickness = 30.0f; // cm

MeshData makeScoreboard(bool west)
{
    MeshData mesh;
    MeshGroup& board = meshGroup(mesh, "board");
    MeshGroup& housing = meshGroup(mesh, "housing", grey(90));
    const BoardFace face = boardFace(west);
    const float zLo = std::min(face.zLeft, face.zRight), zHi = std::max(face.zLeft, face.zRight);
    const float back = face.faceX - face.facing * kBoardThickness;
    // The picture on the face towards the arena; boardUv gives u from the
    // viewer's left, which is what a front-facing panel expects.
    const vector3df normal(face.facing, 0, 0);
    addPanel(board, vector3df(face.faceX, (face.yBottom + face.yTop) / 2, (zLo + zHi) / 2), normal,
             vector3df(0, 1, 0), zHi - zLo, face.yTop - face.yBottom, UvRect{0, 0, 1, 1});
    BoxUv shell = uniformBoxUv(kFrameCorner);
    // A rim standing proud of the face all round it.
    const float rim = 8.0f, proud = 6.0f;
    const float front = face.faceX + face.facing * proud;
    const float x0 = std::min(front, back), x1 = std::max(front, back);
    addBox(housing, vector3df(x0, face.yTop, zLo - rim), vector3df(x1, face.yTop + rim, zHi + rim), shell);
    addBox(housing, vector3df(x0, face.yBottom - rim, zLo - rim), vector3df(x1, face.yBottom, zHi + rim), shell);
    addBox(housing, vector3df(x0, face.yBottom, zLo - rim), vector3df(x1, face.yTop, zLo), shell);
    addBox(housing, vector3df(x0, face.yBottom, zHi), vector3df(x1, face.yTop, zHi + rim), shell);
    // The back of the board and the two hangers up to the roof.
    addPanel(housing, vector3df(back, (face.yBottom + face.yTop) / 2, (zLo + zHi) / 2), -normal,
             vector3df(0, 1, 0), zHi - zLo, face.yTop - face.yBottom, kFrameCorner);
    for (float z : {zLo + 40.0f, zHi - 40.0f})
        addBox(housing, vector3df(x0 + 10, face.yTop + rim, z - 3), vector3df(x1 - 10, kRoofHeight, z + 3), shell);
    return mesh;
}

MeshData makeTimebox()
{
    MeshData mesh;
    MeshGroup& box = meshGroup(mesh, "digit");
    BoxUv uv = uniformBoxUv(kFrameCorner);
    uv.faces[1] = UvRect{0, 0, 1, 1};
    const vector3df half(kDigitDepth / 2, kDigitHeight / 2, kDigitWidth / 2);
    addBox(box, -half, half, uv);
    return mesh;
}
