#include "app/gl_window.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include "app/frame.h"
#include "ui/menu_table.h"
#include "platform/platform.h"
#include "scene/scene_state.h"
#include "scene/view.h"
#include "store/stats_store.h"

GLWindow g_glWindow;

namespace {

constexpr double NEAR_PLANE = 1.0;
constexpr double FAR_PLANE = 100.0;

}  // namespace

void WindowCreated(GLWindow& window, int32_t viewportWidth, int32_t viewportHeight)
{
    g_alternateBackgrounds = 1;
    for (const MenuItem& row : MENU_ITEMS) {
        if (row.greyed) {
            SysEnableMenuItem(row.command, 0);
        }
    }
    window.visible = true;
    ResetFrameSchedule();
    ReshapeGL(viewportWidth, viewportHeight);
    window.lastTickCount = SysTickCount();
    LoadStats();
    window.statsOwed = true;
}

void ReshapeGL(int32_t width, int32_t height)
{
    g_windowHeight = height;
    g_windowWidth = width;
    glViewport(0, 0, width, height);
    // A drawing area dragged down to nothing keeps its last projection
    // instead of dividing by a height of 0.
    if (height <= 0) {
        return;
    }
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(FIELD_OF_VIEW, static_cast<double>(width) / static_cast<double>(height), NEAR_PLANE, FAR_PLANE);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void TerminateApplication(GLWindow& window)
{
    if (window.quitPosted) {
        return;
    }
    SaveStats();
    window.statsOwed = false;
    window.quitPosted = true;
    SysPostQuit();
}

void SaveStatsIfOwed(GLWindow& window)
{
    if (window.statsOwed) {
        window.statsOwed = false;
        SaveStats();
    }
}
