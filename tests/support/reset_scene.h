#pragma once
// Puts every global of the scene (text positions, win phase, pointer, window
// size, the background switch and the last pick) back to its start value.
void ResetSceneState();
