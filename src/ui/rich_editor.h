#pragma once

// The page editor: a QTextEdit that reads and writes pages as RTF, works through the
// attribute model of text_attributes.h, refuses changes to protected text, hides hidden
// text (keeping it), greys disabled text, shows scheme-prefixed words as links and reports
// a left click on a link.
//
// Protected text: nothing the person does changes it - typing, pasting, cutting, deleting,
// dropping, dragging it away or replacing it through replaceSelection(). Text may be typed
// right before or after a protected run (not inside it); such text is not protected itself.
// Formatting through setCharAttributes()/setParaAttributes() is allowed, so protection can
// be switched off again. Each refusal emits protectedTextRefused().
//
// Use cut() and paste() of this class (not QTextEdit's) from menu commands: they check
// protection first. Connect to this widget's own signals (textChanged, selectionChanged,
// cursorPositionChanged, currentCharFormatChanged); the document object stays the same for
// the editor's whole life.

#include "store/editor.h"
#include "ui/text_attributes.h"

#include <QList>
#include <QPoint>
#include <QTextDocument>
#include <QTextEdit>

#include <memory>

class QAction;
class QMenu;
class QPagedPaintDevice;

namespace quillet {

class PageHighlighter;

struct TextRange {
    int start = -1;
    int length = 0;
    bool found() const { return start >= 0; }
    bool operator==(const TextRange&) const = default;
};

enum class FindOption { MatchCase = 1, WholeWord = 2, Backward = 4 };
Q_DECLARE_FLAGS(FindOptions, FindOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(FindOptions)

class RichEditor : public QTextEdit, public Editor {
    Q_OBJECT
public:
    explicit RichEditor(QWidget* parent = nullptr);
    ~RichEditor() override;

    // Editor. A path ending in ".txt" (any case), or plain-text mode, loads and saves plain
    // text; other paths RTF. Bytes that are not RTF load as plain text, as a rich-edit
    // control shows them. Saving replaces the file only once it is completely written.
    bool loadPage(const QString& path, QString* error) override;
    bool savePage(const QString& path, QString* error) override;
    void clearPage() override;
    bool isPageModified() const override;
    void setPageModified(bool modified) override;
    bool hasSelection() const override;
    // Paragraph ends as CR LF, line breaks inside a paragraph as CR (code 11 is VT: the
    // rich-edit soft line break), pictures and objects as U+FFFC; hidden text included.
    QString selectedText() const override;
    // Line ends (CR LF, CR, LF) become paragraph ends and VT a line break. Refused (nothing
    // changes) when the selection holds protected text.
    void replaceSelection(const QString& text) override;
    // The whole page in the same form as selectedText().
    QString pageText() const override;

    // In-memory forms of the page.
    bool loadRtf(const QByteArray& rtf, QString* error = nullptr);
    QByteArray saveRtf() const;
    // UTF-8 (with or without BOM) when valid, else Windows-1252; CR LF, CR or LF.
    void loadPlainText(const QByteArray& bytes);
    // CR LF line ends; Windows-1252 when every character fits, else UTF-8 with a BOM.
    QByteArray savePlainText() const;

    // Plain-text mode: every load and save is plain text and pasting inserts text only.
    bool plainTextMode() const { return plainText_; }
    void setPlainTextMode(bool on) { plainText_ = on; }

    // The attribute model on the selection (or the insertion point). Mixed selections read
    // as text_attributes.h describes. Each set is one undo step.
    CharAttributes charAttributes() const;
    void setCharAttributes(const CharAttributes& a, CharFields fields = CharField::All);
    ParaAttributes paraAttributes() const;
    void setParaAttributes(const ParaAttributes& a, ParaFields fields = ParaField::All);

    // Searches [start, end) (end -1: to the end of the page); forward from start, or with
    // Backward from end toward start. Matches do not span paragraphs. Does not select.
    TextRange findText(const QString& what, int start, int end, FindOptions options) const;
    // Selects a range (for example a find result) and scrolls it into view.
    void selectRange(const TextRange& range);

    // Lines as laid out on screen (a wrapped paragraph counts as several), from 0.
    int lineFromPosition(int position) const;
    // Position of the first character of the laid-out line holding position.
    int lineStartPosition(int position) const;

    // Protection checks the commands can ask before acting.
    bool canChangeSelection() const;

    // Link text under a point of the viewport: a hyperlink's target or a detected URL.
    QString linkAt(const QPoint& viewportPos) const;

    // Printing: the page as it is shown - hidden text left out, disabled text grey - on a
    // copy, so the page itself is untouched.
    std::unique_ptr<QTextDocument> printableDocument() const;
    void printPage(QPagedPaintDevice* device) const;

    // The right-click menu: the standard edit actions (cut, paste and delete disabled while
    // the selection is protected), then the window's own actions (for example Find and
    // Replace) after a separator. The caller owns the menu.
    QMenu* createPageContextMenu(const QPoint& viewportPos);
    void setExtraContextActions(const QList<QAction*>& actions) { extraActions_ = actions; }

public slots:
    void cut();
    void paste();

signals:
    // A left click on a link; the text is the hyperlink target or the detected URL.
    void urlClicked(const QString& url);
    void protectedTextRefused();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void inputMethodEvent(QInputMethodEvent* e) override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    QMimeData* createMimeDataFromSelection() const override;
    void insertFromMimeData(const QMimeData* source) override;
    void dragMoveEvent(QDragMoveEvent* e) override;
    void dropEvent(QDropEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;

private:
    void attachHighlighter();
    bool refuse();
    bool insertionAllowed(const QTextCursor& c) const;
    void stripProtectedFromInsertion();
    void insertRtf(const QByteArray& rtf);
    QString addPicture(const QImage& image);

    PageHighlighter* highlighter_ = nullptr;
    QList<QAction*> extraActions_;
    bool plainText_ = false;
    bool pressOnProtectedSelection_ = false;
    QPoint pressPos_;
    QString pressLink_;
    int pictureCount_ = 0;
};

} // namespace quillet
