#pragma once

// The style sheet: named sets of character and paragraph attributes kept in the program's
// own INI file. There is no copy in memory: every function opens the file, works and
// releases it, so the file on disk is the only state and edits made elsewhere show at once.

#include "ui/text_attributes.h"

#include <QString>
#include <QStringList>

class QTextCursor;

namespace quillet {

class TBigIniFile;

// Where the style sheet lives. Reads come from the copy the program writes when there is
// one, else from the shipped copy; writes go to the writable copy, which is first seeded
// from the shipped one so a first save does not lose the shipped styles.
class StyleSheetLocation {
public:
    // Both paths the same: a test or a portable installation with one file.
    explicit StyleSheetLocation(const QString& path);
    StyleSheetLocation(const QString& shippedPath, const QString& writablePath);

    // The executable's base name with ".ini", looked up as a program data file.
    static StyleSheetLocation forProgram();
    static QString fileName();

    QString readPath() const;
    // The path to write to, seeded from the shipped copy if it does not exist yet.
    QString prepareWrite() const;

private:
    QString m_shipped;
    QString m_writable;
};

// The components a colour value is stored as ("ColorR", "ColorG", "ColorB"). A negative
// value (an automatic colour) is kept whole in R so it survives the round trip.
struct ColorSplit {
    int r = 0;
    int g = 0;
    int b = 0;
    bool operator==(const ColorSplit&) const = default;
};
ColorSplit splitColor(qint32 value);
qint32 joinColor(const ColorSplit& split);

// One style section as read, with the values an absent key stands for.
struct StyleValues {
    QString alignment = QStringLiteral("left"); // as stored; "left", "center", "right"
    int firstIndent = 0;
    int lineSpacing = 0;
    QString fontName = QStringLiteral("Arial");
    int fontSize = 10;
    bool disabled = false;
    bool hidden = false;
    bool isProtected = false;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    qint32 color = 0;
    qint32 backColor = 0;

    bool operator==(const StyleValues&) const = default;
};

// The values the Style Manager's "Add" starts a new style with: black on white.
StyleValues newStyleValues();

// The section name that holds the list of names; no style may use it.
inline const QString kStylesSection = QStringLiteral("Styles");
bool isReservedStyleName(const QString& name);

// The "Styles" list in stored order (a missing numbered key gives an empty name).
QStringList ReadStyleNames(const QString& path);
QStringList ReadStyleNames(TBigIniFile& ini);

StyleValues readStyle(TBigIniFile& ini, const QString& name);
StyleValues readStyle(const QString& path, const QString& name);

// Applies a style to paragraph and character attributes: alignment (unknown text leaves it
// alone), first indent, line spacing (the rule stays), font name and size, disabled, hidden,
// protected, the four style bits, text and background colour. Everything else stays.
void ApplyStyle(const StyleValues& style, ParaAttributes& paragraph, CharAttributes& text);
void ApplyStyle(const QString& path, const QString& name, ParaAttributes& paragraph,
                CharAttributes& text);
// The fields ApplyStyle changes, for writing the result back to a page.
ParaFields styleParaFields(const StyleValues& style);
CharFields styleCharFields();
// Reads the cursor's attributes, applies the style and writes them back as one edit.
void ApplyStyle(const QString& path, const QString& name, QTextCursor& cursor);

// The alignment as a style stores it: "left", "right", "center"; justified has no name.
QString alignmentStyleText(int alignment);

// Whether a style's values equal the attributes of a selection.
bool styleMatches(const StyleValues& style, const CharAttributes& text,
                  const ParaAttributes& paragraph);
// The name of the last style in list order that matches, or an empty string.
QString MatchStyle(const QString& path, const CharAttributes& text,
                   const ParaAttributes& paragraph);

// The Style Manager's rules.
// Adds `name` to the sorted list unless a name equal to it ignoring case is there, and
// writes the style's keys. False (nothing written) for a reserved name or a write error.
bool saveStyle(const StyleSheetLocation& where, const QString& name, const StyleValues& style,
               QString* error = nullptr);
// Deletes `name` from the sorted list and erases its section; returns the sorted list left.
QStringList removeStyle(const StyleSheetLocation& where, const QString& name,
                        QString* error = nullptr);
// "Get Current": the selection's state over `current`; a justified paragraph keeps the
// alignment `current` has.
StyleValues styleFromSelection(const CharAttributes& text, const ParaAttributes& paragraph,
                               const StyleValues& current);

// Sorting without regard to case, and one entry per name ignoring case.
void sortStyleNames(QStringList& names);

} // namespace quillet
