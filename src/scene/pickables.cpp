#include "scene/pickables.h"

#include "game/table.h"
#include "scene/scene_state.h"

namespace {

constexpr float MENU_BUTTON_X = 11.3f;
constexpr float MENU_BUTTON_Y[MENU_BUTTON_COUNT] = {5.0f, 2.75f, 0.5f, -1.75f, -4.0f};  // top to bottom
constexpr float MENU_BACKDROP_Z = -36.0f;
constexpr float MENU_FRONT_Z = -25.0f;  // preview and buttons

static_assert(PICKABLE_OBJECTS_MAX >= CARD_COUNT && PICKABLE_OBJECTS_MAX >= 2 + MENU_BUTTON_COUNT);

Placement At(float x, float y, float z)
{
    Placement p;
    p.x = x;
    p.y = y;
    p.z = z;
    return p;
}

}  // namespace

Placement CardPlacement(const Card& card)
{
    Placement p = At(card.x, card.y, card.z);
    p.rotX = card.rotX;
    p.rotY = card.rotY;
    p.rotZ = card.rotZ;
    return p;
}

Placement MenuBackdropPlacement() { return At(0.0f, 0.0f, MENU_BACKDROP_Z - g_menuDepthOffset); }

Placement MenuPreviewPlacement() { return At(-3.9f, 0.45f, MENU_FRONT_Z - g_menuDepthOffset); }

Placement MenuButtonPlacement(int32_t k)
{
    const float y = k >= 0 && k < MENU_BUTTON_COUNT ? MENU_BUTTON_Y[k] : 0.0f;
    return At(MENU_BUTTON_X, y, MENU_FRONT_Z - g_menuDepthOffset);
}

int32_t CurrentPickableObjects(PickableObject (&objects)[PICKABLE_OBJECTS_MAX])
{
    if (g_gameMode == MODE_MAIN_MENU) {
        objects[0] = {MENU_PICTURE_NAME, MenuBackdropPlacement(), {MENU_BACKDROP, MENU_BACKDROP}, 2};
        objects[1] = {MENU_PICTURE_NAME, MenuPreviewPlacement(), {MENU_PREVIEW, {}}, 1};
        for (int32_t k = 0; k < MENU_BUTTON_COUNT; ++k) {
            objects[2 + k] = {MENU_BUTTON_FIRST_NAME + k, MenuButtonPlacement(k), {MENU_BUTTON, {}}, 1};
        }
        return 2 + MENU_BUTTON_COUNT;
    }
    for (int32_t i = 0; i < CARD_COUNT; ++i) {
        objects[i] = {i, CardPlacement(g_cards[i]), {CARD_FACE, CARD_BACK}, 2};
    }
    return CARD_COUNT;
}
