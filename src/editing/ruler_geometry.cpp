#include "editing/ruler_geometry.h"

#include <cmath>

namespace quillet::ruler {

namespace {

// The markers' glyphs are drawn 4 pixels left of their nominal place, and the text starts at
// the editor's inset: together the 2 pixels every left-hand position is shifted by.
constexpr int kLeftShift = kEditorInset - 4;
// The right marker's half width and the two pixels of the strip's frame it allows for.
constexpr int kRightHalf = kRightInd.width / 2;

int roundEven(double v) {
    // The default floating-point rounding mode rounds halves to the even neighbour.
    return int(std::nearbyint(v));
}

} // namespace

int pointsToPixels(int points) {
    return roundEven(points * 4.0 / 3.0);
}

int pixelsToPoints(int pixels) {
    return roundEven(pixels * 3.0 / 4.0);
}

int firstIndLeft(int firstIndent) {
    return pointsToPixels(firstIndent) + kLeftShift;
}

int leftIndLeft(int firstIndent, int leftIndent) {
    return pointsToPixels(firstIndent + leftIndent) + kLeftShift;
}

int rightIndLeft(int rightIndent, int width) {
    return width - kEditorInset - pointsToPixels(rightIndent + 6);
}

int firstIndentAt(int edge) {
    return pixelsToPoints(edge - kLeftShift);
}

int leftIndentAt(int edge, int firstIndent) {
    return pixelsToPoints(edge - kLeftShift) - firstIndent;
}

int rightIndentAt(int edge, int width) {
    return pixelsToPoints(width + kRightHalf - edge - 2) - 12;
}

} // namespace quillet::ruler
