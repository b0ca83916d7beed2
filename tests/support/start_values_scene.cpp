#include "scene/scene_state.h"
#include "support/start_values.h"

namespace {

const StartValues s_scene(g_movesTextPos, g_congratsTextPos, g_menuDepthOffset, g_lastBackgroundSecond, g_winPhase,
                          g_winPhaseStartSecond, g_pickedName, g_pointerX, g_pointerY, g_pointerWorldX,
                          g_pointerWorldY, g_windowWidth, g_windowHeight, g_alternateBackgrounds);

}  // namespace

void RestoreSceneStartValues() { s_scene.Restore(); }
