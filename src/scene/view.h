#pragma once
// How the table is seen: the perspective the drawing projects through and the
// pick tests against, and the table's extents the pointer is mapped onto.

// The perspective's vertical field of view, in degrees.
constexpr double FIELD_OF_VIEW = 45.0;
// Table units from the middle of the viewport to its side and to its top and
// bottom, for the pointer's place on the table: about what the field of view
// shows at the table's depth, widened to the window's first 4:3 shape.
constexpr double TABLE_HALF_WIDTH = 14.0;
constexpr double TABLE_HALF_HEIGHT = 10.0;
