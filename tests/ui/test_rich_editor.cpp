#include "helpers_rtf.h"

#include "ui/rich_editor.h"
#include "ui/rich_editor_links.h"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QClipboard>
#include <QMenu>
#include <QMimeData>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextLayout>
#include <QtTest>

#include <memory>

using namespace quillet;

namespace {

QByteArray page(const QByteArray& body) {
    return "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil Arial;}}"
           "{\\colortbl ;\\red255\\green0\\blue0;}\\viewkind4\\uc1\\pard " +
           body + "}";
}

void select(RichEditor& ed, int from, int to) {
    QTextCursor c(ed.document());
    c.setPosition(from);
    c.setPosition(to, QTextCursor::KeepAnchor);
    ed.setTextCursor(c);
}

QPoint pointOf(RichEditor& ed, int pos) {
    QTextCursor c(ed.document());
    c.setPosition(pos);
    const QRect r = ed.cursorRect(c);
    return QPoint(r.right() + 3, r.center().y());
}

} // namespace

class TestRichEditor : public QObject {
    Q_OBJECT
private slots:
    void longReplacementIsOneUndoStep();
    void protectedRefusals_data();
    void protectedRefusals();
    void typingBesideProtectedText();
    void dropIntoProtectedTextRefused();
    void detectUrls_data();
    void detectUrls();
    void urlClick_data();
    void urlClick();
    void plainTextLoad_data();
    void plainTextLoad();
    void plainTextSave_data();
    void plainTextSave();
    void plainTextModeForAnyPath();
    void pageFiles();
    void charAttributeRules();
    void mixedSelectionReading();
    void paraAttributeRules();
    void find_data();
    void find();
    void lineIndexAsLaidOut();
    void selectionTextAndReplace();
    void undoRedo();
    void hiddenTextTakesNoRoom();
    void contextMenuFollowsProtection();
    void printingLeavesHiddenTextOut();
    void copyAndPasteKeepFormattingAndPictures();
};

// Text "ab[PROT]cd" where PROT (positions 2..5) is protected.
void TestRichEditor::protectedRefusals_data() {
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QString>("action");
    auto row = [](const char* name, int from, int to, const char* action) {
        QTest::newRow(name) << from << to << QString::fromLatin1(action);
    };
    row("type inside", 4, 4, "type");
    row("type over selection", 1, 3, "type");
    row("enter inside", 3, 3, "enter");
    row("backspace after last protected", 6, 6, "backspace");
    row("delete before first protected", 2, 2, "delete");
    row("delete selection", 0, 7, "delete");
    row("ctrl backspace word", 6, 6, "ctrlbackspace");
    row("cut shortcut", 3, 5, "cutkey");
    row("cut slot", 3, 5, "cut");
    row("paste over", 1, 4, "paste");
    row("paste inside", 3, 3, "pastekey");
    row("replace selection", 2, 6, "replace");
    row("overwrite first protected", 2, 2, "overwrite");
}

void TestRichEditor::protectedRefusals() {
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QString, action);
    RichEditor ed;
    ed.resize(400, 200);
    ed.show();
    QVERIFY(ed.loadRtf(page("ab{\\protect PROT}cd")));
    QCOMPARE(ed.toPlainText(), QStringLiteral("abPROTcd"));
    QApplication::clipboard()->setText(QStringLiteral("clip"));
    QSignalSpy refused(&ed, &RichEditor::protectedTextRefused);
    select(ed, from, to);
    if (action == QLatin1String("type"))
        QTest::keyClicks(&ed, QStringLiteral("x"));
    else if (action == QLatin1String("enter"))
        QTest::keyClick(&ed, Qt::Key_Return);
    else if (action == QLatin1String("backspace"))
        QTest::keyClick(&ed, Qt::Key_Backspace);
    else if (action == QLatin1String("delete"))
        QTest::keyClick(&ed, Qt::Key_Delete);
    else if (action == QLatin1String("ctrlbackspace"))
        QTest::keyClick(&ed, Qt::Key_Backspace, Qt::ControlModifier);
    else if (action == QLatin1String("cutkey"))
        QTest::keyClick(&ed, Qt::Key_X, Qt::ControlModifier);
    else if (action == QLatin1String("cut"))
        ed.cut();
    else if (action == QLatin1String("paste"))
        ed.paste();
    else if (action == QLatin1String("pastekey"))
        QTest::keyClick(&ed, Qt::Key_V, Qt::ControlModifier);
    else if (action == QLatin1String("replace"))
        ed.replaceSelection(QStringLiteral("new"));
    else if (action == QLatin1String("overwrite")) {
        ed.setOverwriteMode(true);
        QTest::keyClicks(&ed, QStringLiteral("x"));
    }
    QCOMPARE(ed.toPlainText(), QStringLiteral("abPROTcd"));
    QCOMPARE(refused.count(), 1);
    QVERIFY(!ed.isPageModified());
}

