#pragma once
// Shared by the file fuzzers: a private working folder, made once, and the
// input written to a file in it, as the program reads its files by name.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

// Changes into a fresh folder inside the working directory (the fuzz
// script's own temporary folder) on the first call; false if it cannot.
inline bool EnterFuzzFolder()
{
    static int entered = -1;
    if (entered < 0) {
        char folder[] = "tarvik-fuzz-XXXXXX";
        entered = mkdtemp(folder) != nullptr && chdir(folder) == 0 ? 1 : 0;
    }
    return entered == 1;
}

// Writes exactly these bytes to `name`; false if it cannot.
inline bool WriteInput(const char* name, const uint8_t* data, size_t size)
{
    FILE* file = std::fopen(name, "wb");
    if (!file) {
        return false;
    }
    const bool whole = size == 0 || std::fwrite(data, 1, size, file) == size;
    return std::fclose(file) == 0 && whole;
}
