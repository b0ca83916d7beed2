#include "scene/pick.h"

#include <GL/gl.h>

#include <cmath>

#include "game/lifting.h"
#include "scene/pickables.h"
#include "scene/scene_state.h"
#include "scene/view.h"

// The pick does on the processor what selection mode does in the GL: every
// pickable rectangle goes through the drawing's model-view transform and the
// pick projection (the 1 x 1 pixel pick matrix times a perspective), is
// clipped against the six planes of the pick frustum in clip space, and hits
// when anything of it is left; its depth is the smallest window depth of what
// is left. Records, depths and the choice of the nearest follow selection mode.

namespace {

constexpr double PICK_NEAR = 0.1;
constexpr double PICK_FAR = 100.0;
constexpr double PI = 3.14159265358979323846;

struct ClipPoint {
    double x, y, z, w;
};

// Clip coordinates of an eye-space point: the pick matrix (scale and shift
// of x and y by w) applied to the perspective, which has no other terms.
struct PickProjection {
    double xScale, xShift;  // clip x = xScale * eye x + xShift * clip w
    double yScale, yShift;
    double zScale, zOffset;  // clip z = zScale * eye z + zOffset; clip w = -eye z

    ClipPoint Project(double ex, double ey, double ez) const
    {
        const double w = -ez;
        return {xScale * ex + xShift * w, yScale * ey + yShift * w, zScale * ez + zOffset, w};
    }
};

// The six frustum planes, inside where the distance is >= 0: w + x, w - x,
// w + y, w - y, w + z, w - z.
constexpr int PLANE_COUNT = 6;

double PlaneDistance(const ClipPoint& p, int plane)
{
    switch (plane) {
    case 0: return p.w + p.x;
    case 1: return p.w - p.x;
    case 2: return p.w + p.y;
    case 3: return p.w - p.y;
    case 4: return p.w + p.z;
    default: return p.w - p.z;
    }
}

// The same planes as functions of an eye-space point, scaled to unit normals,
// for a quick test of a bounding sphere.
struct EyePlane {
    double nx, ny, nz, d;
};

EyePlane UnitPlane(double nx, double ny, double nz, double d)
{
    const double length = std::sqrt(nx * nx + ny * ny + nz * nz);
    return {nx / length, ny / length, nz / length, d / length};
}

void EyePlanes(const PickProjection& p, EyePlane (&planes)[PLANE_COUNT])
{
    // clip w = -ez, so w + x = xScale ex - (1 + xShift) ez, and so on.
    planes[0] = UnitPlane(p.xScale, 0.0, -1.0 - p.xShift, 0.0);
    planes[1] = UnitPlane(-p.xScale, 0.0, -1.0 + p.xShift, 0.0);
    planes[2] = UnitPlane(0.0, p.yScale, -1.0 - p.yShift, 0.0);
    planes[3] = UnitPlane(0.0, -p.yScale, -1.0 + p.yShift, 0.0);
    planes[4] = UnitPlane(0.0, 0.0, p.zScale - 1.0, p.zOffset);
    planes[5] = UnitPlane(0.0, 0.0, -1.0 - p.zScale, -p.zOffset);
}

// A model-view transform: the translation, then the turns about x, y and z
// (glRotate's matrices, multiplied in that order).
struct Transform {
    double m[3][3];
    double t[3];
};

void Turn(double degrees, double* s, double* c)
{
    if (degrees == 0.0) {
        *s = 0.0;
        *c = 1.0;
        return;
    }
    const double radians = degrees * PI / 180.0;
    *s = std::sin(radians);
    *c = std::cos(radians);
}

Transform PlacementTransform(const Placement& at)
{
    double sx, cx, sy, cy, sz, cz;
    Turn(at.rotX, &sx, &cx);
    Turn(at.rotY, &sy, &cy);
    Turn(at.rotZ, &sz, &cz);
    // Rx * Ry
    const double a[3][3] = {{cy, 0.0, sy}, {sx * sy, cx, -sx * cy}, {-cx * sy, sx, cx * cy}};
    Transform t;
    for (int r = 0; r < 3; ++r) {  // (Rx * Ry) * Rz
        t.m[r][0] = a[r][0] * cz + a[r][1] * sz;
        t.m[r][1] = -a[r][0] * sz + a[r][1] * cz;
        t.m[r][2] = a[r][2];
    }
    t.t[0] = at.x;
    t.t[1] = at.y;
    t.t[2] = at.z;
    return t;
}

// Large enough for a convex quad clipped by six planes, with room for the
// repeated points that a corner lying on a plane adds.
constexpr int CLIPPED_POINTS_MAX = 24;

// Sutherland-Hodgman against the planes some corner lies outside of. A
// polygon cut down to fewer than three points is gone, as in the GL's clipper
// (a point on a plane counts as inside and is repeated where an edge leaves).
// Gives the smallest window depth, 0 at the near plane to 1 at the far one.
bool NearestDepthInside(const ClipPoint (&corners)[4], double* depth)
{
    ClipPoint buffers[2][CLIPPED_POINTS_MAX];
    for (int i = 0; i < 4; ++i) {
        buffers[0][i] = corners[i];
    }
    int count = 4;
    int current = 0;
    for (int plane = 0; plane < PLANE_COUNT; ++plane) {
        const ClipPoint* in = buffers[current];
        bool anyOutside = false;
        for (int i = 0; i < count && !anyOutside; ++i) {
            anyOutside = PlaneDistance(in[i], plane) < 0.0;
        }
        if (!anyOutside) {
            continue;
        }
        ClipPoint* out = buffers[1 - current];
        int kept = 0;
        const ClipPoint* previous = &in[count - 1];
        double previousDistance = PlaneDistance(*previous, plane);
        for (int i = 0; i < count && kept + 2 <= CLIPPED_POINTS_MAX; ++i) {
            const ClipPoint& point = in[i];
            const double distance = PlaneDistance(point, plane);
            if (previousDistance >= 0.0) {
                out[kept++] = *previous;
            }
            if (previousDistance * distance <= 0.0 && previousDistance != distance) {
                const double s = previousDistance / (previousDistance - distance);
                out[kept++] = {previous->x + s * (point.x - previous->x), previous->y + s * (point.y - previous->y),
                               previous->z + s * (point.z - previous->z), previous->w + s * (point.w - previous->w)};
            }
            previous = &point;
            previousDistance = distance;
        }
        if (kept < 3) {
            return false;
        }
        count = kept;
        current = 1 - current;
    }
    double nearest = 1.0;
    for (int i = 0; i < count; ++i) {
        const ClipPoint& p = buffers[current][i];
        const double z = 0.5 * (p.z / p.w) + 0.5;
        nearest = z < nearest ? z : nearest;
    }
    *depth = nearest;
    return true;
}

// Selection mode keeps window depths in single precision and writes them
// times 2^32 (a power of two, so exact), truncated: depths that round to the
// same float are a tie there, which the first drawn wins, and so here.
uint32_t SelectionDepth(double windowDepth)
{
    const double scaled = static_cast<double>(static_cast<float>(windowDepth)) * 4294967296.0;
    if (!(scaled > 0.0)) {
        return 0;
    }
    return scaled >= 4294967295.0 ? 0xFFFFFFFFu : static_cast<uint32_t>(scaled);
}

// Farthest a corner of the shape lies from the placed origin, with a margin
// for rounding: the sphere test may only keep too much, never drop a hit.
double BoundingRadius(const PickableObject& object)
{
    double radius = 0.0;
    for (int k = 0; k < object.shapeCount; ++k) {
        const QuadShape& s = object.shapes[k];
        const double r = std::sqrt(static_cast<double>(s.halfWidth) * s.halfWidth +
                                   static_cast<double>(s.halfHeight) * s.halfHeight +
                                   static_cast<double>(s.z) * s.z);
        radius = r > radius ? r : radius;
    }
    return radius * (1.0 + 1e-6) + 1e-6;
}

bool SphereOutside(const EyePlane (&planes)[PLANE_COUNT], const Placement& at, double radius)
{
    for (const EyePlane& p : planes) {
        if (p.nx * at.x + p.ny * at.y + p.nz * at.z + p.d < -radius) {
            return true;
        }
    }
    return false;
}

// Smallest window depth of the object's rectangles inside the frustum.
bool ObjectDepth(const PickProjection& projection, const PickableObject& object, double* depth)
{
    const Transform t = PlacementTransform(object.at);
    bool hit = false;
    double nearest = 1.0;
    for (int k = 0; k < object.shapeCount; ++k) {
        const QuadShape& s = object.shapes[k];
        const double w = s.halfWidth;
        const double h = s.halfHeight;
        const double local[4][2] = {{-w, -h}, {w, -h}, {w, h}, {-w, h}};
        ClipPoint corners[4];
        for (int c = 0; c < 4; ++c) {
            double eye[3];
            for (int r = 0; r < 3; ++r) {
                eye[r] = t.m[r][0] * local[c][0] + t.m[r][1] * local[c][1] + t.m[r][2] * s.z + t.t[r];
            }
            corners[c] = projection.Project(eye[0], eye[1], eye[2]);
        }
        double d = 1.0;
        if (NearestDepthInside(corners, &d)) {
            hit = true;
            nearest = d < nearest ? d : nearest;
        }
    }
    *depth = nearest;
    return hit;
}

}  // namespace

