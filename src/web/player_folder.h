#pragma once
// Where the player's results live on the page: the working folder is the
// browser's persistent storage for the page's address (an IndexedDB mount),
// holding stats.hsf alone; the game's own files stay on the server.

#include <cstdint>

// The working folder, mounted and filled from the browser's storage by the
// page before the game starts (see page/player_folder.js).
constexpr const char* PLAYER_FOLDER = "/player";

// Enters the player's folder. 1 when there.
int EnterPlayerFolder();
// The statistics as they stand written to stats.hsf and handed to the
// browser's storage, unless the program has ended (it saved them then).
// Counts nothing: a page hidden ten times and then closed has counted what
// the desktop's close box counts.
void KeepStats();
// Hands the folder to the browser's storage after the program saved.
void PersistPlayerFolder();

extern "C" {
// "Download stats.hsf": the statistics written to stats.hsf; 1 when saved.
int WebSaveStatsForDownload();
// Where the 961 record bytes lie in the program's memory, for the page to
// keep them itself while the program waits for the name question and cannot
// be called (a win already counted must not be lost with a closed page).
const uint8_t* WebStatsRecords();
// "Load stats.hsf": the player's file, any bytes, through the store's own
// loading (the first 961 bytes become the records, a shorter file leaves the
// rest as it was), then kept. 1 when read from the file.
int WebLoadStatsFile(const uint8_t* bytes, int32_t size);
}
