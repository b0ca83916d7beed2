#include "win32/trace.h"

#include <windows.h>

#include <cstdio>

void Trace(const char* what)
{
    char line[256];
    std::snprintf(line, sizeof line, "tarvik: %s\n", what);
    OutputDebugStringA(line);
}
