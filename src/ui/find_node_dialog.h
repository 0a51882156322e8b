#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace quillet {

// The node search's find dialog: modeless, searching the whole tree downwards, with match
// case as its only option. Asking to find reports the text and closes the dialog, whether
// anything is found or not.
class FindNodeDialog : public QDialog {
    Q_OBJECT
public:
    explicit FindNodeDialog(QWidget* parent = nullptr);

    QLineEdit* textBox() const { return txtFind_; }
    QCheckBox* matchCaseBox() const { return chkMatchCase_; }
    QPushButton* findButton() const { return btnFind_; }

signals:
    void findRequested(const QString& text, bool matchCase);

private:
    QLineEdit* txtFind_;
    QCheckBox* chkMatchCase_;
    QPushButton* btnFind_;
};

} // namespace quillet
