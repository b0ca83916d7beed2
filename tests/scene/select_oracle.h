#pragma once
// The pick as GL selection mode makes it, kept as the reference the pick is
// compared with: the pickable objects drawn again by the drawing's own
// routines into a 1 x 1 pixel pick region around the pointer.

#include <cstdint>

#include "scene/pick.h"

// The hit records selection mode writes for the current screen and pointer,
// in the order written (one name each); -1 when its buffer overflowed.
int32_t SelectModeHits(PickHit (&hits)[PICK_HITS_MAX]);
// What the pick does with its records: the nearest (smallest depth, the first
// written of equal ones) becomes g_pickedName and goes to HandlePick; no
// record clears g_pressPending.
void HandleNearestHit(const PickHit* hits, int32_t count);
