// Review pictures of the cards at the exact size 640 x 480 and 1920 x 1080
// windows show them, sampled as the program's textures are. Reads the store
// that is registered as :/pictures and the cloths of `gameDir`; writes
// cards-WxH.png and fanned-WxH.png into `outDir`. Returns 1 on success.
#pragma once

#include <QString>

int WriteOnScreenSheets(const QString& outDir, const QString& gameDir);
