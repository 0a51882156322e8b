#include "ui/rtf_writer.h"

#include "ui/rtf_codepage.h"
#include "ui/rtf_picture.h"
#include "ui/text_attributes.h"

#include <QHash>
#include <QImage>
#include <QPixmap>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextList>
#include <QTextTable>
#include <QUrl>

#include <algorithm>
#include <cmath>

namespace quillet {

namespace {

struct CharState {
    int font = 0;
    int halfPoints = 24;
    int color = 0; // colour table index, 0 = automatic
    int back = 0;
    bool bold = false, italic = false, strike = false, hidden = false, prot = false,
         disabled = false;
    int underline = 0;
    int script = 0;
    bool operator==(const CharState&) const = default;
};

class Writer {
public:
    explicit Writer(const QTextDocument* doc) : doc_(doc) {}
    QByteArray run();

private:
    void collectTables();
    int fontIndex(const QString& family);
    int colorIndex(qint32 value);
    CharState stateOf(const QTextCharFormat& f);
    // Runs share formats; the state of each distinct format is worked out once.
    const CharState& stateOfFragment(const QTextFragment& frag);
    void writeState(const CharState& s);
    void writeText(const QString& text);
    void writeFrame(const QTextFrame* frame);
    void writeBlock(const QTextBlock& block, bool inTable, const char* terminator);
    void writeRuns(const QTextBlock& block);
    void writeImage(const QTextImageFormat& f);
    void writeTable(const QTextTable* table);
    void writeNumber(const char* word, int value);

