#include "web/player_folder.h"

#include <emscripten.h>
#include <unistd.h>

#include <algorithm>

#include "app/gl_window.h"
#include "platform/platform.h"
#include "store/stats_store.h"

EM_JS(void, PagePersist, (), { tarvikPage.playerFolder.persist(); });

int EnterPlayerFolder()
{
    return chdir(PLAYER_FOLDER) == 0 ? 1 : 0;
}

void PersistPlayerFolder()
{
    PagePersist();
}

void KeepStats()
{
    if (g_glWindow.quitPosted || !g_glWindow.statsOwed) {
        return;
    }
    SaveStats();
    PersistPlayerFolder();
}

extern "C" {

EMSCRIPTEN_KEEPALIVE int WebSaveStatsForDownload()
{
    if (!g_glWindow.statsOwed && !g_glWindow.quitPosted) {
        return 0;  // not loaded yet: nothing of this page's to save
    }
    const int saved = g_glWindow.quitPosted ? 1 : SaveStats();
    PersistPlayerFolder();
    return saved;
}

EMSCRIPTEN_KEEPALIVE const uint8_t* WebStatsRecords()
{
    return reinterpret_cast<const uint8_t*>(g_stats.records);
}

EMSCRIPTEN_KEEPALIVE int WebLoadStatsFile(const uint8_t* bytes, int32_t size)
{
    if (bytes == nullptr || size < 0 || g_glWindow.quitPosted || !g_glWindow.statsOwed) {
        return 0;
    }
    const int64_t kept = std::min<int64_t>(size, STATS_FILE_SIZE);
    if (!SysReplaceFile(STATS_FILE_NAME, bytes, kept)) {
        return 0;
    }
    const int loaded = LoadStats();
    SaveStats();
    PersistPlayerFolder();
    return loaded;
}

}  // extern "C"
