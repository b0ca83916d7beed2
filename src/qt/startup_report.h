#pragma once
// A measuring hook and nothing else: with TARVIK_REPORT_STARTUP=1 the program
// prints when it entered, when its window was first exposed, when the first
// cleared picture and the first frame were swapped (and ends there with
// TARVIK_EXIT_AFTER_FIRST_FRAME=1, saving nothing), so the start-up can be
// timed on the real executable. Play is never affected.

// Reads the two variables and reports the entry; call first thing.
void StartStartupReport();
// True while reports are wanted.
bool StartupReportOn();
// Reports `what` once per kind: "window exposed", "cleared window swapped",
// "first frame swapped" (after glFinish). The last one returns true when the
// run is to end there.
void ReportStartupEvent(const char* what);
bool ReportFirstFrame();
