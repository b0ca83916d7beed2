#include "scene/draw.h"

#include <GL/gl.h>

#include "game/lifting.h"
#include "game/placing.h"
#include "game/table.h"
#include "gfx/font.h"
#include "gfx/textures.h"
#include "platform/platform.h"
#include "scene/pickables.h"
#include "scene/scene_state.h"
#include "scores/high_score.h"

namespace {

// A rectangle centred on the current origin in its z plane, texture
// coordinates from (0, 0) at the lower left to (sMax, tMax) at the upper right.
void DrawRectangle(QuadShape shape, float sMax, float tMax)
{
    const float w = shape.halfWidth;
    const float h = shape.halfHeight;
    glBegin(GL_QUADS);
    glTexCoord2f(0.0f, 0.0f);
    glVertex3f(-w, -h, shape.z);
    glTexCoord2f(sMax, 0.0f);
    glVertex3f(w, -h, shape.z);
    glTexCoord2f(sMax, tMax);
    glVertex3f(w, h, shape.z);
    glTexCoord2f(0.0f, tMax);
    glVertex3f(-w, h, shape.z);
    glEnd();
}

void PlaceAt(float x, float y, float z)
{
    glLoadIdentity();
    glTranslatef(x, y, z);
}

// The main menu's placements carry no turns.
void PlaceAt(Placement at) { PlaceAt(at.x, at.y, at.z); }

// Table lookups that a corrupt index must not turn into a read out of bounds:
// an index outside the table draws the quad with no picture.
template <size_t N>
TextureSlot SlotAt(const TextureSlot (&slots)[N], int32_t index)
{
    return index >= 0 && static_cast<size_t>(index) < N ? slots[index] : 0;
}

// A card's outline in the pile's own plane.
constexpr QuadShape PILE_MARKER = {CARD_FACE.halfWidth, CARD_FACE.halfHeight, 0.0f};

}  // namespace

void DrawFrame()
{
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    if (g_gameMode == MODE_MAIN_MENU) {
        DrawMainMenu();
    } else {
        DrawTable();
        const GameLayout& layout = CurrentLayout();
        for (int32_t p = 0; p < layout.pileCount && p < PILES_PER_LAYOUT; ++p) {
            const Pile& pile = layout.piles[p];
            if (pile.markerIndex != 0) {
                DrawPileMarker(pile.slots[0].x, pile.slots[0].y, pile.slots[0].z, pile.markerIndex);
            }
        }
        DrawCards();
        DrawTextOverlay();
    }
    glFlush();
}

void DrawMainMenu()
{
    // Takes effect at the next frame's clear.
    glClearColor(1.0f, 1.0f, 1.0f, 0.5f);

    // The backdrop: the tile repeated 4 x 4 times, then the picture laid over
    // it once, keyed so the tile shows through its holes.
    PlaceAt(MenuBackdropPlacement());
    glBindTexture(GL_TEXTURE_2D, g_menuTileTexture);
    glNormal3f(0.0f, 0.0f, 1.0f);
    DrawRectangle(MENU_BACKDROP, 4.0f, 4.0f);
    glBindTexture(GL_TEXTURE_2D, g_menuBackdropTexture);
    glNormal3f(0.0f, 0.0f, 1.0f);
    DrawRectangle(MENU_BACKDROP, 1.0f, 1.0f);

    PlaceAt(MenuPreviewPlacement());
    glBindTexture(GL_TEXTURE_2D, SlotAt(g_gamePreviewTextures, g_previewGame));
    glNormal3f(0.0f, 0.0f, 1.0f);
    DrawRectangle(MENU_PREVIEW, 1.0f, 1.0f);

    for (int k = 0; k < MENU_BUTTON_COUNT; ++k) {
        glLoadName(MENU_BUTTON_FIRST_NAME + k);
        PlaceAt(MenuButtonPlacement(k));
        glBindTexture(GL_TEXTURE_2D, g_menuButtonTextures[k]);
        glNormal3f(0.0f, 0.0f, 1.0f);
        DrawRectangle(MENU_BUTTON, 1.0f, 1.0f);
    }
}

