#include "store.h"

#include "art.h"
#include "card_faces.h"
#include "keying.h"

#include <algorithm>

namespace {

constexpr QRgb BLUE = 0x0000ff, BLACK = 0x000000, WHITE = 0xffffff;

// Ids of the game previews and buttons, in game order (Klondike, Freecell,
// Scorpion, Mount Sunflower, Baker's Dozen).
constexpr int PREVIEW_IDS[5] = {4058, 4057, 4065, 4063, 4054};
constexpr int BUTTON_IDS[5] = {4071, 4070, 4053, 4072, 4069};
constexpr int FIRST_FACE = 4000, BACK = 4056, MARKER = 4059, FOUNDATION_MARKER = 4060, TEXT = 4068;
constexpr int TITLE = 4052, TILE = 4062;

}  // namespace

std::vector<StorePicture> MakeStore()
{
    std::vector<QImage> faces;
    for (int c = 0; c < 52; ++c) faces.push_back(DrawCardFace(c));
    const QImage back = DrawCardBack();

    std::vector<StorePicture> store;
    for (int c = 0; c < 52; ++c) store.push_back({FIRST_FACE + c, BLUE, KeyCanvas(faces[size_t(c)], BLUE)});
    store.push_back({BACK, BLUE, KeyCanvas(back, BLUE)});
    store.push_back({MARKER, BLACK, KeyCanvas(DrawPileMarker(false), BLACK)});
    store.push_back({FOUNDATION_MARKER, BLACK, KeyCanvas(DrawPileMarker(true), BLACK)});
    store.push_back({TEXT, BLACK, KeyCanvas(DrawTextTexture(), BLACK)});
    for (int g = 1; g <= 5; ++g) {
        store.push_back({PREVIEW_IDS[g - 1], BLUE, KeyCanvas(DrawPreview(g, faces, back), BLUE)});
        store.push_back({BUTTON_IDS[g - 1], BLUE, KeyCanvas(DrawMenuButton(g), BLUE)});
    }
    store.push_back({TITLE, WHITE, KeyCanvas(DrawMenuTitle(), WHITE)});
    store.push_back({TILE, WHITE, KeyCanvas(DrawMenuTile(), WHITE)});
    std::sort(store.begin(), store.end(), [](const StorePicture& a, const StorePicture& b) { return a.id < b.id; });
    return store;
}

QImage MakeIcon()
{
    return DrawProgramIcon(DrawCardFace(0), DrawCardFace(2 * 13 + 12));
}
