#pragma once
// State shared by the per-frame update, the drawing and picking, and written
// by the window procedure.

#include <cstdint>

struct TextPos {
    float x, y, z;
};

constexpr TextPos MOVES_TEXT_REST = {-10.5f, 6.75f, -20.0f};
constexpr TextPos CONGRATS_TEXT_REST = {-10.5f, -15.0f, -20.0f};

extern TextPos g_movesTextPos;       // where "Moves:  %d" is drawn
extern TextPos g_congratsTextPos;    // where "Congratulations!" is drawn
extern float g_menuDepthOffset;      // extra distance of the main menu; 3, then 0
extern int32_t g_lastBackgroundSecond;
extern int32_t g_winPhase;           // 0..3
extern int64_t g_winPhaseStartSecond;
extern int32_t g_pickedName;         // nearest name of the last pick that hit
extern int32_t g_pointerX, g_pointerY;            // pixels from the viewport's top left
extern float g_pointerWorldX, g_pointerWorldY;    // table units: x +-14, y +-10
extern int32_t g_windowWidth, g_windowHeight;     // size last given to ReshapeGL
extern uint8_t g_alternateBackgrounds;            // the "Alternate Backgrounds" option
