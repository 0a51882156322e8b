#pragma once

// The node image list `ilVarious`: 150 pictures of 16 x 16 pixels that a node shows in the
// tree, indexed as the tree stream stores them. The pictures are drawn by this program's own
// code (node_image_art*.cpp), so they carry no third-party artwork.

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QStringList>

class QPainter;

namespace quillet {

inline constexpr int kNodeImageCount = 150;
inline constexpr int kNodeImageSize = 16;

// The catalogue's names by index, as the icon chooser shows them.
const QStringList& nodeImageNames();
// Empty outside 0..149.
QString nodeImageName(int index);

// The picture; a null image outside 0..149.
QImage nodeImage(int index);
QIcon nodeIcon(int index);

// Every picture with its index and name, for a person to check the set at a glance.
QImage nodeImageContactSheet();

// Draws picture `index` into the 16 x 16 square at the painter's origin.
void paintNodeImage(QPainter& p, int index);

} // namespace quillet
