#include "app/main_window.h"

namespace quillet {

TfrmQuillet::TfrmQuillet(const QString&, QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(QStringLiteral("Quillet"));
}

} // namespace quillet
