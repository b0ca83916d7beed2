// Review sheets: every picture of the built store with its id, drawn with the
// shape of the quad it covers (see-through parts on a checkerboard), and the
// table cloths as the player sees them.
#pragma once

#include <QString>

// Writes OUT_DIR/store.png, tables.png (every cloth under a game as a 640 x 480
// window shows it) and closeup.png (cards at full size) from the built program
// folder GAME_DIR. 1 on success; 0 when the store or a cloth is missing.
int WriteContactSheets(const QString& outDir, const QString& gameDir);
