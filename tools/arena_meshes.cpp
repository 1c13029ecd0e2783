#include "tools/arena_meshes.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "tools/arena_layout.h"
#include "tools/atlas.h"

using irr::core::vector2df;
using irr::core::vector3df;

static const float kPi = 3.14159265358979f;
// Segments of the full circle for the floor, bank, rails and wall. With 128
// the flat chords stray at most 0.3 cm from the bank's true height.
static const int kRingSegments = 128;
static const float kFloorTile = 400.0f; // cm of floor per repeat of its texture

// Track markings, as tinted bands of the bank (radii in cm).
static const float kInnerBandOuter = 1650.0f;  // blue band along the infield edge
static const float kWaitingLine = 2630.0f;     // where players wait for play
static const float kLineHalfWidth = 6.0f;      // of the painted line
static const float kClampZone = 2860.0f;       // the game holds players inside this

// Outer wall and stands (cm).
static const float kWallThickness = 60.0f;
static const int kStandSteps = 10;
static const float kStandStepDepth = 110.0f;
static const float kStandStepRise = 72.0f;
static const float kStandHalfArc = 55.0f * kPi / 180.0f; // rad each way from due north and due south
static const float kSteelTile = 200.0f; // cm of stand per repeat of the steel texture

// Inner rail: a low padded kerb on the floor's edge (cm).
static const float kRailHeight = 34.0f;
static const float kRailHalfThickness = 6.0f;
// Per half ring (5027 cm): the 8:1 band picture on the 34 cm kerb repeats
// every 272 cm undistorted, 18.5 times.
static const float kRailTextureRepeats = 18.0f;

// A flat or banked ring, seen from above, textured in the floor's plan so
// that floor and bank share one seamless pattern.
static void addGroundRing(MeshGroup& group, float inner, float outer, float angle0, float angle1,
                          int segments)
{
    for (int i = 0; i < segments; ++i) {
        const float a0 = angle0 + (angle1 - angle0) * i / segments;
        const float a1 = angle0 + (angle1 - angle0) * (i + 1) / segments;
        const float radii[2] = {inner, outer};
        vector3df corners[4];
        vector2df uvs[4];
        const float angles[4] = {a0, a1, a1, a0};
        const int ring[4] = {0, 0, 1, 1};
        for (int k = 0; k < 4; ++k) {
            const float r = radii[ring[k]];
            corners[k] = vector3df(r * std::cos(angles[k]), bankHeight(r), r * std::sin(angles[k]));
            uvs[k] = vector2df(corners[k].X / kFloorTile, -corners[k].Z / kFloorTile);
        }
        addQuad(group, corners, uvs, vector3df(0, 1, 0));
    }
}

// The floor is cut into cells so that painted zones (the benches behind the
// seat rows, the two gates) are parts of the one flat surface, not decals
// that would flicker against it.
struct FloorZone {
    const char* name;
    Tint tint;
    float x0, x1, z0, z1; // cm
};
static const FloorZone kFloorZones[] = {
    {"homebench", Tint{255, 196, 140}, -250.0f, 264.0f, 422.0f, 492.0f},
    {"awaybench", Tint{190, 255, 160}, -256.0f, 258.0f, -500.0f, -430.0f},
    {"homegate", Tint{255, 150, 60}, 950.0f, 1050.0f, -50.0f, 50.0f},
    {"awaygate", Tint{120, 255, 70}, -1050.0f, -950.0f, -50.0f, 50.0f},
};
// Only the painted zones need edges of their own; each cell edge costs the
// renderer a row of pixel blocks shaded twice, so the cells are large.
static const float kFloorCell = 800.0f; // cm

