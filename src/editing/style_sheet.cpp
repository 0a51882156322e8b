#include "editing/style_sheet.h"

#include "store/app_paths.h"
#include "store/ini_file.h"
#include "texttools/case_conversion.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QTextCursor>

#include <algorithm>

namespace quillet {

namespace {

const QString kAlignment = QStringLiteral("Alignment");
const QString kFirstIndent = QStringLiteral("FirstIndent");
const QString kLineSpacing = QStringLiteral("LineSpacing");
const QString kFontName = QStringLiteral("FontName");
const QString kFontSize = QStringLiteral("FontSize");
const QString kDisabled = QStringLiteral("Disabled");
const QString kHidden = QStringLiteral("Hidden");
const QString kProtected = QStringLiteral("Protected");
const QString kBold = QStringLiteral("Bold");
const QString kItalic = QStringLiteral("Italic");
const QString kUnderline = QStringLiteral("Underline");
const QString kStrikeOut = QStringLiteral("StrikeOut");

// Besides the two automatic values the editor reports, this one also means "automatic".
constexpr qint32 kAutoColorAlias = 0x20000000;

void writeColor(TBigIniFile& ini, const QString& section, const QString& prefix, qint32 value) {
    const ColorSplit s = splitColor(value);
    ini.WriteInteger(section, prefix + QLatin1Char('R'), s.r);
    ini.WriteInteger(section, prefix + QLatin1Char('G'), s.g);
    ini.WriteInteger(section, prefix + QLatin1Char('B'), s.b);
}

qint32 editorColor(qint32 value, qint32 automatic) {
    return value == kAutoColorAlias ? automatic : value;
}

QString storedAlignment(const QString& alignment) {
    const QString a = lowerCaseAZ(alignment);
    if (a == QLatin1String("center"))
        return QStringLiteral("Center");
    if (a == QLatin1String("right"))
        return QStringLiteral("Right");
    return QStringLiteral("Left");
}

bool finish(TBigIniFile& ini, QString* error) {
    const bool ok = ini.UpdateFile() && ini.errorString().isEmpty();
    if (!ok && error)
        *error = ini.errorString();
    return ok;
}

} // namespace

StyleSheetLocation::StyleSheetLocation(const QString& path) : m_shipped(path), m_writable(path) {}

StyleSheetLocation::StyleSheetLocation(const QString& shippedPath, const QString& writablePath)
    : m_shipped(shippedPath), m_writable(writablePath) {}

QString StyleSheetLocation::fileName() {
    QString base = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    if (base.isEmpty())
        base = QStringLiteral("quillet");
    return base + QStringLiteral(".ini");
}

StyleSheetLocation StyleSheetLocation::forProgram() {
    const QString name = fileName();
    return StyleSheetLocation(findDataFile(name), writableDataFile(name));
}

QString StyleSheetLocation::readPath() const {
    if (QFileInfo::exists(m_writable))
        return m_writable;
    return m_shipped;
}

QString StyleSheetLocation::prepareWrite() const {
    if (!QFileInfo::exists(m_writable) && m_shipped != m_writable && QFileInfo::exists(m_shipped)) {
        QDir().mkpath(QFileInfo(m_writable).absolutePath());
        if (QFile::copy(m_shipped, m_writable))
            QFile(m_writable)
                .setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                QFile::ReadOther);
    }
    return m_writable;
}

ColorSplit splitColor(qint32 value) {
    ColorSplit s;
    if (value < 0) {
        s.r = value;
        return s;
    }
    s.b = value / 65536;
    s.g = (value % 65536) / 256;
    s.r = value % 256;
    return s;
}

qint32 joinColor(const ColorSplit& split) {
    // Computed wide and wrapped like the 32-bit arithmetic the stored numbers were made for.
    const qint64 v = qint64(split.r) + qint64(split.g) * 256 + qint64(split.b) * 65536;
    return qint32(quint32(quint64(v)));
}

