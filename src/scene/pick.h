#pragma once
// Finds the nearest pickable object under the pointer (1 x 1 pixel) and hands
// its name to HandlePick; no hit clears g_pressPending.

#include <cstdint>

#include "scene/pickables.h"

void PickAtPointer();

// One record of a pick: a selection name and the smallest window depth of
// that name's rectangles inside the pick region, on the selection buffer's
// 32-bit scale (0 the near plane, 2^32 - 1 the far one).
struct PickHit {
    int32_t name = 0;
    uint32_t minDepth = 0;
};

constexpr int32_t PICK_HITS_MAX = PICKABLE_OBJECTS_MAX;

// The records of a pick over the current screen, in drawing order, as
// selection mode writes them: the pick region is 1 x 1 pixel centred on
// window point (windowX, windowY) (pixels, origin at the lower left) of
// `viewport` (x0, y0, width, height), seen through the perspective of
// FIELD_OF_VIEW (scene/view.h), near 0.1, far 100. Returns the number of records, 0 when nothing is hit.
int32_t FindPickHits(const int32_t (&viewport)[4], int32_t windowX, int32_t windowY,
                     PickHit (&hits)[PICK_HITS_MAX]);
