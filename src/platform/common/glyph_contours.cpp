#include "platform/common/glyph_contours.h"

#include <cstddef>
#include <utility>

void CloseGlyphContour(std::vector<std::vector<float>>* contours, std::vector<float>* contour)
{
    const size_t n = contour->size();
    if (n >= 4 && (*contour)[0] == (*contour)[n - 2] && (*contour)[1] == (*contour)[n - 1]) {
        contour->resize(n - 2);  // the closing point repeats the first
    }
    if (contour->size() >= 6) {
        contours->push_back(std::move(*contour));
    }
    contour->clear();
}
