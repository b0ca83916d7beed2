#include "store/score_tables.h"

#include <cstdio>
#include <cstring>

char g_highScoreName[HIGH_SCORE_NAME_SIZE] = {};

namespace {

constexpr int COUNT_RECORDS = 11;        // records and counters 0..10
constexpr int CLEARED_RECORD_BYTES = 5;  // "0" and four NULs: the rest of the record stays
constexpr const char* EMPTY_NAME = "-";
constexpr const char* EMPTY_SCORE = "10000";

}  // namespace

// Field by field: which record (lifetime) or counter (session) it shows.
const StatisticsField STATISTICS_FIELDS[STATISTICS_FIELD_COUNT] = {
    // control                                  index  lifetime
    {CONTROL_KLONDIKE_LIFETIME_WINS,              0,   true},
    {CONTROL_KLONDIKE_LIFETIME_LOSSES,            5,   true},
    {CONTROL_KLONDIKE_SESSION_WINS,               0,   false},
    {CONTROL_KLONDIKE_SESSION_LOSSES,             5,   false},
    {CONTROL_FREECELL_LIFETIME_WINS,              1,   true},
    {CONTROL_FREECELL_LIFETIME_LOSSES,            6,   true},
    {CONTROL_FREECELL_SESSION_WINS,               1,   false},
    {CONTROL_FREECELL_SESSION_LOSSES,             6,   false},
    {CONTROL_SCORPION_LIFETIME_WINS,              2,   true},
    {CONTROL_SCORPION_LIFETIME_LOSSES,            7,   true},
    {CONTROL_SCORPION_SESSION_WINS,               2,   false},
    {CONTROL_SCORPION_SESSION_LOSSES,             7,   false},
    {CONTROL_MOUNT_SUNFLOWER_LIFETIME_WINS,       4,   true},
    {CONTROL_MOUNT_SUNFLOWER_LIFETIME_LOSSES,     9,   true},
    {CONTROL_MOUNT_SUNFLOWER_SESSION_WINS,        4,   false},
    {CONTROL_MOUNT_SUNFLOWER_SESSION_LOSSES,      9,   false},
    {CONTROL_BAKERS_DOZEN_LIFETIME_WINS,          3,   true},
    {CONTROL_BAKERS_DOZEN_LIFETIME_LOSSES,        8,   true},
    {CONTROL_BAKERS_DOZEN_SESSION_WINS,           3,   false},
    {CONTROL_BAKERS_DOZEN_SESSION_LOSSES,         8,   false},
    {CONTROL_LIFETIME_GAMES,                     10,   true},
    {CONTROL_SESSION_GAMES,                      10,   false},
};

const int HIGH_SCORE_NAME_FIELDS[HIGH_SCORE_RANKS] = {
    CONTROL_HIGH_SCORE_NAME_1, CONTROL_HIGH_SCORE_NAME_2, CONTROL_HIGH_SCORE_NAME_3, CONTROL_HIGH_SCORE_NAME_4,
    CONTROL_HIGH_SCORE_NAME_5, CONTROL_HIGH_SCORE_NAME_6, CONTROL_HIGH_SCORE_NAME_7, CONTROL_HIGH_SCORE_NAME_8,
    CONTROL_HIGH_SCORE_NAME_9, CONTROL_HIGH_SCORE_NAME_10,
};
const int HIGH_SCORE_SCORE_FIELDS[HIGH_SCORE_RANKS] = {
    CONTROL_HIGH_SCORE_SCORE_1, CONTROL_HIGH_SCORE_SCORE_2, CONTROL_HIGH_SCORE_SCORE_3, CONTROL_HIGH_SCORE_SCORE_4,
    CONTROL_HIGH_SCORE_SCORE_5, CONTROL_HIGH_SCORE_SCORE_6, CONTROL_HIGH_SCORE_SCORE_7, CONTROL_HIGH_SCORE_SCORE_8,
    CONTROL_HIGH_SCORE_SCORE_9, CONTROL_HIGH_SCORE_SCORE_10,
};

void StatisticsFieldText(const StatisticsField& field, char out[32])
{
    if (field.lifetime) {
        CopyRecordText(field.index, out);
    } else {
        std::snprintf(out, 32, "%d", static_cast<int>(GetSessionCount(field.index)));
    }
}

void ClearAllStats()
{
    for (int i = 0; i < COUNT_RECORDS; ++i) {
        std::memset(g_stats.records[i].text, 0, CLEARED_RECORD_BYTES);
        g_stats.records[i].text[0] = '0';
        SetSessionCount(i, 0);
    }
}

void ClearHighScores()
{
    for (int rank = 0; rank < HIGH_SCORE_RANKS; ++rank) {
        SetRecordText(STATS_FIRST_NAME + rank, EMPTY_NAME);
        SetRecordText(STATS_FIRST_SCORE + rank, EMPTY_SCORE);
    }
}

void TakeHighScoreName(const char* answer)
{
    std::memset(g_highScoreName, 0, sizeof g_highScoreName);
    if (answer != nullptr) {
        std::strncpy(g_highScoreName, answer, HIGH_SCORE_NAME_SIZE - 1);
    }
}