    const QTextDocument* doc_;
    QByteArray out_;
    QStringList fonts_;
    QHash<QString, int> fontIndex_;
    QList<qint32> colors_;
    QHash<qint32, int> colorIndex_;
    int symbolFont_ = -1;
    CharState last_;
    bool haveLast_ = false;
    QHash<int, CharState> fragmentStates_;
    QString defaultFamily_;
    qreal defaultPoints_ = 12;
};

int Writer::fontIndex(const QString& family) {
    const auto it = fontIndex_.constFind(family);
    if (it != fontIndex_.constEnd())
        return it.value();
    fonts_.append(family);
    fontIndex_.insert(family, int(fonts_.size() - 1));
    return int(fonts_.size() - 1);
}

int Writer::colorIndex(qint32 value) {
    const auto it = colorIndex_.constFind(value);
    if (it != colorIndex_.constEnd())
        return it.value();
    colors_.append(value);
    colorIndex_.insert(value, int(colors_.size())); // index 0 is the automatic colour
    return int(colors_.size());
}

CharState Writer::stateOf(const QTextCharFormat& f) {
    CharState s;
    const QStringList families = f.fontFamilies().toStringList();
    s.font = fontIndex(families.isEmpty() || families.first().isEmpty() ? defaultFamily_
                                                                        : families.first());
    const qreal pt = f.hasProperty(QTextFormat::FontPointSize) ? f.fontPointSize() : defaultPoints_;
    s.halfPoints = std::clamp(int(std::lround(pt * 2)), 2, 3276);
    const QBrush fg = f.foreground();
    if (fg.style() != Qt::NoBrush)
        s.color = colorIndex(colorValue(fg.color()));
    const QBrush bg = f.background();
    if (bg.style() != Qt::NoBrush)
        s.back = colorIndex(colorValue(bg.color()));
    const CharAttributes a = charAttributesOf(f, doc_);
    s.bold = a.bold;
    s.italic = a.italic;
    s.strike = a.strikeOut;
    s.hidden = a.hidden;
    s.prot = a.isProtected;
    s.disabled = a.disabled;
    s.underline = a.underlineStyle;
    s.script = a.script;
    return s;
}

const CharState& Writer::stateOfFragment(const QTextFragment& frag) {
    const int index = frag.charFormatIndex();
    auto it = fragmentStates_.find(index);
    if (it == fragmentStates_.end())
        it = fragmentStates_.insert(index, stateOf(frag.charFormat()));
    return it.value();
}

void Writer::writeNumber(const char* word, int value) {
    out_.append('\\');
    out_.append(word);
    out_.append(QByteArray::number(value));
}

void Writer::writeState(const CharState& s) {
    if (haveLast_ && s == last_)
        return;
    // Some readers (LibreOffice) lose the order of the text when \plain ends a raised or
    // lowered run; ending it explicitly first keeps them right.
    if (haveLast_ && last_.script != ScriptNormal)
        out_.append("\\nosupersub");
    out_.append("\\plain");
    writeNumber("f", s.font);
    writeNumber("fs", s.halfPoints);
    if (s.color)
        writeNumber("cf", s.color);
    if (s.back)
        writeNumber("highlight", s.back);
    if (s.bold)
        out_.append("\\b");
    if (s.italic)
        out_.append("\\i");
    if (s.strike)
        out_.append("\\strike");
    static const char* const underlines[] = {"", "\\ul", "\\ulw", "\\uldb", "\\uld", "\\uldash"};
    if (s.underline > 0 && s.underline <= 5)
        out_.append(underlines[s.underline]);
    if (s.script == ScriptSubscript)
        out_.append("\\sub");
    else if (s.script == ScriptSuperscript)
        out_.append("\\super");
    if (s.hidden)
        out_.append("\\v");
    if (s.prot)
        out_.append("\\protect");
    if (s.disabled)
        out_.append("\\disabled");
    out_.append(' ');
    last_ = s;
    haveLast_ = true;
}

void Writer::writeText(const QString& text) {
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = text.at(i).unicode();
        switch (c) {
        case '\\':
            out_.append("\\\\");
            continue;
        case '{':
            out_.append("\\{");
            continue;
        case '}':
            out_.append("\\}");
            continue;
        case '\t':
            out_.append("\\tab ");
            continue;
        case 0x2028:
        case '\n':
        case '\r':
        case 0x0B:
            out_.append("\\line ");
            continue;
        case 0x00A0:
            out_.append("\\~");
            continue;
        case 0x00AD:
            out_.append("\\-");
            continue;
        case 0x2011:
            out_.append("\\_");
            continue;
        case 0x2029:
        case QChar::ObjectReplacementCharacter:
            continue;
        default:
            break;
        }
        if (c >= 0x20 && c < 0x80) {
            out_.append(char(c));
            continue;
        }
        const int b = encodeWindows1252(c);
        if (b >= 0x80) {
            static const char hex[] = "0123456789abcdef";
            out_.append("\\'");
            out_.append(hex[b >> 4]);
            out_.append(hex[b & 15]);
        } else if (c >= 0x20) {
            // \uN takes a signed 16-bit number; '?' is what readers without Unicode show.
            out_.append("\\u");
            out_.append(QByteArray::number(int(qint16(c))));
            out_.append('?');
        }
    }
}

void Writer::writeImage(const QTextImageFormat& f) {
    const QByteArray raw = f.property(textprop::RawRtf).toByteArray();
    if (!raw.isEmpty()) {
        out_.append(raw);
        return;
    }
    const QVariant res = doc_->resource(QTextDocument::ImageResource, QUrl(f.name()));
    QImage img;
    if (res.canConvert<QImage>())
        img = res.value<QImage>();
    if (img.isNull() && res.canConvert<QPixmap>())
        img = res.value<QPixmap>().toImage();
    if (img.isNull())
        return;
    const QSize shown(f.width() > 0 ? int(f.width()) : img.width(),
                      f.height() > 0 ? int(f.height()) : img.height());
    out_.append(rtfPictureGroup(img, shown));
}

void Writer::writeRuns(const QTextBlock& block) {
    QString href;
    CharState outer;
    bool outerHave = false;
    auto closeLink = [&]() {
        if (href.isEmpty())
            return;
        out_.append("}}}");
        href.clear();
        last_ = outer;
        haveLast_ = outerHave;
    };
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment frag = it.fragment();
        const QTextCharFormat f = frag.charFormat();
        const QString target = f.isAnchor() ? f.anchorHref() : QString();
        if (target != href) {
            closeLink();
            if (!target.isEmpty()) {
                outer = last_;
                outerHave = haveLast_;
                out_.append("{\\field{\\*\\fldinst{HYPERLINK \"");
                QString t = target;
                t.replace(QLatin1Char('"'), QLatin1String("%22"));
                writeText(t);
                out_.append("\"}}{\\fldrslt{");
                href = target;
            }
        }
        writeState(stateOfFragment(frag));
        if (f.isImageFormat()) {
            for (int i = 0; i < frag.length(); ++i)
                writeImage(f.toImageFormat());
        } else {
            writeText(frag.text());
        }
    }
    closeLink();
}

