#pragma once
// The program's own start-up, window and loop, started inside a benchmark:
// in a scratch folder holding links to the game folder's files (so no
// statistics of the build are touched), with the real clocks.

#include <filesystem>

#include "qt/gl_window.h"

// Makes the scratch folder, enters it and starts the program; false when the
// folder or the start failed. `application` must outlive the run.
bool StartProgramHere(Application& application, char** argv, std::filesystem::path* folder);
// Ends the program in order and removes the scratch folder.
void EndProgramHere(Application& application, const std::filesystem::path& folder);
// Processor seconds of this process so far, user and system, all threads.
double CpuSeconds();
// Whether a card flies or turns: the table is not at rest yet.
bool CardsInMotion();
