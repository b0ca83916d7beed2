// Messages, the name question and the end of the program, on the page.

#include <emscripten.h>

#include "platform/platform.h"

// The question waits for the player's "OK" as the desktop's modal dialog
// does: the program's stack is set aside (emscripten's Asyncify) while the
// page's own dialog is open, and the answer comes back as a
// Windows-1252 text.
EM_ASYNC_JS(int, PageAskHighScoreName, (char* answer, int capacity), {
    const bytes = await tarvikPage.dialogs.askName();
    const count = Math.min(bytes.length, capacity - 1);
    HEAPU8.set(bytes.subarray(0, count), answer);
    HEAPU8[answer + count] = 0;
    return count;
});
EM_JS(void, PageErrorBox, (const char* text), { tarvikPage.errorBox(UTF8ToString(text)); });
EM_JS(void, PageEnded, (), { tarvikPage.ended(); });

void SysErrorBox(const char* text)
{
    PageErrorBox(text != nullptr ? text : "");
}

int SysAskHighScoreName(char* answer, int capacity)
{
    if (answer == nullptr || capacity <= 0) {
        return 1;
    }
    answer[0] = '\0';
    PageAskHighScoreName(answer, capacity);
    return 1;
}

// The loop ends at once (the page has no queue of its own to work off), and
// the page says the game has ended.
void SysPostQuit()
{
    emscripten_cancel_main_loop();
    PageEnded();
}

// A page cannot end its process: the game ends as at the loop's end.
void SysExitProcess(int)
{
    SysPostQuit();
}
