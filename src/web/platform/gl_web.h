#pragma once
// What the browser's GL (emscripten's emulation of the fixed-function
// pipeline over WebGL) lacks or mishandles, mended for the shared half: the
// web build compiles every file of it with this header first, so the shared
// code keeps its desktop calls and the desktop builds never see this.
//   - display lists: the emulation has none. Lists are recorded here (the
//     font's glyphs: glBegin, glVertex2f, glEnd, glTranslatef) and replayed;
//   - glNormal3f writes into the next vertex, inside or outside glBegin, and
//     garbles the quads. Lighting is never on, so the normal changes nothing
//     drawn: it is dropped;
//   - glHint(GL_PERSPECTIVE_CORRECTION_HINT) is an unknown enum to WebGL;
//     WebGL always interpolates in perspective;
//   - GL_RGBA8 as an internal format needs WebGL 2: WebGL 1's GL_RGBA keeps
//     the same eight bits a channel;
//   - glShadeModel is ignored with a warning on the page's console: WebGL
//     shades smoothly, which is GL_SMOOTH, the one model the program asks for;
//   - glLoadName, glPushAttrib and glPopAttrib are missing: names only count
//     in selection mode, which the program never enters (picking is its own
//     arithmetic), and the attribute stack holds only the list base here.

#include <GL/gl.h>

#ifdef __cplusplus
extern "C" {
#endif
void WebBegin(GLenum mode);
void WebEnd(void);
void WebVertex2f(GLfloat x, GLfloat y);
void WebTranslatef(GLfloat x, GLfloat y, GLfloat z);
void WebHint(GLenum target, GLenum mode);
void WebTexImage2D(GLenum target, GLint level, GLint internalFormat, GLsizei width, GLsizei height, GLint border,
                   GLenum format, GLenum type, const void* pixels);
#ifdef __cplusplus
}
#endif

#ifndef TARVIK_GL_WEB_IMPLEMENTATION
#define glBegin WebBegin
#define glEnd WebEnd
#define glVertex2f WebVertex2f
#define glTranslatef WebTranslatef
#define glHint WebHint
#define glTexImage2D WebTexImage2D
#define glNormal3f(x, y, z) ((void)(x), (void)(y), (void)(z))
#define glShadeModel(mode) ((void)(mode))
#endif
