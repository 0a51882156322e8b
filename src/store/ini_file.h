#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace quillet {

// Sections of an INI file in file order, each with its entry lines as read ("key=value" or
// any other text). Remembers the section found last so runs of lookups on one section do
// not rescan from the start.
class TSectionList {
public:
    struct Section {
        QString name;
        QStringList lines;
    };

    int count() const { return int(sections_.size()); }
    const Section& at(int i) const { return sections_[i]; }
    Section& at(int i) { return sections_[i]; }
    // Case-insensitive, starting at the section found last and wrapping around; -1 if absent.
    int indexOf(const QString& name);
    int append(const QString& name);
    void removeAt(int i);
    // Drops later sections whose names repeat an earlier one (ignoring case); true if any.
    bool removeDuplicates();

private:
    QList<Section> sections_;
    int lastFound_ = 0;
};

// An INI file held in memory: loaded when created, answered from memory, written back in
// full on UpdateFile() or destruction, and only when something changed.
//
// Files are bytes: they read as UTF-8 when valid, else as Windows-1252, and are written as
// Windows-1252 when every character fits it (so files keep their bytes), else as UTF-8.
// Lines, keys and values are limited to 255 bytes; a character outside Windows-1252 counts
// its UTF-8 length, and no character is ever split.
class TBigIniFile {
public:
    explicit TBigIniFile(const QString& fileName);
    // An object over `content` as if it had been read from `fileName`.
    TBigIniFile(const QString& fileName, const QByteArray& content);
    ~TBigIniFile();
    TBigIniFile(const TBigIniFile&) = delete;
    TBigIniFile& operator=(const TBigIniFile&) = delete;

    QString fileName() const { return fileName_; }
    bool isModified() const { return modified_; }
    // The last read or write failure; empty when none.
    QString errorString() const { return error_; }

    QString ReadString(const QString& section, const QString& key, const QString& def);
    void WriteString(const QString& section, const QString& key, const QString& value);
    int ReadInteger(const QString& section, const QString& key, int def);
    void WriteInteger(const QString& section, const QString& key, int value);
    bool ReadBool(const QString& section, const QString& key, bool def);
    void WriteBool(const QString& section, const QString& key, bool value);
    int ReadHexInteger(const QString& section, const QString& key, int def);
    void WriteHexInteger(const QString& section, const QString& key, int value);

    void ReadSection(const QString& section, QStringList& keys);
    void ReadSections(QStringList& names);
    void ReadSectionValues(const QString& section, QStringList& lines);
    void EraseSection(const QString& section);
    void DeleteKey(const QString& section, const QString& key);

    void ReadNumberedList(const QString& section, QStringList& list, const QString& def);
    void WriteNumberedList(const QString& section, const QStringList& list);

    // Writes the file if modified; false with errorString() when writing failed (the object
    // then stays modified).
    bool UpdateFile();

    // The integer parser the reads use: decimal, or hexadecimal after "0x" or "$".
    static bool parseInteger(const QString& text, int* value);
    // `line` cut to `limit` bytes as counted above.
    static QString cutToLimit(const QString& line, int limit = 255);

private:
    void load();
    void parse(const QByteArray& raw);
    int findKey(const TSectionList::Section& s, const QString& key) const;

    QString fileName_;
    TSectionList sections_;
    bool modified_ = false;
    QString error_;
};

} // namespace quillet
