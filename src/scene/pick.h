#pragma once
// Finds the nearest pickable object under the pointer (1 x 1 pixel, GL
// selection mode) and hands its name to HandlePick; no hit clears g_pressPending.
void PickAtPointer();