StyleValues newStyleValues() {
    StyleValues v;
    v.alignment = QStringLiteral("Left");
    v.backColor = 0xFFFFFF;
    return v;
}

bool isReservedStyleName(const QString& name) {
    return name.compare(kStylesSection, Qt::CaseInsensitive) == 0;
}

QStringList ReadStyleNames(TBigIniFile& ini) {
    // The numbered list read in one pass over its section (as ReadNumberedList reads it:
    // "Count", then "1".."Count", the first entry of a key winning, a missing key giving an
    // empty name), so that matching a hundred styles does not look up a hundred keys.
    QStringList lines;
    ini.ReadSectionValues(kStylesSection, lines);
    QHash<QString, QStringView> entries;
    entries.reserve(lines.size());
    QString count;
    bool haveCount = false;
    for (const QString& line : std::as_const(lines)) {
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq < 0)
            continue;
        const QStringView key = QStringView(line).left(eq);
        if (key.compare(QLatin1String("Count"), Qt::CaseInsensitive) == 0) {
            if (!haveCount)
                count = line.mid(eq + 1);
            haveCount = true;
        } else if (!entries.contains(key.toString())) {
            entries.insert(key.toString(), QStringView(line).mid(eq + 1));
        }
    }
    int n = 0;
    if (!haveCount || !TBigIniFile::parseInteger(count, &n))
        n = 0;
    QStringList names;
    // Bounded as the INI engine bounds numbered lists, so a damaged count cannot run away.
    n = std::clamp(n, 0, 100000);
    names.reserve(n);
    for (int i = 1; i <= n; ++i)
        names.append(entries.value(QString::number(i)).toString());
    return names;
}

QStringList ReadStyleNames(const QString& path) {
    TBigIniFile ini(path);
    return ReadStyleNames(ini);
}

StyleValues readStyle(TBigIniFile& ini, const QString& name) {
    // One section lookup, then the entry lines read the way the INI engine reads a key: the
    // text before the first "=", compared without regard to case, the first entry winning.
    // Matching runs this for every style on every selection change.
    QStringList lines;
    ini.ReadSectionValues(name, lines);
    enum Key {
        Alignment,
        FirstIndent,
        LineSpacing,
        FontName,
        FontSize,
        Disabled,
        Hidden,
        Protected,
        Bold,
        Italic,
        Underline,
        StrikeOut,
        ColorR,
        ColorG,
        ColorB,
        BColorR,
        BColorG,
        BColorB,
        KeyCount
    };
    static const QString names[KeyCount] = {kAlignment,
                                            kFirstIndent,
                                            kLineSpacing,
                                            kFontName,
                                            kFontSize,
                                            kDisabled,
                                            kHidden,
                                            kProtected,
                                            kBold,
                                            kItalic,
                                            kUnderline,
                                            kStrikeOut,
                                            QStringLiteral("ColorR"),
                                            QStringLiteral("ColorG"),
                                            QStringLiteral("ColorB"),
                                            QStringLiteral("BColorR"),
                                            QStringLiteral("BColorG"),
                                            QStringLiteral("BColorB")};
    QStringView values[KeyCount];
    bool present[KeyCount] = {};
    for (const QString& line : std::as_const(lines)) {
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq < 0)
            continue;
        const QStringView key = QStringView(line).left(eq);
        for (int k = 0; k < KeyCount; ++k) {
            if (!present[k] && key.size() == names[k].size() &&
                key.compare(names[k], Qt::CaseInsensitive) == 0) {
                present[k] = true;
                values[k] = QStringView(line).mid(eq + 1);
                break;
            }
        }
    }
    auto text = [&](Key k, const QString& def) { return present[k] ? values[k].toString() : def; };
    auto integer = [&](Key k, int def) {
        int v = def;
        if (present[k] && !TBigIniFile::parseInteger(values[k].toString(), &v))
            v = def;
        return v;
    };
    auto flag = [&](Key k) { return integer(k, 0) != 0; };

    StyleValues v;
    v.alignment = text(Alignment, QStringLiteral("left"));
    v.firstIndent = integer(FirstIndent, 0);
    v.lineSpacing = integer(LineSpacing, 0);
    v.fontName = text(FontName, QStringLiteral("Arial"));
    v.fontSize = integer(FontSize, 10);
    v.disabled = flag(Disabled);
    v.hidden = flag(Hidden);
    v.isProtected = flag(Protected);
    v.bold = flag(Bold);
    v.italic = flag(Italic);
    v.underline = flag(Underline);
    v.strikeOut = flag(StrikeOut);
    v.color = joinColor({integer(ColorR, 0), integer(ColorG, 0), integer(ColorB, 0)});
    v.backColor = joinColor({integer(BColorR, 0), integer(BColorG, 0), integer(BColorB, 0)});
    return v;
}

