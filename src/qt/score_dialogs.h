#pragma once
// The three score dialogs: statistics (wins and losses per game, this run and
// all runs), the high-score table, and the entry of a new high score's name
// (the platform's question for a name). All are modal and
// show the store's contents of the moment they open; controls are found by
// their control id as object name.

#include <cstdint>

class QDialog;
class QWidget;

#include "store/score_tables.h"

// Opens the statistics dialog over `owner`; returns 1 when closed with OK.
int ShowStatisticsDialog(QWidget* owner);
// Writes all 22 value fields of an open statistics dialog from the store.
void FillStatisticsDialog(QDialog* dialog);
// Opens the high-score dialog over `owner`; returns 1 when closed with OK.
int ShowHighScoresDialog(QWidget* owner);
// Opens score dialog `id` over `owner`, filled by `fill`: its "OK" closes it
// (1), its button `clearControl` calls `clear` and fills it again.
int ShowScoreDialog(int32_t id, int32_t clearControl, void (*clear)(), void (*fill)(QDialog*), QWidget* owner);
