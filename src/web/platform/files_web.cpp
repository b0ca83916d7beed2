// Files on the page: stats.hsf is read and replaced by files_posix.cpp in the
// player's folder, which the page keeps in the browser's persistent storage
// (web/player_folder.h); the game's own files lie on the web server, which
// lists no folder, so the page knows their names from files.json.

#include <emscripten.h>

#include <cstdlib>
#include <string>

#include "platform/platform.h"

EM_JS(char*, PageListFiles, (const char* folder, const char* suffix), {
    const names = tarvikPage.files.list(UTF8ToString(folder), UTF8ToString(suffix)).join('\n');
    const size = lengthBytesUTF8(names) + 1;
    const text = _malloc(size);
    stringToUTF8(names, text, size);
    return text;
});
EM_JS(void, PageOpenDocument, (const char* address), { tarvikPage.openDocument(UTF8ToString(address)); });

// The player's folder lives in the page's memory until the page hands it to
// the browser's storage (after every save, see web/player_folder.cpp), so a
// file's data is as safe as it gets when written. The C library's fsync
// would instead start that hand-over itself and, with the program's stack set
// aside for the name question (Asyncify), return before it is done: the
// save would come back as failed and the rest of it run later, out of turn.
extern "C" int fsync(int)
{
    return 0;
}

std::vector<std::string> SysListFiles(const char* folder, const char* suffix)
{
    std::vector<std::string> names;
    if (folder == nullptr || suffix == nullptr) {
        return names;
    }
    char* text = PageListFiles(folder, suffix);
    std::string name;
    for (const char* c = text; *c != '\0'; ++c) {
        if (*c == '\n') {
            names.push_back(name);
            name.clear();
        } else {
            name += *c;
        }
    }
    if (!name.empty()) {
        names.push_back(name);
    }
    std::free(text);
    return names;
}

// A page beside the game's opens in a new tab.
void SysOpenDocument(const char* pathOrAddress)
{
    if (pathOrAddress != nullptr) {
        PageOpenDocument(pathOrAddress);
    }
}
