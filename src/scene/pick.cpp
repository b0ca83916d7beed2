#include "scene/pick.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include "game/lifting.h"
#include "game/table.h"
#include "scene/draw.h"
#include "scene/scene_state.h"

namespace {

// With one name on the stack a hit record is 4 words, so 512 words hold 128
// records: more than the 52 cards or 6 menu objects that can be hit.
constexpr GLsizei SELECT_BUFFER_WORDS = 512;
constexpr GLdouble PICK_FIELD_OF_VIEW = 45.0;
constexpr GLdouble PICK_NEAR = 0.1;
constexpr GLdouble PICK_FAR = 100.0;

}  // namespace

void PickAtPointer()
{
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);

    GLuint buffer[SELECT_BUFFER_WORDS];
    glSelectBuffer(SELECT_BUFFER_WORDS, buffer);
    glRenderMode(GL_SELECT);
    glInitNames();
    glPushName(0);  // the name of everything that sets none of its own

    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    gluPickMatrix(static_cast<GLdouble>(g_pointerX), static_cast<GLdouble>(viewport[3] - g_pointerY), 1.0, 1.0,
                  viewport);
    const GLdouble aspect = static_cast<GLfloat>(viewport[2] - viewport[0]) /
                            static_cast<GLfloat>(viewport[3] - viewport[1]);
    gluPerspective(PICK_FIELD_OF_VIEW, aspect, PICK_NEAR, PICK_FAR);
    glMatrixMode(GL_MODELVIEW);

    // Only the pickable objects, and nothing that changes the picture's state.
    if (g_gameMode == MODE_MAIN_MENU) {
        DrawMainMenu();
    } else {
        DrawCards();
    }

    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    const GLint hits = glRenderMode(GL_RENDER);  // -1 when the buffer overflowed
    if (hits < 1) {
        g_pressPending = 0;
        return;
    }

    // Records are: name count, minimum depth, maximum depth, the names. The
    // nearest minimum depth wins; of equal depths the first written.
    GLuint bestDepth = 0;
    GLint bestName = 0;
    GLint offset = 0;
    for (GLint record = 0; record < hits && offset + 3 <= SELECT_BUFFER_WORDS; ++record) {
        const GLuint nameCount = buffer[offset];
        const GLuint minDepth = buffer[offset + 1];
        const GLint next = offset + 3 + static_cast<GLint>(nameCount);
        const GLint name = nameCount > 0 && next <= SELECT_BUFFER_WORDS ? static_cast<GLint>(buffer[next - 1]) : 0;
        if (record == 0 || minDepth < bestDepth) {
            bestDepth = minDepth;
            bestName = name;
        }
        offset = next;
    }
    g_pickedName = bestName;
    HandlePick(bestName);
}
