// Sound through Web Audio: the page decodes the wave file once the player
// has first pressed a button or key (browsers start no sound before), then
// plays it from memory, at once.

#include <emscripten.h>

#include "platform/platform.h"

EM_JS(void, PagePlaySound, (const char* path), { tarvikPage.sound.play(UTF8ToString(path)); });

void SysPlaySoundAsync(const char* path)
{
    if (path != nullptr) {
        PagePlaySound(path);
    }
}
