#include "web/gl_window.h"

#include <SDL/SDL.h>
#include <emscripten.h>

#include "app/frame.h"
#include "web/window_proc.h"

namespace {

constexpr int DEPTH_BITS = 16;
bool s_made = false;

}  // namespace

// SDL listens to the canvas for its own event queue, which this program
// never reads (the page hands the pointer to the core itself): the queue
// would only grow. Its unload listener would keep the page from the
// browser's back-forward cache.
EM_JS(void, PageDropSdlListeners, (), {
    ['touchstart', 'touchend', 'touchmove', 'mousedown', 'mouseup', 'mousemove', 'DOMMouseScroll', 'mousewheel',
     'wheel', 'mouseout'].forEach((name) => Module.canvas.removeEventListener(name, SDL.receiveEvent, true));
    window.removeEventListener('unload', SDL.receiveEvent);
});

int CreateWindowGL(GLWindow& window, int32_t width, int32_t height)
{
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        return 0;
    }
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, DEPTH_BITS);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    if (SDL_SetVideoMode(width, height, 0, SDL_OPENGL) == nullptr) {
        return 0;
    }
    PageDropSdlListeners();
    s_made = true;
    ShowClassCursor();
    // The canvas is the whole drawing area: the first viewport is its size,
    // and no rows lie hidden under the menu bar. The main menu keeps the
    // depth of a window never maximised or minimised, as the desktop's first
    // picture has it.
    WindowCreated(window, width, height);
    return 1;
}

void DestroyWindowGL()
{
    s_made = false;
}

void ResizeWindowGL(int32_t width, int32_t height)
{
    if (!s_made) {
        return;
    }
    PictureChanged();
    ReshapeGL(width, height);
}

int MakeWindowCurrent()
{
    return s_made ? 1 : 0;
}
