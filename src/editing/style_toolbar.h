#pragma once

// The Style toolbar's own behaviour: the style list, the size box's click rule, and the key
// chords of the editor. The window creates the widgets; these pieces give them their rules.

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

class QComboBox;
class QSpinBox;

namespace quillet {

class Editor;

// Fills `cboStyles` with the names as read; afterwards no item is selected.
void fillStyleList(QComboBox* list, const QStringList& names);
// Selects `name` in the list (found without regard to case), or clears the selection for an
// empty name or one the list does not hold.
void selectStyleInList(QComboBox* list, const QString& name);

// A click on the size box's text sets the size from the text; the up and down buttons only
// change the number. Installed on the box and its line edit.
class FontSizeClickFilter : public QObject {
    Q_OBJECT
public:
    FontSizeClickFilter(QSpinBox* box, std::function<void(const QString& text)> clicked);

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    QSpinBox* m_box;
    std::function<void(const QString&)> m_clicked;
};

// Alt+Scroll Lock inserts the character table at the caret, replacing the selection;
// Alt+Num Lock runs `insertAll`. The key press itself goes on to the editor.
class EditorKeyChords : public QObject {
    Q_OBJECT
public:
    EditorKeyChords(Editor& editor, std::function<void()> insertAll, QObject* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    Editor& m_editor;
    std::function<void()> m_insertAll;
};

} // namespace quillet
