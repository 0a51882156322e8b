#include "ui/rtf_parser.h"

#include "ui/rtf_reader.h"

#include <algorithm>

namespace quillet::rtf {

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
    const W w = rtf::controlWord(word);
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

} // namespace quillet::rtf