// Sutherland-Hodgman: keeps the part of a convex polygon (in the x-z plane)
// on the inner side of the regular polygon round the floor.
static std::vector<vector2df> clipToFloorEdge(std::vector<vector2df> polygon)
{
    const float corner = kFloorEdgeRadius / std::cos(kPi / kRingSegments);
    for (int i = 0; i < kRingSegments && polygon.size() >= 3; ++i) {
        const float a0 = 2 * kPi * i / kRingSegments, a1 = 2 * kPi * (i + 1) / kRingSegments;
        const vector2df p0(corner * std::cos(a0), corner * std::sin(a0));
        const vector2df p1(corner * std::cos(a1), corner * std::sin(a1));
        // Inside means on the centre's side of the edge p0 -> p1.
        auto side = [&](const vector2df& q) {
            return (p1.X - p0.X) * (q.Y - p0.Y) - (p1.Y - p0.Y) * (q.X - p0.X);
        };
        std::vector<vector2df> kept;
        for (size_t k = 0; k < polygon.size(); ++k) {
            const vector2df& a = polygon[k];
            const vector2df& b = polygon[(k + 1) % polygon.size()];
            const float sa = side(a), sb = side(b);
            if (sa >= 0)
                kept.push_back(a);
            if ((sa >= 0) != (sb >= 0))
                kept.push_back(a + (b - a) * (sa / (sa - sb)));
        }
        polygon = kept;
    }
    return polygon;
}

static std::vector<float> floorBreaks(bool alongX)
{
    std::vector<float> breaks;
    for (float v = -kFloorEdgeRadius - kFloorCell / 2; v <= kFloorEdgeRadius + kFloorCell; v += kFloorCell)
        breaks.push_back(v);
    for (const FloorZone& zone : kFloorZones) {
        breaks.push_back(alongX ? zone.x0 : zone.z0);
        breaks.push_back(alongX ? zone.x1 : zone.z1);
    }
    std::sort(breaks.begin(), breaks.end());
    breaks.erase(std::unique(breaks.begin(), breaks.end()), breaks.end());
    return breaks;
}

MeshData makePlayerBayFloor()
{
    MeshData mesh;
    meshGroup(mesh, "floor");
    for (const FloorZone& zone : kFloorZones)
        meshGroup(mesh, zone.name, zone.tint);
    const std::vector<float> xs = floorBreaks(true), zs = floorBreaks(false);
    for (size_t i = 0; i + 1 < xs.size(); ++i) {
        for (size_t j = 0; j + 1 < zs.size(); ++j) {
            const std::vector<vector2df> cell = clipToFloorEdge(
                {vector2df(xs[i], zs[j]), vector2df(xs[i + 1], zs[j]), vector2df(xs[i + 1], zs[j + 1]),
                 vector2df(xs[i], zs[j + 1])});
            if (cell.size() < 3)
                continue;
            const float cx = (xs[i] + xs[i + 1]) / 2, cz = (zs[j] + zs[j + 1]) / 2;
            MeshGroup* group = &meshGroup(mesh, "floor");
            for (const FloorZone& zone : kFloorZones)
                if (cx > zone.x0 && cx < zone.x1 && cz > zone.z0 && cz < zone.z1)
                    group = &meshGroup(mesh, zone.name);
            MeshVertex v[3];
            for (size_t k = 1; k + 1 < cell.size(); ++k) {
                const vector2df corners[3] = {cell[0], cell[k], cell[k + 1]};
                for (int c = 0; c < 3; ++c) {
                    v[c].pos = vector3df(corners[c].X, 0, corners[c].Y);
                    v[c].uv = vector2df(corners[c].X / kFloorTile, -corners[c].Y / kFloorTile);
                    v[c].normal = vector3df();
                }
                // Clipping can leave slivers of no area; the engine needs none.
                if ((v[1].pos - v[0].pos).crossProduct(v[2].pos - v[0].pos).getLength() < 1e-3f)
                    continue;
                addTriangle(*group, v[0], v[1], v[2], vector3df(0, 1, 0));
            }
        }
    }
    return mesh;
}

