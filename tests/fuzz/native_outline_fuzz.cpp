// libFuzzer target: the walk of the glyph outline buffer GDI gives (the
// Windows glyph service) reads nothing outside it, and what it flattens is
// closed contours of finite points inside the outline units' range, at most
// 64 chords a curve. The first byte picks the flattening's deviation, odd
// ones among them; the rest is the buffer.

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <vector>

#include "platform/common/native_outline.h"

namespace {
constexpr int32_t UNITS_PER_EM = 2048;  // what the glyph service asks for
constexpr float DEVIATIONS[] = {0.002f, 0.0005f, 0.1f, 1e-9f, 0.0f, -1.0f,
                                std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity()};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0) {
        return 0;
    }
    std::vector<std::vector<float>> contours;
    FlattenNativeOutline(data + 1, size - 1, UNITS_PER_EM, DEVIATIONS[data[0] % 8], &contours);
    // 16.16 points of at most 32768 units; curves stay inside their points' hull.
    const float largest = 32768.0f / UNITS_PER_EM;
    // Each point record gives at most 64 points, the polygon's start one.
    size_t points = 0;
    for (const std::vector<float>& contour : contours) {
        if (contour.size() < 6 || contour.size() % 2 != 0) {
            std::abort();
        }
        for (float value : contour) {
            if (!std::isfinite(value) || std::fabs(value) > largest) {
                std::abort();
            }
        }
        points += contour.size() / 2;
    }
    if (points > (size / 8 + 1) * 64) {
        std::abort();
    }
    return 0;
}
