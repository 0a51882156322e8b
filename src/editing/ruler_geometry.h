#pragma once

// The ruler's arithmetic: where the three indent markers stand for a paragraph's indents,
// and which indent a marker's position stands for when it is let go. Screen lengths are
// pixels at 96 per inch, indents whole points (one point is 4/3 pixel); conversions round to
// the nearest whole number, halves to the even neighbour.
//
// Every release formula is the exact inverse of its placement formula, so pressing a marker
// and letting it go without moving keeps the paragraph as it was.

namespace quillet::ruler {

inline constexpr int kHeight = 26;
// Where the editor's text starts: its inset from the editor's left and right edges.
inline constexpr int kEditorInset = 6;

struct MarkerShape {
    int top;
    int width;
    int height;
};
inline constexpr MarkerShape kFirstInd{2, 10, 9};
inline constexpr MarkerShape kLeftInd{12, 10, 11};
inline constexpr MarkerShape kRightInd{14, 9, 12};

int pointsToPixels(int points);
int pixelsToPoints(int pixels);

// Left edges of the markers for a paragraph (F first indent, L left indent, R right indent)
// on a strip whose inner width is `width`.
int firstIndLeft(int firstIndent);
int leftIndLeft(int firstIndent, int leftIndent);
int rightIndLeft(int rightIndent, int width);

// The indents the markers' left edges stand for.
int firstIndentAt(int firstIndLeftEdge);
// The left indent is relative to the first indent the paragraph has at that moment.
int leftIndentAt(int leftIndLeftEdge, int firstIndent);
int rightIndentAt(int rightIndLeftEdge, int width);

} // namespace quillet::ruler
