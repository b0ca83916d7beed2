#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "game/placing.h"
#include "platform/headless/headless.h"
#include "scores/high_score.h"
#include "store/stats_store.h"
#include "support/game_test.h"

namespace {

class HighScores : public GameTest {
protected:
    void SetUp() override
    {
        GameTest::SetUp();
        SetDefaultStats();
    }
};

std::string Text(int index)
{
    char text[STATS_RECORD_SIZE];
    CopyRecordText(index, text);
    return text;
}

void Win(int32_t moves, const char* name)
{
    g_moveCount = moves;
    g_headless.nameAnswer = name;
    CheckHighScore();
}

// Ranks 1..10 with the scores 10, 20, .. 100 and names "n10" .. "n100".
void FillTable()
{
    for (int k = 0; k < 10; ++k) {
        SetLifetimeCount(STATS_FIRST_SCORE + k, 10 * (k + 1));
        SetRecordText(STATS_FIRST_NAME + k, ("n" + std::to_string(10 * (k + 1))).c_str());
    }
}

}  // namespace

TEST_F(HighScores, FreshTableTakesAnythingBelowTenThousand)
{
    EXPECT_EQ(IsHighScore(9999), 1);
    EXPECT_EQ(IsHighScore(0), 1);
    EXPECT_EQ(IsHighScore(10000), -1);
    Win(9999, "Ada");
    EXPECT_EQ(g_headless.nameRequests, 1);
    EXPECT_EQ(Text(11), "Ada");
    EXPECT_EQ(Text(21), "9999");
    EXPECT_EQ(Text(12), "-");
    EXPECT_EQ(Text(22), "10000");
}

TEST_F(HighScores, EqualToTheTenthDoesNotQualify)
{
    FillTable();
    Win(100, "late");
    EXPECT_EQ(g_headless.nameRequests, 0);
    EXPECT_EQ(Text(20), "n100");
}

TEST_F(HighScores, BelowTheTenthBecomesTenthAndTheOldTenthIsGone)
{
    FillTable();
    Win(95, "close");
    EXPECT_EQ(Text(30), "95");
    EXPECT_EQ(Text(20), "close");
    EXPECT_EQ(Text(29), "90");
    EXPECT_EQ(Text(19), "n90");
}

TEST_F(HighScores, NewEntryShiftsTheRestDown)
{
    FillTable();
    Win(35, "mid");
    EXPECT_EQ(Text(23), "30");
    EXPECT_EQ(Text(24), "35");
    EXPECT_EQ(Text(14), "mid");
    EXPECT_EQ(Text(25), "40");
    EXPECT_EQ(Text(15), "n40");
    EXPECT_EQ(Text(30), "90");
    EXPECT_EQ(Text(20), "n90");
}

TEST_F(HighScores, AmongEqualScoresTheNewestRanksFirst)
{
    Win(50, "first");
    Win(50, "second");
    EXPECT_EQ(Text(11), "second");
    EXPECT_EQ(Text(12), "first");
    EXPECT_EQ(Text(21), "50");
    EXPECT_EQ(Text(22), "50");
}

TEST_F(HighScores, LongNameKeepsItsFirst29Characters)
{
    const std::string name(40, 'z');
    Win(10, name.c_str());
    EXPECT_EQ(Text(11), std::string(29, 'z'));
}

TEST_F(HighScores, NameCopyPadsThirtyBytesAndKeepsTheLast)
{
    std::memset(g_stats.records[11].text, 'q', STATS_RECORD_SIZE);
    Win(10, "Bo");
    const char* record = g_stats.records[11].text;
    EXPECT_EQ(std::memcmp(record, "Bo", 2), 0);
    for (int i = 2; i < 30; ++i) {
        EXPECT_EQ(record[i], '\0') << i;
    }
    EXPECT_EQ(record[30], 'q');
}

TEST_F(HighScores, RecordsMoveWholeWithTheirTrailingBytes)
{
    std::memcpy(g_stats.records[21].text, "7\0tail", 6);
    Win(3, "x");
    EXPECT_EQ(std::memcmp(g_stats.records[22].text, "7\0tail", 6), 0);
}

TEST_F(HighScores, ScoresThatAreNoNumbersReadAsZero)
{
    for (int i = 21; i <= 30; ++i) {
        SetRecordText(i, "-");
    }
    EXPECT_EQ(IsHighScore(0), -1);
    SetRecordText(30, "x5");
    EXPECT_EQ(IsHighScore(1), -1);
    SetRecordText(30, "5x");
    EXPECT_EQ(IsHighScore(4), 1);
}
