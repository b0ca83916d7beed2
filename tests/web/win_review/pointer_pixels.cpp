#include "web/win_review/pointer_pixels.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

#include "game/lifting.h"
#include "game/placing.h"
#include "game/table.h"
#include "scene/pick.h"
#include "scene/pickables.h"
#include "scene/view.h"

int32_t g_width = 0, g_height = 0;

// The nearest pick at a device pixel, as PickAtPointer chooses; -1 for none.
int32_t PickAt(int32_t x, int32_t y)
{
    const int32_t view[4] = {0, 0, g_width, g_height};
    PickHit hits[PICK_HITS_MAX];
    const int32_t count = FindPickHits(view, x, g_height - y, hits);
    if (count < 1) {
        return -1;
    }
    int32_t best = 0;
    for (int32_t i = 1; i < count; ++i) {
        if (hits[i].minDepth < hits[best].minDepth) {
            best = i;
        }
    }
    return hits[best].name;
}

// A pixel where `name` is picked, and also 2 pixels away in every direction,
// so the browser's rounding of the pointer cannot miss it; found by projecting
// points of the object's face through the drawing's perspective.
Pixel PixelPicking(int32_t name, const Placement& at, float halfWidth, float halfHeight)
{
    const double cotangent = 1.0 / std::tan(FIELD_OF_VIEW / 2.0 * 3.14159265358979323846 / 180.0);
    const double aspect = static_cast<double>(static_cast<float>(g_width) / static_cast<float>(g_height));
    // The face's top edge first: a card lying under others shows only its top.
    for (float v = 0.9f; v >= -0.9f; v -= 0.05f) {
        for (float u : {0.0f, -0.4f, 0.4f, -0.7f, 0.7f}) {
            const double ex = at.x + u * halfWidth, ey = at.y + v * halfHeight, ez = at.z;
            const double wx = (cotangent / aspect * ex / -ez + 1.0) / 2.0 * g_width;
            const double wy = (cotangent * ey / -ez + 1.0) / 2.0 * g_height;
            const Pixel p = {static_cast<int32_t>(wx), g_height - 1 - static_cast<int32_t>(wy)};
            bool steady = true;
            for (int dx = -2; dx <= 2 && steady; dx += 2) {
                for (int dy = -2; dy <= 2 && steady; dy += 2) {
                    steady = PickAt(p.x + dx, p.y + dy) == name;
                }
            }
            if (steady) {
                return p;
            }
        }
    }
    return {};
}

Pixel CardPixel(int32_t card)
{
    return PixelPicking(card, CardPlacement(g_cards[card]), CARD_FACE.halfWidth, CARD_FACE.halfHeight);
}

// The pointer's place on the table at a device pixel, as UpdatePointer maps it.
void PointerWorld(Pixel p, float* x, float* y)
{
    const double halfWidth = g_width / 2.0, halfHeight = g_height / 2.0;
    *x = static_cast<float>((p.x - halfWidth) / halfWidth * TABLE_HALF_WIDTH);
    *y = static_cast<float>(-(p.y - halfHeight) / halfHeight * TABLE_HALF_HEIGHT);
}

// A pixel where the held card, hanging at the pointer, is over `pile` (and
// still is a pixel away in every direction).
Pixel DropPixel(int32_t pile)
{
    const Pile& p = CurrentLayout().piles[pile];
    const float top = p.slots[std::max(TopSlot(pile), 0)].y;
    const float x0 = p.slots[0].x + 0.5f, y0 = top - 1.0f;
    for (float r = 0.0f; r <= 1.4f; r += 0.1f) {
        for (float dy : {0.0f, r, -r}) {
            for (float dx : {0.0f, r, -r}) {
                const double wx = g_width / 2.0 * (1.0 + (x0 + dx) / TABLE_HALF_WIDTH);
                const double wy = g_height / 2.0 * (1.0 - (y0 + dy) / TABLE_HALF_HEIGHT);
                const Pixel c = {static_cast<int32_t>(wx), static_cast<int32_t>(wy)};
                bool steady = true;
                for (int ox = -1; ox <= 1 && steady; ++ox) {
                    for (int oy = -1; oy <= 1 && steady; ++oy) {
                        PointerWorld({c.x + ox, c.y + oy}, &g_cards[g_heldCard].x, &g_cards[g_heldCard].y);
                        steady = FindDropPile() == pile;
                    }
                }
                if (steady) {
                    return c;
                }
            }
        }
    }
    return {};
}

// DropPixel depends only on where the piles' top cards lie.
Pixel CachedDropPixel(int32_t pile)
{
    static std::unordered_map<uint64_t, Pixel> known;
    uint64_t key = static_cast<uint64_t>(pile);
    for (int32_t p = 0; p < CurrentLayout().pileCount; ++p) {
        key = (key ^ static_cast<uint64_t>(TopSlot(p) + 2)) * 1099511628211ull;
    }
    key ^= static_cast<uint64_t>(g_gameMode) << 56;
    const auto found = known.find(key);
    if (found != known.end()) {
        return found->second;
    }
    return known[key] = DropPixel(pile);
}

// A pixel of the cloth: nothing there to pick.
Pixel ClothPixel()
{
    for (int32_t y = g_height / 2; y < g_height - 3; y += 4) {
        for (int32_t x = 3; x < g_width / 2; x += 4) {
            if (PickAt(x, y) == -1 && PickAt(x - 2, y - 2) == -1 && PickAt(x + 2, y + 2) == -1) {
                return {x, y};
            }
        }
    }
    return {};
}
