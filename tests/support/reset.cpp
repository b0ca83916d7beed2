#include "support/reset.h"

#include "platform/headless/headless.h"
#include "support/start_values.h"

void ResetGameState()
{
    RestoreRulesStartValues();
    HeadlessReset();
}
