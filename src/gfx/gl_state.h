#pragma once
// The GL state that holds for the whole run: 2D texturing, depth test
// less-or-equal, alpha test greater than 0.1; no lighting, no blending.

// Sets it on the current context, in the order start-up always has.
void SetFixedGlState();
