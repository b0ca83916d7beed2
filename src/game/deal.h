#pragma once
// Shuffle and deal.

#include <cstdint>

// The generator starts as if seeded with 1, like the classic rand().
constexpr uint32_t RANDOM_START_SEED = 1;
// Seeds the deal's own 15-bit generator (state = seed).
void SeedRandom(uint32_t seed);
// Next value of the generator: state = state * 214013 + 2531011 (mod 2^32),
// result (state >> 16) & 32767, so [0, 32767].
int32_t NextRandom();
// lo + floor(r * (hi - lo + 1) / 32768) for the next r, in double precision:
// an integer in [lo, hi].
int32_t RandomInRange(int32_t lo, int32_t hi);

// Starts a new game of g_gameMode (1..5; MODE_WIN deals Klondike): enables the
// game menu, clears the move count and end-of-game flags, sets up the layout,
// shuffles with the time in seconds as seed, stacks the deck and starts every
// card's flight to its pile. A layout whose deal counts do not add to 52 shows
// "Error in Rules: Too many cards" and ends the process with code 1.
void DealNewGame();
