#pragma once

#include <QList>
#include <QString>

#include <functional>

namespace quillet {

// Reader of the sibling notebook's ZLB archives: members stored raw or as zlib streams, a
// directory of fixed-size entries (raw or one zlib stream) and a 36-byte trailer whose
// CRC-32 covers everything before it. Every offset and size is checked against the file
// before it is used, and nothing is allocated from a size read out of the file.
class TZLBArchive {
public:
    struct Entry {
        QString name;
        QString path;
        quint32 size = 0;
        quint32 offset = 0;
        quint32 crc = 0;
        bool stored = false;
    };

    // A message and a percentage, reported after each chunk read.
    using Progress = std::function<void(const QString& message, int percent)>;
    void setProgress(Progress progress) { progress_ = std::move(progress); }

    // Both return false with errorString() set to one of the reader's messages.
    bool OpenArchive(const QString& path);
    bool ExtractAll(const QString& destination);
    void CloseArchive();

    bool isOpen() const { return open_; }
    const QList<Entry>& entries() const { return entries_; }
    QString errorString() const { return error_; }

private:
    bool fail(const QString& message);
    void report(const QString& message, int percent);

    QString path_;
    QList<Entry> entries_;
    bool open_ = false;
    QString error_;
    Progress progress_;
};

// Rounds a share of work to a whole percentage, halves to even.
int roundedPercent(quint64 done, quint64 total);

} // namespace quillet
