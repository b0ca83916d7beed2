#include "gfx/textures.h"

#include <GL/gl.h>

#include <iterator>

#include "game/table.h"
#include "gfx/font.h"
#include "gfx/gl_state.h"
#include "gfx/pictures_ahead.h"
#include "gfx/texture_build.h"
#include "gfx/texture_slots.h"
#include "platform/platform.h"

TextureSlot g_cardTextures[53] = {};
TextureSlot g_backgroundTexture = 0;
TextureSlot g_textTexture = 0;
TextureSlot g_pileMarkerTextures[4] = {};
TextureSlot g_gamePreviewTextures[6] = {};
TextureSlot g_menuTileTexture = 0;
TextureSlot g_menuBackdropTexture = 0;
TextureSlot g_menuButtonTextures[5] = {};

BackgroundSearch g_backgroundSearch;

namespace {
constexpr int LARGE_BLOCK_BYTES = 128 * 1024;  // the C library's own starting threshold

constexpr ColourKey KEY_OFF = {0, 0, 0, 0};
constexpr ColourKey KEY_BLUE = {1, 0, 0, 255};
constexpr ColourKey KEY_BLACK = {1, 0, 0, 0};
constexpr ColourKey KEY_WHITE = {1, 255, 255, 255};

constexpr int FIRST_FACE_PICTURE = 4000;  // face of card id c is picture 4000 + c
constexpr int CARD_BACK_PICTURE = 4056;

// The store's pictures after the card faces, the back and the background, in
// the order they are loaded.
const StorePicture OTHER_PICTURES[] = {
    // slot                        id    key
    {&g_pileMarkerTextures[2],    4059, KEY_BLACK},
    {&g_pileMarkerTextures[3],    4060, KEY_BLACK},
    {&g_textTexture,              4068, KEY_BLACK},
    {&g_gamePreviewTextures[1],   4058, KEY_BLUE},   // Klondike
    {&g_gamePreviewTextures[2],   4057, KEY_BLUE},   // Freecell
    {&g_gamePreviewTextures[3],   4065, KEY_BLUE},   // Scorpion
    {&g_gamePreviewTextures[4],   4063, KEY_BLUE},   // Mount Sunflower
    {&g_gamePreviewTextures[5],   4054, KEY_BLUE},   // Baker's Dozen
    {&g_menuBackdropTexture,      4052, KEY_WHITE},
    {&g_menuTileTexture,          4062, KEY_WHITE},
    {&g_menuButtonTextures[0],    4071, KEY_BLUE},
    {&g_menuButtonTextures[1],    4070, KEY_BLUE},
    {&g_menuButtonTextures[2],    4053, KEY_BLUE},
    {&g_menuButtonTextures[3],    4072, KEY_BLUE},
    {&g_menuButtonTextures[4],    4069, KEY_BLUE},
};
static_assert(std::size(OTHER_PICTURES) == 15, "2 markers, text, 5 previews, 2 backdrop pictures, 5 buttons");

void OpenBackgroundSearch()
{
    g_backgroundSearch.names = SysListFiles(BACKGROUND_FOLDER, ".jpg");
    g_backgroundSearch.open = true;
    g_backgroundSearch.current = g_backgroundSearch.names.empty() ? -1 : 0;
}

// Loads the search's current entry; on failure the old picture stays. The old
// texture is deleted: the switch runs twice a minute for as long as the game does.
void LoadCurrentBackground()
{
    if (g_backgroundSearch.current < 0) {
        return;
    }
    const std::string path = std::string(BACKGROUND_FOLDER) + "/" +
                             g_backgroundSearch.names[static_cast<size_t>(g_backgroundSearch.current)];
    TextureSlot made = 0;
    if (BuildTextureFromFile(path.c_str(), &made, KEY_OFF.on, KEY_OFF.r, KEY_OFF.g, KEY_OFF.b)) {
        if (g_backgroundTexture) {
            glDeleteTextures(1, &g_backgroundTexture);
        }
        g_backgroundTexture = made;
    }
}

}  // namespace

StorePicture StorePictureToLoad(int index)
{
    if (index < CARD_COUNT) {
        return {&g_cardTextures[index + 1], FIRST_FACE_PICTURE + index, KEY_BLUE};
    }
    if (index == CARD_COUNT) {
        return {&g_cardTextures[0], CARD_BACK_PICTURE, KEY_BLUE};
    }
    return OTHER_PICTURES[index - CARD_COUNT - 1];
}
static_assert(STORE_PICTURES_LOADED == CARD_COUNT + 1 + static_cast<int>(std::size(OTHER_PICTURES)));

int InitializeGraphics()
{
    for (int i = 0; i < CARD_COUNT; ++i) {
        g_dealOrder[i] = i;
        g_cards[i].textureIndex = i + 1;
        g_cards[i].x = g_cards[i].y = g_cards[i].z = 0.0f;
    }
    const int ahead = TakePicturesAhead(TextureSizeLimit());
    if (ahead < 0 || (ahead == 0 && !SysOpenPictureStore())) {
        DropPicturesAhead();
        return 0;
    }
    // One buffer for every store picture; the driver keeps its own copy of
    // each texture, so the buffer goes when the last one is made.
    SysImage scratch;
    for (int i = 0; i < STORE_PICTURES_LOADED; ++i) {
        const StorePicture picture = StorePictureToLoad(i);
        if (ahead > 0) {
            UploadPictureAhead(picture.id, picture.slot);
        } else {
            BuildStoreTexture(picture.id, &scratch, picture.slot, picture.key.on, picture.key.r, picture.key.g,
                              picture.key.b);
        }
        if (picture.id == CARD_BACK_PICTURE) {
            OpenBackgroundSearch();
            LoadCurrentBackground();
        }
    }
    if (ahead > 0) {
        DropPicturesAhead();  // closes the store it opened
    } else {
        SysClosePictureStore();
    }
    scratch = SysImage();
    // The decoding buffers were the largest blocks the program ever asks for;
    // the C library keeps such freed memory for later unless told otherwise.
    SysTrimHeap();
    // From here on large blocks are mapped on their own and go back to the
    // system when freed. The renderer makes its immediate-mode vertex buffer
    // (512 kB) anew every few hundred frames; the C library's sliding
    // threshold, raised by the freed decoding buffers, would take each one
    // from the heap instead, which then creeps up by a few MB over thousands
    // of frames before it settles.
    SysSetLargeBlockThreshold(LARGE_BLOCK_BYTES);
    SetFixedGlState();
    BuildFont();
    return 1;
}

int BuildTextureFromBitmap(int id, TextureSlot* slot, uint8_t keyOn, int keyR, int keyG, int keyB)
{
    SysImage image;
    return BuildStoreTexture(id, &image, slot, keyOn, keyR, keyG, keyB);
}

int BuildTextureFromFile(const char* path, TextureSlot* slot, uint8_t keyOn, int keyR, int keyG, int keyB)
{
    SysImage image;
    return BuildFileTexture(path, &image, slot, keyOn, keyR, keyG, keyB);
}
void AdvanceBackground()
{
    // Past the last name, or nothing found so far: list the folder again from the start.
    const int next = g_backgroundSearch.current + 1;
    if (g_backgroundSearch.open && next > 0 && next < static_cast<int>(g_backgroundSearch.names.size())) {
        g_backgroundSearch.current = next;
    } else {
        OpenBackgroundSearch();
    }
    LoadCurrentBackground();
}