void TestRichEditor::typingBesideProtectedText() {
    RichEditor ed;
    ed.show();
    QVERIFY(ed.loadRtf(page("{\\protect PROT}\\par next")));
    select(ed, 4, 4); // end of the protected run, end of the paragraph
    QTest::keyClicks(&ed, QStringLiteral("x"));
    QCOMPARE(ed.toPlainText(), QStringLiteral("PROTx\nnext"));
    select(ed, 4, 5);
    QVERIFY(!ed.charAttributes().isProtected);
    select(ed, 0, 0); // before the protected run
    QTest::keyClicks(&ed, QStringLiteral("y"));
    QCOMPARE(ed.toPlainText(), QStringLiteral("yPROTx\nnext"));
    select(ed, 6, 8); // ordinary text can still be deleted across the paragraph end
    QTest::keyClick(&ed, Qt::Key_Delete);
    QCOMPARE(ed.toPlainText(), QStringLiteral("yPROTxext"));
}

// Drop events reach the editor's handler as the viewport delivers them.
struct DropTarget : RichEditor {
    using RichEditor::dropEvent;
};

void TestRichEditor::dropIntoProtectedTextRefused() {
    DropTarget ed;
    ed.resize(400, 200);
    ed.show();
    QVERIFY(QTest::qWaitForWindowExposed(&ed));
    QVERIFY(ed.loadRtf(page("ab{\\protect PROTECTED}cd")));
    QMimeData mime;
    mime.setText(QStringLiteral("Z"));
    QDropEvent inside(pointOf(ed, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    ed.dropEvent(&inside);
    QCOMPARE(ed.toPlainText(), QStringLiteral("abPROTECTEDcd"));
    QDropEvent outside(pointOf(ed, 0), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    ed.dropEvent(&outside);
    QVERIFY(ed.toPlainText().contains(QLatin1Char('Z')));
    QVERIFY(ed.toPlainText().contains(QStringLiteral("PROTECTED")));
}

void TestRichEditor::detectUrls_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("urls");
    auto row = [](const char* name, const char* text, QStringList urls) {
        QTest::newRow(name) << QString::fromLatin1(text) << urls;
    };
    row("http", "see http://a.example/x now", {"http://a.example/x"});
    row("https upper case", "HTTPS://A.example", {"HTTPS://A.example"});
    row("mailto", "mail mailto:me@example.org.", {"mailto:me@example.org"});
    row("node link", "go file://Cast+List/12", {"file://Cast+List/12"});
    row("ftp in parentheses", "(ftp://host/file)", {"ftp://host/file"});
    row("two", "http://a b http://c", {"http://a", "http://c"});
    row("scheme alone", "http: nothing", {});
    row("inside a word", "xhttp://a", {});
    row("other scheme", "gopher://a news:x", {});
    row("at start", "http://start", {"http://start"});
}

void TestRichEditor::detectUrls() {
    QFETCH(QString, text);
    QFETCH(QStringList, urls);
    QStringList got;
    for (const UrlSpan& s : quillet::detectUrls(text))
        got.append(text.mid(s.start, s.length));
    QCOMPARE(got, urls);
}

void TestRichEditor::urlClick_data() {
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("needle");
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("expected");
    QTest::newRow("detected") << QByteArray("go http://a.example/x now") << "example"
                              << int(Qt::LeftButton) << "http://a.example/x";
    QTest::newRow("node link") << QByteArray("file://Plan/3") << "Plan" << int(Qt::LeftButton)
                               << "file://Plan/3";
    QTest::newRow("hyperlink field")
        << QByteArray("{\\field{\\*\\fldinst{HYPERLINK \"http://t.example/\"}}{\\fldrslt "
                      "click here}}")
        << "here" << int(Qt::LeftButton) << "http://t.example/";
    QTest::newRow("right click") << QByteArray("go http://a.example/x") << "example"
                                 << int(Qt::RightButton) << "";
    QTest::newRow("plain word") << QByteArray("nothing here") << "thing" << int(Qt::LeftButton)
                                << "";
}

void TestRichEditor::urlClick() {
    QFETCH(QByteArray, body);
    QFETCH(QString, needle);
    QFETCH(int, button);
    QFETCH(QString, expected);
    RichEditor ed;
    ed.resize(500, 200);
    ed.show();
    QVERIFY(QTest::qWaitForWindowExposed(&ed));
    QVERIFY(ed.loadRtf(page(body)));
    QSignalSpy clicks(&ed, &RichEditor::urlClicked);
    const int pos = int(ed.toPlainText().indexOf(needle));
    QVERIFY(pos >= 0);
    QTest::mouseClick(ed.viewport(), Qt::MouseButton(button), Qt::NoModifier, pointOf(ed, pos));
    if (expected.isEmpty()) {
        QCOMPARE(clicks.count(), 0);
    } else {
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(clicks.first().first().toString(), expected);
    }
    QVERIFY(!ed.isPageModified());
    // a detected link reads as a link through the attribute model
    if (button == Qt::LeftButton && !expected.isEmpty()) {
        select(ed, pos, pos + 2);
        QVERIFY(ed.charAttributes().link);
    }
}

void TestRichEditor::plainTextLoad_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("utf-8") << QByteArray("caf\xC3\xA9\r\nline")
                           << QStringLiteral("caf\u00E9\nline");
    QTest::newRow("utf-8 bom") << QByteArray("\xEF\xBB\xBFx\ny") << QStringLiteral("x\ny");
    QTest::newRow("windows-1252") << QByteArray("caf\xE9 \x80\rz")
                                  << QStringLiteral("caf\u00E9 \u20AC\nz");
    QTest::newRow("rtf text stays text")
        << QByteArray("{\\rtf1 x}") << QStringLiteral("{\\rtf1 x}");
}

void TestRichEditor::plainTextLoad() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("in.TXT"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    f.close();
    RichEditor ed;
    QString error;
    QVERIFY(ed.loadPage(path, &error));
    QCOMPARE(ed.toPlainText(), text);
    QVERIFY(!ed.isPageModified());
}

void TestRichEditor::plainTextSave_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("windows-1252") << QStringLiteral("caf\u00E9\n\u20AC")
                                  << QByteArray("caf\xE9\r\n\x80");
    QTest::newRow("utf-8 when needed")
        << QStringLiteral("\u0416\nb") << QByteArray("\xEF\xBB\xBF\xD0\x96\r\nb");
}

