#pragma once

#include <QString>

namespace quillet {

// The system's millisecond tick count (time since boot), as directory names use it.
quint32 tickCount();

// Creates a new directory named `stem` + tick count (plus "-N" when that name is taken),
// with its missing parents, owner-only permissions for the new directory itself. Returns
// its path ending with a separator, or an empty string on failure.
QString createUniqueDirectory(const QString& stem);

// Deletes every file (and symbolic link) directly inside `dir`, leaving subdirectories,
// then removes `dir` if it is empty. Failures are ignored.
void deleteFilesIn(const QString& dir);

// Deletes `dir` with everything below it. Symbolic links are removed, never followed, and
// only directories below the system's temporary directory are touched. Failures are
// ignored; returns whether the directory is gone.
bool deleteWorkspaceTree(const QString& dir);

// `path` with its extension (if any) replaced by `extension` (which starts with a dot).
QString changeFileExt(const QString& path, const QString& extension);

} // namespace quillet
