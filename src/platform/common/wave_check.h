#pragma once
// The sound file's own check: the sound itself is played by the platform,
// which is handed only files that pass.

#include <cstddef>
#include <cstdint>

// 1 when `size` bytes at `bytes` are a whole RIFF wave file of plain samples:
// "RIFF", "WAVE", a format chunk of integer PCM (8, 16, 24 or 32 bits) or
// 32-bit float, 1 to 8 channels at 1,000 to 384,000 samples a second, whose
// block size and byte rate agree, then a data chunk of at least one block.
// Every chunk up to the data lies inside the file, and so does the data.
// 0 otherwise: cut, garbage, sizes past the end, odd or compressed formats.
int IsPlayableWave(const uint8_t* bytes, size_t size);