void Writer::writeBlock(const QTextBlock& block, bool inTable, const char* terminator) {
    const QTextBlockFormat f = block.blockFormat();
    out_.append("\\pard");
    if (inTable)
        out_.append("\\intbl");
    const QTextList* list = block.textList();
    const ParaAttributes p = paraAttributesOf(block);
    if (list && p.numbering != NumberingNone) {
        // The label takes the font of the paragraph's first run.
        const CharState s = stateOf(block.begin().atEnd() ? block.charFormat()
                                                          : block.begin().fragment().charFormat());
        if (p.numbering == NumberingBullet) {
            out_.append("{\\*\\pn\\pnlvlblt\\pnf");
            out_.append(QByteArray::number(symbolFont_));
            out_.append("\\pnindent0{\\pntxtb\\'B7}}");
            out_.append("{\\pntext\\f");
            out_.append(QByteArray::number(symbolFont_));
            out_.append("\\'B7\\tab}");
        } else {
            static const char* const kinds[] = {"",          "",         "\\pndec", "\\pnlcltr",
                                                "\\pnucltr", "\\pnlcrm", "\\pnucrm"};
            const QTextListFormat lf = list->format();
            const int start =
                lf.hasProperty(textprop::ListStart) ? lf.intProperty(textprop::ListStart) : 1;
            out_.append("{\\*\\pn\\pnlvlbody\\pnf");
            out_.append(QByteArray::number(s.font));
            out_.append("\\pnindent0");
            writeNumber("pnstart", start);
            out_.append(kinds[p.numbering]);
            if (!lf.numberPrefix().isEmpty()) {
                out_.append("{\\pntxtb ");
                writeText(lf.numberPrefix());
                out_.append('}');
            }
            if (!lf.numberSuffix().isEmpty()) {
                out_.append("{\\pntxta ");
                writeText(lf.numberSuffix());
                out_.append('}');
            }
            out_.append("}{\\pntext\\f");
            out_.append(QByteArray::number(s.font));
            out_.append(' ');
            QString label = list->itemText(block);
            if (start != 1) {
                // Qt counts from one; the label shows the list's own first number.
                const int n = list->itemNumber(block) + start;
                label = lf.numberPrefix() + QString::number(n) + lf.numberSuffix();
            }
            writeText(label);
            out_.append("\\tab}");
        }
    }
    static const char* const aligns[] = {"", "\\qr", "\\qc", "\\qj"};
    out_.append(aligns[std::clamp(p.alignment, 0, 3)]);
    auto twips = [&](const char* word, int prop) {
        const int v = blockTwips(f, prop);
        if (v != 0)
            writeNumber(word, v);
    };
    twips("fi", textprop::FirstLineTwips);
    twips("li", textprop::LeftTwips);
    twips("ri", textprop::RightTwips);
    twips("sb", textprop::BeforeTwips);
    twips("sa", textprop::AfterTwips);
    const int sl = blockTwips(f, textprop::LineTwips);
    if (sl != 0) {
        writeNumber("sl", sl);
        writeNumber("slmult", f.intProperty(textprop::LineMultiple) ? 1 : 0);
    }
    if (p.headingStyle > 0)
        writeNumber("outlinelevel", p.headingStyle - 1);
    if (f.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore)
        out_.append("\\page");
    haveLast_ = false; // each paragraph states its character format afresh
    if (block.length() <= 1)
        writeState(stateOf(block.charFormat()));
    else
        writeRuns(block);
    out_.append(terminator);
}

