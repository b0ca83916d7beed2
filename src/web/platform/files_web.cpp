// Files on the page: stats.hsf is read and replaced by files_posix.cpp in the
// browser's persistent storage (the working folder is an IndexedDB
// mount, see main.cpp); the game's own files lie on the web server, which
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
