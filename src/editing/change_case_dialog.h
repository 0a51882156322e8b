#pragma once

// The Change Case dialog, created once at start-up and kept, so the mode chosen last stays
// selected between uses.

#include <QDialog>

class QButtonGroup;

namespace quillet {

class Editor;

class TChangeCaseDlg : public QDialog {
    Q_OBJECT
public:
    explicit TChangeCaseDlg(QWidget* parent = nullptr);

    // The mode "&OK" stored: 0 sentence, 1 lower, 2 upper, 3 title, 4 initial caps,
    // 5 toggle; 6 (no change) when no entry was selected.
    int mode() const { return m_mode; }
    // The entry selected in the radio group, -1 for none.
    int selectedEntry() const;
    void selectEntry(int entry);

    // Cancel keeps the stored mode, and the entry shown next time is the one last confirmed.
    void reject() override;

private:
    void acceptMode();

    QButtonGroup* m_group = nullptr;
    int m_mode = 0;
};

// Converts the editor's selection in `mode` through replace-selection; nothing when the
// selection is empty.
void changeCaseOfSelection(Editor& editor, int mode);

} // namespace quillet
