#include "ui/page_background.h"

#include "ui/text_attributes.h"

#include <QApplication>
#include <QPalette>
#include <QTextEdit>

namespace quillet {

void applyPageBackground(QTextEdit& editor, std::optional<qint32> colour) {
    QPalette palette = editor.palette();
    const QColor window = QApplication::palette().color(QPalette::Base);
    QColor c = window;
    // The automatic values name the window colour; any other value shows its red, green
    // and blue bytes (a triple with -1 parts included).
    if (colour && *colour != kAutoBackColor && *colour != kAutoTextColor)
        c = colorFromValue(*colour);
    palette.setColor(QPalette::Base, c);
    editor.setPalette(palette);
}

} // namespace quillet
