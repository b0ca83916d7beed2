#pragma once
// Consistency checks of the card table and the statistics, made after every
// input of the storm. Each returns an empty text when everything holds, else
// a description of the first thing that does not.

#include <cstdint>
#include <string>

#include "game/table.h"
#include "store/stats_store.h"

namespace storm {

// A game on the table: every card in exactly one slot of the layout, its pile
// and slot fields naming that slot, each pile's cards in unbroken slots from 0,
// and no card on a pile the layout does not use.
std::string CheckTableHolds(const GameLayout& layout);
// Between games (main menu, win screen): each card's pile and slot still name
// a slot of the last game's layout that holds that card.
std::string CheckCardRecords(const GameLayout& layout);

// While nothing is held: every card that neither flies nor turns lies at the
// rest position of its own slot.
std::string CheckCardsAtRest(const GameLayout& layout);

// Session counters and lifetime records 0..10 as numbers.
struct StatsCounts {
    int32_t session[STATS_GAMES_DEALT + 1];
    int32_t lifetime[STATS_GAMES_DEALT + 1];
};
StatsCounts ReadStatsCounts();
// No count of `now` below the same count of `before`.
std::string CheckStatsGrew(const StatsCounts& before, const StatsCounts& now);

}  // namespace storm
