#include "editing/text_format_dialog.h"

#include "editing/color_picker_widget.h"
#include "editing/dialog_controls.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFontComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>

namespace quillet {

namespace {

QCheckBox* check(QWidget* parent, const QString& text, const QString& name) {
    auto* c = new QCheckBox(text, parent);
    c->setObjectName(name);
    return c;
}

} // namespace

TfrmAdvFormat::TfrmAdvFormat(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TfrmAdvFormat"));
    setWindowTitle(QStringLiteral("Format Text"));
    auto* pages = new QTabWidget(this);
    auto* page = new QWidget(pages);
    pages->addTab(page, QStringLiteral("Text Formatting"));

    m_fontName = new QFontComboBox(page);
    m_fontName->setObjectName(QStringLiteral("cboFontName"));
    m_fontSize = makeNumberBox(page, QStringLiteral("seFontSize"));
    auto* fontForm = new QFormLayout;
    fontForm->addRow(QStringLiteral("Font Name"), m_fontName);
    fontForm->addRow(QStringLiteral("Font Size"), m_fontSize);

    auto* various = new QGroupBox(QStringLiteral("Various"), page);
    auto* variousLayout = new QVBoxLayout(various);
    m_disabled = check(various, QStringLiteral("Disabled"), QStringLiteral("chkDisabled"));
    m_protected = check(various, QStringLiteral("Protected"), QStringLiteral("chkProtected"));
    m_hidden = check(various, QStringLiteral("Hidden"), QStringLiteral("chkHidden"));
    m_link = check(various, QStringLiteral("Is Link"), QStringLiteral("chkLink"));
    for (QCheckBox* c : {m_disabled, m_protected, m_hidden, m_link})
        variousLayout->addWidget(c);

    QGroupBox* underline =
        makeRadioGroup(page, QStringLiteral("Underline Style"), QStringLiteral("rdoUnderlineStyle"),
                       {QStringLiteral("None"), QStringLiteral("Solid"), QStringLiteral("Word"),
                        QStringLiteral("Double"), QStringLiteral("Dotted"), QStringLiteral("Dash")},
                       &m_underlineStyle);
    QGroupBox* script = makeRadioGroup(
        page, QStringLiteral("Text Style"), QStringLiteral("rdoTextStyle"),
        {QStringLiteral("Normal"), QStringLiteral("Subscript"), QStringLiteral("Superscript")},
        &m_script);

    auto* attributes = new QGroupBox(QStringLiteral("Attributes"), page);
    auto* attributesLayout = new QVBoxLayout(attributes);
    m_bold = check(attributes, QStringLiteral("Bold"), QStringLiteral("chkBold"));
    m_italic = check(attributes, QStringLiteral("Italic"), QStringLiteral("chkItalic"));
    m_underline = check(attributes, QStringLiteral("Underline"), QStringLiteral("chkUnderline"));
    m_strikeOut = check(attributes, QStringLiteral("Strike Out"), QStringLiteral("chkStrikeOut"));
    for (QCheckBox* c : {m_bold, m_italic, m_underline, m_strikeOut})
        attributesLayout->addWidget(c);

    auto* colors = new QGroupBox(QStringLiteral("Colors"), page);
    auto* colorsForm = new QFormLayout(colors);
    m_foreground = new ColorPickerWidget(colors);
    m_foreground->setObjectName(QStringLiteral("clrForeground"));
    m_background = new ColorPickerWidget(colors);
    m_background->setObjectName(QStringLiteral("clrBackground"));
    colorsForm->addRow(QStringLiteral("Foreground"), m_foreground);
    colorsForm->addRow(QStringLiteral("Background"), m_background);

    auto* grid = new QGridLayout(page);
    grid->addLayout(fontForm, 0, 0, 1, 3);
    grid->addWidget(various, 1, 0);
    grid->addWidget(underline, 1, 1);
    grid->addWidget(script, 1, 2);
    grid->addWidget(attributes, 2, 0);
    grid->addWidget(colors, 2, 1, 1, 2);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("btnOK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Cancel"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("btnCancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages);
    layout->addWidget(buttons);
}

void TfrmAdvFormat::setValues(const TextDialogValues& v) {
    m_background->setValue(v.background);
    m_foreground->setValue(v.foreground);
    m_fontSize->setValue(v.size);
    m_fontName->setCurrentFont(QFont(v.fontName));
    // A font that is not installed still keeps its name.
    m_fontName->setEditText(v.fontName);
    m_disabled->setChecked(v.disabled);
    m_hidden->setChecked(v.hidden);
    m_protected->setChecked(v.isProtected);
    m_link->setChecked(v.link);
    m_bold->setChecked(v.bold);
    m_italic->setChecked(v.italic);
    m_underline->setChecked(v.underline);
    m_strikeOut->setChecked(v.strikeOut);
    selectRadio(m_underlineStyle, v.underlineEntry);
    selectRadio(m_script, v.scriptEntry);
}

TextDialogValues TfrmAdvFormat::values() const {
    TextDialogValues v;
    v.background = m_background->value();
    v.foreground = m_foreground->value();
    v.size = m_fontSize->value();
    v.fontName = m_fontName->currentText();
    v.disabled = m_disabled->isChecked();
    v.hidden = m_hidden->isChecked();
    v.isProtected = m_protected->isChecked();
    v.link = m_link->isChecked();
    v.bold = m_bold->isChecked();
    v.italic = m_italic->isChecked();
    v.underline = m_underline->isChecked();
    v.strikeOut = m_strikeOut->isChecked();
    v.underlineEntry = m_underlineStyle->checkedId();
    v.scriptEntry = m_script->checkedId();
    return v;
}

bool runTextFormatDialog(QTextEdit& editor, QWidget* parent) {
    TfrmAdvFormat dlg(parent);
    dlg.setValues(fillTextDialog(readCharAttributes(editor.textCursor())));
    if (dlg.exec() != QDialog::Accepted)
        return false;
    QTextCursor c = editor.textCursor();
    applyTextDialog(dlg.values(), c);
    // With nothing selected the insertion point's format is what changed.
    editor.setTextCursor(c);
    return true;
}

} // namespace quillet
