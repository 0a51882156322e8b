#include "editing/style_toolbar.h"

#include "editing/formatting_commands.h"
#include "store/editor.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSpinBox>

namespace quillet {

void fillStyleList(QComboBox* list, const QStringList& names) {
    const bool blocked = list->blockSignals(true);
    list->clear();
    list->addItems(names);
    list->setCurrentIndex(-1);
    list->blockSignals(blocked);
}

void selectStyleInList(QComboBox* list, const QString& name) {
    // Matching must not look like the person picking a style.
    const bool blocked = list->blockSignals(true);
    list->setCurrentIndex(name.isEmpty() ? -1 : list->findText(name, Qt::MatchFixedString));
    list->blockSignals(blocked);
}

FontSizeClickFilter::FontSizeClickFilter(QSpinBox* box, std::function<void(const QString&)> clicked)
    : QObject(box), m_box(box), m_clicked(std::move(clicked)) {
    if (QLineEdit* edit = box->findChild<QLineEdit*>())
        edit->installEventFilter(this);
}

bool FontSizeClickFilter::eventFilter(QObject* watched, QEvent* e) {
    // Only the text part: the arrows belong to the box itself, not to its line edit.
    if (e->type() == QEvent::MouseButtonRelease && watched != m_box && m_clicked)
        m_clicked(m_box->findChild<QLineEdit*>()->text());
    return false;
}

EditorKeyChords::EditorKeyChords(Editor& editor, std::function<void()> insertAll, QObject* parent)
    : QObject(parent), m_editor(editor), m_insertAll(std::move(insertAll)) {}

bool EditorKeyChords::eventFilter(QObject*, QEvent* e) {
    if (e->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(e);
    if (!(key->modifiers() & Qt::AltModifier))
        return false;
    if (key->key() == Qt::Key_ScrollLock)
        m_editor.replaceSelection(characterTableText());
    else if (key->key() == Qt::Key_NumLock && m_insertAll)
        m_insertAll();
    return false;
}

} // namespace quillet