void TestRichEditor::plainTextSave() {
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    RichEditor ed;
    ed.setPlainText(text);
    QTextCursor c(ed.document());
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    c.select(QTextCursor::Document);
    c.mergeCharFormat(bold); // formatting does not reach a text file
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("out.txt"));
    QString error;
    QVERIFY(ed.savePage(path, &error));
    QCOMPARE(test::readFile(path), bytes);
}

void TestRichEditor::plainTextModeForAnyPath() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("page.rtf"));
    RichEditor ed;
    ed.setPlainTextMode(true);
    ed.setPlainText(QStringLiteral("{\\b not rtf}"));
    QVERIFY(ed.savePage(path, nullptr));
    QCOMPARE(test::readFile(path), QByteArray("{\\b not rtf}"));
    ed.clearPage();
    QVERIFY(ed.loadPage(path, nullptr));
    QCOMPARE(ed.toPlainText(), QStringLiteral("{\\b not rtf}"));
}

void TestRichEditor::pageFiles() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("7.rtf"));
    RichEditor ed;
    QVERIFY(ed.loadRtf(page("keep {\\b bold}")));
    QVERIFY(ed.savePage(path, nullptr));
    QVERIFY(test::readFile(path).startsWith("{\\rtf1\\ansi\\ansicpg1252\\deff0"));

    RichEditor other;
    QString error;
    QVERIFY(other.loadPage(path, &error));
    QCOMPARE(other.toPlainText(), QStringLiteral("keep bold"));
    QCOMPARE(test::describe(other.document()), test::describe(ed.document()));

    // a page that cannot be read leaves the editor as it was
    QVERIFY(!other.loadPage(dir.filePath(QStringLiteral("missing.rtf")), &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(other.toPlainText(), QStringLiteral("keep bold"));
    // a page that cannot be written reports it
    QVERIFY(!other.savePage(dir.filePath(QStringLiteral("no/such/dir/1.rtf")), &error));
}

void TestRichEditor::charAttributeRules() {
    RichEditor ed;
    ed.setPlainText(QStringLiteral("abcdef"));
    select(ed, 1, 4);
    CharAttributes a;
    a.size = 14;
    ed.setCharAttributes(a, CharField::Size);
    QCOMPARE(ed.charAttributes().size, 14);
    a.size = 0; // cannot be shown: ignored
    ed.setCharAttributes(a, CharField::Size);
    QCOMPARE(ed.charAttributes().size, 14);

    a.underlineStyle = UnderlineDotted;
    ed.setCharAttributes(a, CharField::UnderlineStyle);
    QVERIFY(ed.charAttributes().underline);
    QCOMPARE(ed.charAttributes().underlineStyle, int(UnderlineDotted));
    a.underline = false;
    ed.setCharAttributes(a, CharField::Underline);
    QCOMPARE(ed.charAttributes().underlineStyle, int(UnderlineNone));
    a.underline = true;
    ed.setCharAttributes(a, CharField::Underline);
    QCOMPARE(ed.charAttributes().underlineStyle, int(UnderlineSolid));
    a.underlineStyle = UnderlineNone;
    ed.setCharAttributes(a, CharField::UnderlineStyle);
    QVERIFY(!ed.charAttributes().underline);

    a.fontName = QStringLiteral("An Extremely Long Font Family Name That Goes On");
    ed.setCharAttributes(a, CharField::FontName);
    QCOMPARE(ed.charAttributes().fontName.size(), 31);

    a.color = 0x00FF00;
    a.backColor = 0x0000FF;
    ed.setCharAttributes(a, CharField::Color | CharField::BackColor);
    QCOMPARE(ed.charAttributes().color, 0x00FF00);
    QCOMPARE(ed.charAttributes().backColor, 0x0000FF);
    a.color = kAutoTextColor;
    a.backColor = kAutoBackColor;
    ed.setCharAttributes(a, CharField::Color | CharField::BackColor);
    QCOMPARE(ed.charAttributes().color, kAutoTextColor);
    QCOMPARE(ed.charAttributes().backColor, kAutoBackColor);

    // the insertion point: typed text takes the format
    select(ed, 6, 6);
    a.bold = true;
    a.script = ScriptSuperscript;
    ed.setCharAttributes(a, CharField::Bold | CharField::Script);
    QTest::keyClicks(&ed, QStringLiteral("z"));
    select(ed, 6, 7);
    QVERIFY(ed.charAttributes().bold);
    QCOMPARE(ed.charAttributes().script, int(ScriptSuperscript));
    select(ed, 0, 1);
    QVERIFY(!ed.charAttributes().bold);
}

void TestRichEditor::mixedSelectionReading() {
    RichEditor ed;
    QVERIFY(ed.loadRtf(page("{\\b\\fs40\\cf1 ab}{\\fs20 cd}")));
    select(ed, 0, 4);
    const CharAttributes a = ed.charAttributes();
    QVERIFY(!a.bold);       // set only when set throughout
    QCOMPARE(a.size, 20);   // the first character's
    QCOMPARE(a.color, 255); // the first character's
    // a toggle on the mixed selection therefore makes all of it bold
    CharAttributes t = a;
    t.bold = !a.bold;
    ed.setCharAttributes(t, CharField::Bold);
    QVERIFY(ed.charAttributes().bold);
    QCOMPARE(test::attributeAt(ed.document(), 3, QStringLiteral("size")).toInt(), 10);
}

void TestRichEditor::paraAttributeRules() {
    RichEditor ed;
    ed.setPlainText(QStringLiteral("one\ntwo\nthree"));
    select(ed, 1, 5); // touches the first two paragraphs
    ParaAttributes p;
    p.leftIndent = 4;
    ed.setParaAttributes(p, ParaField::LeftIndent);
    p.numbering = NumberingBullet;
    ed.setParaAttributes(p, ParaField::Numbering);
    QCOMPARE(ed.paraAttributes().numbering, int(NumberingBullet));
    QCOMPARE(ed.paraAttributes().leftIndent, 10);  // raised to 10
    ed.setParaAttributes(p, ParaField::Numbering); // twice stays bulleted
    QCOMPARE(ed.paraAttributes().numbering, int(NumberingBullet));
    QCOMPARE(test::attributeAt(ed.document(), 5, QStringLiteral("numbering")).toInt(), 1);
    QCOMPARE(test::attributeAt(ed.document(), 9, QStringLiteral("numbering")).toInt(), 0);
    p.numbering = NumberingNone;
    ed.setParaAttributes(p, ParaField::Numbering);
    QCOMPARE(ed.paraAttributes().numbering, int(NumberingNone));
    QCOMPARE(ed.paraAttributes().leftIndent, 0);

    p = ParaAttributes();
    p.alignment = AlignJustify;
    p.firstIndent = 12;
    p.leftIndent = 14;
    p.rightIndent = 3;
    p.spaceBefore = 5;
    p.spaceAfter = 7;
    p.lineSpacingRule = LineSpacingAtLeast;
    p.lineSpacing = 18;
    p.numbering = NumberingUpperRoman;
    p.numberingStyle = NumberingEnclosed;
    p.headingStyle = 2;
    ed.setParaAttributes(p, ParaField::All);
    QCOMPARE(ed.paraAttributes(), p);
    const QByteArray rtf = ed.saveRtf();
    RichEditor back;
    QVERIFY(back.loadRtf(rtf));
    select(back, 1, 1);
    QCOMPARE(back.paraAttributes(), p);
}

void TestRichEditor::find_data() {
    QTest::addColumn<QString>("what");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("end");
    QTest::addColumn<int>("options");
    QTest::addColumn<int>("foundAt");
    // text: "The cat scattered Cats."
    QTest::newRow("first") << "cat" << 0 << -1 << 0 << 4;
    QTest::newRow("from after first") << "cat" << 5 << -1 << 0 << 9;
    QTest::newRow("match case skips Cats") << "Cat" << 10 << -1 << int(FindOption::MatchCase) << 18;
    QTest::newRow("any case") << "CAT" << 10 << -1 << 0 << 18;
    QTest::newRow("whole word") << "cat" << 5 << -1 << int(FindOption::WholeWord) << -1;
    QTest::newRow("whole word first") << "cat" << 0 << -1 << int(FindOption::WholeWord) << 4;
    QTest::newRow("backward") << "cat" << 0 << 17 << int(FindOption::Backward) << 9;
    QTest::newRow("backward limited") << "cat" << 5 << 9 << int(FindOption::Backward) << -1;
    QTest::newRow("not found") << "dog" << 0 << -1 << 0 << -1;
    QTest::newRow("empty") << "" << 0 << -1 << 0 << -1;
    QTest::newRow("range end") << "cat" << 5 << 11 << 0 << -1;
}

void TestRichEditor::find() {
    QFETCH(QString, what);
    QFETCH(int, start);
    QFETCH(int, end);
    QFETCH(int, options);
    QFETCH(int, foundAt);
    RichEditor ed;
    ed.setPlainText(QStringLiteral("The cat scattered Cats."));
    const TextRange r = ed.findText(what, start, end, FindOptions(options));
    QCOMPARE(r.start, foundAt);
    if (r.found())
        QCOMPARE(r.length, int(what.size()));
}

void TestRichEditor::lineIndexAsLaidOut() {
    RichEditor ed;
    ed.resize(200, 300);
    ed.show();
    QVERIFY(QTest::qWaitForWindowExposed(&ed));
    ed.setLineWrapMode(QTextEdit::FixedPixelWidth);
    ed.setLineWrapColumnOrWidth(150);
    const QString longLine = QStringLiteral("word ").repeated(40);
    ed.setPlainText(QStringLiteral("first\n") + longLine + QStringLiteral("\nlast"));
    QCOMPARE(ed.lineFromPosition(0), 0);
    QCOMPARE(ed.lineFromPosition(3), 0);
    QCOMPARE(ed.lineFromPosition(6), 1);
    const QTextBlock wrapped = ed.document()->findBlockByNumber(1);
    const int lines = wrapped.layout()->lineCount();
    QVERIFY(lines > 2);
    const int lastPos = int(ed.toPlainText().indexOf(QStringLiteral("last")));
    QCOMPARE(ed.lineFromPosition(lastPos + 2), 1 + lines);
    QCOMPARE(ed.lineStartPosition(lastPos + 2), lastPos);
    const int secondLineStart = 6 + wrapped.layout()->lineAt(1).textStart();
    QCOMPARE(ed.lineFromPosition(secondLineStart + 1), 2);
    QCOMPARE(ed.lineStartPosition(secondLineStart + 1), secondLineStart);
}

void TestRichEditor::selectionTextAndReplace() {
    RichEditor ed;
    QVERIFY(ed.loadRtf(page("one\\par two\\line half\\par three")));
    select(ed, 0, 16);
    QVERIFY(ed.hasSelection());
    QCOMPARE(ed.selectedText(), QStringLiteral("one\r\ntwo\x0Bhalf\r\nthr"));
    QCOMPARE(ed.pageText(), QStringLiteral("one\r\ntwo\x0Bhalf\r\nthree"));
    select(ed, 4, 7);
    ed.replaceSelection(QStringLiteral("A\r\nB\nC"));
    QCOMPARE(ed.toPlainText(), QStringLiteral("one\nA\nB\nC\nhalf\nthree"));
    QCOMPARE(ed.selectedText(), QStringLiteral("A\r\nB\r\nC"));
    QVERIFY(ed.isPageModified());
    ed.undo(); // one step
    QCOMPARE(ed.document()->toRawText(), QStringLiteral("one\u2029two\u2028half\u2029three"));
}

void TestRichEditor::undoRedo() {
    RichEditor ed;
    ed.show();
    QVERIFY(ed.loadRtf(page("base")));
    QVERIFY(!ed.document()->isUndoAvailable()); // loading is not an edit
    select(ed, 4, 4);
    QTest::keyClicks(&ed, QStringLiteral(" more"));
    select(ed, 0, 4);
    CharAttributes a;
    a.italic = true;
    ed.setCharAttributes(a, CharField::Italic);
    ed.undo();
    QVERIFY(!ed.charAttributes().italic);
    QCOMPARE(ed.toPlainText(), QStringLiteral("base more"));
    ed.undo();
    QCOMPARE(ed.toPlainText(), QStringLiteral("base"));
    ed.redo();
    ed.redo();
    QCOMPARE(ed.toPlainText(), QStringLiteral("base more"));
    select(ed, 0, 4);
    QVERIFY(ed.charAttributes().italic);
}

void TestRichEditor::hiddenTextTakesNoRoom() {
    RichEditor ed;
    ed.resize(600, 200);
    ed.show();
    QVERIFY(QTest::qWaitForWindowExposed(&ed));
    QVERIFY(ed.loadRtf(page("ab{\\v HIDDENHIDDENHIDDEN}cd\\par ab{\\disabled XY}cd")));
    QCOMPARE(ed.toPlainText(), QStringLiteral("abHIDDENHIDDENHIDDENcd\nabXYcd"));
    const QTextBlock b = ed.document()->firstBlock();
    ed.document()->documentLayout()->blockBoundingRect(b);
    const QTextLine line = b.layout()->lineAt(0);
    const qreal hiddenWidth = line.cursorToX(20) - line.cursorToX(2);
    QVERIFY2(hiddenWidth < 3.0, qPrintable(QString::number(hiddenWidth)));
    // still there for saving, and still hidden afterwards
    const QByteArray rtf = ed.saveRtf();
    QVERIFY(rtf.contains("\\v HIDDENHIDDENHIDDEN"));
    QVERIFY(rtf.contains("\\disabled XY"));
    select(ed, 3, 4);
    QVERIFY(ed.charAttributes().hidden);
    select(ed, 26, 27);
    QVERIFY(ed.charAttributes().disabled);
    QCOMPARE(ed.charAttributes().color, kAutoTextColor); // greyed only on screen
}

void TestRichEditor::printingLeavesHiddenTextOut() {
    RichEditor ed;
    QVERIFY(ed.loadRtf(page("a{\\v secret}b{\\disabled off}c\\par {\\v all hidden}\\par d")));
    const auto printable = ed.printableDocument();
    QCOMPARE(printable->toPlainText(), QStringLiteral("aboffc\n\nd"));
    QTextCursor c(printable.get());
    c.setPosition(3);
    QCOMPARE(c.charFormat().foreground().color(), QColor(0x80, 0x80, 0x80));
    QCOMPARE(ed.toPlainText(), QStringLiteral("asecretboffc\nall hidden\nd")); // page untouched
}

void TestRichEditor::contextMenuFollowsProtection() {
    RichEditor ed;
    QVERIFY(ed.loadRtf(page("ab{\\protect PROT}cd")));
    QAction find(QStringLiteral("Find"));
    ed.setExtraContextActions({&find});
    auto enabled = [&](const QString& name) {
        std::unique_ptr<QMenu> menu(ed.createPageContextMenu(QPoint(1, 1)));
        for (QAction* a : menu->actions())
            if (a->objectName() == name || a->text() == name)
                return a->isEnabled();
        return false;
    };
    QApplication::clipboard()->setText(QStringLiteral("clip"));
    select(ed, 0, 1);
    QVERIFY(enabled(QStringLiteral("edit-cut")));
    QVERIFY(enabled(QStringLiteral("edit-paste")));
    QVERIFY(enabled(QStringLiteral("Find")));
    select(ed, 1, 3);
    QVERIFY(!enabled(QStringLiteral("edit-cut")));
    QVERIFY(!enabled(QStringLiteral("edit-paste")));
    QVERIFY(!enabled(QStringLiteral("edit-delete")));
    QVERIFY(enabled(QStringLiteral("edit-copy")));
}

void TestRichEditor::copyAndPasteKeepFormattingAndPictures() {
    RichEditor from;
    QVERIFY(from.loadRtf(page("x{\\b bold}{\\pict\\wmetafile8\\picwgoal300\\pichgoal300 0100}y")));
    select(from, 1, 6);
    from.copy();
    const QMimeData* mime = QApplication::clipboard()->mimeData();
    QVERIFY(mime->hasFormat(QStringLiteral("text/rtf")));
    RichEditor to;
    to.setPlainText(QStringLiteral("[]"));
    select(to, 1, 1);
    to.paste();
    QCOMPARE(to.toPlainText(), QStringLiteral("[bold\uFFFC]"));
    QVERIFY(test::attributeAt(to.document(), 2, QStringLiteral("bold")).toBool());
    // the kept metafile travels with its original data
    QVERIFY(to.saveRtf().contains("{\\pict\\wmetafile8\\picwgoal300\\pichgoal300 0100}"));

    QImage img(5, 4, QImage::Format_RGB32);
    img.fill(Qt::red);
    QApplication::clipboard()->setImage(img);
    select(to, 0, 0);
    to.paste();
    QVERIFY(to.toPlainText().startsWith(QChar::ObjectReplacementCharacter));
    QVERIFY(to.saveRtf().contains("\\pngblip\\picw5\\pich4"));
}

void TestRichEditor::longReplacementIsOneUndoStep() {
    // Long texts go in piece by piece; the person still sees one edit.
    RichEditor ed;
    const QString original = QStringLiteral("old page\n").repeated(1000);
    ed.setPlainText(original);
    ed.selectAll();
    QString replacement;
    for (int i = 0; i < 40000; ++i)
        replacement += QStringLiteral("line %1 \U0001F600\r\n").arg(i);
    ed.replaceSelection(replacement);
    QCOMPARE(ed.selectedText(), replacement);
    QCOMPARE(ed.textCursor().selectionStart(), 0);
    ed.undo();
    QCOMPARE(ed.toPlainText(), original);
    ed.redo();
    QCOMPARE(ed.pageText(), replacement);
}

QTEST_MAIN(TestRichEditor)
#include "test_rich_editor.moc"
