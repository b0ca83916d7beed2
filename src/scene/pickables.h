#pragma once
// Where the pickable objects lie, in one place for the drawing and the pick:
// each object's placement (a translation from the identity model-view, then
// turns about x, y and z in that order, in degrees) and its rectangles in the
// placed frame. The drawing issues these numbers as GL matrix calls and
// quads; the pick transforms the same rectangles itself.

#include <cstdint>

struct Card;

struct Placement {
    float x = 0.0f, y = 0.0f, z = 0.0f;
    float rotX = 0.0f, rotY = 0.0f, rotZ = 0.0f;
};

// A rectangle centred on the placed origin, in the placed z = `z` plane.
struct QuadShape {
    float halfWidth, halfHeight, z;
};

constexpr QuadShape CARD_FACE = {1.0f, 1.5f, 0.02f};
constexpr QuadShape CARD_BACK = {1.0f, 1.5f, -0.02f};
constexpr QuadShape MENU_BACKDROP = {25.0f, 18.75f, 0.0f};
constexpr QuadShape MENU_PREVIEW = {5.35f, 3.5f, 0.0f};
constexpr QuadShape MENU_BUTTON = {2.5f, 0.7f, 0.0f};

constexpr int32_t MENU_BUTTON_COUNT = 5;
constexpr int32_t MENU_BUTTON_FIRST_NAME = 101;  // names 101..105, top to bottom
constexpr int32_t MENU_PICTURE_NAME = 0;         // backdrop and preview: the name pushed first

// The card as it is drawn this moment, flying and turning included.
Placement CardPlacement(const Card& card);
// The main menu's parts, all g_menuDepthOffset further from the eye.
Placement MenuBackdropPlacement();
Placement MenuPreviewPlacement();
Placement MenuButtonPlacement(int32_t k);  // k in [0, 4], top to bottom

// One drawn object under its selection name: up to two rectangles sharing a
// placement (a card's face and back, the backdrop's tile and picture).
struct PickableObject {
    int32_t name = 0;
    Placement at;
    QuadShape shapes[2] = {};
    int32_t shapeCount = 0;
};

constexpr int32_t PICKABLE_OBJECTS_MAX = 52;

// The pickable objects of the current screen in drawing order: the main
// menu's backdrop, preview and five buttons, or the 52 cards by id on the
// table and the win screen. Returns their count.
int32_t CurrentPickableObjects(PickableObject (&objects)[PICKABLE_OBJECTS_MAX]);
