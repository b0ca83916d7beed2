#include <cstring>

#include "platform/headless/headless.h"
#include "scores/high_score.h"

// The tests' stand-in for the modal name-entry dialog: answers with
// g_headless.nameAnswer, cut to 29 characters as the dialog cuts it.
int AskHighScoreName()
{
    ++g_headless.nameRequests;
    std::memset(g_highScoreName, 0, sizeof g_highScoreName);
    std::strncpy(g_highScoreName, g_headless.nameAnswer.c_str(), HIGH_SCORE_NAME_SIZE - 1);
    return 1;
}
