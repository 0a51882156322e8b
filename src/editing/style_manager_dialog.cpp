#include "editing/style_manager_dialog.h"

#include "editing/color_picker_widget.h"
#include "editing/dialog_controls.h"
#include "store/prompts.h"
#include "texttools/case_conversion.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFontComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace quillet {

namespace {

QCheckBox* check(QWidget* parent, const QString& text, const QString& name) {
    auto* c = new QCheckBox(text, parent);
    c->setObjectName(name);
    return c;
}

QPushButton* button(QWidget* parent, const QString& text, const QString& name) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

// Radio entries in their order: "Left", "Center", "Right".
int alignmentEntry(const QString& stored) {
    const QString a = lowerCaseAZ(stored);
    if (a == QLatin1String("left"))
        return 0;
    if (a == QLatin1String("center"))
        return 1;
    if (a == QLatin1String("right"))
        return 2;
    return -1;
}

} // namespace

TfrmStyleManager::TfrmStyleManager(const StyleSheetLocation& where, Prompts& prompts,
                                   SelectionReader current, QWidget* parent)
    : QDialog(parent), m_where(where), m_prompts(prompts), m_current(std::move(current)) {
    setObjectName(QStringLiteral("TfrmStyleManager"));
    setWindowTitle(QStringLiteral("Style Manager"));

    m_styles = new QComboBox(this);
    m_styles->setObjectName(QStringLiteral("cboStyleList"));
    m_styles->setMinimumWidth(200);
    auto* top = new QHBoxLayout;
    auto* stylesLabel = new QLabel(QStringLiteral("Styles"), this);
    stylesLabel->setBuddy(m_styles);
    top->addWidget(stylesLabel);
    top->addWidget(m_styles, 1);

    m_pages = new QTabWidget(this);
    auto* font = new QWidget(m_pages);
    m_fontName = new QFontComboBox(font);
    m_fontName->setObjectName(QStringLiteral("cboFontName"));
    m_fontSize = makeNumberBox(font, QStringLiteral("seFontSize"));
    m_fontColor = new ColorPickerWidget(font);
    m_fontColor->setObjectName(QStringLiteral("clrFont"));
    auto* fontForm = new QFormLayout(font);
    fontForm->addRow(QStringLiteral("Font Name"), m_fontName);
    fontForm->addRow(QStringLiteral("Font Size"), m_fontSize);
    fontForm->addRow(QStringLiteral("Font Color"), m_fontColor);
    m_bold = check(font, QStringLiteral("Bold"), QStringLiteral("chkBold"));
    m_italic = check(font, QStringLiteral("Italic"), QStringLiteral("chkItalic"));
    m_underline = check(font, QStringLiteral("Underline"), QStringLiteral("chkUnderline"));
    m_strikeOut = check(font, QStringLiteral("Strike Out"), QStringLiteral("chkStrikeOut"));
    auto* fontChecks = new QGridLayout;
    fontChecks->addWidget(m_bold, 0, 0);
    fontChecks->addWidget(m_italic, 0, 1);
    fontChecks->addWidget(m_underline, 1, 0);
    fontChecks->addWidget(m_strikeOut, 1, 1);
    fontForm->addRow(fontChecks);
    m_pages->addTab(font, QStringLiteral("Font"));

    auto* para = new QWidget(m_pages);
    QGroupBox* alignment = makeRadioGroup(
        para, QStringLiteral("Paragraph Alignment"), QStringLiteral("rdoAlignment"),
        {QStringLiteral("Left"), QStringLiteral("Center"), QStringLiteral("Right")}, &m_alignment);
    m_lineSpacing = makeNumberBox(para, QStringLiteral("seLineSpacing"));
    m_firstIndent = makeNumberBox(para, QStringLiteral("seFirstIndent"));
    m_backColor = new ColorPickerWidget(para);
    m_backColor->setObjectName(QStringLiteral("clrBack"));
    m_hidden = check(para, QStringLiteral("Hidden"), QStringLiteral("chkHidden"));
    m_disabled = check(para, QStringLiteral("Disabled"), QStringLiteral("chkDisabled"));
    m_protected = check(para, QStringLiteral("Protected"), QStringLiteral("chkProtected"));
    auto* paraForm = new QFormLayout;
    paraForm->addRow(QStringLiteral("Line Spacing"), m_lineSpacing);
    paraForm->addRow(QStringLiteral("First Indent"), m_firstIndent);
    paraForm->addRow(QStringLiteral("Back Color"), m_backColor);
    auto* paraChecks = new QVBoxLayout;
    paraChecks->addWidget(m_hidden);
    paraChecks->addWidget(m_disabled);
    paraChecks->addWidget(m_protected);
    auto* paraLayout = new QGridLayout(para);
    paraLayout->addWidget(alignment, 0, 0);
    paraLayout->addLayout(paraForm, 0, 1);
    paraLayout->addLayout(paraChecks, 1, 0, 1, 2);
    m_pages->addTab(para, QStringLiteral("Paragraph"));

    auto* buttons = new QVBoxLayout;
    QPushButton* add = button(this, QStringLiteral("&Add"), QStringLiteral("btnAdd"));
    QPushButton* remove = button(this, QStringLiteral("&Remove"), QStringLiteral("btnRemove"));
    QPushButton* save = button(this, QStringLiteral("&Save"), QStringLiteral("btnSave"));
    QPushButton* get =
        button(this, QStringLiteral("&Get Current"), QStringLiteral("btnGetCurrent"));
    for (QPushButton* b : {add, remove, save, get})
        buttons->addWidget(b);
    buttons->addStretch();
    connect(add, &QPushButton::clicked, this, &TfrmStyleManager::addStyle);
    connect(remove, &QPushButton::clicked, this, &TfrmStyleManager::removeSelected);
    connect(save, &QPushButton::clicked, this, &TfrmStyleManager::saveCurrent);
    connect(get, &QPushButton::clicked, this, &TfrmStyleManager::getCurrent);
    connect(m_styles, &QComboBox::activated, this,
            [this](int index) { loadStyle(m_styles->itemText(index)); });

    auto* left = new QVBoxLayout;
    left->addLayout(top);
    left->addWidget(m_pages);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setValues(newStyleValues());
    fillList(ReadStyleNames(m_where.readPath()));
    m_pages->setCurrentIndex(0);
}

