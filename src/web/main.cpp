// The program's entry on the page. The page's script starts it once it holds
// the one-copy lock, has the player's folder filled from the browser's
// storage and the pictures decoded (page/loader.js).

#include <emscripten.h>

#include <cstdint>

#include "web/application.h"

extern "C" {

// Starts the game on a canvas of w x h device pixels. 1 when it runs.
EMSCRIPTEN_KEEPALIVE int WebStart(int32_t width, int32_t height)
{
    return StartApplication(width, height);
}

}  // extern "C"

// The page starts the game itself (WebStart); the runtime only gets ready.
int main()
{
    return 0;
}
