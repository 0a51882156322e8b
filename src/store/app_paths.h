#pragma once

#include <QString>

namespace quillet {

// The program directory: the executable's folder, always ending with a separator.
QString programDirectory();

// A shipped data file (templates, dictionary, language files, style sheet): the program
// directory first, then the installed data directory. Returns the path found, or the
// program-directory path when neither exists, so callers can report what was looked for.
QString findDataFile(const QString& relativePath);

// Where the program writes a data file of its own: beside the executable when that folder
// is writable, else in the per-user configuration folder, seeded from the shipped copy.
QString writableDataFile(const QString& relativePath);

} // namespace quillet
