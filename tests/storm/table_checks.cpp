#include "storm/table_checks.h"

#include <cstdio>

namespace storm {

namespace {

std::string Say(const char* format, int a, int b = 0, int c = 0, int d = 0)
{
    char text[160];
    std::snprintf(text, sizeof text, format, a, b, c, d);
    return text;
}

bool IsCard(int32_t id) { return id >= 0 && id < CARD_COUNT; }

}  // namespace

std::string CheckTableHolds(const GameLayout& layout)
{
    if (layout.pileCount < 1 || layout.pileCount > PILES_PER_LAYOUT) {
        return Say("the layout uses %d piles", layout.pileCount);
    }
    int found[CARD_COUNT] = {};
    for (int32_t p = 0; p < PILES_PER_LAYOUT; ++p) {
        const Pile& pile = layout.piles[p];
        const bool unused = p >= layout.pileCount || pile.kind == PILE_NONE;
        bool ended = false;  // an empty slot was seen: every slot above it must be empty too
        for (int32_t s = 0; s < SLOTS_PER_PILE; ++s) {
            const int32_t id = pile.slots[s].card;
            if (id == -1) {
                ended = true;
                continue;
            }
            if (!IsCard(id)) {
                return Say("pile %d slot %d holds the id %d", p, s, id);
            }
            if (unused) {
                return Say("card %d lies on pile %d, which the layout does not use", id, p);
            }
            if (ended) {
                return Say("card %d lies in slot %d of pile %d above an empty slot", id, s, p);
            }
            if (++found[id] > 1) {
                return Say("card %d lies in more than one slot (again on pile %d slot %d)", id, p, s);
            }
            const Card& card = g_cards[id];
            if (card.pile != p || card.slot != s) {
                return Say("card %d lies on pile %d slot %d but its record says pile %d", id, p, s, card.pile) +
                       Say(" slot %d", card.slot);
            }
        }
    }
    for (int32_t id = 0; id < CARD_COUNT; ++id) {
        if (found[id] == 0) {
            return Say("card %d lies in no slot (its record says pile %d slot %d)", id, g_cards[id].pile,
                       g_cards[id].slot);
        }
    }
    return {};
}

std::string CheckCardRecords(const GameLayout& layout)
{
    for (int32_t id = 0; id < CARD_COUNT; ++id) {
        const Card& card = g_cards[id];
        if (card.pile < 0 || card.pile >= PILES_PER_LAYOUT || card.slot < 0 || card.slot >= SLOTS_PER_PILE) {
            return Say("card %d names pile %d slot %d, outside the layout", id, card.pile, card.slot);
        }
        const int32_t held = layout.piles[card.pile].slots[card.slot].card;
        if (held != id) {
            return Say("card %d names pile %d slot %d, which holds %d", id, card.pile, card.slot, held);
        }
    }
    return {};
}

std::string CheckCardsAtRest(const GameLayout& layout)
{
    for (int32_t id = 0; id < CARD_COUNT; ++id) {
        const Card& card = g_cards[id];
        if (card.moving || card.flipping || card.pile < 0 || card.pile >= PILES_PER_LAYOUT || card.slot < 0 ||
            card.slot >= SLOTS_PER_PILE) {
            continue;
        }
        const PileSlot& rest = layout.piles[card.pile].slots[card.slot];
        if (card.x != rest.x || card.y != rest.y || card.z != rest.z) {
            char where[96];
            std::snprintf(where, sizeof where, " at (%.2f, %.2f, %.2f)", card.x, card.y, card.z);
            return Say("card %d lies still away from pile %d slot %d", id, card.pile, card.slot) + where;
        }
    }
    return {};
}

StatsCounts ReadStatsCounts()
{
    StatsCounts counts{};
    for (int i = 0; i <= STATS_GAMES_DEALT; ++i) {
        counts.session[i] = GetSessionCount(i);
        counts.lifetime[i] = GetLifetimeCount(i);
    }
    return counts;
}

std::string CheckStatsGrew(const StatsCounts& before, const StatsCounts& now)
{
    for (int i = 0; i <= STATS_GAMES_DEALT; ++i) {
        if (now.session[i] < before.session[i]) {
            return Say("session count %d fell from %d to %d", i, before.session[i], now.session[i]);
        }
        if (now.lifetime[i] < before.lifetime[i]) {
            return Say("lifetime record %d fell from %d to %d", i, before.lifetime[i], now.lifetime[i]);
        }
    }
    return {};
}

}  // namespace storm
