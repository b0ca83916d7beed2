// The congratulation line and the name under it fit inside a 4:3 view where
// the win sequence leaves them, measured with the advances the font the
// program builds its text from actually gives.
#include "game/table.h"
#include "gfx/font_geometry.h"
#include "scene/scene_state.h"
#include "scene/update.h"
#include "scene/view.h"
#include "scores/high_score.h"
#include "support/reset.h"
#include "support/reset_scene.h"

#include <QRawFont>

#include <cmath>
#include <cstring>
#include <string>

#include <gtest/gtest.h>

namespace {

// The narrowest window the table is laid out for is 4:3.
constexpr double NARROW_ASPECT = 4.0 / 3.0;
// The text's glyphs are drawn one table unit to the em, with no scaling.
constexpr double UNITS_PER_EM = 1.0;

double WidthInEms(const std::string& text)
{
    const std::vector<GlyphGeometry>* glyphs = FontGeometry();
    double width = 0.0;
    for (unsigned char c : text) width += (*glyphs)[c].advance;
    return width;
}

// Where "Congratulations!" comes to rest on the win screen, flown there by
// the per-frame update itself; the name is drawn from the same x.
TextPos RestingPlaceOfTheWinText()
{
    ResetGameState();
    ResetSceneState();
    g_gameMode = MODE_WIN;
    TextPos last = g_congratsTextPos;
    for (int frame = 0; frame < 10000; ++frame) {
        UpdateFrame(16);
        if (std::memcmp(&last, &g_congratsTextPos, sizeof last) == 0 && frame > 0) break;
        last = g_congratsTextPos;
    }
    ResetGameState();
    ResetSceneState();
    return last;
}

// Ems from the text's start to the right edge of a 4:3 view at its depth.
double RoomToTheRightEdge(const TextPos& at)
{
    const double halfHeight = -at.z * std::tan(FIELD_OF_VIEW / 2.0 * M_PI / 180.0);
    return (halfHeight * NARROW_ASPECT - at.x) / UNITS_PER_EM;
}

TEST(WinText, FitsA43ViewWhereItComesToRest)
{
    ASSERT_NE(FontGeometry(), nullptr) << "no face for the text";
    const TextPos rest = RestingPlaceOfTheWinText();
    ASSERT_LT(rest.z, 0.0f) << "the text stays in front of the eye";
    const double room = RoomToTheRightEdge(rest);
    // On the left the text starts inside the view too.
    EXPECT_GT(rest.x, -(-rest.z * std::tan(FIELD_OF_VIEW / 2.0 * M_PI / 180.0)) * NARROW_ASPECT);

    const double congratulations = WidthInEms("Congratulations!");
    EXPECT_LT(congratulations, room) << "\"Congratulations!\" is " << congratulations << " em, the view leaves "
                                     << room << " em";

    // A long first and last name, 18 characters. The name may hold 29, but no
    // 29 letters fit at one unit to the em: the room leaves a quarter of an em
    // a letter, about the width of an "i" or an "l" with its spacing, where
    // 29 lower-case letters of this face take 13 ems and 29 "W"s 22.
    const std::string longName = "Alexandra Lindberg";
    ASSERT_LT(longName.size(), size_t(HIGH_SCORE_NAME_SIZE));
    EXPECT_LT(WidthInEms(longName), room) << "a long name is " << WidthInEms(longName) << " em";
    std::printf("room %.2f em; \"Congratulations!\" %.2f em; \"%s\" %.2f em; 29 x 'W' %.2f em; 29 x 'e' %.2f em\n",
                room, congratulations, longName.c_str(), WidthInEms(longName), WidthInEms(std::string(29, 'W')),
                WidthInEms(std::string(29, 'e')));
}

}  // namespace
