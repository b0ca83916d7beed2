#pragma once
// The inputs of the storm: each step makes one input to the running program
// (a pointer event, a menu command, a window change, a loop turn) and checks
// what that input must have done right away. Steps come in short scripts
// (a drag, a double click, a game start) chosen by the state of the program.

#include <cstdint>
#include <deque>
#include <functional>
#include <random>
#include <string>

namespace storm {

// Makes one input; returns a fault seen right away, else empty.
using Step = std::function<std::string()>;

// What the storm did, for its closing summary.
struct Tally {
    int inputs[32] = {};
    int gamesStarted[6] = {};  // through the main menu's buttons, by game
    int nearWins = 0;
    int winningDrops = 0;      // finishing drags that ended on the win screen
};
extern Tally g_tally;

// The input being made, as text; kept in a fixed buffer so a watchdog may
// print it from a signal handler.
extern char g_doing[256];

// Appends the next script of inputs, chosen by the state of the program now.
void PlanInputs(std::mt19937& random, std::deque<Step>& steps);
// Names of the kinds of script counted in g_tally.inputs, for the summary;
// null past the last kind.
const char* InputName(int kind);

}  // namespace storm
