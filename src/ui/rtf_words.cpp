#include "ui/rtf_words.h"

#include "ui/text_attributes.h"

#include <unordered_map>

namespace quillet::rtf {

namespace {

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

} // namespace

W controlWord(std::string_view letters) {
    const auto it = words().find(letters);
    return it == words().end() ? W::Unknown : it->second;
}

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

} // namespace quillet::rtf
