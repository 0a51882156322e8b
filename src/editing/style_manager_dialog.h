#pragma once

// The Style Manager: create, change and remove the styles of the style sheet. It has no OK
// button; every Save and Remove writes the file at once.

#include "editing/style_sheet.h"

#include <QDialog>
#include <functional>
#include <utility>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFontComboBox;
class QSpinBox;
class QTabWidget;

namespace quillet {

class ColorPickerWidget;
class Prompts;

class TfrmStyleManager : public QDialog {
    Q_OBJECT
public:
    // `current` reads the main editor's selection for "&Get Current".
    using SelectionReader = std::function<std::pair<CharAttributes, ParaAttributes>()>;

    TfrmStyleManager(const StyleSheetLocation& where, Prompts& prompts, SelectionReader current,
                     QWidget* parent = nullptr);

    // What the controls show, as a style.
    StyleValues values() const;
    void setValues(const StyleValues& v);

    QComboBox* styleList() const { return m_styles; }
    QTabWidget* pages() const { return m_pages; }

    void addStyle();
    void removeSelected();
    void saveCurrent();
    void getCurrent();
    void loadStyle(const QString& name);

private:
    void fillList(const QStringList& names);

    StyleSheetLocation m_where;
    Prompts& m_prompts;
    SelectionReader m_current;
    QComboBox* m_styles = nullptr;
    QTabWidget* m_pages = nullptr;
    QFontComboBox* m_fontName = nullptr;
    QSpinBox* m_fontSize = nullptr;
    ColorPickerWidget* m_fontColor = nullptr;
    QCheckBox* m_bold = nullptr;
    QCheckBox* m_italic = nullptr;
    QCheckBox* m_underline = nullptr;
    QCheckBox* m_strikeOut = nullptr;
    QButtonGroup* m_alignment = nullptr;
    QSpinBox* m_lineSpacing = nullptr;
    QSpinBox* m_firstIndent = nullptr;
    ColorPickerWidget* m_backColor = nullptr;
    QCheckBox* m_hidden = nullptr;
    QCheckBox* m_disabled = nullptr;
    QCheckBox* m_protected = nullptr;
};

} // namespace quillet