MeshData makeOuterTrack()
{
    MeshData mesh;
    MeshGroup& bank = meshGroup(mesh, "bank", grey(242));
    MeshGroup& band = meshGroup(mesh, "innerband", Tint{120, 160, 255});
    MeshGroup& line = meshGroup(mesh, "waitingline", Tint{255, 110, 90});
    MeshGroup& clamp = meshGroup(mesh, "outerzone", Tint{200, 175, 150});
    MeshGroup& edge = meshGroup(mesh, "edge", Tint{230, 70, 60});
    const int n = kRingSegments;
    addGroundRing(band, kFloorEdgeRadius, kInnerBandOuter, 0, 2 * kPi, n);
    // The bank darkens a little as it rises, so its slope reads unlit.
    MeshGroup& upper = meshGroup(mesh, "upperbank", grey(228));
    MeshGroup& top = meshGroup(mesh, "topbank", grey(212));
    addGroundRing(bank, kInnerBandOuter, 2100.0f, 0, 2 * kPi, n);
    addGroundRing(upper, 2100.0f, kWaitingLine - kLineHalfWidth, 0, 2 * kPi, n);
    addGroundRing(line, kWaitingLine - kLineHalfWidth, kWaitingLine + kLineHalfWidth, 0, 2 * kPi, n);
    addGroundRing(top, kWaitingLine + kLineHalfWidth, kClampZone, 0, 2 * kPi, n);
    addGroundRing(clamp, kClampZone, kOutOfBoundsRadius, 0, 2 * kPi, n);
    addGroundRing(edge, kOutOfBoundsRadius, kTrackOuterRadius, 0, 2 * kPi, n);
    return mesh;
}

// One riser or tread of the stands: a band of a circle between two radii at
// fixed height (tread) or a vertical band at fixed radius (riser).
static void addStandBand(MeshGroup& group, float r0, float r1, float y0, float y1, float a0,
                         float a1, int segments, const vector3df& frontHint, bool riser)
{
    for (int i = 0; i < segments; ++i) {
        const float b0 = a0 + (a1 - a0) * i / segments, b1 = a0 + (a1 - a0) * (i + 1) / segments;
        const vector3df d0(std::cos(b0), 0, std::sin(b0)), d1(std::cos(b1), 0, std::sin(b1));
        vector3df corners[4];
        if (riser) {
            corners[0] = d0 * r0 + vector3df(0, y1, 0);
            corners[1] = d1 * r0 + vector3df(0, y1, 0);
            corners[2] = d1 * r0 + vector3df(0, y0, 0);
            corners[3] = d0 * r0 + vector3df(0, y0, 0);
        } else {
            corners[0] = d0 * r1 + vector3df(0, y0, 0);
            corners[1] = d1 * r1 + vector3df(0, y0, 0);
            corners[2] = d1 * r0 + vector3df(0, y0, 0);
            corners[3] = d0 * r0 + vector3df(0, y0, 0);
        }
        const float u0 = b0 * r1 / kSteelTile, u1 = b1 * r1 / kSteelTile;
        const vector2df uvs[4] = {vector2df(u0, 0), vector2df(u1, 0), vector2df(u1, 1),
                                  vector2df(u0, 1)};
        vector3df front = frontHint;
        if (riser)
            front = -(d0 + d1).normalize();
        addQuad(group, corners, uvs, front);
    }
}

// The hall round the arena: a dark back wall behind the stands and the
// scoreboards, and a ceiling with a ring of lamps over the track.
static void addHall(MeshData& mesh)
{
    MeshGroup& dark = meshGroup(mesh, "hall", grey(56));
    MeshGroup& lamps = meshGroup(mesh, "lamps", Tint{255, 250, 225});
    const UvRect steel = {0, 0, 2 * kPi * kHallRadius / 300.0f, 4};
    addCylinder(dark, vector3df(0, 0, 0), kHallRadius, kRoofHeight, kRingSegments, steel, false, true);
    const float lampInner = 2150.0f, lampOuter = 2250.0f;
    for (int i = 0; i < kRingSegments; ++i) {
        const float a0 = 2 * kPi * i / kRingSegments, a1 = 2 * kPi * (i + 1) / kRingSegments;
        const vector3df d0(std::cos(a0), 0, std::sin(a0)), d1(std::cos(a1), 0, std::sin(a1));
        const vector3df y(0, kRoofHeight, 0);
        const float radii[4] = {0.0f, lampInner, lampOuter, kHallRadius};
        for (int band = 0; band < 3; ++band) {
            const vector3df corners[4] = {d0 * radii[band] + y, d1 * radii[band] + y,
                                          d1 * radii[band + 1] + y, d0 * radii[band + 1] + y};
            vector2df uvs[4];
            for (int k = 0; k < 4; ++k)
                uvs[k] = vector2df(corners[k].X / kFloorTile, corners[k].Z / kFloorTile);
            if (band == 0) {
                MeshVertex centre, p0, p1;
                centre.pos = y;
                p0.pos = corners[2];
                p1.pos = corners[3];
                centre.uv = vector2df(0, 0);
                p0.uv = uvs[2];
                p1.uv = uvs[3];
                addTriangle(dark, centre, p0, p1, vector3df(0, -1, 0));
            } else {
                addQuad(band == 1 ? lamps : dark, corners, uvs, vector3df(0, -1, 0));
            }
        }
    }
}

