#include "gfx/textures.h"

#include <GL/gl.h>

#include <malloc.h>

#include <array>
#include <iterator>
#include <thread>

#include "game/table.h"
#include "gfx/font.h"
#include "gfx/gl_state.h"
#include "gfx/texture_build.h"
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
constexpr int AHEAD_BLOCK_BYTES = 64 * 1024;   // the smallest pictures, 128 x 128 RGBA

struct ColourKey {
    uint8_t on;
    uint8_t r, g, b;
};
constexpr ColourKey KEY_OFF = {0, 0, 0, 0};
constexpr ColourKey KEY_BLUE = {1, 0, 0, 255};
constexpr ColourKey KEY_BLACK = {1, 0, 0, 0};
constexpr ColourKey KEY_WHITE = {1, 255, 255, 255};

constexpr int FIRST_FACE_PICTURE = 4000;  // face of card id c is picture 4000 + c
constexpr int CARD_BACK_PICTURE = 4056;

struct StorePicture {
    TextureSlot* slot;
    int id;
    ColourKey key;
};

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

constexpr int FIRST_STORE_PICTURE = 4000;
constexpr int STORE_PICTURE_COUNT = 73;  // ids 4000 to 4072

// The store's pictures decoded and keyed ahead, on a second thread, while the
// window and its GL context are made: decoding is most of what making the
// textures costs, and making the context is mostly waiting for the X server
// and loading the driver. Only InitializeGraphics takes them, in its order.
struct PicturesAhead {
    std::thread worker;
    bool started = false;
    bool storeOpened = false;
    std::array<SysImage, STORE_PICTURE_COUNT> images;
    std::array<bool, STORE_PICTURE_COUNT> prepared = {};
    ~PicturesAhead()
    {
        if (worker.joinable()) {
            worker.join();
        }
    }
};
PicturesAhead s_ahead;

void StorePicturePath(int id, char (&path)[64])
{
    SysStorePicturePath(id, path, static_cast<int>(sizeof path));
}

// As BuildTextureFromBitmap, decoding into the series' one buffer, or taking
// the picture decoded ahead when there is one.
int BuildKeyed(int id, SysImage* scratch, TextureSlot* slot, ColourKey key, PicturesAhead* ahead)
{
    if (ahead != nullptr) {
        const int index = id - FIRST_STORE_PICTURE;
        const bool ok = ahead->prepared[index] && UploadTexture(ahead->images[index], slot);
        ahead->images[index] = SysImage();
        return ok ? 1 : 0;
    }
    char path[64];
    StorePicturePath(id, path);
    return BuildTextureFromPicture(path, scratch, slot, key.on, key.r, key.g, key.b);
}

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

// Every store picture with its slot and key, in the order the textures are
// made: the faces, the back, then the others (the background comes between).
template <typename Visit>
void ForEachStorePicture(Visit visit)
{
    for (int k = 1; k <= CARD_COUNT; ++k) {
        visit(FIRST_FACE_PICTURE - 1 + k, &g_cardTextures[k], KEY_BLUE);
    }
    visit(CARD_BACK_PICTURE, &g_cardTextures[0], KEY_BLUE);
    for (const StorePicture& picture : OTHER_PICTURES) {
        visit(picture.id, picture.slot, picture.key);
    }
}

void DecodePicturesAhead()
{
    s_ahead.storeOpened = SysOpenPictureStore(PICTURE_STORE_FILE) != 0;
    if (!s_ahead.storeOpened) {
        return;
    }
    ForEachStorePicture([](int id, TextureSlot*, ColourKey key) {
        char path[64];
        StorePicturePath(id, path);
        const int index = id - FIRST_STORE_PICTURE;
        s_ahead.prepared[index] = PreparePicture(path, LARGEST_USEFUL_TEXTURE, &s_ahead.images[index], key.on, key.r,
                                                 key.g, key.b) != 0;
    });
}

// Waits for the decoding ahead; true when there was one.
bool TakePicturesAhead()
{
    if (!s_ahead.started) {
        return false;
    }
    if (s_ahead.worker.joinable()) {
        s_ahead.worker.join();
    }
    return true;
}

// Forgets whatever was decoded ahead and closes the store it opened.
void DropPicturesAhead()
{
    if (!TakePicturesAhead()) {
        return;
    }
    if (s_ahead.storeOpened) {
        SysClosePictureStore();
    }
    s_ahead.started = false;
    s_ahead.storeOpened = false;
    s_ahead.images = {};
    s_ahead.prepared = {};
}
}  // namespace

int InitializeGraphics()
{
    for (int i = 0; i < CARD_COUNT; ++i) {
        g_dealOrder[i] = i;
        g_cards[i].textureIndex = i + 1;
        g_cards[i].x = g_cards[i].y = g_cards[i].z = 0.0f;
    }
    // Pictures decoded ahead are only good for the size limit they assumed.
    PicturesAhead* ahead = TakePicturesAhead() && TextureSizeLimit() == LARGEST_USEFUL_TEXTURE ? &s_ahead : nullptr;
    if (s_ahead.started && ahead == nullptr) {
        DropPicturesAhead();
    }
    if (ahead != nullptr ? !ahead->storeOpened : !SysOpenPictureStore(PICTURE_STORE_FILE)) {
        DropPicturesAhead();
        return 0;
    }
    // One buffer for every store picture; the driver keeps its own copy of
    // each texture, so the buffer goes when the last one is made.
    SysImage scratch;
    ForEachStorePicture([&](int id, TextureSlot* slot, ColourKey key) {
        BuildKeyed(id, &scratch, slot, key, ahead);
        if (id == CARD_BACK_PICTURE) {
            OpenBackgroundSearch();
            LoadCurrentBackground();
        }
    });
    if (ahead != nullptr) {
        DropPicturesAhead();  // closes the store it opened
    } else {
        SysClosePictureStore();
    }
    scratch = SysImage();
    // The decoding buffers were the largest blocks the program ever asks for;
    // the C library keeps such freed memory for later unless told otherwise.
    malloc_trim(0);
    // From here on large blocks are mapped on their own and go back to the
    // system when freed. The renderer makes its immediate-mode vertex buffer
    // (512 kB) anew every few hundred frames; the C library's sliding
    // threshold, raised by the freed decoding buffers, would take each one
    // from the heap instead, which then creeps up by a few MB over thousands
    // of frames before it settles.
    mallopt(M_MMAP_THRESHOLD, LARGE_BLOCK_BYTES);
    SetFixedGlState();
    BuildFont();
    return 1;
}

int BuildTextureFromBitmap(int id, TextureSlot* slot, uint8_t keyOn, int keyR, int keyG, int keyB)
{
    char path[64];
    SysStorePicturePath(id, path, static_cast<int>(sizeof path));
    return BuildTextureFromPicture(path, slot, keyOn, keyR, keyG, keyB);
}

int BuildTextureFromFile(const char* path, TextureSlot* slot, uint8_t keyOn, int keyR, int keyG, int keyB)
{
    return BuildTextureFromPicture(path, slot, keyOn, keyR, keyG, keyB);
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

void StartDecodingPicturesAhead()
{
    if (s_ahead.started) {
        return;
    }
    s_ahead.started = true;
    // The pictures decoded ahead are all held at once, in the other thread's
    // own heap: mapped one by one (a card is exactly 64 KiB), each goes back
    // to the system when its texture is made instead of staying in that heap.
    mallopt(M_MMAP_THRESHOLD, AHEAD_BLOCK_BYTES);
    s_ahead.worker = std::thread(DecodePicturesAhead);
}

void StopDecodingPicturesAhead()
{
    DropPicturesAhead();
}
