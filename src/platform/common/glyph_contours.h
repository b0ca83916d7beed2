#pragma once
// What every glyph-outline service does at the end of a flattened contour.

#include <vector>

// Ends the contour being flattened (x0, y0, x1, y1, ...): a last point that
// repeats the first is dropped, and a contour of at least three points joins
// `contours`. The contour is left empty either way.
void CloseGlyphContour(std::vector<std::vector<float>>* contours, std::vector<float>* contour);
