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
    {1006, 0, true},  {1007, 5, true},  {1005, 0, false}, {1004, 5, false},  // Klondike
    {1008, 1, true},  {1009, 6, true},  {1010, 1, false}, {1011, 6, false},  // Freecell
    {1024, 2, true},  {1028, 7, true},  {1014, 2, false}, {1015, 7, false},  // Scorpion
    {1029, 4, true},  {1030, 9, true},  {1018, 4, false}, {1019, 9, false},  // Mount Sunflower
    {1031, 3, true},  {1032, 8, true},  {1022, 3, false}, {1023, 8, false},  // Baker's Dozen
    {1033, 10, true}, {1025, 10, false},                                      // games dealt
};

const int HIGH_SCORE_NAME_FIELDS[HIGH_SCORE_RANKS] = {1034, 1035, 1036, 1037, 1038, 1039, 1040, 1041, 1042, 1043};
const int HIGH_SCORE_SCORE_FIELDS[HIGH_SCORE_RANKS] = {1044, 1045, 1052, 1048, 1047, 1053, 1049, 1046, 1050, 1051};

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