MeshData makeOuterWall()
{
    MeshData mesh;
    MeshGroup& wall = meshGroup(mesh, "wall");
    MeshGroup& lip = meshGroup(mesh, "lip", grey(150));
    MeshGroup& back = meshGroup(mesh, "back", grey(90));
    MeshGroup& seats = meshGroup(mesh, "seats", Tint{70, 90, 170});
    MeshGroup& aisles = meshGroup(mesh, "treads", Tint{110, 110, 125});
    const float foot = bankHeight(kTrackOuterRadius) - 20.0f; // tucked under the bank's edge
    const float top = bankHeight(kTrackOuterRadius) + kWallHeightAboveBank;
    const float outer = kTrackOuterRadius + kWallThickness;
    const float steel = 2 * kPi * kTrackOuterRadius / 300.0f; // texture repeats round the wall

    UvRect side = {0, 0, steel, 1};
    addCylinder(wall, vector3df(0, foot, 0), kTrackOuterRadius, top - foot, kRingSegments, side,
                false, true);
    addCylinder(back, vector3df(0, 0, 0), outer, top, kRingSegments, side, false, false);
    // The lip: a flat ring on top of the wall.
    for (int i = 0; i < kRingSegments; ++i) {
        const float a0 = 2 * kPi * i / kRingSegments, a1 = 2 * kPi * (i + 1) / kRingSegments;
        const vector3df d0(std::cos(a0), 0, std::sin(a0)), d1(std::cos(a1), 0, std::sin(a1));
        const vector3df y(0, top, 0);
        const vector3df corners[4] = {d0 * outer + y, d1 * outer + y, d1 * kTrackOuterRadius + y,
                                      d0 * kTrackOuterRadius + y};
        const vector2df uvs[4] = {vector2df(i * 0.5f, 0), vector2df(i * 0.5f + 0.5f, 0),
                                  vector2df(i * 0.5f + 0.5f, 0.1f), vector2df(i * 0.5f, 0.1f)};
        addQuad(lip, corners, uvs, vector3df(0, 1, 0));
    }
    // Stands rise behind the wall along the north and south sides, leaving
    // the east and west ends open for the scoreboards.
    const int segments = 24;
    for (float middle : {kPi / 2, 3 * kPi / 2}) {
        const float a0 = middle - kStandHalfArc, a1 = middle + kStandHalfArc;
        float r = outer, y = top;
        for (int step = 0; step < kStandSteps; ++step) {
            addStandBand(seats, r, r, y, y + kStandStepRise, a0, a1, segments, vector3df(), true);
            y += kStandStepRise;
            addStandBand(aisles, r, r + kStandStepDepth, y, y, a0, a1, segments,
                         vector3df(0, 1, 0), false);
            // Ends of the step, closing the profile at both angles.
            for (int end = 0; end < 2; ++end) {
                const float a = end ? a1 : a0;
                const vector3df d(std::cos(a), 0, std::sin(a));
                const vector3df corners[4] = {d * r + vector3df(0, y, 0),
                                              d * (r + kStandStepDepth) + vector3df(0, y, 0),
                                              d * (r + kStandStepDepth) + vector3df(0, top, 0),
                                              d * r + vector3df(0, top, 0)};
                const vector2df uvs[4] = {vector2df(0, 0), vector2df(1, 0), vector2df(1, 1),
                                          vector2df(0, 1)};
                const vector3df tangent(-std::sin(a), 0, std::cos(a));
                addQuad(back, corners, uvs, end ? tangent : -tangent);
            }
            r += kStandStepDepth;
        }
        addStandBand(back, r, r, top, y, a0, a1, segments, vector3df(), true);
    }
    addHall(mesh);
    return mesh;
}

