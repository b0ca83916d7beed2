#pragma once
// The program's milestones as debug strings (OutputDebugStringA): nobody
// sees them unless a debugger listens, or Wine is told to show them
// (WINEDEBUG=+debugstr), which is how the tests follow a run.

// "tarvik: <what>" to whoever listens.
void Trace(const char* what);