void DrawTable()
{
    glClearColor(0.5f, 0.5f, 0.5f, 1.0f);

    // Once on each full and half minute; a second missed by a slow frame is
    // simply skipped.
    const int32_t second = SysSecondOfMinute();
    if ((second == 0 || second == 30) && second != g_lastBackgroundSecond && g_alternateBackgrounds) {
        g_lastBackgroundSecond = second;
        AdvanceBackground();
    }

    // The cloth lies one unit behind the piles.
    PlaceAt(0.0f, 0.0f, -25.0f);
    glBindTexture(GL_TEXTURE_2D, g_backgroundTexture);
    glBegin(GL_QUADS);
    glNormal3f(0.0f, 0.0f, 1.0f);
    glTexCoord2f(0.0f, 0.0f);
    glVertex3f(-16.0f, -12.0f, -1.0f);
    glTexCoord2f(1.0f, 0.0f);
    glVertex3f(16.0f, -12.0f, -1.0f);
    glTexCoord2f(1.0f, 1.0f);
    glVertex3f(16.0f, 12.0f, -1.0f);
    glTexCoord2f(0.0f, 1.0f);
    glVertex3f(-16.0f, 12.0f, -1.0f);
    glEnd();
}

void DrawPileMarker(float x, float y, float z, int32_t markerIndex)
{
    PlaceAt(x, y, z);
    glBindTexture(GL_TEXTURE_2D, SlotAt(g_pileMarkerTextures, markerIndex));
    DrawRectangle(PILE_MARKER, 1.0f, 1.0f);
}

void DrawCards()
{
    for (int32_t i = 0; i < CARD_COUNT; ++i) {
        glLoadName(static_cast<GLuint>(i));
        DrawCard(g_cards[i]);
    }
}

void DrawCard(Card card)
{
    const Placement at = CardPlacement(card);
    PlaceAt(at.x, at.y, at.z);
    // In this order the z turn applies to the card first.
    glRotatef(at.rotX, 1.0f, 0.0f, 0.0f);
    glRotatef(at.rotY, 0.0f, 1.0f, 0.0f);
    glRotatef(at.rotZ, 0.0f, 0.0f, 1.0f);

    const float w = CARD_FACE.halfWidth;
    const float h = CARD_FACE.halfHeight;
    const float d = CARD_FACE.z;
    static_assert(CARD_BACK.halfWidth == CARD_FACE.halfWidth && CARD_BACK.halfHeight == CARD_FACE.halfHeight &&
                  CARD_BACK.z == -CARD_FACE.z);

    glBindTexture(GL_TEXTURE_2D, SlotAt(g_cardTextures, card.textureIndex));
    glBegin(GL_QUADS);
    glNormal3f(0.0f, 0.0f, 1.0f);
    glTexCoord2f(0.0f, 0.0f);
    glVertex3f(-w, -h, d);
    glTexCoord2f(1.0f, 0.0f);
    glVertex3f(w, -h, d);
    glTexCoord2f(1.0f, 1.0f);
    glVertex3f(w, h, d);
    glTexCoord2f(0.0f, 1.0f);
    glVertex3f(-w, h, d);
    glEnd();

    // Mirrored in s, so the back reads the right way round once the card has
    // turned half a turn about y.
    glBindTexture(GL_TEXTURE_2D, g_cardTextures[0]);
    glBegin(GL_QUADS);
    glNormal3f(0.0f, 0.0f, -1.0f);
    glTexCoord2f(1.0f, 0.0f);
    glVertex3f(-w, -h, -d);
    glTexCoord2f(1.0f, 1.0f);
    glVertex3f(-w, h, -d);
    glTexCoord2f(0.0f, 1.0f);
    glVertex3f(w, h, -d);
    glTexCoord2f(0.0f, 0.0f);
    glVertex3f(w, -h, -d);
    glEnd();
}

void DrawTextOverlay()
{
    // The glyphs carry no texture coordinates: every line takes the colour of
    // the text texture at (0, 0), set here rather than left to the card drawing.
    glTexCoord2f(0.0f, 0.0f);

    PlaceAt(g_movesTextPos.x, g_movesTextPos.y, g_movesTextPos.z);
    glBindTexture(GL_TEXTURE_2D, g_textTexture);
    PrintText("Moves:  %d", g_moveCount);

    PlaceAt(g_congratsTextPos.x, g_congratsTextPos.y, g_congratsTextPos.z);
    glBindTexture(GL_TEXTURE_2D, g_textTexture);
    PrintText("Congratulations!");

    // The name is shown literally, and never read past its 30 bytes.
    PlaceAt(g_congratsTextPos.x, g_congratsTextPos.y - 1.0f, g_congratsTextPos.z);
    glBindTexture(GL_TEXTURE_2D, g_textTexture);
    PrintText("%.*s", HIGH_SCORE_NAME_SIZE - 1, g_highScoreName);
}
