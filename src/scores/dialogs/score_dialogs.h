#pragma once
// The three score dialogs: statistics (wins and losses per game, this run and
// all runs), the high-score table, and the entry of a new high score's name
// (AskHighScoreName, declared with the high-score check). All are modal and
// show the store's contents of the moment they open; controls are found by
// their control id as object name.

class QDialog;
class QWidget;

constexpr int CONTROL_OK = 1;
constexpr int CONTROL_CLEAR_ALL_STATS = 1027;
constexpr int CONTROL_CLEAR_HIGH_SCORES = 1054;
constexpr int CONTROL_NAME_FIELD = 1045;
constexpr int STATISTICS_FIELD_COUNT = 22;
constexpr int HIGH_SCORE_RANKS = 10;

// Where a value field of the statistics dialog takes its text from.
struct StatisticsField {
    int controlId;
    int index;       // record or counter [0, 10]
    bool lifetime;   // true: the record's text as stored; false: the counter
};
extern const StatisticsField STATISTICS_FIELDS[STATISTICS_FIELD_COUNT];
// Control ids of the name and score fields of ranks 1 to 10.
extern const int HIGH_SCORE_NAME_FIELDS[HIGH_SCORE_RANKS];
extern const int HIGH_SCORE_SCORE_FIELDS[HIGH_SCORE_RANKS];

// Opens the statistics dialog over `owner`; returns 1 when closed with OK.
int ShowStatisticsDialog(QWidget* owner);
// Writes all 22 value fields of an open statistics dialog from the store.
void FillStatisticsDialog(QDialog* dialog);
// Opens the high-score dialog over `owner`; returns 1 when closed with OK.
int ShowHighScoresDialog(QWidget* owner);
