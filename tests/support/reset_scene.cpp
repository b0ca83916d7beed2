#include "support/reset_scene.h"

#include "scene/scene_state.h"

void ResetSceneState()
{
    g_movesTextPos = MOVES_TEXT_REST;
    g_congratsTextPos = CONGRATS_TEXT_REST;
    g_menuDepthOffset = 3.0f;
    g_lastBackgroundSecond = 0;
    g_winPhase = 0;
    g_winPhaseStartSecond = 0;
    g_pickedName = 0;
    g_pointerX = 0;
    g_pointerY = 0;
    g_pointerWorldX = 0.0f;
    g_pointerWorldY = 0.0f;
    g_windowWidth = 640;
    g_windowHeight = 480;
    g_alternateBackgrounds = 0;
}