void Writer::writeTable(const QTextTable* table) {
    const QTextTableFormat tf = table->format();
    const int cols = table->columns();
    QList<int> edges;
    const QVariantList kept = tf.property(textprop::CellEdges).toList();
    if (kept.size() == cols) {
        for (const QVariant& v : kept)
            edges.append(v.toInt());
    } else {
        const QList<QTextLength> widths = tf.columnWidthConstraints();
        int x = 0;
        for (int c = 0; c < cols; ++c) {
            int w = 9000 / std::max(cols, 1);
            if (c < widths.size() && widths[c].type() == QTextLength::FixedLength)
                w = pixelsToTwips(widths[c].rawValue());
            else if (c < widths.size() && widths[c].type() == QTextLength::PercentageLength)
                w = int(9000 * widths[c].rawValue() / 100.0);
            x += std::max(w, 15);
            edges.append(x);
        }
    }
    for (int r = 0; r < table->rows(); ++r) {
        out_.append("\\trowd\\trgaph108");
        for (int e : edges) {
            // Other word processors draw no cell borders unless told to.
            if (tf.border() > 0)
                out_.append("\\clbrdrt\\brdrs\\brdrw10\\clbrdrl\\brdrs\\brdrw10"
                            "\\clbrdrb\\brdrs\\brdrw10\\clbrdrr\\brdrs\\brdrw10");
            writeNumber("cellx", e);
        }
        out_.append("\r\n");
        for (int c = 0; c < cols; ++c) {
            const QTextTableCell cell = table->cellAt(r, c);
            if (cell.row() != r || cell.column() != c) {
                out_.append("\\pard\\intbl\\cell ");
                continue;
            }
            QList<QTextBlock> blocks;
            for (auto it = cell.begin(); !it.atEnd(); ++it) {
                if (it.currentBlock().isValid())
                    blocks.append(it.currentBlock());
                else if (const QTextFrame* inner = it.currentFrame()) {
                    // A table inside a cell is written as the cell's paragraphs.
                    for (QTextBlock b = doc_->findBlock(inner->firstPosition());
                         b.isValid() && b.position() < inner->lastPosition(); b = b.next())
                        blocks.append(b);
                }
            }
            if (blocks.isEmpty()) {
                out_.append("\\pard\\intbl\\cell ");
                continue;
            }
            for (qsizetype i = 0; i < blocks.size(); ++i)
                writeBlock(blocks[i], true, i + 1 == blocks.size() ? "\\cell " : "\\par\r\n");
        }
        out_.append("\\row\r\n");
    }
}

void Writer::writeFrame(const QTextFrame* frame) {
    const bool root = frame == doc_->rootFrame();
    bool first = true;
    for (auto it = frame->begin(); !it.atEnd(); ++it) {
        if (const QTextFrame* child = it.currentFrame()) {
            if (const auto* table = qobject_cast<const QTextTable*>(child))
                writeTable(table);
            else
                writeFrame(child);
            first = false;
            continue;
        }
        const QTextBlock block = it.currentBlock();
        if (root && first) {
            // The empty block a document keeps before a leading table is not the page's.
            auto next = it;
            ++next;
            first = false;
            if (block.length() <= 1 && !next.atEnd() && next.currentFrame())
                continue;
        }
        first = false;
        writeBlock(block, false, "\\par\r\n");
    }
}

void Writer::collectTables() {
    const QFont df = doc_->defaultFont();
    defaultFamily_ = df.family();
    defaultPoints_ = df.pointSizeF() > 0  ? df.pointSizeF()
                     : df.pixelSize() > 0 ? df.pixelSize() * 72.0 / 96.0
                                          : 12.0;
    fontIndex(defaultFamily_);
    bool bullets = false;
    // Exactly the formats that will be written: every run, and the format of empty
    // paragraphs (the only ones whose own character format is written).
    for (QTextBlock b = doc_->begin(); b.isValid(); b = b.next()) {
        if (b.length() <= 1)
            stateOf(b.charFormat());
        for (auto it = b.begin(); !it.atEnd(); ++it)
            stateOfFragment(it.fragment());
        if (const QTextList* l = b.textList())
            bullets = bullets || numberingOfListFormat(l->format()) == NumberingBullet;
    }
    if (bullets)
        symbolFont_ = fontIndex(QStringLiteral("Symbol"));
}

QByteArray Writer::run() {
    collectTables();
    out_.reserve(doc_->characterCount() * 2 + 1024);
    out_.append("{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl");
    for (qsizetype i = 0; i < fonts_.size(); ++i) {
        out_.append("{\\f");
        out_.append(QByteArray::number(i));
        out_.append(int(i) == symbolFont_ ? "\\ftech\\fcharset2 " : "\\fnil\\fcharset0 ");
        QString name = fonts_[i];
        name.remove(QLatin1Char(';'));
        writeText(name);
        out_.append(";}");
    }
    out_.append("}\r\n{\\colortbl ;");
    for (qint32 c : colors_) {
        writeNumber("red", c & 0xFF);
        writeNumber("green", (c >> 8) & 0xFF);
        writeNumber("blue", (c >> 16) & 0xFF);
        out_.append(';');
    }
    out_.append("}\r\n\\viewkind4\\uc1");
    writeFrame(doc_->rootFrame());
    out_.append("}\r\n");
    return out_;
}

} // namespace

QByteArray RtfWriter::write(const QTextDocument* doc) {
    if (!doc)
        return {};
    Writer w(doc);
    return w.run();
}

} // namespace quillet
