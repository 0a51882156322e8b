#include "ui/rich_editor.h"

#include <QCoreApplication>

#include "ui/rich_editor_links.h"
#include "ui/rtf_codepage.h"
#include "ui/rtf_reader.h"
#include "ui/rtf_writer.h"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDrag>
#include <QFile>
#include <QMenu>
#include <QMimeData>
#include <QSaveFile>
#include <QScrollBar>
#include <QStringDecoder>
#include <QTextBlock>
#include <QTextDocumentFragment>
#include <QTextLayout>
#include <QUrl>

namespace quillet {

namespace {

const QStringList kRtfMimeTypes = {QStringLiteral("text/rtf"), QStringLiteral("application/rtf"),
                                   QStringLiteral("text/richtext")};

bool isTextPath(const QString& path) {
    return path.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive);
}

// Text from outside: line ends of any kind become paragraph ends, VT a line break.
QString normalizedInput(const QString& text) {
    QString s = text;
    s.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    s.replace(QChar(0x0B), QChar::LineSeparator);
    s.replace(QLatin1Char('\n'), QChar::ParagraphSeparator);
    return s;
}

QString decodeTextFile(const QByteArray& bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.mid(3));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString s = utf8.decode(bytes);
    if (!utf8.hasError())
        return s;
    QString out;
    out.reserve(bytes.size());
    for (char c : bytes)
        out.append(QChar(decodeWindows1252(static_cast<unsigned char>(c))));
    return out;
}

} // namespace

RichEditor::RichEditor(QWidget* parent) : QTextEdit(parent) {
    setAcceptRichText(true);
    setTabChangesFocus(false);
    QFont f(QStringLiteral("Times New Roman"));
    f.setPixelSize(16);
    document()->setDefaultFont(f);
    setViewportMargins(6, 0, 6, 0);
    highlighter_ = new PageHighlighter(this);
    highlighter_->setDocument(document());
    viewport()->setMouseTracking(true);
}

RichEditor::~RichEditor() = default;

// ---- pages -------------------------------------------------------------------------------

void RichEditor::attachHighlighter() {
    // At once, not on the next turn of the event loop: line numbers and hidden text must be
    // right as soon as a page is loaded.
    highlighter_->setDocument(document());
    highlighter_->rehighlight();
    // A page built while the highlighter was away is laid out afresh as a whole.
    document()->markContentsDirty(0, document()->characterCount());
}

bool RichEditor::loadRtf(const QByteArray& rtf, QString* error) {
    if (!RtfReader::looksLikeRtf(rtf)) {
        loadPlainText(rtf);
        return true;
    }
    highlighter_->setDocument(nullptr);
    const bool ok = RtfReader::read(rtf, document(), error);
    attachHighlighter();
    moveCursor(QTextCursor::Start);
    document()->setModified(false);
    return ok;
}

QByteArray RichEditor::saveRtf() const {
    return RtfWriter::write(document());
}

void RichEditor::loadPlainText(const QByteArray& bytes) {
    QString text = decodeTextFile(bytes);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    highlighter_->setDocument(nullptr);
    document()->setUndoRedoEnabled(false);
    document()->clear();
    QTextCursor c(document());
    c.insertText(text, QTextCharFormat());
    document()->setUndoRedoEnabled(true);
    attachHighlighter();
    moveCursor(QTextCursor::Start);
    document()->setModified(false);
}

QByteArray RichEditor::savePlainText() const {
    QString text = document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1String("\r\n"));
    text.replace(QChar::LineSeparator, QLatin1String("\r\n"));
    text.remove(QChar::ObjectReplacementCharacter);
    QByteArray out;
    out.reserve(text.size());
    for (QChar c : text) {
        const int b = encodeWindows1252(c.unicode());
        if (b < 0)
            return "\xEF\xBB\xBF" + text.toUtf8();
        out.append(char(b));
    }
    return out;
}

bool RichEditor::loadPage(const QString& path, QString* error) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        if (error)
            *error = f.errorString();
        return false;
    }
    const QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError) {
        if (error)
            *error = f.errorString();
        return false;
    }
    if (plainText_ || isTextPath(path)) {
        loadPlainText(bytes);
        return true;
    }
    return loadRtf(bytes, error);
}

bool RichEditor::savePage(const QString& path, QString* error) {
    const QByteArray bytes = (plainText_ || isTextPath(path)) ? savePlainText() : saveRtf();
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size() || !f.commit()) {
        if (error)
            *error = f.errorString();
        return false;
    }
    return true;
}

void RichEditor::clearPage() {
    highlighter_->setDocument(nullptr);
    document()->clear();
    attachHighlighter();
    setCurrentCharFormat(QTextCharFormat());
}

