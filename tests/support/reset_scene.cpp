#include "support/reset_scene.h"

#include "support/start_values.h"

void ResetSceneState() { RestoreSceneStartValues(); }
