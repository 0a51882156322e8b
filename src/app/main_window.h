#pragma once

#include <QMainWindow>

namespace quillet {

class TfrmQuillet : public QMainWindow {
    Q_OBJECT
public:
    explicit TfrmQuillet(const QString& documentPath = QString(), QWidget* parent = nullptr);
};

} // namespace quillet
