#include "select_oracle.h"

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

}  // namespace

int32_t SelectModeHits(PickHit (&hits)[PICK_HITS_MAX])
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
    gluPerspective(45.0, aspect, 0.1, 100.0);
    glMatrixMode(GL_MODELVIEW);

    if (g_gameMode == MODE_MAIN_MENU) {
        DrawMainMenu();
    } else {
        DrawCards();
    }

    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    const GLint records = glRenderMode(GL_RENDER);
    if (records < 0) {
        return -1;
    }
    // Records are: name count, minimum depth, maximum depth, the names.
    int32_t count = 0;
    GLint offset = 0;
    for (GLint record = 0; record < records && offset + 3 <= SELECT_BUFFER_WORDS; ++record) {
        const GLuint nameCount = buffer[offset];
        const GLint next = offset + 3 + static_cast<GLint>(nameCount);
        if (count == PICK_HITS_MAX || nameCount != 1 || next > SELECT_BUFFER_WORDS) {
            return -1;
        }
        hits[count++] = {static_cast<int32_t>(buffer[next - 1]), buffer[offset + 1]};
        offset = next;
    }
    return count;
}

void HandleNearestHit(const PickHit* hits, int32_t count)
{
    if (count < 1) {
        g_pressPending = 0;
        return;
    }
    // The nearest minimum depth wins; of equal depths the first written.
    int32_t best = 0;
    for (int32_t i = 1; i < count; ++i) {
        if (hits[i].minDepth < hits[best].minDepth) {
            best = i;
        }
    }
    g_pickedName = hits[best].name;
    HandlePick(hits[best].name);
}
