#pragma once

// The find and replace dialogs of the page search: modeless, one of each kept for the whole
// run so their texts and options survive between uses.

#include "editing/page_search.h"

#include <QDialog>
#include <QPointer>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QGroupBox;

namespace quillet {

// One dialog; `withReplace` adds the replace text and the Replace buttons and fixes the
// direction to down.
class SearchDialog : public QDialog {
    Q_OBJECT
public:
    enum class Kind { Find, Replace };
    SearchDialog(bool withReplace, QWidget* parent);
    SearchDialog(Kind kind, QWidget* parent);

    SearchOptions options() const;
    void setFindText(const QString& text);
    QString findText() const;
    bool isReplaceDialog() const { return m_withReplace; }

signals:
    void findNextClicked();
    void replaceClicked();
    void replaceAllClicked();

private:
    bool m_withReplace;
    QLineEdit* m_find = nullptr;
    QLineEdit* m_replace = nullptr;
    QCheckBox* m_wholeWord = nullptr;
    QCheckBox* m_matchCase = nullptr;
    QGroupBox* m_direction = nullptr;
    QRadioButton* m_up = nullptr;
    QRadioButton* m_down = nullptr;
    QPushButton* m_findNext = nullptr;
};

// The page search commands of the window: Find, Replace and Find Next.
class FindReplaceDialogs : public QObject {
    Q_OBJECT
public:
    FindReplaceDialogs(QTextEdit& editor, Prompts& prompts, QWidget* dialogParent);

    void SearchFind();
    void SearchReplace();
    // Repeats the last search whose find text was not empty; nothing before any search.
    void SearchFindNext();

    SearchDialog* findDialog() const { return m_find; }
    SearchDialog* replaceDialog() const { return m_replace; }
    PageSearch& search() { return m_search; }

    // Runs a search for a dialog as its Find Next button does (`adjust` moves the dialog
    // off the found text).
    bool findInPage(SearchDialog* dialog, bool adjust, bool report);

signals:
    // Replace All changed the page (the editor's own notifications were held).
    void pageReplaced();

private:
    SearchDialog* ensureDialog(bool withReplace);
    void show(SearchDialog* dialog);
    void moveOutOfTheWay(SearchDialog* dialog);

    QTextEdit& m_editor;
    PageSearch m_search;
    QWidget* m_parent;
    QPointer<SearchDialog> m_find;
    QPointer<SearchDialog> m_replace;
    QPointer<SearchDialog> m_last;
};

} // namespace quillet
