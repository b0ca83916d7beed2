#pragma once
// Puts every global of the rules core and the statistics store back into its
// start-up state, and resets the headless platform's record and clocks.

void ResetGameState();