MeshData makeInnerRail(bool north)
{
    MeshData mesh;
    MeshGroup& rail = meshGroup(mesh, "rail");
    MeshGroup& top = meshGroup(mesh, "top", grey(170));
    const float a0 = north ? 0.0f : kPi, a1 = north ? kPi : 2 * kPi;
    const int segments = kRingSegments / 2;
    const float rin = kFloorEdgeRadius - kRailHalfThickness;
    const float rout = kFloorEdgeRadius + kRailHalfThickness;
    for (int i = 0; i < segments; ++i) {
        const float b0 = a0 + (a1 - a0) * i / segments, b1 = a0 + (a1 - a0) * (i + 1) / segments;
        const vector3df d0(std::cos(b0), 0, std::sin(b0)), d1(std::cos(b1), 0, std::sin(b1));
        const vector3df h(0, kRailHeight, 0);
        const float u0 = kRailTextureRepeats * i / segments;
        const float u1 = kRailTextureRepeats * (i + 1) / segments;
        const vector2df uvs[4] = {vector2df(u0, 0), vector2df(u1, 0), vector2df(u1, 1),
                                  vector2df(u0, 1)};
        const vector3df out = (d0 + d1).normalize();
        // The text runs the same way on both faces: seen from the infield it
        // reads left to right as the angle falls, seen from the bank as it grows.
        const vector3df inner[4] = {d1 * rin + h, d0 * rin + h, d0 * rin, d1 * rin};
        addQuad(rail, inner, uvs, -out);
        const vector3df outerFace[4] = {d0 * rout + h, d1 * rout + h, d1 * rout, d0 * rout};
        addQuad(rail, outerFace, uvs, out);
        const vector3df lid[4] = {d0 * rout + h, d1 * rout + h, d1 * rin + h, d0 * rin + h};
        const vector2df lidUvs[4] = {vector2df(u0, 0.95f), vector2df(u1, 0.95f),
                                     vector2df(u1, 1.0f), vector2df(u0, 1.0f)};
        addQuad(top, lid, lidUvs, vector3df(0, 1, 0));
    }
    // Close both ends.
    for (float a : {a0, a1}) {
        const vector3df d(std::cos(a), 0, std::sin(a));
        const vector3df tangent(-std::sin(a), 0, std::cos(a));
        const vector3df h(0, kRailHeight, 0);
        const vector3df corners[4] = {d * rin + h, d * rout + h, d * rout, d * rin};
        const vector2df uvs[4] = {vector2df(0, 0), vector2df(0.05f, 0), vector2df(0.05f, 1),
                                  vector2df(0, 1)};
        addQuad(top, corners, uvs, a == a0 ? -tangent : tangent);
    }
    return mesh;
}

