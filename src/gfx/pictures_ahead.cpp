#include "gfx/pictures_ahead.h"

#include <array>
#include <thread>

#include "gfx/texture_build.h"
#include "gfx/texture_slots.h"
#include "platform/platform.h"

namespace {
// The smallest pictures, 128 x 128 RGBA: a card is exactly 64 KiB.
constexpr int AHEAD_BLOCK_BYTES = 64 * 1024;

// Decoding is most of what making the textures costs, and making the GL
// context is mostly waiting for the X server and loading the driver, so the
// two overlap.
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

void DecodePicturesAhead()
{
    s_ahead.storeOpened = SysOpenPictureStore() != 0;
    if (!s_ahead.storeOpened) {
        return;
    }
    for (int i = 0; i < STORE_PICTURES_LOADED; ++i) {
        const StorePicture picture = StorePictureToLoad(i);
        const int index = picture.id - FIRST_STORE_PICTURE;
        s_ahead.prepared[index] = PrepareStorePicture(picture.id, LARGEST_USEFUL_TEXTURE, &s_ahead.images[index],
                                                      picture.key.on, picture.key.r, picture.key.g,
                                                      picture.key.b) != 0;
    }
}

// Waits for the decoding ahead; true when there was one.
bool WaitForPicturesAhead()
{
    if (!s_ahead.started) {
        return false;
    }
    if (s_ahead.worker.joinable()) {
        s_ahead.worker.join();
    }
    return true;
}
}  // namespace

void StartDecodingPicturesAhead()
{
    if (s_ahead.started) {
        return;
    }
    s_ahead.started = true;
    // The pictures decoded ahead are all held at once, in the other thread's
    // own heap: mapped one by one, each goes back to the system when its
    // texture is made instead of staying in that heap.
    SysSetLargeBlockThreshold(AHEAD_BLOCK_BYTES);
    s_ahead.worker = std::thread(DecodePicturesAhead);
}

void StopDecodingPicturesAhead()
{
    DropPicturesAhead();
}

int TakePicturesAhead(int sizeLimit)
{
    if (!WaitForPicturesAhead()) {
        return 0;
    }
    // Pictures decoded ahead are only good for the size limit they assumed.
    if (sizeLimit != LARGEST_USEFUL_TEXTURE) {
        DropPicturesAhead();
        return 0;
    }
    return s_ahead.storeOpened ? 1 : -1;
}

int UploadPictureAhead(int id, TextureSlot* slot)
{
    const int index = id - FIRST_STORE_PICTURE;
    if (index < 0 || index >= STORE_PICTURE_COUNT) {
        return 0;
    }
    const bool ok = s_ahead.prepared[index] && UploadTexture(s_ahead.images[index], slot);
    s_ahead.images[index] = SysImage();
    return ok ? 1 : 0;
}

void DropPicturesAhead()
{
    if (!WaitForPicturesAhead()) {
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
