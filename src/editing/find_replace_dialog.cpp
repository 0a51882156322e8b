#include "editing/find_replace_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>

namespace quillet {

SearchDialog::SearchDialog(bool withReplace, QWidget* parent)
    : SearchDialog(withReplace ? Kind::Replace : Kind::Find, parent) {}

SearchDialog::SearchDialog(Kind kind, QWidget* parent)
    : QDialog(parent), m_withReplace(kind == Kind::Replace) {
    const bool withReplace = m_withReplace;
    setObjectName(kind == Kind::Replace ? QStringLiteral("dlgReplace") : QStringLiteral("dlgFind"));
    setWindowTitle(withReplace ? QStringLiteral("Replace") : QStringLiteral("Find"));
    setModal(false);

    auto* fields = new QGridLayout;
    m_find = new QLineEdit(this);
    m_find->setObjectName(QStringLiteral("txtFind"));
    auto* findLabel = new QLabel(QStringLiteral("Fi&nd what:"), this);
    findLabel->setBuddy(m_find);
    fields->addWidget(findLabel, 0, 0);
    fields->addWidget(m_find, 0, 1);
    if (withReplace) {
        m_replace = new QLineEdit(this);
        m_replace->setObjectName(QStringLiteral("txtReplace"));
        auto* replaceLabel = new QLabel(QStringLiteral("Re&place with:"), this);
        replaceLabel->setBuddy(m_replace);
        fields->addWidget(replaceLabel, 1, 0);
        fields->addWidget(m_replace, 1, 1);
    }

    m_wholeWord = new QCheckBox(QStringLiteral("Match &whole word only"), this);
    m_wholeWord->setObjectName(QStringLiteral("chkWholeWord"));
    m_matchCase = new QCheckBox(QStringLiteral("Match &case"), this);
    m_matchCase->setObjectName(QStringLiteral("chkMatchCase"));
    auto* options = new QVBoxLayout;
    options->addWidget(m_wholeWord);
    options->addWidget(m_matchCase);
    auto* optionRow = new QHBoxLayout;
    optionRow->addLayout(options);
    if (kind == Kind::Find) {
        m_direction = new QGroupBox(QStringLiteral("Direction"), this);
        m_up = new QRadioButton(QStringLiteral("&Up"), m_direction);
        m_up->setObjectName(QStringLiteral("rdoUp"));
        m_down = new QRadioButton(QStringLiteral("&Down"), m_direction);
        m_down->setObjectName(QStringLiteral("rdoDown"));
        m_down->setChecked(true);
        auto* d = new QHBoxLayout(m_direction);
        d->addWidget(m_up);
        d->addWidget(m_down);
        optionRow->addWidget(m_direction);
    }

    auto* left = new QVBoxLayout;
    left->addLayout(fields);
    left->addLayout(optionRow);
    left->addStretch();

    auto* buttons = new QVBoxLayout;
    m_findNext = new QPushButton(QStringLiteral("&Find Next"), this);
    m_findNext->setObjectName(QStringLiteral("btnFindNext"));
    m_findNext->setDefault(true);
    buttons->addWidget(m_findNext);
    connect(m_findNext, &QPushButton::clicked, this, &SearchDialog::findNextClicked);
    if (withReplace) {
        auto* replace = new QPushButton(QStringLiteral("&Replace"), this);
        replace->setObjectName(QStringLiteral("btnReplace"));
        auto* replaceAll = new QPushButton(QStringLiteral("Replace &All"), this);
        replaceAll->setObjectName(QStringLiteral("btnReplaceAll"));
        buttons->addWidget(replace);
        buttons->addWidget(replaceAll);
        connect(replace, &QPushButton::clicked, this, &SearchDialog::replaceClicked);
        connect(replaceAll, &QPushButton::clicked, this, &SearchDialog::replaceAllClicked);
    }
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("btnCancel"));
    connect(cancel, &QPushButton::clicked, this, &QDialog::hide);
    buttons->addWidget(cancel);
    buttons->addStretch();

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(buttons);