bool RichEditor::isPageModified() const {
    return document()->isModified();
}

void RichEditor::setPageModified(bool modified) {
    document()->setModified(modified);
}

bool RichEditor::hasSelection() const {
    return textCursor().hasSelection();
}

QString RichEditor::selectedText() const {
    QString s = textCursor().selectedText();
    s.replace(QChar::ParagraphSeparator, QLatin1String("\r\n"));
    s.replace(QChar::LineSeparator, QChar(0x0B));
    return s;
}

void RichEditor::replaceSelection(const QString& text) {
    QTextCursor c = textCursor();
    if (!insertionAllowed(c)) {
        refuse();
        return;
    }
    const QString s = normalizedInput(text);
    const int start = c.selectionStart();
    c.beginEditBlock();
    QTextCharFormat f = c.charFormat();
    f.clearProperty(textprop::Protected);
    // A long text goes in piece by piece, letting the window paint in between (input stays
    // queued), so replacing megabytes never freezes the program. It is still one undo step.
    constexpr qsizetype kPiece = 128 * 1024;
    if (s.size() <= kPiece) {
        c.insertText(s, f);
    } else {
        c.removeSelectedText();
        for (qsizetype from = 0; from < s.size();) {
            qsizetype n = qMin(kPiece, s.size() - from);
            if (from + n < s.size() && s.at(from + n - 1).isHighSurrogate())
                --n; // never split a surrogate pair
            c.insertText(s.mid(from, n), f);
            from += n;
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        }
    }
    c.endEditBlock();
    c.setPosition(start);
    c.setPosition(start + int(s.size()), QTextCursor::KeepAnchor);
    setTextCursor(c);
}

QString RichEditor::pageText() const {
    QTextCursor c(document());
    c.select(QTextCursor::Document);
    QString s = c.selectedText();
    s.replace(QChar::ParagraphSeparator, QLatin1String("\r\n"));
    s.replace(QChar::LineSeparator, QChar(0x0B));
    return s;
}

// ---- attributes --------------------------------------------------------------------------

CharAttributes RichEditor::charAttributes() const {
    const QTextCursor c = textCursor();
    CharAttributes a = readCharAttributes(c);
    if (!a.link) {
        // A detected link reads as a link, as the rich-edit control reports it.
        const QTextBlock b = document()->findBlock(c.selectionStart());
        const int from = c.selectionStart() - b.position();
        const int to = c.hasSelection() ? c.selectionEnd() - b.position() : from;
        for (const UrlSpan& s : detectUrls(b.text())) {
            const bool inside = c.hasSelection() ? (from >= s.start && to <= s.start + s.length)
                                                 : (from > s.start && from <= s.start + s.length);
            if (inside)
                a.link = true;
        }
    }
    return a;
}

void RichEditor::setCharAttributes(const CharAttributes& a, CharFields fields) {
    QTextCursor c = textCursor();
    if (!c.hasSelection()) {
        QTextCharFormat f = c.charFormat();
        applyCharAttributes(f, a, fields);
        setCurrentCharFormat(f);
        return;
    }
    writeCharAttributes(c, a, fields);
}

ParaAttributes RichEditor::paraAttributes() const {
    return readParaAttributes(textCursor());
}

void RichEditor::setParaAttributes(const ParaAttributes& a, ParaFields fields) {
    QTextCursor c = textCursor();
    writeParaAttributes(c, a, fields);
}

// ---- printing ----------------------------------------------------------------------------

std::unique_ptr<QTextDocument> RichEditor::printableDocument() const {
    std::unique_ptr<QTextDocument> copy(document()->clone());
    struct Range {
        int from, to;
        bool hidden;
    };
    QList<Range> ranges;
    for (QTextBlock b = copy->begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            const bool hidden = f.boolProperty(textprop::Hidden);
            if (hidden || f.boolProperty(textprop::Disabled))
                ranges.append({it.fragment().position(),
                               it.fragment().position() + it.fragment().length(), hidden});
        }
    // From the end, so that earlier positions stay valid.
    QTextCursor c(copy.get());
    for (qsizetype i = ranges.size() - 1; i >= 0; --i) {
        c.setPosition(ranges[i].from);
        c.setPosition(ranges[i].to, QTextCursor::KeepAnchor);
        if (ranges[i].hidden) {
            c.removeSelectedText();
        } else {
            QTextCharFormat grey;
            grey.setForeground(QColor(0x80, 0x80, 0x80));
            c.mergeCharFormat(grey);
        }
    }
    return copy;
}

