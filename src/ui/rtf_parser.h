#pragma once

// The RTF reader's parser, shared by its two source files (groups and text in
// rtf_reader.cpp, control words in rtf_parser_words.cpp). Not for use elsewhere.

#include "ui/rtf_codepage.h"
#include "ui/rtf_doc_builder.h"
#include "ui/rtf_words.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

#include <string_view>

class QTextDocument;

namespace quillet::rtf {

enum class Dest {
    Normal,
    FontTable,
    ColorTable,
    FieldInst,
    Pn,
    PnText, // \pntxtb / \pntxta
    ListTable,
    List,
    ListLevel,
    LevelText,
    ListOverrideTable,
    ListOverride,
    StyleSheet,
    Ignore, // read through, text dropped (\levelnumbers and the like inside tables)
};

struct PnInfo {
    int numbering = NumberingNone;
    QString before, after;
    int start = 1;
    bool seen = false;
};

struct ListLevelDef {
    int numbering = NumberingArabic;
    int style = NumberingPeriod;
    int start = 1;
};

struct GroupState {
    Dest dest = Dest::Normal;
    RtfCharState cs;
    RtfParaState ps;
    int uc = 1;
    qsizetype open = 0; // index of this group's '{'
    bool fieldGroup = false;
    bool starred = false;
    bool fontEntry = false;
    bool pnAfter = false; // \pntxta rather than \pntxtb
    PnInfo pn;
    QString collected; // text of \pntxtb, \pntxta, \leveltext
};

class Parser {
public:
    Parser(const QByteArray& in, QTextDocument* doc)
        : in_(in), builder_(doc, &fonts_, &defaultFont_) {}

    void run();

private:
    void openGroup();
    void closeGroup();
    void popGroup();
    void skipGroup();
    void captureGroup(bool object);
    void controlSymbol(char c);
    void controlWord(std::string_view word, bool hasParam, int param);
    void destination(W w);
    void textByte(unsigned char b);
    void flushBytes();
    void flushText();
    void deliver(const QString& s);
    int codePage() const;
    RtfParaState resolvedPara() const;
    qint32 colorAt(int index) const;
    void commitFont();
    void commitStyle();

    const QByteArray& in_;
    qsizetype pos_ = 0;
    QList<GroupState> stack_;
    int overflow_ = 0;
    GroupState st_;
    bool done_ = false;
    int ucSkip_ = 0;

    CodePageDecoder decoder_;
    int ansiCp_ = 1252;
    QByteArray bytes_;
    QString text_;

    QHash<int, RtfFont> fonts_;
    int defaultFont_ = 0;
    int fontNo_ = -1;
    int fontCharset_ = 0;
    QString fontName_;
    QList<qint32> colors_;
    int red_ = -1, green_ = -1, blue_ = -1;

    QHash<int, int> styleHeadings_; // paragraph style number -> heading style
    int styleNo_ = 0;
    int styleOutline_ = -1;
    QString styleName_;

    qint64 pixelBudget_ = qint64(512) << 20; // decoded picture bytes per page

    QList<QString> fieldInstr_;
    QList<int> cellEdges_;

    QHash<int, QList<ListLevelDef>> lists_; // by \listid
    QHash<int, int> overrides_;             // \ls -> \listid
    QList<ListLevelDef> listLevels_;        // the \list being read
    ListLevelDef level_;                    // the \listlevel being read
    int listId_ = 0;
    int overrideList_ = 0;
    int overrideLs_ = 0;

    RtfDocBuilder builder_;
};

} // namespace quillet::rtf