MeshData makeElevator()
{
    MeshData mesh;
    MeshGroup& walls = meshGroup(mesh, "walls");
    MeshGroup& deck = meshGroup(mesh, "deck");
    MeshGroup& inside = meshGroup(mesh, "inside", grey(150));
    const float hx = kTowerHalfWidthX, hz = kTowerHalfDepthZ, top = kTowerParapetHeight;
    const float wall = 8.0f; // parapet thickness, cm
    const UvRect wallUv = inset(kTowerWall, 2, kTowerTextureSize);
    const UvRect trimUv = inset(kTowerTrim, 2, kTowerTextureSize);
    const vector3df x(1, 0, 0), y(0, 1, 0), z(0, 0, 1);
    addPanel(walls, vector3df(hx, top / 2, 0), x, y, 2 * hz, top, wallUv);
    addPanel(walls, vector3df(-hx, top / 2, 0), -x, y, 2 * hz, top, wallUv);
    addPanel(walls, vector3df(0, top / 2, hz), z, y, 2 * hx, top, wallUv);
    addPanel(walls, vector3df(0, top / 2, -hz), -z, y, 2 * hx, top, wallUv);
    // Deck and the inner faces of the parapet round it.
    const float ix = hx - wall, iz = hz - wall, rise = top - kTowerDeckHeight;
    addPanel(deck, vector3df(0, kTowerDeckHeight, 0), y, x, 2 * iz, 2 * ix,
             inset(kTowerDeck, 2, kTowerTextureSize));
    addPanel(inside, vector3df(ix, kTowerDeckHeight + rise / 2, 0), -x, y, 2 * iz, rise, trimUv);
    addPanel(inside, vector3df(-ix, kTowerDeckHeight + rise / 2, 0), x, y, 2 * iz, rise, trimUv);
    addPanel(inside, vector3df(0, kTowerDeckHeight + rise / 2, iz), -z, y, 2 * ix, rise, trimUv);
    addPanel(inside, vector3df(0, kTowerDeckHeight + rise / 2, -iz), z, y, 2 * ix, rise, trimUv);
    // Top of the parapet.
    addPanel(inside, vector3df(hx - wall / 2, top, 0), y, x, 2 * hz, wall, trimUv);
    addPanel(inside, vector3df(-hx + wall / 2, top, 0), y, x, 2 * hz, wall, trimUv);
    addPanel(inside, vector3df(0, top, hz - wall / 2), y, x, wall, 2 * ix, trimUv);
    addPanel(inside, vector3df(0, top, -hz + wall / 2), y, x, wall, 2 * ix, trimUv);
    return mesh;
}

MeshData makeElevatorDoor()
{
    MeshData mesh;
    MeshGroup& door = meshGroup(mesh, "door");
    // Placed at y = 90: the door runs from the floor to 185 and stands 3 cm
    // proud of the wall on both the east and the west face.
    BoxUv uv = uniformBoxUv(kFrameCorner);
    uv.faces[0] = uv.faces[1] = UvRect{0, 0, 1, 1};
    addBox(door, vector3df(-3, -kDoorCentreY, -27), vector3df(3, 95, 27), uv);
    return mesh;
}

MeshData makeLadder()
{
    MeshData mesh;
    MeshGroup& ladder = meshGroup(mesh, "ladder");
    // Up the tower's south face to the deck, east of its middle.
    const float face = -kTowerHalfDepthZ;
    const float left = 50.0f, right = 82.0f, railTop = kTowerParapetHeight + 35.0f;
    const BoxUv rail = uniformBoxUv(UvRect{0.0f, 0.0f, 0.25f, 1.0f});
    addBox(ladder, vector3df(left - 3, 0, face - 12), vector3df(left + 3, railTop, face - 6), rail);
    addBox(ladder, vector3df(right - 3, 0, face - 12), vector3df(right + 3, railTop, face - 6), rail);
    const BoxUv rung = uniformBoxUv(UvRect{0.25f, 0.0f, 1.0f, 0.25f});
    for (float y = 25.0f; y < railTop - 10.0f; y += 30.0f)
        addBox(ladder, vector3df(left + 3, y - 2, face - 10), vector3df(right - 3, y + 2, face - 8),
               rung);
    // Stand-offs holding it to the wall.
    addBox(ladder, vector3df(left - 2, 200, face - 6), vector3df(right + 2, 206, face), rail);
    return mesh;
}

