#include "ui/rtf_doc_builder.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>
#include <QTextTable>
#include <QUrl>

#include <algorithm>

namespace quillet {

namespace {

constexpr int kMaxColumns = 64;

QTextBlockFormat blockFormatFor(const RtfParaState& ps, bool inList, bool pageBreakBefore) {
    QTextBlockFormat f;
    switch (ps.align) {
    case AlignRight:
        f.setAlignment(Qt::AlignRight | Qt::AlignAbsolute);
        break;
    case AlignCenter:
        f.setAlignment(Qt::AlignHCenter);
        break;
    case AlignJustify:
        f.setAlignment(Qt::AlignJustify);
        break;
    default:
        f.setAlignment(Qt::AlignLeft | Qt::AlignAbsolute);
    }
    f.setProperty(textprop::FirstLineTwips, ps.fi);
    f.setProperty(textprop::LeftTwips, ps.li);
    f.setProperty(textprop::RightTwips, ps.ri);
    f.setProperty(textprop::BeforeTwips, ps.sb);
    f.setProperty(textprop::AfterTwips, ps.sa);
    f.setProperty(textprop::LineTwips, ps.sl);
    f.setProperty(textprop::LineMultiple, ps.slmult);
    if (ps.heading > 0)
        f.setHeadingLevel(ps.heading);
    if (pageBreakBefore)
        f.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    layoutBlockFromTwips(f, inList);
    return f;
}

int listKeyOf(const RtfParaState& ps) {
    if (ps.ls > 0)
        return ps.ls * 16 + std::clamp(ps.ilvl, 0, 15);
    return -(ps.numbering * 8 + ps.numberingStyle + 1);
}

} // namespace

RtfDocBuilder::RtfDocBuilder(QTextDocument* doc, const QHash<int, RtfFont>* fonts,
                             const int* defaultFont)
    : doc_(doc), fonts_(fonts), defaultFont_(defaultFont), cursor_(doc) {
    cursor_.movePosition(QTextCursor::End);
}

const QTextCharFormat& RtfDocBuilder::formatFor(const RtfCharState& cs) {
    if (haveLast_ && cs == lastState_)
        return lastFormat_;
    QTextCharFormat f;
    const int fontNo = cs.font < 0 ? *defaultFont_ : cs.font;
    const auto it = fonts_->constFind(fontNo);
    if (it != fonts_->constEnd() && !it->name.isEmpty())
        f.setFontFamilies(QStringList{it->name});
    f.setFontPointSize(std::clamp(cs.halfPoints, 2, 3276) / 2.0);
    if (cs.color != kAutoTextColor)
        f.setForeground(colorFromValue(cs.color));
    if (cs.backColor != kAutoBackColor)
        f.setBackground(colorFromValue(cs.backColor));
    if (cs.bold)
        f.setFontWeight(QFont::Bold);
    if (cs.italic)
        f.setFontItalic(true);
    if (cs.strike)
        f.setFontStrikeOut(true);
    if (cs.underline != UnderlineNone)
        setUnderlineKind(f, cs.underline);
    if (cs.script == ScriptSubscript)
        f.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    else if (cs.script == ScriptSuperscript)
        f.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    if (cs.hidden)
        f.setProperty(textprop::Hidden, true);
    if (cs.isProtected)
        f.setProperty(textprop::Protected, true);
    if (cs.disabled)
        f.setProperty(textprop::Disabled, true);
    if (!cs.href.isEmpty()) {
        f.setAnchor(true);
        f.setAnchorHref(cs.href);
    }
    lastState_ = cs;
    lastFormat_ = f;
    haveLast_ = true;
    return lastFormat_;
}

void RtfDocBuilder::addText(const QString& text, const RtfCharState& cs) {
    if (text.isEmpty())
        return;
    const QTextCharFormat& f = formatFor(cs);
    if (!pending_.runs.empty() && !pending_.runs.back().image && pending_.runs.back().format == f) {
        pending_.runs.back().text += text;
        return;
    }
    pending_.runs.push_back({text, f, false});
}

void RtfDocBuilder::addPicture(const RtfPicture& pic, const QByteArray& raw,
                               const RtfCharState& cs) {
    const QString name = QStringLiteral("quillet-picture:%1").arg(++pictureCount_);
    doc_->addResource(QTextDocument::ImageResource, QUrl(name), QVariant(pic.image));
    QTextImageFormat f;
    f.merge(formatFor(cs));
    f.setName(name);
    f.setWidth(pic.displaySize.width());
    f.setHeight(pic.displaySize.height());
    f.setProperty(textprop::RawRtf, raw);
    f.setProperty(textprop::PictureKind, pic.kind);
    pending_.runs.push_back({QString(QChar::ObjectReplacementCharacter), f, true});
}

void RtfDocBuilder::closePending(const RtfParaState& ps, const RtfCharState& cs) {
    pending_.numbering = ps.inTable ? 0 : ps.numbering;
    pending_.numberingStyle = ps.numberingStyle;
    pending_.numberingStart = ps.numberingStart;
    pending_.listKey = listKeyOf(ps);
    pending_.block = blockFormatFor(ps, pending_.numbering != 0, false);
    pending_.blockChar = formatFor(cs);
    pending_.pageBreakBefore = nextPageBreak_;
    nextPageBreak_ = false;
}

void RtfDocBuilder::endParagraph(const RtfParaState& ps, const RtfCharState& cs,
                                 bool pageBreakAfter) {
    closePending(ps, cs);
    if (ps.inTable) {
        cell_.push_back(std::move(pending_));
    } else {
        if (!rowCells_.empty() || !cell_.empty())
            flushRow();
        writeParagraph(pending_);
    }
    pending_ = Para();
    nextPageBreak_ = pageBreakAfter;
}

void RtfDocBuilder::pageBreak(const RtfParaState& ps, const RtfCharState& cs) {
    if (pending_.runs.empty())
        nextPageBreak_ = true;
    else
        endParagraph(ps, cs, true);
}

void RtfDocBuilder::endCell(const RtfParaState& ps, const RtfCharState& cs) {
    closePending(ps, cs);
    pending_.numbering = 0;
    cell_.push_back(std::move(pending_));
    pending_ = Para();
    if (int(rowCells_.size()) < kMaxColumns)
        rowCells_.push_back(std::move(cell_));
    cell_.clear();
}

void RtfDocBuilder::endRow(const QList<int>& cellEdges) {
    if (!cell_.empty() || !pending_.runs.empty()) {
        RtfParaState ps;
        ps.inTable = true;
        endCell(ps, lastState_);
    }
    rowEdges_ = cellEdges;
    flushRow();
}

void RtfDocBuilder::writeRuns(QTextCursor& c, const Para& p) {
    for (const Run& r : p.runs) {
        if (r.image)
            c.insertImage(r.format.toImageFormat());
        else
            c.insertText(r.text, r.format);
    }
}

void RtfDocBuilder::writeParagraph(Para& p) {
    table_ = nullptr;
    if (needBlock_)
        cursor_.insertBlock(QTextBlockFormat(), QTextCharFormat());
    writeRuns(cursor_, p);
    QTextBlockFormat bf = p.block;
    if (p.pageBreakBefore)
        bf.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    cursor_.setBlockFormat(bf);
    cursor_.setBlockCharFormat(p.blockChar);
    QTextBlock block = cursor_.block();
    if (p.numbering != NumberingNone) {
        if (list_ && listKey_ == p.listKey) {
            list_->add(block);
        } else {
            QTextListFormat lf = listFormatFor(p.numbering, p.numberingStyle);
            if (p.numberingStart != 1)
                lf.setProperty(textprop::ListStart, p.numberingStart);
            list_ = cursor_.createList(lf);
            listKey_ = p.listKey;
        }
    } else {
        if (block.textList())
            block.textList()->remove(block);
        list_ = nullptr;
    }
    needBlock_ = true;
}

void RtfDocBuilder::flushRow() {
    if (!cell_.empty()) {
        if (int(rowCells_.size()) < kMaxColumns)
            rowCells_.push_back(std::move(cell_));
        cell_.clear();
    }
    if (rowCells_.empty())
        return;
    const int cols = int(rowCells_.size());
    int row = 0;
    list_ = nullptr;
    if (!table_) {
        QTextTableFormat tf;
        tf.setBorder(1);
        tf.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
        tf.setCellPadding(2);
        tf.setCellSpacing(0);
        tf.setBorderCollapse(true);
        QList<QTextLength> widths;
        QVariantList edges;
        int prev = 0;
        for (int i = 0; i < rowEdges_.size() && i < cols; ++i) {
            widths.append(QTextLength(QTextLength::FixedLength,
                                      twipsToPixels(std::max(rowEdges_[i] - prev, 15))));
            edges.append(rowEdges_[i]);
            prev = rowEdges_[i];
        }
        if (widths.size() == cols) {
            tf.setColumnWidthConstraints(widths);
            tf.setProperty(textprop::CellEdges, edges);
        }
        table_ = cursor_.insertTable(1, cols, tf);
    } else {
        row = table_->rows();
        table_->appendRows(1);
        if (cols > table_->columns())
            table_->appendColumns(cols - table_->columns());
    }
    for (int i = 0; i < cols; ++i) {
        QTextCursor c = table_->cellAt(row, i).firstCursorPosition();
        bool first = true;
        for (Para& p : rowCells_[size_t(i)]) {
            if (!first)
                c.insertBlock(QTextBlockFormat(), QTextCharFormat());
            first = false;
            writeRuns(c, p);
            c.setBlockFormat(p.block);
            c.setBlockCharFormat(p.blockChar);
        }
    }
    rowCells_.clear();
    cursor_.movePosition(QTextCursor::End);
    needBlock_ = false;
}

void RtfDocBuilder::finish(const RtfParaState& ps, const RtfCharState& cs) {
    // A last paragraph without its own end keeps its text; an empty one is the end of the
    // page that the final paragraph mark already stands for.
    if (!pending_.runs.empty()) {
        if (ps.inTable) {
            endCell(ps, cs);
        } else {
            if (!rowCells_.empty() || !cell_.empty())
                flushRow();
            closePending(ps, cs);
            writeParagraph(pending_);
            pending_ = Para();
        }
    }
    if (!rowCells_.empty() || !cell_.empty())
        flushRow();
}

} // namespace quillet
