#include "ui/rtf_reader.h"

#include "ui/rtf_codepage.h"
#include "ui/rtf_doc_builder.h"
#include "ui/rtf_picture.h"

#include <QCoreApplication>
#include <QTextDocument>

#include <algorithm>
#include <string_view>
#include <unordered_map>

namespace quillet {

namespace {

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

enum class W {
    Unknown,
    // destinations
    Rtf,
    FontTbl,
    ColorTbl,
    Pict,
    Object,
    Field,
    FldInst,
    FldRslt,
    Pn,
    PnTxtB,
    PnTxtA,
    ListTable,
    List,
    ListLevel,
    LevelText,
    ListOverrideTable,
    ListOverride,
    ShpPict,
    StyleSheet,
    SkipDest,
    // document
    AnsiCpg,
    Ansi,
    Mac,
    Pc,
    Pca,
    Deff,
    FCharset,
    Red,
    Green,
    Blue,
    Uc,
    U,
    Bin,
    // characters
    Plain,
    F,
    Fs,
    Cf,
    Cb,
    Highlight,
    ChCbPat,
    B,
    I,
    Ul,
    UlWord,
    UlDouble,
    UlDotted,
    UlDash,
    UlNone,
    Strike,
    Super,
    Sub,
    NoSuperSub,
    Up,
    Dn,
    V,
    Protect,
    Disabled,
    // paragraphs
    Pard,
    Ql,
    Qr,
    Qc,
    Qj,
    Fi,
    Li,
    Ri,
    Sb,
    Sa,
    Sl,
    SlMult,
    InTbl,
    OutlineLevel,
    Ls,
    Ilvl,
    // breaks and special characters
    Par,
    Line,
    Tab,
    Page,
    EmDash,
    EnDash,
    EmSpace,
    EnSpace,
    QmSpace,
    Bullet,
    LQuote,
    RQuote,
    LDblQuote,
    RDblQuote,
    Zwj,
    Zwnj,
    // tables
    Trowd,
    Cellx,
    Cell,
    Row,
    NestCell,
    NestRow,
    // lists
    PnLvlBlt,
    PnLvlBody,
    PnLvl,
    PnDec,
    PnUcLtr,
    PnLcLtr,
    PnUcRm,
    PnLcRm,
    PnStart,
    ListId,
    LevelNfc,
    LevelStartAt,
    S,
};

const std::unordered_map<std::string_view, W>& words() {
    static const std::unordered_map<std::string_view, W> table = {
        {"rtf", W::Rtf},
        {"fonttbl", W::FontTbl},
        {"colortbl", W::ColorTbl},
        {"pict", W::Pict},
        {"object", W::Object},
        {"field", W::Field},
        {"fldinst", W::FldInst},
        {"fldrslt", W::FldRslt},
        {"pn", W::Pn},
        {"pntxtb", W::PnTxtB},
        {"pntxta", W::PnTxtA},
        {"listtable", W::ListTable},
        {"list", W::List},
        {"listlevel", W::ListLevel},
        {"leveltext", W::LevelText},
        {"listoverridetable", W::ListOverrideTable},
        {"listoverride", W::ListOverride},
        {"shppict", W::ShpPict},
        {"stylesheet", W::StyleSheet},
        {"s", W::S},
        // destinations whose content is not page text
        {"info", W::SkipDest},

        {"header", W::SkipDest},
        {"headerl", W::SkipDest},
        {"headerr", W::SkipDest},
        {"headerf", W::SkipDest},
        {"footer", W::SkipDest},
        {"footerl", W::SkipDest},
        {"footerr", W::SkipDest},
        {"footerf", W::SkipDest},
        {"footnote", W::SkipDest},
        {"annotation", W::SkipDest},
        {"pntext", W::SkipDest},
        {"listtext", W::SkipDest},
        {"nonshppict", W::SkipDest},
        {"revtbl", W::SkipDest},
        {"filetbl", W::SkipDest},
        {"template", W::SkipDest},
        {"levelnumbers", W::SkipDest},
        {"listname", W::SkipDest},
        {"xe", W::SkipDest},
        {"tc", W::SkipDest},
        {"rsidtbl", W::SkipDest},
        {"generator", W::SkipDest},
        {"pgdsctbl", W::SkipDest},
        {"themedata", W::SkipDest},
        {"colorschememapping", W::SkipDest},
        {"latentstyles", W::SkipDest},
        {"datastore", W::SkipDest},
        {"xmlnstbl", W::SkipDest},
        {"bkmkstart", W::SkipDest},
        {"bkmkend", W::SkipDest},
        {"nesttableprops", W::SkipDest},
        {"ansicpg", W::AnsiCpg},
        {"ansi", W::Ansi},
        {"mac", W::Mac},
        {"pc", W::Pc},
        {"pca", W::Pca},
        {"deff", W::Deff},
        {"fcharset", W::FCharset},
        {"red", W::Red},
        {"green", W::Green},
        {"blue", W::Blue},
        {"uc", W::Uc},
        {"u", W::U},
        {"bin", W::Bin},
        {"plain", W::Plain},
        {"f", W::F},
        {"fs", W::Fs},
        {"cf", W::Cf},
        {"cb", W::Cb},
        {"highlight", W::Highlight},
        {"chcbpat", W::ChCbPat},
        {"b", W::B},
        {"i", W::I},
        {"ul", W::Ul},
        {"ulth", W::Ul},
        {"ulwave", W::Ul},
        {"ulhwave", W::Ul},
        {"ululdbwave", W::UlDouble},
        {"ulw", W::UlWord},
        {"uldb", W::UlDouble},
        {"uld", W::UlDotted},
        {"ulthd", W::UlDotted},
        {"uldash", W::UlDash},
        {"uldashd", W::UlDash},
        {"uldashdd", W::UlDash},
        {"ulthdash", W::UlDash},
        {"ulthdashd", W::UlDash},
        {"ulthdashdd", W::UlDash},
        {"ulldash", W::UlDash},
        {"ulthldash", W::UlDash},
        {"ulnone", W::UlNone},
        {"strike", W::Strike},
        {"strikedl", W::Strike},
        {"super", W::Super},
        {"sub", W::Sub},
        {"nosupersub", W::NoSuperSub},
        {"up", W::Up},
        {"dn", W::Dn},
        {"v", W::V},
        {"protect", W::Protect},
        {"disabled", W::Disabled},
        {"pard", W::Pard},
        {"ql", W::Ql},
        {"qr", W::Qr},
        {"qc", W::Qc},
        {"qj", W::Qj},
        {"qd", W::Qj},
        {"fi", W::Fi},
        {"li", W::Li},
        {"ri", W::Ri},
        {"sb", W::Sb},
        {"sa", W::Sa},
        {"sl", W::Sl},
        {"slmult", W::SlMult},
        {"intbl", W::InTbl},
        {"outlinelevel", W::OutlineLevel},
        {"ls", W::Ls},
        {"ilvl", W::Ilvl},
        {"par", W::Par},
        {"sect", W::Par},
        {"line", W::Line},
        {"tab", W::Tab},
        {"page", W::Page},
        {"emdash", W::EmDash},
        {"endash", W::EnDash},
        {"emspace", W::EmSpace},
        {"enspace", W::EnSpace},
        {"qmspace", W::QmSpace},
        {"bullet", W::Bullet},
        {"lquote", W::LQuote},
        {"rquote", W::RQuote},
        {"ldblquote", W::LDblQuote},
        {"rdblquote", W::RDblQuote},
        {"zwj", W::Zwj},
        {"zwnj", W::Zwnj},
        {"trowd", W::Trowd},
        {"cellx", W::Cellx},
        {"cell", W::Cell},
        {"row", W::Row},
        {"nestcell", W::NestCell},
        {"nestrow", W::NestRow},
        {"pnlvlblt", W::PnLvlBlt},
        {"pnlvlbody", W::PnLvlBody},
        {"pnlvl", W::PnLvl},
        {"pndec", W::PnDec},
        {"pnucltr", W::PnUcLtr},
        {"pnlcltr", W::PnLcLtr},
        {"pnucrm", W::PnUcRm},
        {"pnlcrm", W::PnLcRm},
        {"pnstart", W::PnStart},
        {"listid", W::ListId},
        {"levelnfc", W::LevelNfc},
        {"levelnfcn", W::LevelNfc},
        {"levelstartat", W::LevelStartAt},
    };
    return table;
}

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

// Numbering style of a list label: text before and after the number.
int styleOfLabel(const QString& before, const QString& after) {
    if (before.endsWith(QLatin1Char('(')) && after.startsWith(QLatin1Char(')')))
        return NumberingEnclosed;
    if (after.startsWith(QLatin1Char(')')))
        return NumberingParenthesis;
    if (after.startsWith(QLatin1Char('.')))
        return NumberingPeriod;
    if (after.isEmpty() || after.at(0).isSpace())
        return NumberingSimple;
    return NumberingPeriod;
}

int numberingOfNfc(int nfc) {
    switch (nfc) {
    case 0:
        return NumberingArabic;
    case 1:
        return NumberingUpperRoman;
    case 2:
        return NumberingLowerRoman;
    case 3:
        return NumberingUpperLetter;
    case 4:
        return NumberingLowerLetter;
    case 23:
        return NumberingBullet;
    case 255:
        return NumberingNone;
    default:
        return NumberingArabic;
    }
}

// The target of a HYPERLINK field instruction, empty for other fields.
QString hyperlinkTarget(const QString& instr) {
    QString s = instr.trimmed();
    if (!s.startsWith(QLatin1String("HYPERLINK"), Qt::CaseInsensitive))
        return {};
    s = s.mid(9);
    QString target;
    bool anchor = false;
    qsizetype i = 0;
    auto token = [&]() {
        while (i < s.size() && s.at(i).isSpace())
            ++i;
        QString t;
        if (i < s.size() && s.at(i) == QLatin1Char('"')) {
            ++i;
            while (i < s.size() && s.at(i) != QLatin1Char('"'))
                t.append(s.at(i++));
            ++i;
        } else {
            while (i < s.size() && !s.at(i).isSpace())
                t.append(s.at(i++));
        }
        return t;
    };
    while (i < s.size()) {
        const QString t = token();
        if (t.isEmpty())
            continue;
        if (t.startsWith(QLatin1Char('\\'))) {
            if (t == QLatin1String("\\l"))
                anchor = true;
            else if (t == QLatin1String("\\o") || t == QLatin1String("\\t"))
                token();
            continue;
        }
        if (anchor)
            target += QLatin1Char('#') + t;
        else if (target.isEmpty())
            target = t;
        anchor = false;
    }
    return target;
}

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

int Parser::codePage() const {
    if (st_.dest == Dest::FontTable) {
        const int cp = codePageForCharset(fontCharset_);
        return cp ? cp : ansiCp_;
    }
    const int fontNo = st_.cs.font < 0 ? defaultFont_ : st_.cs.font;
    const auto it = fonts_.constFind(fontNo);
    if (it != fonts_.constEnd()) {
        const int cp = codePageForCharset(it->charset);
        if (cp)
            return cp;
    }
    return ansiCp_;
}

void Parser::flushBytes() {
    if (bytes_.isEmpty())
        return;
    text_ += decoder_.decode(bytes_, codePage());
    bytes_.clear();
}

void Parser::textByte(unsigned char b) {
    if (ucSkip_ > 0) {
        --ucSkip_;
        return;
    }
    if (b < 0x80 && bytes_.isEmpty()) {
        text_.append(QChar(b));
        return;
    }
    const int cp = codePage();
    const bool dbcs = cp == 932 || cp == 936 || cp == 949 || cp == 950;
    if (b < 0x80 && !dbcs) {
        flushBytes();
        text_.append(QChar(b));
        return;
    }
    bytes_.append(char(b));
}

void Parser::flushText() {
    flushBytes();
    if (text_.isEmpty())
        return;
    deliver(text_);
    text_.clear();
}

// Headings come from a style's outline level, or from the usual names "heading 1" to "heading 9".
void Parser::commitStyle() {
    int heading = styleOutline_ >= 0 && styleOutline_ <= 8 ? styleOutline_ + 1 : 0;
    const QString name = styleName_.trimmed();
    if (!heading && name.size() == 9 &&
        name.startsWith(QLatin1String("heading "), Qt::CaseInsensitive) &&
        name.at(8) >= QLatin1Char('1') && name.at(8) <= QLatin1Char('9'))
        heading = name.at(8).unicode() - '0';
    if (heading && styleHeadings_.size() < 4096)
        styleHeadings_.insert(styleNo_, heading);
    styleNo_ = 0;
    styleOutline_ = -1;
    styleName_.clear();
}

void Parser::commitFont() {
    if (fontNo_ >= 0 && !fontName_.trimmed().isEmpty())
        fonts_.insert(fontNo_, RtfFont{fontName_.trimmed().left(255), fontCharset_});
    fontName_.clear();
}

void Parser::deliver(const QString& s) {
    switch (st_.dest) {
    case Dest::Normal:
        builder_.addText(s, st_.cs);
        break;
    case Dest::FontTable:
        for (QChar c : s) {
            if (c == QLatin1Char(';')) {
                commitFont();
                fontNo_ = -1;
            } else if (fontName_.size() < 256) {
                fontName_.append(c);
            }
        }
        break;
    case Dest::ColorTable:
        for (QChar c : s) {
            if (c != QLatin1Char(';'))
                continue;
            if (colors_.size() < 65536)
                colors_.append(red_ < 0 && green_ < 0 && blue_ < 0
                                   ? kAutoTextColor
                                   : qint32(std::max(red_, 0) + std::max(green_, 0) * 256 +
                                            std::max(blue_, 0) * 65536));
            red_ = green_ = blue_ = -1;
        }
        break;
    case Dest::FieldInst:
        if (!fieldInstr_.isEmpty() && fieldInstr_.last().size() < 4096)
            fieldInstr_.last() += s;
        break;
    case Dest::StyleSheet:
        for (QChar c : s) {
            if (c == QLatin1Char(';'))
                commitStyle();
            else if (styleName_.size() < 256)
                styleName_.append(c);
        }
        break;
    case Dest::PnText:
    case Dest::LevelText:
        if (st_.collected.size() < 256)
            st_.collected += s;
        break;
    default:
        break;
    }
}

qint32 Parser::colorAt(int index) const {
    if (index < 0 || index >= colors_.size())
        return kAutoTextColor;
    return colors_[index];
}

RtfParaState Parser::resolvedPara() const {
    RtfParaState ps = st_.ps;
    if (ps.ls > 0) {
        const auto o = overrides_.constFind(ps.ls);
        const auto l = lists_.constFind(o != overrides_.constEnd() ? o.value() : -1);
        if (l != lists_.constEnd() && !l->isEmpty()) {
            const ListLevelDef& d = (*l)[std::clamp(ps.ilvl, 0, int(l->size()) - 1)];
            ps.numbering = d.numbering;
            ps.numberingStyle = d.style;
            ps.numberingStart = d.start;
        } else if (ps.numbering == NumberingNone) {
            ps.numbering = NumberingBullet; // a list we cannot resolve still is a list
        }
    }
    return ps;
}

void Parser::openGroup() {
    flushText();
    ucSkip_ = 0;
    if (stack_.size() >= RtfReader::kMaxDepth) {
        ++overflow_;
        return;
    }
    stack_.append(st_);
    st_.open = pos_ - 1;
    st_.fieldGroup = false;
    st_.starred = false;
    st_.fontEntry = st_.dest == Dest::FontTable;
    st_.pnAfter = false;
    st_.collected.clear();
}

void Parser::popGroup() {
    if (stack_.size() <= 1) {
        // The document's own group ends here; its last paragraph keeps this group's state.
        done_ = true;
        return;
    }
    GroupState inner = std::move(st_);
    st_ = stack_.takeLast();
    if (inner.fieldGroup && !fieldInstr_.isEmpty())
        fieldInstr_.removeLast();
    switch (inner.dest) {
    case Dest::FontTable:
        if (inner.fontEntry)
            commitFont();
        break;
    case Dest::Pn:
        if (st_.dest != Dest::Pn && inner.pn.seen) {
            st_.ps.numbering = inner.pn.numbering;
            st_.ps.numberingStyle = styleOfLabel(inner.pn.before, inner.pn.after);
            st_.ps.numberingStart = inner.pn.start;
        } else if (st_.dest == Dest::Pn) {
            st_.pn = inner.pn;
        }
        break;
    case Dest::PnText:
        if (st_.dest == Dest::Pn) {
            if (inner.pnAfter)
                st_.pn.after = inner.collected;
            else
                st_.pn.before = inner.collected;
        }
        break;
    case Dest::LevelText:
        if (st_.dest == Dest::ListLevel) {
            // First character is the length; \'00..\'08 stand for the level numbers.
            const QString t = inner.collected.mid(1);
            qsizetype p = 0;
            while (p < t.size() && t.at(p).unicode() >= 10)
                ++p;
            if (p < t.size()) {
                qsizetype q = p + 1;
                while (q < t.size() && t.at(q).unicode() >= 10)
                    ++q;
                level_.style = styleOfLabel(t.left(p), t.mid(p + 1, q - p - 1));
            }
        }
        break;
    case Dest::ListLevel:
        if (st_.dest == Dest::List && listLevels_.size() < 9)
            listLevels_.append(level_);
        break;
    case Dest::List:
        if (st_.dest == Dest::ListTable && lists_.size() < 4096)
            lists_.insert(listId_, listLevels_);
        break;
    case Dest::ListOverride:
        if (st_.dest == Dest::ListOverrideTable && overrides_.size() < 4096)
            overrides_.insert(overrideLs_, overrideList_);
        break;
    default:
        break;
    }
}

void Parser::closeGroup() {
    flushText();
    ucSkip_ = 0;
    if (overflow_ > 0) {
        --overflow_;
        return;
    }
    popGroup();
}

void Parser::skipGroup() {
    flushText();
    pos_ = rtfGroupEnd(in_, pos_, 1);
    if (overflow_ > 0) {
        --overflow_;
        return;
    }
    popGroup();
}

void Parser::captureGroup(bool object) {
    flushText();
    if (overflow_ > 0) {
        skipGroup();
        return;
    }
    const qsizetype end = rtfGroupEnd(in_, st_.open);
    const QByteArray raw = in_.mid(st_.open, end - st_.open);
    pos_ = end;
    RtfPicture pic;
    if (!object) {
        pic = decodeRtfPicture(raw);
    } else {
        // An object shows its result picture when it has one; the object itself is kept.
        const qsizetype result = raw.indexOf("\\result");
        const qsizetype pict = result >= 0 ? raw.indexOf("{\\pict", result) : -1;
        if (pict >= 0) {
            pic = decodeRtfPicture(raw.mid(pict, rtfGroupEnd(raw, pict) - pict));
        } else {
            pic.displaySize = QSize(96, 96);
            pic.image = placeholderImage(pic.displaySize);
        }
        pic.kind = QStringLiteral("object");
    }
    const RtfCharState cs = st_.cs;
    const Dest dest = st_.dest;
    popGroup();
    if (dest == Dest::Normal)
        builder_.addPicture(pic, raw, cs);
}

void Parser::destination(W w) {
    switch (w) {
    case W::FontTbl:
        st_.dest = Dest::FontTable;
        break;
    case W::ColorTbl:
        st_.dest = Dest::ColorTable;
        red_ = green_ = blue_ = -1;
        break;
    case W::Pict:
        captureGroup(false);
        break;
    case W::Object:
        captureGroup(true);
        break;
    case W::Field:
        if (fieldInstr_.size() < RtfReader::kMaxDepth) {
            fieldInstr_.append(QString());
            st_.fieldGroup = true;
        }
        break;
    case W::FldInst:
        st_.dest = Dest::FieldInst;
        break;
    case W::FldRslt:
        st_.dest = Dest::Normal;
        if (!fieldInstr_.isEmpty()) {
            const QString target = hyperlinkTarget(fieldInstr_.last());
            if (!target.isEmpty())
                st_.cs.href = target;
        }
        break;
    case W::Pn:
        st_.dest = Dest::Pn;
        st_.pn = PnInfo();
        break;
    case W::PnTxtB:
    case W::PnTxtA:
        if (st_.dest == Dest::Pn) {
            st_.dest = Dest::PnText;
            st_.pnAfter = w == W::PnTxtA;
            st_.collected.clear();
        } else {
            skipGroup();
        }
        break;
    case W::ListTable:
        st_.dest = Dest::ListTable;
        break;
    case W::List:
        if (st_.dest == Dest::ListTable) {
            st_.dest = Dest::List;
            listLevels_.clear();
            listId_ = 0;
        } else {
            skipGroup();
        }
        break;
    case W::ListLevel:
        if (st_.dest == Dest::List) {
            st_.dest = Dest::ListLevel;
            level_ = ListLevelDef();
        } else {
            skipGroup();
        }
        break;
    case W::LevelText:
        if (st_.dest == Dest::ListLevel) {
            st_.dest = Dest::LevelText;
            st_.collected.clear();
        } else {
            skipGroup();
        }
        break;
    case W::ListOverrideTable:
        st_.dest = Dest::ListOverrideTable;
        break;
    case W::ListOverride:
        if (st_.dest == Dest::ListOverrideTable) {
            st_.dest = Dest::ListOverride;
            overrideList_ = overrideLs_ = 0;
        } else {
            skipGroup();
        }
        break;
    case W::ShpPict:
        break; // its \pict is the picture to show
    case W::StyleSheet:
        st_.dest = Dest::StyleSheet;
        styleNo_ = 0;
        styleOutline_ = -1;
        styleName_.clear();
        break;
    default:
        skipGroup();
        break;
    }
}

void Parser::controlSymbol(char c) {
    switch (c) {
    case '\\':
    case '{':
    case '}':
        textByte(static_cast<unsigned char>(c));
        break;
    case '~':
        flushBytes();
        text_.append(QChar(0x00A0));
        break;
    case '-':
        flushBytes();
        text_.append(QChar(0x00AD));
        break;
    case '_':
        flushBytes();
        text_.append(QChar(0x2011));
        break;
    case '\r':
    case '\n':
        controlWord("par", false, 0);
        break;
    default:
        break;
    }
}

void Parser::controlWord(std::string_view word, bool hasParam, int param) {
    const auto it = words().find(word);
    const W w = it == words().end() ? W::Unknown : it->second;
    if (w == W::U) {
        flushBytes();
        if (st_.dest != Dest::Ignore) {
            const char16_t ch = char16_t(param < 0 ? param + 65536 : param);
            if (ch != 0 && ucSkip_ == 0)
                text_.append(QChar(ch));
        }
        ucSkip_ = st_.uc;
        return;
    }
    ucSkip_ = 0;
    const bool on = !hasParam || param != 0;
    const bool starred = st_.starred;
    st_.starred = false;

    if (w >= W::Rtf && w <= W::SkipDest && w != W::Rtf) {
        destination(w);
        return;
    }
    if (starred && w == W::Unknown) {
        skipGroup();
        return;
    }

    if (w == W::Uc) {
        st_.uc = std::clamp(param, 0, 10);
        return;
    }
    if (w == W::Bin) {
        flushText();
        if (hasParam && param > 0)
            pos_ = std::min<qsizetype>(pos_ + param, in_.size());
        return;
    }

    flushText(); // text so far belongs to the state before this word

    // Words that matter inside the tables of the header.
    switch (st_.dest) {
    case Dest::FontTable:
        if (w == W::F) {
            flushText();
            commitFont();
            fontNo_ = param;
            fontCharset_ = 0;
        } else if (w == W::FCharset) {
            fontCharset_ = param;
        }
        return;
    case Dest::ColorTable:
        if (w == W::Red)
            red_ = std::clamp(param, 0, 255);
        else if (w == W::Green)
            green_ = std::clamp(param, 0, 255);
        else if (w == W::Blue)
            blue_ = std::clamp(param, 0, 255);
        return;
    case Dest::Pn:
        st_.pn.seen = true;
        switch (w) {
        case W::PnLvlBlt:
            st_.pn.numbering = NumberingBullet;
            break;
        case W::PnLvlBody:
        case W::PnLvl:
            if (st_.pn.numbering == NumberingNone || st_.pn.numbering == NumberingBullet)
                st_.pn.numbering = NumberingArabic;
            break;
        case W::PnDec:
            st_.pn.numbering = NumberingArabic;
            break;
        case W::PnUcLtr:
            st_.pn.numbering = NumberingUpperLetter;
            break;
        case W::PnLcLtr:
            st_.pn.numbering = NumberingLowerLetter;
            break;
        case W::PnUcRm:
            st_.pn.numbering = NumberingUpperRoman;
            break;
        case W::PnLcRm:
            st_.pn.numbering = NumberingLowerRoman;
            break;
        case W::PnStart:
            st_.pn.start = std::clamp(param, 0, 32767);
            break;
        default:
            break;
        }
        return;
    case Dest::List:
        if (w == W::ListId)
            listId_ = param;
        return;
    case Dest::StyleSheet:
        if (w == W::S)
            styleNo_ = param;
        else if (w == W::OutlineLevel)
            styleOutline_ = param;
        return;
    case Dest::ListLevel:
        if (w == W::LevelNfc)
            level_.numbering = numberingOfNfc(param);
        else if (w == W::LevelStartAt)
            level_.start = std::clamp(param, 0, 32767);
        return;
    case Dest::ListOverride:
        if (w == W::ListId)
            overrideList_ = param;
        else if (w == W::Ls)
            overrideLs_ = param;
        return;
    case Dest::LevelText:
        return;
    case Dest::ListTable:
    case Dest::ListOverrideTable:
    case Dest::FieldInst:
    case Dest::PnText:
    case Dest::Ignore:
        if (w == W::Tab || w == W::Line || w == W::Par)
            textByte(' ');
        return;
    case Dest::Normal:
        break;
    }

    // Every format change starts a new run.
    RtfCharState& cs = st_.cs;
    RtfParaState& ps = st_.ps;
    switch (w) {
    case W::AnsiCpg:
        if (param > 0 && param < 65536)
            ansiCp_ = param;
        return;
    case W::Ansi:
        ansiCp_ = 1252;
        return;
    case W::Mac:
        ansiCp_ = 10000;
        return;
    case W::Pc:
        ansiCp_ = 437;
        return;
    case W::Pca:
        ansiCp_ = 850;
        return;
    case W::Deff:
        defaultFont_ = param;
        return;
    default:
        break;
    }
    flushText();
    switch (w) {
    case W::Plain: {
        const QString href = cs.href; // a link's result keeps its target through \plain
        cs = RtfCharState();
        cs.href = href;
        break;
    }
    case W::F:
        cs.font = param;
        break;
    case W::Fs:
        if (hasParam && param > 0)
            cs.halfPoints = std::min(param, 3276);
        break;
    case W::Cf:
        cs.color = colorAt(param);
        break;
    case W::Cb:
    case W::Highlight:
    case W::ChCbPat: {
        const qint32 c = param == 0 ? kAutoTextColor : colorAt(param);
        cs.backColor = c == kAutoTextColor ? kAutoBackColor : c;
        break;
    }
    case W::B:
        cs.bold = on;
        break;
    case W::I:
        cs.italic = on;
        break;
    case W::Ul:
        cs.underline = on ? UnderlineSolid : UnderlineNone;
        break;
    case W::UlWord:
        cs.underline = on ? UnderlineWord : UnderlineNone;
        break;
    case W::UlDouble:
        cs.underline = on ? UnderlineDouble : UnderlineNone;
        break;
    case W::UlDotted:
        cs.underline = on ? UnderlineDotted : UnderlineNone;
        break;
    case W::UlDash:
        cs.underline = on ? UnderlineDash : UnderlineNone;
        break;
    case W::UlNone:
        cs.underline = UnderlineNone;
        break;
    case W::Strike:
        cs.strike = on;
        break;
    case W::Super:
        cs.script = on ? ScriptSuperscript : ScriptNormal;
        break;
    case W::Sub:
        cs.script = on ? ScriptSubscript : ScriptNormal;
        break;
    case W::NoSuperSub:
        cs.script = ScriptNormal;
        break;
    case W::Up:
        cs.script = (!hasParam || param != 0) ? ScriptSuperscript : ScriptNormal;
        break;
    case W::Dn:
        cs.script = (!hasParam || param != 0) ? ScriptSubscript : ScriptNormal;
        break;
    case W::V:
        cs.hidden = on;
        break;
    case W::Protect:
        cs.isProtected = on;
        break;
    case W::Disabled:
        cs.disabled = on;
        break;
    case W::Pard:
        ps = RtfParaState();
        break;
    case W::Ql:
        ps.align = AlignLeft;
        break;
    case W::Qr:
        ps.align = AlignRight;
        break;
    case W::Qc:
        ps.align = AlignCenter;
        break;
    case W::Qj:
        ps.align = AlignJustify;
        break;
    case W::Fi:
        ps.fi = std::clamp(param, -31680, 31680);
        break;
    case W::Li:
        ps.li = std::clamp(param, -31680, 31680);
        break;
    case W::Ri:
        ps.ri = std::clamp(param, -31680, 31680);
        break;
    case W::Sb:
        ps.sb = std::clamp(param, 0, 31680);
        break;
    case W::Sa:
        ps.sa = std::clamp(param, 0, 31680);
        break;
    case W::Sl:
        ps.sl = std::clamp(param, -31680, 31680);
        break;
    case W::SlMult:
        ps.slmult = on ? 1 : 0;
        break;
    case W::InTbl:
        ps.inTable = on;
        break;
    case W::OutlineLevel:
        ps.heading = (param >= 0 && param <= 8) ? param + 1 : 0;
        break;
    case W::Ls:
        ps.ls = std::max(param, 0);
        break;
    case W::S:
        ps.heading = styleHeadings_.value(param, ps.heading);
        break;
    case W::Ilvl:
        ps.ilvl = std::clamp(param, 0, 8);
        break;
    case W::Par:
        builder_.endParagraph(resolvedPara(), cs, false);
        break;
    case W::Page:
        builder_.pageBreak(resolvedPara(), cs);
        break;
    case W::Line:
        text_.append(QChar(0x2028));
        break;
    case W::Tab:
        text_.append(QLatin1Char('\t'));
        break;
    case W::EmDash:
        text_.append(QChar(0x2014));
        break;
    case W::EnDash:
        text_.append(QChar(0x2013));
        break;
    case W::EmSpace:
        text_.append(QChar(0x2003));
        break;
    case W::EnSpace:
        text_.append(QChar(0x2002));
        break;
    case W::QmSpace:
        text_.append(QChar(0x2005));
        break;
    case W::Bullet:
        text_.append(QChar(0x2022));
        break;
    case W::LQuote:
        text_.append(QChar(0x2018));
        break;
    case W::RQuote:
        text_.append(QChar(0x2019));
        break;
    case W::LDblQuote:
        text_.append(QChar(0x201C));
        break;
    case W::RDblQuote:
        text_.append(QChar(0x201D));
        break;
    case W::Zwj:
        text_.append(QChar(0x200D));
        break;
    case W::Zwnj:
        text_.append(QChar(0x200C));
        break;
    case W::Trowd:
        cellEdges_.clear();
        break;
    case W::Cellx:
        if (cellEdges_.size() < 64)
            cellEdges_.append(std::clamp(param, -31680, 31680 * 4));
        break;
    case W::Cell: {
        RtfParaState cellPs = resolvedPara();
        cellPs.inTable = true;
        builder_.endCell(cellPs, cs);
        break;
    }
    case W::Row:
        builder_.endRow(cellEdges_);
        break;
    case W::NestCell:
    case W::NestRow: {
        // Tables inside tables are shown flat: each inner cell becomes a paragraph.
        RtfParaState cellPs = resolvedPara();
        cellPs.inTable = true;
        builder_.endParagraph(cellPs, cs, false);
        break;
    }
    default:
        break;
    }
    if (!text_.isEmpty())
        flushText();
}

void Parser::run() {
    const qsizetype n = in_.size();
    while (pos_ < n && !done_) {
        const char c = in_[pos_++];
        switch (c) {
        case '{':
            openGroup();
            break;
        case '}':
            closeGroup();
            break;
        case '\r':
        case '\n':
            break;
        case '\\': {
            if (pos_ >= n)
                break;
            const char d = in_[pos_];
            const bool letter = (d >= 'a' && d <= 'z') || (d >= 'A' && d <= 'Z');
            if (!letter) {
                ++pos_;
                if (d == '\'') {
                    int v = 0, digits = 0;
                    while (digits < 2 && pos_ < n) {
                        const char h = in_[pos_];
                        const int x = (h >= '0' && h <= '9')   ? h - '0'
                                      : (h >= 'a' && h <= 'f') ? h - 'a' + 10
                                      : (h >= 'A' && h <= 'F') ? h - 'A' + 10
                                                               : -1;
                        if (x < 0)
                            break;
                        v = v * 16 + x;
                        ++digits;
                        ++pos_;
                    }
                    if (digits > 0 && st_.dest != Dest::Ignore)
                        textByte(static_cast<unsigned char>(v));
                } else if (d == '*') {
                    st_.starred = true;
                } else {
                    controlSymbol(d);
                }
                break;
            }
            const qsizetype start = pos_;
            while (
                pos_ < n && pos_ - start < 32 &&
                ((in_[pos_] >= 'a' && in_[pos_] <= 'z') || (in_[pos_] >= 'A' && in_[pos_] <= 'Z')))
                ++pos_;
            const std::string_view word(in_.constData() + start, size_t(pos_ - start));
            bool overlong = false;
            while (pos_ < n && ((in_[pos_] >= 'a' && in_[pos_] <= 'z') ||
                                (in_[pos_] >= 'A' && in_[pos_] <= 'Z'))) {
                ++pos_; // an overlong word is read whole and then not recognised
                overlong = true;
            }
            bool neg = false;
            if (pos_ < n && in_[pos_] == '-') {
                neg = true;
                ++pos_;
            }
            long long value = 0;
            bool hasParam = false;
            while (pos_ < n && in_[pos_] >= '0' && in_[pos_] <= '9') {
                value = std::min<long long>(value * 10 + (in_[pos_] - '0'), 2147483647LL);
                hasParam = true;
                ++pos_;
            }
            if (pos_ < n && in_[pos_] == ' ')
                ++pos_;
            const int param = int(neg ? -value : value);
            controlWord(overlong ? std::string_view() : word, hasParam, param);
            break;
        }
        default:
            if (c == '\t') {
                flushBytes();
                textByte('\t');
                break;
            }
            if (st_.dest == Dest::Ignore)
                break;
            textByte(static_cast<unsigned char>(c));
            break;
        }
    }
    flushText();
    builder_.finish(resolvedPara(), st_.cs);
}

} // namespace

bool RtfReader::looksLikeRtf(const QByteArray& bytes) {
    qsizetype i = 0;
    if (bytes.startsWith("\xEF\xBB\xBF"))
        i = 3;
    while (i < bytes.size() &&
           (bytes[i] == ' ' || bytes[i] == '\r' || bytes[i] == '\n' || bytes[i] == '\t'))
        ++i;
    return bytes.mid(i, 5) == "{\\rtf";
}

bool RtfReader::read(const QByteArray& rtf, QTextDocument* doc, QString* error) {
    if (!doc)
        return false;
    const bool undo = doc->isUndoRedoEnabled();
    doc->setUndoRedoEnabled(false);
    doc->clear();
    if (!looksLikeRtf(rtf)) {
        if (error)
            *error = QCoreApplication::translate("RtfReader", "The file is not in RTF format.");
        doc->setUndoRedoEnabled(undo);
        return false;
    }
    {
        Parser parser(rtf, doc);
        parser.run();
    }
    doc->setUndoRedoEnabled(undo);
    doc->setModified(false);
    return true;
}

} // namespace quillet
