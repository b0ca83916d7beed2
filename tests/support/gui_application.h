#pragma once
// What the suites on Qt's own pictures, glyphs and windows need beside the GL
// fixture: the Gui application, and the GL target written as a PNG picture.

#include "support/gl_context.h"

// Creates the process's QGuiApplication once, if none exists yet, on Qt's
// offscreen platform unless QT_QPA_PLATFORM says otherwise.
void EnsureGuiApplication();
// Writes the whole target of `gl` as a picture (PNG by the name's suffix), top
// row first. False when there is no target or the file cannot be written.
bool SaveGlImage(GlTestContext& gl, const char* path);
