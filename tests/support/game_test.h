#pragma once
// Fixture of the rules and store suites: every test starts from the start-up
// state, in a fresh empty working directory of its own (so no test ever sees
// or writes a real stats.hsf), which is removed afterwards.

#include <gtest/gtest.h>

#include <memory>

#include "support/scratch_folder.h"

class GameTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    std::unique_ptr<ScratchFolder> folder_;  // the test's own working directory
};
