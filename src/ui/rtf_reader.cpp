#include "ui/rtf_reader.h"

#include "ui/rtf_parser.h"
#include "ui/rtf_picture.h"

#include <QCoreApplication>
#include <QTextDocument>

#include <algorithm>

namespace quillet {

namespace rtf {

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
        pic = decodeRtfPicture(raw, &pixelBudget_);
    } else {
        // An object shows its result picture when it has one; the object itself is kept.
        const qsizetype result = raw.indexOf("\\result");
        const qsizetype pict = result >= 0 ? raw.indexOf("{\\pict", result) : -1;
        if (pict >= 0) {
            pic = decodeRtfPicture(raw.mid(pict, rtfGroupEnd(raw, pict) - pict), &pixelBudget_);
        } else {
            pic.displaySize = QSize(96, 96);
            pic.image = placeholderImage();
        }
        pic.kind = QStringLiteral("object");
    }
    const RtfCharState cs = st_.cs;
    const Dest dest = st_.dest;
    popGroup();
    if (dest == Dest::Normal)
        builder_.addPicture(pic, raw, cs);
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

} // namespace rtf

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
        rtf::Parser parser(rtf, doc);
        parser.run();
    }
    doc->setUndoRedoEnabled(undo);
    doc->setModified(false);
    return true;
}

} // namespace quillet