MeshData makeController()
{
    MeshData mesh;
    MeshGroup& desk = meshGroup(mesh, "desk");
    MeshGroup& shade = meshGroup(mesh, "shade", grey(170));
    // A control desk south of the tower; its operator sits on the south side
    // and looks north over the desk at the tower.
    const float x0 = -75.0f, x1 = 35.0f, z0 = -205.0f, z1 = -170.0f, deskTop = 78.0f;
    const UvRect body = inset(kControllerBody, 2, kControllerSize);
    BoxUv uv = uniformBoxUv(body);
    addBox(shade, vector3df(x0, 0, z0), vector3df(x1, deskTop, z1), uv);
    // Sloping button panel facing the operator.
    const vector3df corners[4] = {vector3df(x0, deskTop + 22, z1), vector3df(x1, deskTop + 22, z1),
                                  vector3df(x1, deskTop, z0), vector3df(x0, deskTop, z0)};
    const UvRect b = inset(kControllerButtons, 2, kControllerSize);
    // Seen from the operator's side (south) the desk's east end is on the right.
    const vector2df uvs[4] = {vector2df(b.u0, b.v0), vector2df(b.u1, b.v0), vector2df(b.u1, b.v1),
                              vector2df(b.u0, b.v1)};
    addQuad(desk, corners, uvs, vector3df(0, 1, -0.8f));
    // Sides of the slope.
    for (float xs : {x0, x1}) {
        MeshVertex a, c, d;
        a.pos = vector3df(xs, deskTop, z0);
        c.pos = vector3df(xs, deskTop, z1);
        d.pos = vector3df(xs, deskTop + 22, z1);
        a.uv = c.uv = d.uv = vector2df(body.u0, body.v0);
        addTriangle(shade, a, c, d, vector3df(xs < 0 ? -1.0f : 1.0f, 0, 0));
    }
    // Screens on a stand at the back of the desk.
    BoxUv screens = uniformBoxUv(body);
    screens.faces[5] = inset(kControllerScreens, 2, kControllerSize);
    addBox(desk, vector3df(x0 + 5, deskTop + 22, z1 - 4), vector3df(x1 - 5, deskTop + 70, z1 + 2),
           screens);
    return mesh;
}

MeshData makeControlChair()
{
    MeshData mesh;
    MeshGroup& chair = meshGroup(mesh, "chair");
    MeshGroup& frame = meshGroup(mesh, "frame", grey(110));
    // Behind the desk, facing north.
    const float cx = -20.0f, cz = -238.0f;
    const BoxUv cushion = uniformBoxUv(UvRect{0.0f, 0.0f, 1.0f, 0.7f});
    const BoxUv metal = uniformBoxUv(UvRect{0.0f, 0.75f, 1.0f, 1.0f});
    addBox(chair, vector3df(cx - 24, 44, cz - 22), vector3df(cx + 24, 54, cz + 22), cushion);
    addBox(chair, vector3df(cx - 24, 54, cz - 28), vector3df(cx + 24, 118, cz - 20), cushion);
    addBox(frame, vector3df(cx - 3, 6, cz - 3), vector3df(cx + 3, 44, cz + 3), metal);
    addBox(frame, vector3df(cx - 26, 0, cz - 3), vector3df(cx + 26, 6, cz + 3), metal);
    addBox(frame, vector3df(cx - 3, 0, cz - 26), vector3df(cx + 3, 6, cz + 26), metal);
    // Arm rests.
    for (float side : {-1.0f, 1.0f})
        addBox(chair, vector3df(cx + side * 26 - 3, 66, cz - 20), vector3df(cx + side * 26 + 3, 72, cz + 14),
               cushion);
    return mesh;
}

MeshData makeWestGoal()
{
    MeshData mesh;
    MeshGroup& posts = meshGroup(mesh, "posts");
    MeshGroup& net = meshGroup(mesh, "net", grey(200));
    // Placed at x = -150: a cage whose mouth faces west and whose back is
    // the tower's west face (55 cm behind the mouth).
    const float halfWidth = 100.0f, height = 210.0f, depth = 55.0f, post = 5.0f;
    const BoxUv stripes = uniformBoxUv(UvRect{0.0f, 0.0f, 1.0f, 0.25f});
    for (float z : {-halfWidth, halfWidth}) {
        addBox(posts, vector3df(-post, 0, z - post), vector3df(post, height, z + post), stripes);
        addBox(posts, vector3df(post, height - 2 * post, z - post / 2),
               vector3df(depth, height, z + post / 2), stripes);
        addBox(posts, vector3df(post, 0, z - post / 2), vector3df(depth, 2 * post, z + post / 2),
               stripes);
    }
    addBox(posts, vector3df(-post, height, -halfWidth - post), vector3df(post, height + 2 * post, halfWidth + post),
           stripes);
    // Side and roof nets, seen from both sides.
    const UvRect netUv = {0.0f, 0.25f, 1.0f, 1.0f};
    const vector3df x(1, 0, 0), y(0, 1, 0), z(0, 0, 1);
    for (float zs : {-halfWidth, halfWidth})
        for (float facing : {-1.0f, 1.0f})
            addPanel(net, vector3df(depth / 2, height / 2, zs), z * facing, y, depth, height, netUv);
    for (float facing : {-1.0f, 1.0f})
        addPanel(net, vector3df(depth / 2, height, 0), y * facing, x, 2 * halfWidth, depth, netUv);
    return mesh;
}