void RichEditor::printPage(QPagedPaintDevice* device) const {
    if (device)
        printableDocument()->print(device);
}

// ---- find and lines ----------------------------------------------------------------------

TextRange RichEditor::findText(const QString& what, int start, int end, FindOptions options) const {
    if (what.isEmpty())
        return {};
    const int last = document()->characterCount() - 1;
    start = std::clamp(start, 0, last);
    end = end < 0 ? last : std::clamp(end, start, last);
    QTextDocument::FindFlags flags;
    if (options & FindOption::MatchCase)
        flags |= QTextDocument::FindCaseSensitively;
    if (options & FindOption::WholeWord)
        flags |= QTextDocument::FindWholeWords;
    QTextCursor from(const_cast<QTextDocument*>(document()));
    if (options & FindOption::Backward) {
        flags |= QTextDocument::FindBackward;
        from.setPosition(end);
    } else {
        from.setPosition(start);
    }
    const QTextCursor hit = document()->find(what, from, flags);
    if (hit.isNull() || hit.selectionStart() < start || hit.selectionEnd() > end)
        return {};
    return {hit.selectionStart(), hit.selectionEnd() - hit.selectionStart()};
}

void RichEditor::selectRange(const TextRange& range) {
    if (!range.found())
        return;
    QTextCursor c(document());
    c.setPosition(range.start);
    c.setPosition(range.start + range.length, QTextCursor::KeepAnchor);
    setTextCursor(c);
    ensureCursorVisible();
}

int RichEditor::lineFromPosition(int position) const {
    const QTextBlock target =
        document()->findBlock(std::clamp(position, 0, document()->characterCount() - 1));
    // Lay out up to the block in question; the layout runs lazily otherwise.
    document()->documentLayout()->blockBoundingRect(target);
    int line = 0;
    for (QTextBlock b = document()->begin(); b.isValid() && b != target; b = b.next())
        line += b.isVisible() ? std::max(b.layout()->lineCount(), 1) : 0;
    if (const QTextLayout* l = target.layout(); l && l->lineCount() > 0) {
        const QTextLine tl = l->lineForTextPosition(position - target.position());
        if (tl.isValid())
            line += tl.lineNumber();
    }
    return line;
}

int RichEditor::lineStartPosition(int position) const {
    const QTextBlock b =
        document()->findBlock(std::clamp(position, 0, document()->characterCount() - 1));
    document()->documentLayout()->blockBoundingRect(b);
    if (const QTextLayout* l = b.layout(); l && l->lineCount() > 0) {
        const QTextLine tl = l->lineForTextPosition(position - b.position());
        if (tl.isValid())
            return b.position() + tl.textStart();
    }
    return b.position();
}

// ---- protection --------------------------------------------------------------------------

bool RichEditor::refuse() {
    emit protectedTextRefused();
    return false;
}

bool RichEditor::insertionAllowed(const QTextCursor& c) const {
    if (c.hasSelection())
        return !rangeHasProtected(document(), c.selectionStart(), c.selectionEnd());
    return !insertionPointProtected(document(), c.position());
}

bool RichEditor::canChangeSelection() const {
    return !isReadOnly() && insertionAllowed(textCursor());
}

void RichEditor::stripProtectedFromInsertion() {
    QTextCursor c = textCursor();
    if (!c.hasSelection() && c.charFormat().boolProperty(textprop::Protected)) {
        QTextCharFormat f = c.charFormat();
        f.clearProperty(textprop::Protected);
        c.setCharFormat(f);
        setTextCursor(c);
    }
}

void RichEditor::cut() {
    if (!canChangeSelection()) {
        refuse();
        return;
    }
    QTextEdit::cut();
}

void RichEditor::paste() {
    if (!canChangeSelection()) {
        refuse();
        return;
    }
    QTextEdit::paste();
}

