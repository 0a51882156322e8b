#include "helpers_rtf.h"

#include <QFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

namespace quillet::test {

namespace {

QVariant charField(const CharAttributes& a, const QString& name) {
    if (name == QLatin1String("font"))
        return a.fontName;
    if (name == QLatin1String("size"))
        return a.size;
    if (name == QLatin1String("color"))
        return a.color;
    if (name == QLatin1String("back"))
        return a.backColor;
    if (name == QLatin1String("bold"))
        return a.bold;
    if (name == QLatin1String("italic"))
        return a.italic;
    if (name == QLatin1String("underline"))
        return a.underline;
    if (name == QLatin1String("ulstyle"))
        return a.underlineStyle;
    if (name == QLatin1String("strike"))
        return a.strikeOut;
    if (name == QLatin1String("script"))
        return a.script;
    if (name == QLatin1String("hidden"))
        return a.hidden;
    if (name == QLatin1String("disabled"))
        return a.disabled;
    if (name == QLatin1String("protected"))
        return a.isProtected;
    if (name == QLatin1String("link"))
        return a.link;
    return {};
}

QVariant paraField(const ParaAttributes& p, const QString& name) {
    if (name == QLatin1String("align"))
        return p.alignment;
    if (name == QLatin1String("first"))
        return p.firstIndent;
    if (name == QLatin1String("left"))
        return p.leftIndent;
    if (name == QLatin1String("right"))
        return p.rightIndent;
    if (name == QLatin1String("before"))
        return p.spaceBefore;
    if (name == QLatin1String("after"))
        return p.spaceAfter;
    if (name == QLatin1String("rule"))
        return p.lineSpacingRule;
    if (name == QLatin1String("spacing"))
        return p.lineSpacing;
    if (name == QLatin1String("numbering"))
        return p.numbering;
    if (name == QLatin1String("numstyle"))
        return p.numberingStyle;
    if (name == QLatin1String("heading"))
        return p.headingStyle;
    return {};
}

} // namespace

QVariant attributeAt(const QTextDocument* doc, int pos, const QString& name) {
    QTextCursor c(const_cast<QTextDocument*>(doc));
    c.setPosition(pos);
    c.setPosition(pos + 1, QTextCursor::KeepAnchor);
    const QVariant v = charField(readCharAttributes(c), name);
    if (v.isValid())
        return v;
    if (name == QLatin1String("href"))
        return c.charFormat().anchorHref();
    return paraField(readParaAttributes(c), name);
}

QString describe(const QTextDocument* doc) {
    QString out;
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
        const ParaAttributes p = paraAttributesOf(b);
        out += QStringLiteral("[P a%1 f%2 l%3 r%4 b%5 a%6 s%7/%8 n%9/%10 h%11 t%12]")
                   .arg(p.alignment)
                   .arg(p.firstIndent)
                   .arg(p.leftIndent)
                   .arg(p.rightIndent)
                   .arg(p.spaceBefore)
                   .arg(p.spaceAfter)
                   .arg(p.lineSpacingRule)
                   .arg(p.lineSpacing)
                   .arg(p.numbering)
                   .arg(p.numbering ? p.numberingStyle : 0)
                   .arg(p.headingStyle)
                   .arg(QTextCursor(b).currentTable() ? 1 : 0);
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            const CharAttributes a = charAttributesOf(f.charFormat(), doc);
            out +=
                QStringLiteral("{%1 %2 %3 %4 %5%6%7%8 u%9 s%10 %11%12%13 %14}")
                    .arg(a.fontName)
                    .arg(a.size)
                    .arg(a.color, 0, 16)
                    .arg(a.backColor, 0, 16)
                    .arg(a.bold ? "B" : "")
                    .arg(a.italic ? "I" : "")
                    .arg(a.strikeOut ? "S" : "")
                    .arg(a.link ? "L:" + f.charFormat().anchorHref() : QString())
                    .arg(a.underlineStyle)
                    .arg(a.script)
                    .arg(a.hidden ? "H" : "")
                    .arg(a.disabled ? "D" : "")
                    .arg(a.isProtected ? "P" : "")
                    .arg(f.charFormat().isImageFormat()
                             ? QStringLiteral("<img %1x%2 %3>")
                                   .arg(f.charFormat().toImageFormat().width())
                                   .arg(f.charFormat().toImageFormat().height())
                                   .arg(f.charFormat().property(textprop::PictureKind).toString())
                             : f.text());
        }
        out += QLatin1Char('\n');
    }
    return out;
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

} // namespace quillet::test
