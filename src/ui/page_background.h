#pragma once

#include <QtGlobal>
#include <optional>

class QTextEdit;

namespace quillet {

// The page's background: a colour value (red + green * 256 + blue * 65536; its low three
// bytes count, the automatic values mean the window colour), or the system's window colour
// for nullopt.
void applyPageBackground(QTextEdit& editor, std::optional<qint32> colour);

} // namespace quillet
