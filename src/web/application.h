#pragma once
// The start and the end of the program on the page: the shared steps
// (app/application.h) as the browser takes them. The page has claimed the one
// copy and filled the player's folder before it starts the program.

#include <cstdint>

// The steps up to the graphics on a canvas of w x h device pixels, then the
// loop, which the browser drives from now on. 1 when the loop runs; 0 when
// the start failed (its messages shown, the program ended).
int StartApplication(int32_t width, int32_t height);
// After the end was asked for (TerminateApplication): the window taken down.
void EndApplication();