void RichEditor::keyPressEvent(QKeyEvent* e) {
    if (isReadOnly()) {
        QTextEdit::keyPressEvent(e);
        return;
    }
    QTextCursor c = textCursor();
    QTextCursor range = c;
    bool edits = false;
    if (e == QKeySequence::Cut || e == QKeySequence::Paste) {
        edits = true;
    } else if (e == QKeySequence::DeleteStartOfWord || e == QKeySequence::DeleteEndOfWord ||
               e == QKeySequence::DeleteEndOfLine || e == QKeySequence::DeleteCompleteLine ||
               e->key() == Qt::Key_Backspace || e->key() == Qt::Key_Delete) {
        edits = true;
        if (!c.hasSelection()) {
            // The range the key would remove, a little generously for the line keys.
            if (e == QKeySequence::DeleteStartOfWord)
                range.movePosition(QTextCursor::PreviousWord, QTextCursor::KeepAnchor);
            else if (e == QKeySequence::DeleteEndOfWord)
                range.movePosition(QTextCursor::NextWord, QTextCursor::KeepAnchor);
            else if (e == QKeySequence::DeleteEndOfLine)
                range.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
            else if (e == QKeySequence::DeleteCompleteLine) {
                range.movePosition(QTextCursor::StartOfBlock);
                range.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
            } else if (e->key() == Qt::Key_Backspace)
                range.movePosition(QTextCursor::PreviousCharacter, QTextCursor::KeepAnchor);
            else
                range.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
            if (!range.hasSelection()) {
                QTextEdit::keyPressEvent(e);
                return;
            }
        }
    } else if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter || e->key() == Qt::Key_Tab ||
               (!e->text().isEmpty() && e->text().at(0).isPrint() &&
                !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))) {
        edits = true;
        // In overwrite mode a typed character replaces the one after the caret.
        if (overwriteMode() && !c.hasSelection() && !c.atBlockEnd())
            range.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
    }
    if (edits) {
        if (!insertionAllowed(range)) {
            refuse();
            e->accept();
            return;
        }
        stripProtectedFromInsertion();
    }
    QTextEdit::keyPressEvent(e);
}

void RichEditor::inputMethodEvent(QInputMethodEvent* e) {
    if (!e->commitString().isEmpty() || !e->preeditString().isEmpty()) {
        if (!insertionAllowed(textCursor())) {
            refuse();
            e->accept();
            return;
        }
        stripProtectedFromInsertion();
    }
    QTextEdit::inputMethodEvent(e);
}

// ---- clipboard and drag and drop ---------------------------------------------------------

bool RichEditor::canInsertFromMimeData(const QMimeData* source) const {
    if (!source)
        return false;
    if (!plainText_) {
        if (source->hasImage())
            return true;
        for (const QString& t : kRtfMimeTypes)
            if (source->hasFormat(t))
                return true;
    }
    return QTextEdit::canInsertFromMimeData(source);
}

QMimeData* RichEditor::createMimeDataFromSelection() const {
    const QTextCursor c = textCursor();
    if (!c.hasSelection() || plainText_)
        return QTextEdit::createMimeDataFromSelection();
    // Qt's own selection data lists a fixed set of formats; ours adds RTF, so we fill a
    // plain QMimeData with every form at once.
    auto* data = new QMimeData;
    QString text = c.selectedText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    data->setText(text);
    data->setHtml(c.selection().toHtml());
    QTextDocument copy;
    copy.setDefaultFont(document()->defaultFont());
    QTextCursor(&copy).insertFragment(c.selection());
    for (QTextBlock b = copy.begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().isImageFormat()) {
                const QString name = it.fragment().charFormat().toImageFormat().name();
                copy.addResource(QTextDocument::ImageResource, QUrl(name),
                                 document()->resource(QTextDocument::ImageResource, QUrl(name)));
            }
    data->setData(kRtfMimeTypes.first(), RtfWriter::write(&copy));
    return data;
}

QString RichEditor::addPicture(const QImage& image) {
    const QString name = QStringLiteral("quillet-pasted:%1").arg(++pictureCount_);
    document()->addResource(QTextDocument::ImageResource, QUrl(name), QVariant(image));
    return name;
}

void RichEditor::insertRtf(const QByteArray& rtf) {
    QTextDocument incoming;
    RtfReader::read(rtf, &incoming);
    // Pictures live as resources of their document; give each one to this page.
    QTextCursor fix(&incoming);
    for (QTextBlock b = incoming.begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment frag = it.fragment();
            if (!frag.charFormat().isImageFormat())
                continue;
            QTextImageFormat f = frag.charFormat().toImageFormat();
            const QImage img =
                incoming.resource(QTextDocument::ImageResource, QUrl(f.name())).value<QImage>();
            f.setName(addPicture(img));
            fix.setPosition(frag.position());
            fix.setPosition(frag.position() + frag.length(), QTextCursor::KeepAnchor);
            fix.setCharFormat(f);
        }
    }
    textCursor().insertFragment(QTextDocumentFragment(&incoming));
}

void RichEditor::insertFromMimeData(const QMimeData* source) {
    if (!source || isReadOnly())
        return;
    if (!insertionAllowed(textCursor())) {
        refuse();
        return;
    }
    if (plainText_) {
        textCursor().insertText(normalizedInput(source->text()));
        return;
    }
    for (const QString& t : kRtfMimeTypes) {
        if (source->hasFormat(t)) {
            insertRtf(source->data(t));
            ensureCursorVisible();
            return;
        }
    }
    if (source->hasImage()) {
        const QImage img = qvariant_cast<QImage>(source->imageData());
        if (!img.isNull()) {
            QTextImageFormat f;
            f.setName(addPicture(img));
            f.setWidth(img.width());
            f.setHeight(img.height());
            textCursor().insertImage(f);
            ensureCursorVisible();
            return;
        }
    }
    QTextEdit::insertFromMimeData(source);
}