StyleValues readStyle(const QString& path, const QString& name) {
    TBigIniFile ini(path);
    return readStyle(ini, name);
}

QString alignmentStyleText(int alignment) {
    switch (alignment) {
    case AlignLeft:
        return QStringLiteral("left");
    case AlignRight:
        return QStringLiteral("right");
    case AlignCenter:
        return QStringLiteral("center");
    default:
        return QString();
    }
}

void ApplyStyle(const StyleValues& style, ParaAttributes& paragraph, CharAttributes& text) {
    const QString a = lowerCaseAZ(style.alignment);
    if (a == QLatin1String("left"))
        paragraph.alignment = AlignLeft;
    else if (a == QLatin1String("right"))
        paragraph.alignment = AlignRight;
    else if (a == QLatin1String("center"))
        paragraph.alignment = AlignCenter;
    paragraph.firstIndent = style.firstIndent;
    paragraph.lineSpacing = style.lineSpacing;
    text.fontName = style.fontName;
    text.size = style.fontSize;
    text.disabled = style.disabled;
    text.hidden = style.hidden;
    text.isProtected = style.isProtected;
    text.bold = style.bold;
    text.italic = style.italic;
    text.underline = style.underline;
    text.strikeOut = style.strikeOut;
    text.color = editorColor(style.color, kAutoTextColor);
    text.backColor = editorColor(style.backColor, kAutoBackColor);
}

void ApplyStyle(const QString& path, const QString& name, ParaAttributes& paragraph,
                CharAttributes& text) {
    ApplyStyle(readStyle(path, name), paragraph, text);
}

ParaFields styleParaFields(const StyleValues& style) {
    ParaFields f = ParaField::FirstIndent | ParaField::LineSpacing;
    const QString a = lowerCaseAZ(style.alignment);
    if (a == QLatin1String("left") || a == QLatin1String("right") || a == QLatin1String("center"))
        f |= ParaField::Alignment;
    return f;
}

CharFields styleCharFields() {
    return CharField::FontName | CharField::Size | CharField::Disabled | CharField::Hidden |
           CharField::Protected | CharField::StyleBits | CharField::Color | CharField::BackColor;
}

void ApplyStyle(const QString& path, const QString& name, QTextCursor& cursor) {
    const StyleValues style = readStyle(path, name);
    ParaAttributes para = readParaAttributes(cursor);
    CharAttributes text = readCharAttributes(cursor);
    ApplyStyle(style, para, text);
    cursor.beginEditBlock();
    writeParaAttributes(cursor, para, styleParaFields(style));
    writeCharAttributes(cursor, text, styleCharFields());
    cursor.endEditBlock();
}

bool styleMatches(const StyleValues& s, const CharAttributes& t, const ParaAttributes& p) {
    return s.bold == t.bold && s.italic == t.italic && s.underline == t.underline &&
           s.strikeOut == t.strikeOut && s.hidden == t.hidden && s.disabled == t.disabled &&
           s.isProtected == t.isProtected && s.fontSize == t.size &&
           s.lineSpacing == p.lineSpacing && s.firstIndent == p.firstIndent && s.color == t.color &&
           s.backColor == t.backColor && lowerCaseAZ(s.fontName) == lowerCaseAZ(t.fontName) &&
           lowerCaseAZ(s.alignment) == alignmentStyleText(p.alignment);
}