MeshData makeGoalTextBox()
{
    MeshData mesh;
    MeshGroup& box = meshGroup(mesh, "box");
    MeshGroup& stand = meshGroup(mesh, "stand", grey(120));
    // Placed 21 up: a post from the floor carrying a display whose picture
    // faces the box's own -x. The game turns the east one half a turn.
    BoxUv uv = uniformBoxUv(kFrameCorner);
    uv.faces[1] = UvRect{0, 0, 1, 1};
    addBox(box, vector3df(-4, 6, -40), vector3df(4, 54, 40), uv);
    addBox(stand, vector3df(-2, -kGoalTextY, -3), vector3df(2, 6, 3), uniformBoxUv(kFrameCorner));
    return mesh;
}

MeshData makeTeamCard()
{
    MeshData mesh;
    MeshGroup& card = meshGroup(mesh, "card");
    MeshGroup& legs = meshGroup(mesh, "legs", grey(120));
    // Placed at (0, 15, 142) north of the tower: a board on two legs that
    // reads from the north and from the tower side alike.
    const vector3df y(0, 1, 0), z(0, 0, 1);
    addPanel(card, vector3df(0, 45, 2), z, y, 130, 62, UvRect{0, 0, 1, 1});
    addPanel(card, vector3df(0, 45, -2), -z, y, 130, 62, UvRect{0, 0, 1, 1});
    BoxUv rim = uniformBoxUv(kFrameCorner);
    addBox(card, vector3df(-66, 12, -2), vector3df(66, 14, 2), rim);
    addBox(card, vector3df(-66, 76, -2), vector3df(66, 78, 2), rim);
    for (float x : {-55.0f, 55.0f})
        addBox(legs, vector3df(x - 2, -kTeamCardY, -2), vector3df(x + 2, 14, 2), rim);
    return mesh;
}

MeshData makeEastGoalFingers()
{
    MeshData mesh;
    MeshGroup& fingers = meshGroup(mesh, "fingers");
    // Placed at x = 150: five upright prongs across the east face's mouth.
    for (int i = 0; i < 5; ++i) {
        const float z = -80.0f + 40.0f * i;
        const float height = 150.0f + 25.0f * (i % 2);
        addBox(fingers, vector3df(-4, 0, z - 4), vector3df(4, height, z + 4),
               uniformBoxUv(UvRect{0.2f * i, 0.0f, 0.2f * i + 0.2f, 1.0f}));
    }
    addBox(fingers, vector3df(-6, 0, -90), vector3df(6, 8, 90), uniformBoxUv(UvRect{0, 0.9f, 1, 1}));
    return mesh;
}

MeshData makeEastGoalGuide()
{
    MeshData mesh;
    MeshGroup& guide = meshGroup(mesh, "guide");
    // Placed at x = 150: two low rails leading back to the tower's east face.
    const BoxUv steel = uniformBoxUv(UvRect{0, 0, 1, 0.2f});
    for (float z : {-100.0f, 100.0f}) {
        addBox(guide, vector3df(-55, 0, z - 3), vector3df(4, 40, z + 3), steel);
        addBox(guide, vector3df(-2, 40, z - 5), vector3df(4, 210, z + 5), steel);
    }
    addBox(guide, vector3df(-2, 205, -105), vector3df(4, 215, 105), steel);
    return mesh;
}
