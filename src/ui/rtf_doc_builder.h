#pragma once

// Builds a QTextDocument from what the RTF reader finds: runs of text under a character
// state, paragraph ends under a paragraph state, pictures, table cells and rows.

#include "ui/rtf_picture.h"
#include "ui/text_attributes.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextImageFormat>

#include <vector>

class QTextDocument;
class QTextList;
class QTextTable;

namespace quillet {

struct RtfCharState {
    int font = -1; // -1: the document's default font
    int halfPoints = 24;
    qint32 color = kAutoTextColor;
    qint32 backColor = kAutoBackColor;
    bool bold = false;
    bool italic = false;
    bool strike = false;
    bool hidden = false;
    bool isProtected = false;
    bool disabled = false;
    int underline = UnderlineNone;
    int script = ScriptNormal;
    QString href; // inside a hyperlink field's result
    bool operator==(const RtfCharState&) const = default;
};

struct RtfParaState {
    int align = AlignLeft;
    int fi = 0, li = 0, ri = 0, sb = 0, sa = 0, sl = 0, slmult = 0; // twips
    bool inTable = false;
    int heading = 0;
    // numbering, filled from \pn groups or resolved from \ls
    int numbering = NumberingNone;
    int numberingStyle = NumberingPeriod;
    int numberingStart = 1;
    int ls = 0;
    int ilvl = 0;
    bool operator==(const RtfParaState&) const = default;
};

struct RtfFont {
    QString name;
    int charset = 0;
};

class RtfDocBuilder {
public:
    RtfDocBuilder(QTextDocument* doc, const QHash<int, RtfFont>* fonts, const int* defaultFont);

    void addText(const QString& text, const RtfCharState& cs);
    void addPicture(const RtfPicture& pic, const QByteArray& raw, const RtfCharState& cs);
    void endParagraph(const RtfParaState& ps, const RtfCharState& cs, bool pageBreakAfter);
    // A page break: before a paragraph that has no text yet it starts that paragraph on a
    // new page, otherwise it ends the paragraph and the next one starts the new page.
    void pageBreak(const RtfParaState& ps, const RtfCharState& cs);
    void endCell(const RtfParaState& ps, const RtfCharState& cs);
    void endRow(const QList<int>& cellEdges);
    void finish(const RtfParaState& ps, const RtfCharState& cs);

private:
    struct Run {
        QString text;
        QTextCharFormat format;
        bool image = false;
    };
    struct Para {
        std::vector<Run> runs;
        QTextBlockFormat block;
        QTextCharFormat blockChar;
        int numbering = 0;
        int numberingStyle = 0;
        int numberingStart = 1;
        int listKey = 0;
        bool pageBreakBefore = false;
    };
    using Cell = std::vector<Para>;

    const QTextCharFormat& formatFor(const RtfCharState& cs);
    void closePending(const RtfParaState& ps, const RtfCharState& cs);
    void writeParagraph(Para& p);
    void writeRuns(QTextCursor& c, const Para& p);
    void flushRow();

    QTextDocument* doc_;
    const QHash<int, RtfFont>* fonts_;
    const int* defaultFont_;
    QTextCursor cursor_;
    Para pending_;
    RtfCharState lastState_;
    QTextCharFormat lastFormat_;
    bool haveLast_ = false;
    bool needBlock_ = false;
    bool nextPageBreak_ = false;
    QTextList* list_ = nullptr;
    int listKey_ = 0;
    std::vector<Cell> rowCells_;
    Cell cell_;
    QList<int> rowEdges_;
    QTextTable* table_ = nullptr;
    int pictureCount_ = 0;
};

} // namespace quillet
