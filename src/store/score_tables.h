#pragma once
// What the three score dialogs show and what their buttons do, apart from how
// any window system draws them: the statistics dialog's value fields with the
// record or counter each shows, the high-score dialog's name and score fields
// by rank, "Clear All Stats", "Clear" and the name the entry dialog takes.
// Each shell's dialogs only place these controls and fill them from here.

#include <cstdint>

#include "store/stats_store.h"
#include "ui/ids.h"

constexpr int STATISTICS_FIELD_COUNT = 22;
constexpr int HIGH_SCORE_RANKS = 10;
constexpr int HIGH_SCORE_NAME_SIZE = 30;  // 29 characters and a NUL

// Where a value field of the statistics dialog takes its text from.
struct StatisticsField {
    int controlId;
    int index;       // record or counter [0, 10]
    bool lifetime;   // true: the record's text as stored; false: the counter
};
// Four fields per game, in the dialog's order of groups (Klondike, Freecell,
// Scorpion, Mount Sunflower, Baker's Dozen): lifetime wins, lifetime losses,
// session wins, session losses; then lifetime games and session games.
extern const StatisticsField STATISTICS_FIELDS[STATISTICS_FIELD_COUNT];
// Control ids of the name and score fields of ranks 1 to 10.
extern const int HIGH_SCORE_NAME_FIELDS[HIGH_SCORE_RANKS];
extern const int HIGH_SCORE_SCORE_FIELDS[HIGH_SCORE_RANKS];

extern char g_highScoreName[HIGH_SCORE_NAME_SIZE];  // the name entered last

// The text a statistics field shows now: a record's text exactly as stored, a
// counter as a signed decimal number. Always NUL-terminated in out[32].
void StatisticsFieldText(const StatisticsField& field, char out[32]);
// "Clear All Stats": records 0..10 become "0" (over their first 5 bytes, the
// rest of those bytes NUL) and counters 0..10 become 0; the table is untouched.
void ClearAllStats();
// "Clear": names 1..10 become "-" and scores "10000", a fresh table.
void ClearHighScores();
// The name entry's "OK": the answer's first 29 bytes become g_highScoreName.
void TakeHighScoreName(const char* answer);