QString MatchStyle(const QString& path, const CharAttributes& text,
                   const ParaAttributes& paragraph) {
    TBigIniFile ini(path);
    QString matched;
    for (const QString& name : ReadStyleNames(ini)) {
        if (styleMatches(readStyle(ini, name), text, paragraph))
            matched = name;
    }
    return matched;
}

void sortStyleNames(QStringList& names) {
    std::stable_sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    names.erase(std::unique(names.begin(), names.end(),
                            [](const QString& a, const QString& b) {
                                return a.compare(b, Qt::CaseInsensitive) == 0;
                            }),
                names.end());
}

bool saveStyle(const StyleSheetLocation& where, const QString& name, const StyleValues& style,
               QString* error) {
    if (name.isEmpty() || isReservedStyleName(name))
        return false;
    TBigIniFile ini(where.prepareWrite());
    QStringList names = ReadStyleNames(ini);
    sortStyleNames(names);
    const bool known = std::any_of(names.cbegin(), names.cend(), [&](const QString& n) {
        return n.compare(name, Qt::CaseInsensitive) == 0;
    });
    if (!known) {
        names.append(name);
        sortStyleNames(names);
    }
    ini.WriteNumberedList(kStylesSection, names);

    ini.WriteString(name, kAlignment, storedAlignment(style.alignment));
    ini.WriteInteger(name, kFirstIndent, style.firstIndent);
    ini.WriteInteger(name, kLineSpacing, style.lineSpacing);
    ini.WriteString(name, kFontName, style.fontName);
    ini.WriteInteger(name, kFontSize, style.fontSize);
    ini.WriteBool(name, kDisabled, style.disabled);
    ini.WriteBool(name, kHidden, style.hidden);
    ini.WriteBool(name, kProtected, style.isProtected);
    ini.WriteBool(name, kBold, style.bold);
    ini.WriteBool(name, kItalic, style.italic);
    ini.WriteBool(name, kUnderline, style.underline);
    ini.WriteBool(name, kStrikeOut, style.strikeOut);
    writeColor(ini, name, QStringLiteral("Color"), style.color);
    writeColor(ini, name, QStringLiteral("BColor"), style.backColor);
    return finish(ini, error);
}

QStringList removeStyle(const StyleSheetLocation& where, const QString& name, QString* error) {
    TBigIniFile ini(where.prepareWrite());
    QStringList names = ReadStyleNames(ini);
    sortStyleNames(names);
    if (isReservedStyleName(name)) {
        // The list's own section: erasing it would lose every name.
        return names;
    }
    names.erase(
        std::remove_if(names.begin(), names.end(),
                       [&](const QString& n) { return n.compare(name, Qt::CaseInsensitive) == 0; }),
        names.end());
    ini.WriteNumberedList(kStylesSection, names);
    ini.EraseSection(name);
    finish(ini, error);
    return names;
}

StyleValues styleFromSelection(const CharAttributes& text, const ParaAttributes& paragraph,
                               const StyleValues& current) {
    StyleValues v = current;
    v.fontName = text.fontName;
    v.fontSize = text.size;
    v.color = text.color;
    v.backColor = text.backColor;
    v.bold = text.bold;
    v.italic = text.italic;
    v.underline = text.underline;
    v.strikeOut = text.strikeOut;
    switch (paragraph.alignment) {
    case AlignLeft:
        v.alignment = QStringLiteral("Left");
        break;
    case AlignCenter:
        v.alignment = QStringLiteral("Center");
        break;
    case AlignRight:
        v.alignment = QStringLiteral("Right");
        break;
    default:
        break;
    }
    v.hidden = text.hidden;
    v.disabled = text.disabled;
    v.isProtected = text.isProtected;
    v.lineSpacing = paragraph.lineSpacing;
    v.firstIndent = paragraph.firstIndent;
    return v;
}

} // namespace quillet