int32_t FindPickHits(const int32_t (&viewport)[4], int32_t windowX, int32_t windowY, PickHit (&hits)[PICK_HITS_MAX])
{
    const int32_t width = viewport[2];
    const int32_t height = viewport[3];
    // The perspective's aspect as the pick has always taken it, in single
    // precision; a viewport with no area sees nothing.
    const float aspect = static_cast<float>(width - viewport[0]) / static_cast<float>(height - viewport[1]);
    if (width <= 0 || height <= 0 || !(aspect > 0.0f) || !std::isfinite(aspect)) {
        return 0;
    }
    const double halfAngle = FIELD_OF_VIEW / 2.0 * PI / 180.0;
    const double cotangent = std::cos(halfAngle) / std::sin(halfAngle);
    // The pick matrix of a 1 x 1 region: scale by the viewport's size, shift
    // the region's centre to the middle of clip space.
    PickProjection projection;
    projection.xScale = static_cast<double>(width) * (cotangent / static_cast<double>(aspect));
    projection.xShift = static_cast<double>(width) - 2.0 * static_cast<double>(windowX - viewport[0]);
    projection.yScale = static_cast<double>(height) * cotangent;
    projection.yShift = static_cast<double>(height) - 2.0 * static_cast<double>(windowY - viewport[1]);
    projection.zScale = -(PICK_FAR + PICK_NEAR) / (PICK_FAR - PICK_NEAR);
    projection.zOffset = -2.0 * PICK_NEAR * PICK_FAR / (PICK_FAR - PICK_NEAR);
    EyePlane planes[PLANE_COUNT];
    EyePlanes(projection, planes);

    PickableObject objects[PICKABLE_OBJECTS_MAX];
    const int32_t objectCount = CurrentPickableObjects(objects);
    int32_t count = 0;
    for (int32_t i = 0; i < objectCount; ++i) {
        const PickableObject& object = objects[i];
        double depth = 1.0;
        if (SphereOutside(planes, object.at, BoundingRadius(object)) || !ObjectDepth(projection, object, &depth)) {
            continue;
        }
        const uint32_t selectionDepth = SelectionDepth(depth);
        // Objects drawn one after another under one name share a record.
        const bool sameRecord = count > 0 && i > 0 && objects[i - 1].name == object.name &&
                                hits[count - 1].name == object.name;
        if (sameRecord) {
            hits[count - 1].minDepth = selectionDepth < hits[count - 1].minDepth ? selectionDepth
                                                                                  : hits[count - 1].minDepth;
        } else if (count < PICK_HITS_MAX) {
            hits[count++] = {object.name, selectionDepth};
        }
    }
    return count;
}

void PickAtPointer()
{
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    const int32_t view[4] = {viewport[0], viewport[1], viewport[2], viewport[3]};
    PickHit hits[PICK_HITS_MAX];
    const int32_t count = FindPickHits(view, g_pointerX, viewport[3] - g_pointerY, hits);
    if (count < 1) {
        g_pressPending = 0;
        return;
    }
    // The nearest smallest depth wins; of equal depths the first drawn.
    int32_t best = 0;
    for (int32_t i = 1; i < count; ++i) {
        if (hits[i].minDepth < hits[best].minDepth) {
            best = i;
        }
    }
    g_pickedName = hits[best].name;
    HandlePick(hits[best].name);
}
