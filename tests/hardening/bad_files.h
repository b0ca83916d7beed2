#pragma once
// Damaged and odd files for the suites that feed them to the program.

#include <cstdint>
#include <filesystem>
#include <string>

#include "support/scratch_folder.h"

// The whole content of a file; empty when it cannot be read.
std::string ReadBytes(const std::filesystem::path& path);
// Writes exactly these bytes; true when all were written.
bool WriteBytes(const std::filesystem::path& path, const std::string& bytes);
// Bytes of a fixed generator, the same for the same seed (so a failure repeats).
std::string RandomBytes(size_t size, uint32_t seed);
// As RandomBytes, but with no NUL anywhere.
std::string BytesWithoutNul(size_t size, uint32_t seed);
// A baseline grey JPEG of any size, built as a stream (one 2-bit block code
// per 8 x 8 block), so a 12,000-pixel picture costs the test no picture buffer.
std::string GreyJpeg(int width, int height);
// A Windows cursor file header (one entry) that claims `claimedSize` bytes of
// picture at `offset`, followed by `tail`.
std::string CursorHeader(uint32_t claimedSize, uint32_t offset, const std::string& tail);
