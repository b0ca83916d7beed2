#include "scores/high_score.h"

#include <cstdio>
#include <cstring>

#include "game/placing.h"
#include "platform/platform.h"
#include "store/stats_store.h"

namespace {

constexpr int ANSWER_SIZE = 256;  // more than any name field takes; cut to 29 when taken

constexpr int TABLE_SIZE = 10;
constexpr int LAST_SCORE = STATS_FIRST_SCORE + TABLE_SIZE - 1;             // record 30
constexpr int NAME_OFFSET = STATS_FIRST_SCORE - STATS_FIRST_NAME;           // score record - name record
static_assert(STATS_FIRST_NAME + TABLE_SIZE == STATS_FIRST_SCORE && LAST_SCORE == STATS_RECORD_COUNT - 1);

}  // namespace

int AskHighScoreName()
{
    char answer[ANSWER_SIZE];
    SysAskHighScoreName(answer, ANSWER_SIZE);
    TakeHighScoreName(answer);
    return 1;
}

int IsHighScore(int32_t moves)
{
    for (int record = STATS_FIRST_SCORE; record <= LAST_SCORE; ++record) {
        if (moves < GetLifetimeCount(record)) {
            return 1;
        }
    }
    return -1;
}

void CheckHighScore()
{
    const int32_t moves = GetMoveCount();
    if (IsHighScore(moves) != 1) {
        return;
    }
    AskHighScoreName();

    // Before the first score that is equal or worse: among equal scores the newest ranks first.
    int pos = STATS_FIRST_SCORE;
    while (pos < LAST_SCORE && GetLifetimeCount(pos) < moves) {
        ++pos;
    }
    // Whole records move down, bytes after the text included; the tenth drops out.
    for (int i = LAST_SCORE; i > pos; --i) {
        g_stats.records[i] = g_stats.records[i - 1];
        g_stats.records[i - NAME_OFFSET] = g_stats.records[i - NAME_OFFSET - 1];
    }
    SetLifetimeCount(pos, moves);

    // At most 30 bytes of the name, padded with NUL; the record's last byte keeps what it held.
    StatsRecord& name = g_stats.records[pos - NAME_OFFSET];
    const size_t length = strnlen(g_highScoreName, HIGH_SCORE_NAME_SIZE);
    std::memset(name.text, 0, HIGH_SCORE_NAME_SIZE);
    std::memcpy(name.text, g_highScoreName, length);
}
