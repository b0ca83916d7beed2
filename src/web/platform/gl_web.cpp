// The GL calls the emulation lacks or mishandles (see gl_web.h).
#define TARVIK_GL_WEB_IMPLEMENTATION
#include "web/platform/gl_web.h"

#include <vector>

namespace {

// One recorded call of a display list.
struct ListCall {
    enum Kind { BEGIN, VERTEX, END, TRANSLATE } kind;
    GLenum mode;
    GLfloat x, y, z;
};

std::vector<std::vector<ListCall>> s_lists(1);  // list 0 is never a list
GLuint s_recording = 0;                         // the list being compiled; 0 none
GLuint s_listBase = 0;
std::vector<GLuint> s_savedListBases;

bool Record(const ListCall& call)
{
    if (s_recording == 0) {
        return false;
    }
    s_lists[s_recording].push_back(call);
    return true;
}

void Replay(GLuint list)
{
    if (list == 0 || list >= s_lists.size()) {
        return;
    }
    for (const ListCall& call : s_lists[list]) {
        switch (call.kind) {
        case ListCall::BEGIN: glBegin(call.mode); break;
        case ListCall::VERTEX: glVertex2f(call.x, call.y); break;
        case ListCall::END: glEnd(); break;
        case ListCall::TRANSLATE: glTranslatef(call.x, call.y, call.z); break;
        }
    }
}

}  // namespace

extern "C" {

void WebBegin(GLenum mode)
{
    if (!Record({ListCall::BEGIN, mode, 0, 0, 0})) {
        glBegin(mode);
    }
}

void WebEnd(void)
{
    if (!Record({ListCall::END, 0, 0, 0, 0})) {
        glEnd();
    }
}

void WebVertex2f(GLfloat x, GLfloat y)
{
    if (!Record({ListCall::VERTEX, 0, x, y, 0})) {
        glVertex2f(x, y);
    }
}

void WebTranslatef(GLfloat x, GLfloat y, GLfloat z)
{
    if (!Record({ListCall::TRANSLATE, 0, x, y, z})) {
        glTranslatef(x, y, z);
    }
}

void WebHint(GLenum target, GLenum mode)
{
    if (target != GL_PERSPECTIVE_CORRECTION_HINT) {
        glHint(target, mode);
    }
}

void WebTexImage2D(GLenum target, GLint level, GLint internalFormat, GLsizei width, GLsizei height, GLint border,
                   GLenum format, GLenum type, const void* pixels)
{
    glTexImage2D(target, level, internalFormat == GL_RGBA8 ? GL_RGBA : internalFormat, width, height, border,
                 format, type, pixels);
}

GLuint glGenLists(GLsizei range)
{
    if (range <= 0) {
        return 0;
    }
    const GLuint first = static_cast<GLuint>(s_lists.size());
    s_lists.resize(s_lists.size() + static_cast<size_t>(range));
    return first;
}

void glNewList(GLuint list, GLenum)
{
    if (list > 0 && list < s_lists.size()) {
        s_lists[list].clear();
        s_recording = list;
    }
}

void glEndList(void)
{
    s_recording = 0;
}

void glListBase(GLuint base)
{
    s_listBase = base;
}

void glCallLists(GLsizei n, GLenum type, const GLvoid* lists)
{
    if (type != GL_UNSIGNED_BYTE || lists == nullptr) {
        return;  // the program names its lists by character codes only
    }
    const auto* codes = static_cast<const GLubyte*>(lists);
    for (GLsizei i = 0; i < n; ++i) {
        Replay(s_listBase + codes[i]);
    }
}

void glPushAttrib(GLbitfield)
{
    s_savedListBases.push_back(s_listBase);
}

void glPopAttrib(void)
{
    if (!s_savedListBases.empty()) {
        s_listBase = s_savedListBases.back();
        s_savedListBases.pop_back();
    }
}

void glLoadName(GLuint)
{
}

}  // extern "C"