void RichEditor::dragMoveEvent(QDragMoveEvent* e) {
    QTextEdit::dragMoveEvent(e);
    const int pos = cursorForPosition(e->position().toPoint()).position();
    if (insertionPointProtected(document(), pos))
        e->ignore();
}

void RichEditor::dropEvent(QDropEvent* e) {
    const int pos = cursorForPosition(e->position().toPoint()).position();
    if (insertionPointProtected(document(), pos)) {
        refuse();
        e->ignore();
        return;
    }
    const bool internal = e->source() == this || e->source() == viewport();
    if (internal && e->dropAction() == Qt::MoveAction && !canChangeSelection())
        e->setDropAction(Qt::CopyAction); // protected text is copied, never moved away
    QTextEdit::dropEvent(e);
}

// ---- mouse: links and dragging protected text --------------------------------------------

QString RichEditor::linkAt(const QPoint& viewportPos) const {
    const QString href = anchorAt(viewportPos);
    if (!href.isEmpty())
        return href;
    const QPointF docPos(viewportPos.x() + horizontalScrollBar()->value(),
                         viewportPos.y() + verticalScrollBar()->value());
    const int pos = document()->documentLayout()->hitTest(docPos, Qt::ExactHit);
    if (pos < 0)
        return {};
    const QTextBlock b = document()->findBlock(pos);
    const int at = pos - b.position();
    const QString text = b.text();
    for (const UrlSpan& s : detectUrls(text))
        if (at >= s.start && at < s.start + s.length)
            return text.mid(s.start, s.length);
    return {};
}

void RichEditor::mousePressEvent(QMouseEvent* e) {
    pressPos_ = e->pos();
    pressLink_ = e->button() == Qt::LeftButton ? linkAt(e->pos()) : QString();
    const QTextCursor c = textCursor();
    const int pos = cursorForPosition(e->pos()).position();
    pressOnProtectedSelection_ = e->button() == Qt::LeftButton && c.hasSelection() &&
                                 pos >= c.selectionStart() && pos <= c.selectionEnd() &&
                                 !canChangeSelection();
    QTextEdit::mousePressEvent(e);
}

void RichEditor::mouseMoveEvent(QMouseEvent* e) {
    if (pressOnProtectedSelection_ && (e->buttons() & Qt::LeftButton) &&
        (e->pos() - pressPos_).manhattanLength() >= QApplication::startDragDistance()) {
        // Dragging protected text away may copy it, never move it.
        pressOnProtectedSelection_ = false;
        auto* drag = new QDrag(this);
        drag->setMimeData(createMimeDataFromSelection());
        drag->exec(Qt::CopyAction);
        return;
    }
    if (e->buttons() == Qt::NoButton)
        viewport()->setCursor(linkAt(e->pos()).isEmpty() ? Qt::IBeamCursor
                                                         : Qt::PointingHandCursor);
    QTextEdit::mouseMoveEvent(e);
}

void RichEditor::mouseReleaseEvent(QMouseEvent* e) {
    pressOnProtectedSelection_ = false;
    QTextEdit::mouseReleaseEvent(e);
    if (e->button() != Qt::LeftButton || pressLink_.isEmpty())
        return;
    const QString link = linkAt(e->pos());
    const bool click = (e->pos() - pressPos_).manhattanLength() < QApplication::startDragDistance();
    if (click && link == pressLink_)
        emit urlClicked(link);
    pressLink_.clear();
}

QMenu* RichEditor::createPageContextMenu(const QPoint& viewportPos) {
    QMenu* menu = createStandardContextMenu(viewportPos);
    if (!canChangeSelection()) {
        for (QAction* a : menu->actions()) {
            const QString n = a->objectName();
            if (n == QLatin1String("edit-cut") || n == QLatin1String("edit-paste") ||
                n == QLatin1String("edit-delete"))
                a->setEnabled(false);
        }
    }
    if (!extraActions_.isEmpty()) {
        menu->addSeparator();
        menu->addActions(extraActions_);
    }
    return menu;
}

void RichEditor::contextMenuEvent(QContextMenuEvent* e) {
    QMenu* menu = createPageContextMenu(e->pos());
    menu->exec(e->globalPos());
    delete menu;
}

} // namespace quillet
