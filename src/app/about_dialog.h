#pragma once

#include <QDialog>

namespace quillet {

// "About - Quillet": product name, version, OK.
class TfrmAbout : public QDialog {
    Q_OBJECT
public:
    explicit TfrmAbout(QWidget* parent);
    static QString versionText();
};

} // namespace quillet
