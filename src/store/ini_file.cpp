#include "store/ini_file.h"

#include "store/cp1252.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QSaveFile>

#include <limits>

namespace quillet {

namespace {

constexpr int kLineLimit = 255;
constexpr qint64 kMaxIniFile = 64 * 1024 * 1024;
// A numbered list longer than this is taken as a damaged "Count".
constexpr int kMaxNumberedList = 100000;

// Parsed files by absolute path. The style sheet is read on every selection change, so a
// file whose bytes are exactly those parsed last time is not parsed again; comparing the
// bytes keeps the answer exact even when the file changed within one timestamp tick.
struct CacheEntry {
    QByteArray raw;
    TSectionList sections;
    bool hadDuplicates = false;
};
constexpr int kCacheEntries = 32;
constexpr qint64 kMaxCachedFile = 1024 * 1024;

QMutex& cacheMutex() {
    static QMutex m;
    return m;
}
QHash<QString, CacheEntry>& cache() {
    static QHash<QString, CacheEntry> c;
    return c;
}

void remember(const QString& path, const QByteArray& raw, const TSectionList& sections,
              bool hadDuplicates) {
    if (raw.size() > kMaxCachedFile)
        return;
    QMutexLocker lock(&cacheMutex());
    if (cache().size() >= kCacheEntries && !cache().contains(path))
        cache().clear();
    cache().insert(path, CacheEntry{raw, sections, hadDuplicates});
}

void forget(const QString& path) {
    QMutexLocker lock(&cacheMutex());
    cache().remove(path);
}

bool recall(const QString& path, const QByteArray& raw, TSectionList* sections,
            bool* hadDuplicates) {
    QMutexLocker lock(&cacheMutex());
    auto it = cache().constFind(path);
    if (it == cache().constEnd() || it->raw != raw)
        return false;
    *sections = it->sections;
    *hadDuplicates = it->hadDuplicates;
    return true;
}

int byteCost(char32_t c) {
    if (fitsCp1252(c))
        return 1;
    return c < 0x800 ? 2 : (c < 0x10000 ? 3 : 4);
}

QStringView keyOf(const QString& line) {
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    return eq < 0 ? QStringView() : QStringView(line).first(eq);
}

bool parseHexDigits(QStringView digits, int* value) {
    if (digits.isEmpty())
        return false;
    quint64 v = 0;
    int significant = 0;
    for (QChar c : digits) {
        const char16_t u = c.unicode();
        const int d = (u >= '0' && u <= '9')   ? u - '0'
                      : (u >= 'a' && u <= 'f') ? u - 'a' + 10
                      : (u >= 'A' && u <= 'F') ? u - 'A' + 10
                                               : -1;
        if (d < 0)
            return false;
        if (v != 0 || d != 0)
            ++significant;
        if (significant > 8)
            return false;
        v = v * 16 + quint64(d);
    }
    *value = int(qint32(quint32(v)));
    return true;
}

QString hex8(int value) {
    return QStringLiteral("%1").arg(quint32(value), 8, 16, QLatin1Char('0')).toUpper();
}

} // namespace

int TSectionList::indexOf(const QString& name) {
    const int n = count();
    if (n == 0)
        return -1;
    const int start = (lastFound_ >= 0 && lastFound_ < n) ? lastFound_ : 0;
    for (int k = 0; k < n; ++k) {
        const int i = (start + k) % n;
        if (sections_[i].name.compare(name, Qt::CaseInsensitive) == 0) {
            lastFound_ = i;
            return i;
        }
    }
    return -1;
}

int TSectionList::append(const QString& name) {
    sections_.append(Section{name, {}});
    lastFound_ = count() - 1;
    return lastFound_;
}

void TSectionList::removeAt(int i) {
    sections_.removeAt(i);
    if (lastFound_ >= count())
        lastFound_ = 0;
}

bool TSectionList::removeDuplicates() {
    QHash<QString, bool> seen;
    bool removed = false;
    for (int i = 0; i < count();) {
        const QString folded = sections_[i].name.toCaseFolded();
        if (seen.contains(folded)) {
            sections_.removeAt(i);
            removed = true;
        } else {
            seen.insert(folded, true);
            ++i;
        }
    }
    lastFound_ = 0;
    return removed;
}

TBigIniFile::TBigIniFile(const QString& fileName)
    : fileName_(fileName.isEmpty() ? fileName : QFileInfo(fileName).absoluteFilePath()) {
    load();
}

TBigIniFile::TBigIniFile(const QString& fileName, const QByteArray& content)
    : fileName_(fileName.isEmpty() ? fileName : QFileInfo(fileName).absoluteFilePath()) {
    parse(content);
}

TBigIniFile::~TBigIniFile() {
    UpdateFile();
}

QString TBigIniFile::cutToLimit(const QString& line, int limit) {
    int bytes = 0;
    for (qsizetype i = 0; i < line.size();) {
        char32_t c = line[i].unicode();
        qsizetype width = 1;
        if (line[i].isHighSurrogate() && i + 1 < line.size() && line[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(line[i], line[i + 1]);
            width = 2;
        }
        bytes += byteCost(c);
        if (bytes > limit)
            return line.left(i);
        i += width;
    }
    return line;
}

void TBigIniFile::load() {
    if (fileName_.isEmpty() || !QFileInfo::exists(fileName_))
        return;
    QFile file(fileName_);
    if (!file.open(QIODevice::ReadOnly)) {
        error_ = file.errorString();
        return;
    }
    if (file.size() > kMaxIniFile) {
        error_ = QStringLiteral("%1 is too large").arg(fileName_);
        return;
    }
    const QByteArray raw = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        error_ = file.errorString();
        return;
    }
    bool hadDuplicates = false;
    if (recall(fileName_, raw, &sections_, &hadDuplicates)) {
        modified_ = hadDuplicates;
        return;
    }
    parse(raw);
    remember(fileName_, raw, sections_, modified_);
}

void TBigIniFile::parse(const QByteArray& raw) {
    const QString text = decodeUtf8OrCp1252(raw);
    int current = -1;
    qsizetype pos = 0;
    while (pos < text.size()) {
        qsizetype end = pos;
        while (end < text.size() && text[end] != QLatin1Char('\n') &&
               text[end] != QLatin1Char('\r'))
            ++end;
        QString line = cutToLimit(text.mid(pos, end - pos), kLineLimit);
        pos = end;
        if (pos < text.size() && text[pos] == QLatin1Char('\r'))
            ++pos;
        if (end < text.size() && text[end] == QLatin1Char('\r') && pos < text.size() &&
            text[pos] == QLatin1Char('\n'))
            ++pos;
        else if (end < text.size() && text[end] == QLatin1Char('\n'))
            ++pos;

        if (line == QStringView(u"\x1A"))
            line.clear();
        if (line.isEmpty())
            continue;
        if (line.size() >= 2 && line.startsWith(QLatin1Char('[')) &&
            line.endsWith(QLatin1Char(']'))) {
            current = sections_.append(line.mid(1, line.size() - 2));
        } else if (current >= 0) {
            sections_.at(current).lines.append(line);
        }
    }
    modified_ = sections_.removeDuplicates();
}

int TBigIniFile::findKey(const TSectionList::Section& s, const QString& key) const {
    for (int i = 0; i < s.lines.size(); ++i) {
        const QStringView k = keyOf(s.lines[i]);
        if (!k.isNull() && k.compare(key, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

QString TBigIniFile::ReadString(const QString& section, const QString& key, const QString& def) {
    const int si = sections_.indexOf(section);
    if (si < 0)
        return def;
    const TSectionList::Section& s = sections_.at(si);
    const int li = findKey(s, key);
    if (li < 0)
        return def;
    const QString& line = s.lines[li];
    return line.mid(line.indexOf(QLatin1Char('=')) + 1);
}

void TBigIniFile::WriteString(const QString& section, const QString& key, const QString& value) {
    if (key.isEmpty()) {
        if (!section.isEmpty() || !value.isEmpty())
            EraseSection(section);
        else
            UpdateFile();
        return;
    }
    const QString line = cutToLimit(key + QLatin1Char('=') + value, kLineLimit);
    int si = sections_.indexOf(section);
    if (si < 0)
        si = sections_.append(section);
    TSectionList::Section& s = sections_.at(si);
    const int li = findKey(s, key);
    if (li < 0) {
        s.lines.append(line);
        modified_ = true;
    } else if (s.lines[li] != line) {
        s.lines[li] = line;
        modified_ = true;
    }
}

bool TBigIniFile::parseInteger(const QString& text, int* value) {
    QStringView t(text);
    if (t.size() >= 2 && t[0] == QLatin1Char('0') &&
        (t[1] == QLatin1Char('x') || t[1] == QLatin1Char('X')))
        return parseHexDigits(t.sliced(2), value);
    while (!t.isEmpty() && t[0] == QLatin1Char(' '))
        t = t.sliced(1);
    bool negative = false;
    if (!t.isEmpty() && (t[0] == QLatin1Char('-') || t[0] == QLatin1Char('+'))) {
        negative = t[0] == QLatin1Char('-');
        t = t.sliced(1);
    }
    if (!t.isEmpty() && t[0] == QLatin1Char('$')) {
        int v = 0;
        if (!parseHexDigits(t.sliced(1), &v))
            return false;
        *value = negative ? int(0u - quint32(v)) : v;
        return true;
    }
    if (t.isEmpty())
        return false;
    qint64 v = 0;
    for (QChar c : t) {
        if (c.unicode() < '0' || c.unicode() > '9')
            return false;
        v = v * 10 + (c.unicode() - '0');
        if (v > qint64(std::numeric_limits<qint32>::max()) + 1)
            return false;
    }
    if (negative)
        v = -v;
    if (v > std::numeric_limits<qint32>::max() || v < std::numeric_limits<qint32>::min())
        return false;
    *value = int(v);
    return true;
}

int TBigIniFile::ReadInteger(const QString& section, const QString& key, int def) {
    int v = 0;
    return parseInteger(ReadString(section, key, QString()), &v) ? v : def;
}

void TBigIniFile::WriteInteger(const QString& section, const QString& key, int value) {
    WriteString(section, key, QString::number(value));
}

bool TBigIniFile::ReadBool(const QString& section, const QString& key, bool def) {
    return ReadInteger(section, key, def ? 1 : 0) != 0;
}

void TBigIniFile::WriteBool(const QString& section, const QString& key, bool value) {
    WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

int TBigIniFile::ReadHexInteger(const QString& section, const QString& key, int def) {
    int v = 0;
    return parseHexDigits(ReadString(section, key, hex8(def)), &v) ? v : def;
}

void TBigIniFile::WriteHexInteger(const QString& section, const QString& key, int value) {
    WriteString(section, key, hex8(value));
}

void TBigIniFile::ReadSection(const QString& section, QStringList& keys) {
    const int si = sections_.indexOf(section);
    if (si < 0)
        return;
    for (const QString& line : sections_.at(si).lines) {
        const QStringView k = keyOf(line);
        if (!k.isNull())
            keys.append(k.toString());
    }
}

void TBigIniFile::ReadSections(QStringList& names) {
    names.clear();
    for (int i = 0; i < sections_.count(); ++i)
        names.append(sections_.at(i).name);
}

void TBigIniFile::ReadSectionValues(const QString& section, QStringList& lines) {
    const int si = sections_.indexOf(section);
    if (si >= 0)
        lines.append(sections_.at(si).lines);
}

void TBigIniFile::EraseSection(const QString& section) {
    const int si = sections_.indexOf(section);
    if (si >= 0)
        sections_.removeAt(si);
    modified_ = true;
}

void TBigIniFile::DeleteKey(const QString& section, const QString& key) {
    int si = sections_.indexOf(section);
    if (si < 0)
        si = sections_.append(section);
    TSectionList::Section& s = sections_.at(si);
    const int li = findKey(s, key);
    if (li >= 0) {
        s.lines.removeAt(li);
        modified_ = true;
    }
}

void TBigIniFile::ReadNumberedList(const QString& section, QStringList& list, const QString& def) {
    const int count = std::min(ReadInteger(section, QStringLiteral("Count"), 0), kMaxNumberedList);
    for (int i = 1; i <= count; ++i)
        list.append(ReadString(section, QString::number(i), def));
}

void TBigIniFile::WriteNumberedList(const QString& section, const QStringList& list) {
    const int before = sections_.indexOf(section);
    const QStringList oldLines = before >= 0 ? sections_.at(before).lines : QStringList();
    const bool wasModified = modified_;

    const int oldCount =
        std::min(ReadInteger(section, QStringLiteral("Count"), 0), kMaxNumberedList);
    WriteInteger(section, QStringLiteral("Count"), int(list.size()));
    for (int i = 1; i <= oldCount; ++i)
        DeleteKey(section, QString::number(i));
    for (int i = 0; i < list.size(); ++i)
        WriteString(section, QString::number(i + 1), list[i]);

    if (!wasModified) {
        const int after = sections_.indexOf(section);
        const QStringList newLines = after >= 0 ? sections_.at(after).lines : QStringList();
        modified_ = newLines != oldLines;
    }
}

bool TBigIniFile::UpdateFile() {
    if (!modified_)
        return true;
    if (fileName_.isEmpty()) {
        error_ = QStringLiteral("No file name");
        return false;
    }
    QString text;
    for (int i = 0; i < sections_.count(); ++i) {
        const TSectionList::Section& s = sections_.at(i);
        if (s.lines.isEmpty())
            continue;
        text += QLatin1Char('[') + s.name + QStringLiteral("]\r\n");
        for (const QString& line : s.lines)
            text += line + QStringLiteral("\r\n");
        text += QStringLiteral("\r\n");
    }
    const QByteArray bytes = fitsCp1252(text) ? toCp1252(text) : text.toUtf8();
    QSaveFile file(fileName_);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        error_ = file.errorString();
        return false;
    }
    modified_ = false;
    forget(fileName_);
    return true;
}

} // namespace quillet