void TfrmStyleManager::fillList(const QStringList& names) {
    m_styles->clear();
    m_styles->addItems(names);
    m_styles->setCurrentIndex(-1);
}

StyleValues TfrmStyleManager::values() const {
    StyleValues v;
    switch (m_alignment->checkedId()) {
    case 1:
        v.alignment = QStringLiteral("Center");
        break;
    case 2:
        v.alignment = QStringLiteral("Right");
        break;
    default:
        v.alignment = QStringLiteral("Left");
    }
    v.firstIndent = m_firstIndent->value();
    v.lineSpacing = m_lineSpacing->value();
    v.fontName = m_fontName->currentText();
    v.fontSize = m_fontSize->value();
    v.disabled = m_disabled->isChecked();
    v.hidden = m_hidden->isChecked();
    v.isProtected = m_protected->isChecked();
    v.bold = m_bold->isChecked();
    v.italic = m_italic->isChecked();
    v.underline = m_underline->isChecked();
    v.strikeOut = m_strikeOut->isChecked();
    v.color = m_fontColor->value();
    v.backColor = m_backColor->value();
    return v;
}

void TfrmStyleManager::setValues(const StyleValues& v) {
    // Alignment text that names no entry leaves the group as it is.
    if (const int entry = alignmentEntry(v.alignment); entry >= 0)
        selectRadio(m_alignment, entry);
    m_firstIndent->setValue(v.firstIndent);
    m_lineSpacing->setValue(v.lineSpacing);
    m_fontName->setCurrentFont(QFont(v.fontName));
    m_fontName->setEditText(v.fontName);
    m_fontSize->setValue(v.fontSize);
    m_bold->setChecked(v.bold);
    m_italic->setChecked(v.italic);
    m_underline->setChecked(v.underline);
    m_strikeOut->setChecked(v.strikeOut);
    m_hidden->setChecked(v.hidden);
    m_disabled->setChecked(v.disabled);
    m_protected->setChecked(v.isProtected);
    m_fontColor->setValue(v.color);
    m_backColor->setValue(v.backColor);
}

void TfrmStyleManager::loadStyle(const QString& name) {
    setValues(readStyle(m_where.readPath(), name));
}

void TfrmStyleManager::addStyle() {
    m_styles->setCurrentIndex(-1);
    setValues(newStyleValues());
}

void TfrmStyleManager::getCurrent() {
    if (!m_current)
        return;
    const auto [text, paragraph] = m_current();
    setValues(styleFromSelection(text, paragraph, values()));
}

void TfrmStyleManager::saveCurrent() {
    QString name;
    if (m_styles->currentIndex() >= 0) {
        name = m_styles->currentText();
    } else {
        const std::optional<QString> answer = m_prompts.inputText(
            QStringLiteral("Ideagrove"), QStringLiteral("Enter Style Name"), QString());
        if (!answer || answer->isEmpty())
            return;
        name = *answer;
    }
    if (isReservedStyleName(name)) {
        // The list of names lives in that section; a style there would corrupt it.
        m_prompts.warning(QStringLiteral("The name \"%1\" is kept for the list of styles; "
                                         "please choose another name.")
                              .arg(name));
        return;
    }
    saveStyle(m_where, name, values());
    fillList(ReadStyleNames(m_where.readPath()));
    m_pages->setCurrentIndex(0);
}

void TfrmStyleManager::removeSelected() {
    if (m_styles->currentIndex() < 0)
        return;
    fillList(removeStyle(m_where, m_styles->currentText()));
}

} // namespace quillet
