#pragma once

// "Format Paragraph": the paragraph attributes the toolbar does not reach.

#include "editing/format_dialog_values.h"

#include <QDialog>

class QButtonGroup;
class QGroupBox;
class QSpinBox;
class QTabWidget;
class QTextEdit;

namespace quillet {

class TParaFormatDlg : public QDialog {
    Q_OBJECT
public:
    explicit TParaFormatDlg(QWidget* parent = nullptr);

    void setValues(const ParaDialogValues& v);
    ParaDialogValues values() const;
    // The editor keeps paragraph spacing; a page without it would disable the group.
    void setSpacingAvailable(bool available);

    QTabWidget* pages() const { return m_pages; }

private:
    QTabWidget* m_pages = nullptr;
    QSpinBox* m_left = nullptr;
    QSpinBox* m_right = nullptr;
    QSpinBox* m_first = nullptr;
    QSpinBox* m_before = nullptr;
    QSpinBox* m_after = nullptr;
    QSpinBox* m_lineSpacing = nullptr;
    QGroupBox* m_spacing = nullptr;
    QButtonGroup* m_alignment = nullptr;
    QButtonGroup* m_numbering = nullptr;
    QButtonGroup* m_numberingStyle = nullptr;
    QButtonGroup* m_heading = nullptr;
};

// `FormatPara`: fills the dialog from the editor's paragraphs, runs it, and on "OK" writes
// it back. True when the person confirmed.
bool runParaFormatDialog(QTextEdit& editor, QWidget* parent);

} // namespace quillet
