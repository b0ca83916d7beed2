#pragma once
// The statistics file suites' shared pieces: the fixture and whole files
// written and read back byte for byte.

#include <fstream>
#include <iterator>
#include <string>

#include "support/game_test.h"

class StatsFile : public GameTest {};

inline std::string ReadFile(const char* path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteFile(const char* path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// Every byte value, NULs included, in a pattern that differs per offset.
inline std::string PatternBytes(size_t size, unsigned salt)
{
    std::string bytes(size, '\0');
    for (size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<char>((i * 131 + salt * 7 + i / 31) & 0xFF);
    }
    return bytes;
}
