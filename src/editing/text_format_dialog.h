#pragma once

// "Format Text": the character attributes the toolbar does not reach.

#include "editing/format_dialog_values.h"

#include <QDialog>

class QButtonGroup;
class QCheckBox;
class QFontComboBox;
class QSpinBox;
class QTextEdit;

namespace quillet {

class ColorPickerWidget;

class TfrmAdvFormat : public QDialog {
    Q_OBJECT
public:
    explicit TfrmAdvFormat(QWidget* parent = nullptr);

    void setValues(const TextDialogValues& v);
    TextDialogValues values() const;

private:
    QFontComboBox* m_fontName = nullptr;
    QSpinBox* m_fontSize = nullptr;
    QCheckBox* m_disabled = nullptr;
    QCheckBox* m_protected = nullptr;
    QCheckBox* m_hidden = nullptr;
    QCheckBox* m_link = nullptr;
    QCheckBox* m_bold = nullptr;
    QCheckBox* m_italic = nullptr;
    QCheckBox* m_underline = nullptr;
    QCheckBox* m_strikeOut = nullptr;
    QButtonGroup* m_underlineStyle = nullptr;
    QButtonGroup* m_script = nullptr;
    ColorPickerWidget* m_foreground = nullptr;
    ColorPickerWidget* m_background = nullptr;
};

// `FormatText`: fills the dialog from the selection, runs it, and on "OK" writes it back.
// True when the person confirmed.
bool runTextFormatDialog(QTextEdit& editor, QWidget* parent);

} // namespace quillet
