#pragma once
// The ends that come from outside the window: SIGTERM, SIGHUP and SIGINT and
// the session manager's end of the session are taken as a close request, and
// an end of the process under the program (the X server going away, after
// which Qt ends the process itself) still saves the statistics. Every way out
// saves them exactly once; a failed window creation saves nothing.

// Takes the three signals (those not ignored when the program started) and
// the session's end as close requests from now on. Needs the QApplication.
void WatchEndRequests();
// A close request: closes the open modal dialogs as their default button does
// ("OK" keeps what the dialog holds) and has the loop end the program in order.
void RequestClose();
// Run by the loop between its passes over the events: once no modal dialog is
// open, a close request goes through TerminateApplication (save, quit).
void TakeCloseRequest();
// From now on the end of the process saves the statistics if they were loaded
// and nothing has saved them yet. For the program itself, not for tests that
// drive its window.
void SaveAtProcessEnd();
