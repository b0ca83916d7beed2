#pragma once
// The picture store's own check, apart from opening the file, so that the
// fuzzer and the tests can feed it bytes.

#include <cstdint>

// 1 when `size` bytes at `bytes` are a whole binary resource bundle (rcc
// --binary, format 1 to 3) that Qt can read without leaving them: every
// offset, name, child range and entry that Qt can follow lies inside, the
// root is a folder, no folder holds itself or a folder above it, no packed
// entry claims more than 64 MiB unpacked, and a version 3 header names no
// packing but zlib and zstd. 0 otherwise.
int IsWholePictureStore(const uint8_t* bytes, uint64_t size);
