#include "arena/camera_collision.h"

#include "arena/scene_object.h"
#include "core/engine.h"

using irr::core::vector3df;

// The pieces the free camera cannot pass, in the order their animators are added.
static const int SOLID_PIECES[] = {PLAYER_BAY_FLOOR, INNER_RAIL_SOUTH, INNER_RAIL_NORTH,
                                   OUTER_TRACK, OUTER_WALL, ELEVATOR};

// The camera's body: an ellipsoid (cm) hanging 50 below the eye, floating
// without gravity so it stays at whatever height it is flown to.
static const vector3df CAMERA_BODY_RADIUS(30.0f, 50.0f, 30.0f);
static const vector3df NO_GRAVITY(0.0f, 0.0f, 0.0f); // cm/s²
static const vector3df CAMERA_BODY_TRANSLATION(0.0f, 50.0f, 0.0f);
static constexpr irr::f32 CAMERA_SLIDING_VALUE = 0.0005f;

void addCameraCollision(irr::scene::ICameraSceneNode* freeCamera)
{
    if (!freeCamera)
        return;
    for (int index : SOLID_PIECES) {
        SceneObject& piece = sceneObject(index);
        // A piece whose mesh did not load is simply not there to stop the camera.
        if (!piece.node)
            continue;
        irr::scene::ITriangleSelector* selector = sceneManager->createOctreeTriangleSelector(
            piece.mesh->getMesh(0, 255, -1, -1), piece.node, OCTREE_MIN_POLYGONS);
        if (!selector)
            continue;
        piece.node->setTriangleSelector(selector);
        // Six animators, one per piece, rather than one merged selector: the
        // engine runs each in turn whenever it animates the scene.
        irr::scene::ISceneNodeAnimator* animator = sceneManager->createCollisionResponseAnimator(
            selector, freeCamera, CAMERA_BODY_RADIUS, NO_GRAVITY, CAMERA_BODY_TRANSLATION, CAMERA_SLIDING_VALUE);
        selector->drop(); // the node and the animator hold it now
        if (!animator)
            continue;
        freeCamera->addAnimator(animator);
        animator->drop(); // the camera holds it now
    }
}
