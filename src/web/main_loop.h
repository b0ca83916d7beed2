#pragma once
// The page's loop: the browser calls it once per display refresh
// (requestAnimationFrame) while the picture changes; at rest it is paused,
// with at most one timer, for the table's next change of cloth.

// Starts the loop; returns at once (the browser calls it from now on).
void RunMainLoop();
// Something happened (input, a command, a resize, the page shown again): the
// loop runs again if a frame is now needed.
void WakeLoop();
// While a modal dialog of the page is open no frames are made (1), as on
// the desktop; 0 when it has closed.
void SetDialogOpen(int open);
// Whether the table can be seen: the page is shown and the program runs.
int CanBeSeen();
