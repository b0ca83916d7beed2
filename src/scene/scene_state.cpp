#include "scene/scene_state.h"

TextPos g_movesTextPos = MOVES_TEXT_REST;
TextPos g_congratsTextPos = CONGRATS_TEXT_REST;
float g_menuDepthOffset = 3.0f;
int32_t g_lastBackgroundSecond = 0;
int32_t g_winPhase = 0;
int64_t g_winPhaseStartSecond = 0;
int32_t g_pickedName = 0;
int32_t g_pointerX = 0;
int32_t g_pointerY = 0;
float g_pointerWorldX = 0.0f;
float g_pointerWorldY = 0.0f;
int32_t g_windowWidth = 640;
int32_t g_windowHeight = 480;
// Off until the window is created, which switches it on: a test that draws
// without a window keeps the background it started with.
uint8_t g_alternateBackgrounds = 0;
