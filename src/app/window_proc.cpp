#include "app/window_proc.h"

#include "app/frame.h"
#include "app/gl_window.h"
#include "game/lifting.h"
#include "game/placing.h"
#include "game/table.h"
#include "scene/pick.h"
#include "scene/scene_state.h"
#include "scene/view.h"

uint8_t g_windowMaximized = 0;

int32_t RowsHiddenAbove(int32_t areaHeight)
{
    return g_windowHeight > areaHeight ? g_windowHeight - areaHeight : 0;
}

void UpdatePointer(int32_t x, int32_t y, int32_t hiddenRows)
{
    g_pointerX = x;
    g_pointerY = y + hiddenRows;
    const double halfWidth = g_windowWidth / 2.0;
    const double halfHeight = g_windowHeight / 2.0;
    if (halfWidth > 0.0 && halfHeight > 0.0) {
        g_pointerWorldX = static_cast<float>((g_pointerX - halfWidth) / halfWidth * TABLE_HALF_WIDTH);
        g_pointerWorldY = static_cast<float>(-(g_pointerY - halfHeight) / halfHeight * TABLE_HALF_HEIGHT);
    }
    // Held cards follow the pointer; on the main menu the button under it
    // decides the preview.
    if (g_holding || g_gameMode == MODE_MAIN_MENU) {
        PictureChanged();
    }
}

void PointerPressed()
{
    PictureChanged();
    g_pressPending = 1;
    PickAtPointer();
}

void PointerReleased()
{
    PictureChanged();
    DropHeldCards();
}

void WindowMinimised()
{
    PictureChanged();
    g_windowMaximized = 0;
    g_glWindow.visible = false;
    g_menuDepthOffset = 0.0f;
}

void WindowMaximised()
{
    PictureChanged();
    g_windowMaximized = 1;
    g_glWindow.visible = true;
    g_menuDepthOffset = 0.0f;
}

void WindowRestored()
{
    PictureChanged();
    g_glWindow.visible = true;
}