    auto enableFind = [this] { m_findNext->setEnabled(!m_find->text().isEmpty()); };
    connect(m_find, &QLineEdit::textChanged, this, enableFind);
    enableFind();
}

SearchOptions SearchDialog::options() const {
    SearchOptions o;
    o.findText = m_find->text();
    if (m_replace)
        o.replaceText = m_replace->text();
    o.matchCase = m_matchCase->isChecked();
    o.wholeWord = m_wholeWord->isChecked();
    o.down = !m_up || !m_up->isChecked();
    return o;
}

void SearchDialog::setFindText(const QString& text) {
    m_find->setText(text);
}

QString SearchDialog::findText() const {
    return m_find->text();
}

FindReplaceDialogs::FindReplaceDialogs(QTextEdit& editor, Prompts& prompts, QWidget* dialogParent)
    : QObject(dialogParent), m_editor(editor), m_search(editor, prompts), m_parent(dialogParent) {}

SearchDialog* FindReplaceDialogs::ensureDialog(bool withReplace) {
    QPointer<SearchDialog>& slot = withReplace ? m_replace : m_find;
    if (slot)
        return slot;
    auto* d = new SearchDialog(withReplace, m_parent);
    // A new dialog starts with the other one's find text.
    if (SearchDialog* other = withReplace ? m_find.data() : m_replace.data())
        d->setFindText(other->findText());
    connect(d, &SearchDialog::findNextClicked, this, [this, d] { findInPage(d, true, true); });
    connect(d, &SearchDialog::replaceClicked, this, [this, d] {
        if (!d->findText().isEmpty())
            m_last = d;
        if (m_search.replace(d->options()))
            moveOutOfTheWay(d);
    });
    connect(d, &SearchDialog::replaceAllClicked, this, [this, d] {
        if (!d->findText().isEmpty())
            m_last = d;
        if (m_search.replaceAll(d->options()) > 0) {
            moveOutOfTheWay(d);
            emit pageReplaced();
        }
    });
    slot = d;
    return d;
}

void FindReplaceDialogs::show(SearchDialog* d) {
    const QTextCursor c = m_editor.textCursor();
    if (c.hasSelection())
        d->setFindText(c.selectedText());
    d->show();
    d->raise();
    d->activateWindow();
}

void FindReplaceDialogs::SearchFind() {
    show(ensureDialog(false));
}

void FindReplaceDialogs::SearchReplace() {
    show(ensureDialog(true));
}

void FindReplaceDialogs::SearchFindNext() {
    if (m_last && !m_last->findText().isEmpty())
        findInPage(m_last, false, true);
}

bool FindReplaceDialogs::findInPage(SearchDialog* d, bool adjust, bool report) {
    const SearchOptions o = d->options();
    if (!o.findText.isEmpty())
        m_last = d;
    const bool found = m_search.FindInPage(o, report);
    if (found && adjust)
        moveOutOfTheWay(d);
    return found;
}

void FindReplaceDialogs::moveOutOfTheWay(SearchDialog* d) {
    if (!d->isVisible())
        return;
    const QTextCursor sel = m_editor.textCursor();
    QTextCursor first(m_editor.document());
    first.setPosition(sel.selectionStart());
    QTextCursor last(m_editor.document());
    last.setPosition(sel.selectionEnd());
    QWidget* view = m_editor.viewport();
    const QPoint p1 = view->mapToGlobal(m_editor.cursorRect(first).topLeft());
    const QPoint p2 = view->mapToGlobal(m_editor.cursorRect(last).topRight() + QPoint(0, 20));
    const QScreen* screen = d->screen();
    const int screenHeight = screen ? screen->geometry().height() : 0;
    if (const auto top = dialogTopOutOfTheWay(d->frameGeometry(), p1, p2, screenHeight))
        d->move(d->frameGeometry().left(), *top);
}

} // namespace quillet
