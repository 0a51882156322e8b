#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace quillet {

// The ".qlt" document file is a ZIP archive of working-directory files, each stored under
// its bare file name.
namespace qlt {

// Called now and then during long archive work so the window keeps painting.
using Heartbeat = std::function<void()>;

// Packs `files` (absolute paths) into the archive at `archivePath`, deflated at the highest
// level. With `update` an existing archive is updated: a file without a member is added, a
// file newer than its member replaces it, and members without a file in the list stay. The
// archive is written beside itself and renamed into place, so on failure an existing
// archive is left as it was.
bool pack(const QString& archivePath, const QStringList& files, bool update, QString* error,
          const Heartbeat& heartbeat = {});

// The archive opens, its directory is consistent and it holds "Nodes.tree".
bool verify(const QString& archivePath, QString* error);

// Extracts every member into `directory` (which must exist), dropping directory parts of
// member names; names that would leave the directory are skipped, existing files are
// replaced and symbolic links in the way are removed, never written through. Goes on after
// a bad member and reports the first failure.
bool unpack(const QString& archivePath, const QString& directory, QString* error,
            const Heartbeat& heartbeat = {});

// Forces the file's data to disk before it replaces a document.
bool syncFile(const QString& path);

} // namespace qlt
} // namespace quillet
