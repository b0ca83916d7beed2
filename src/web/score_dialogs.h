#pragma once
// The statistics and high-score dialogs and the About box: the page builds
// each from the program's dialog tables as modal HTML; here they are filled
// from the store and their buttons answered. No frames while one is open.

#include <cstdint>

void ShowStatisticsDialog();
void ShowHighScoresDialog();
void ShowAboutBox();

extern "C" {
// A button of the open dialog `dialog` (DIALOG_*) was pressed: "Clear All
// Stats" and "Clear" clear and fill the dialog afresh; "OK" closes it, and
// so do the About box's close box and Escape (the dialog manager's cancel, 2).
void WebDialogCommand(int32_t dialog, int32_t control);
}
