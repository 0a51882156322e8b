#pragma once

// The attribute model every formatting command, text tool and converter works through.
// Values use the program's own codes and units: lengths in whole points (the document keeps
// twentieths of a point, so a setter multiplies by 20 and a getter divides by 20, rounding
// toward zero), colours as red + green * 256 + blue * 65536 with two automatic values.
//
// Reading a selection whose parts differ gives one definite value per field:
//  - the on/off fields (bold, italic, underline, strike-out, hidden, disabled, protected,
//    link) read as set only when every character of the selection has them, so a toggle
//    on a mixed selection sets the attribute on all of it;
//  - every other character field (font name, size, colours, underline style, script) reads
//    as the first character of the selection has it;
//  - paragraph fields read as the first paragraph the selection touches has them.
// With nothing selected the insertion point's format is read.
//
// Setting the numbering (0..6) also sets the left indent, as the model requires: 0 for no
// numbering, at least 10 points otherwise (the left indent given in the same call, or the
// paragraph's own, raised to 10). A size below 1 point is ignored.

#include <QFlags>
#include <QString>
#include <QTextFormat>

class QTextCursor;
class QTextDocument;
class QTextBlock;
class QTextBlockFormat;
class QTextCharFormat;
class QTextListFormat;
class QColor;

namespace quillet {

inline constexpr qint32 kAutoTextColor = qint32(0x80000008u);
inline constexpr qint32 kAutoBackColor = qint32(0x80000005u);
inline constexpr int kMaxFontNameLength = 31;

enum UnderlineStyle {
    UnderlineNone = 0,
    UnderlineSolid,
    UnderlineWord,
    UnderlineDouble,
    UnderlineDotted,
    UnderlineDash
};
enum Script { ScriptNormal = 0, ScriptSubscript, ScriptSuperscript };
enum Alignment { AlignLeft = 0, AlignRight, AlignCenter, AlignJustify };
enum Numbering {
    NumberingNone = 0,
    NumberingBullet,
    NumberingArabic,
    NumberingLowerLetter,
    NumberingUpperLetter,
    NumberingLowerRoman,
    NumberingUpperRoman
};
enum NumberingStyle {
    NumberingParenthesis = 0,
    NumberingPeriod,
    NumberingEnclosed,
    NumberingSimple
};
enum LineSpacingRule { LineSpacingSingle = 0, LineSpacingAtLeast = 3 };

struct CharAttributes {
    QString fontName; // at most 31 characters
    int size = 12;    // whole points
    qint32 color = kAutoTextColor;
    qint32 backColor = kAutoBackColor;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    int underlineStyle = UnderlineNone; // 0..5; non-zero exactly when underline is set
    int script = ScriptNormal;          // 0..2
    bool hidden = false;
    bool disabled = false;
    bool isProtected = false;
    bool link = false;

    bool operator==(const CharAttributes&) const = default;
};

enum class CharField : quint32 {
    FontName = 1u << 0,
    Size = 1u << 1,
    Color = 1u << 2,
    BackColor = 1u << 3,
    Bold = 1u << 4,
    Italic = 1u << 5,
    Underline = 1u << 6,
    StrikeOut = 1u << 7,
    UnderlineStyle = 1u << 8,
    Script = 1u << 9,
    Hidden = 1u << 10,
    Disabled = 1u << 11,
    Protected = 1u << 12,
    Link = 1u << 13,
    StyleBits = Bold | Italic | Underline | StrikeOut,
    All = (1u << 14) - 1,
};
Q_DECLARE_FLAGS(CharFields, CharField)
Q_DECLARE_OPERATORS_FOR_FLAGS(CharFields)

struct ParaAttributes {
    int alignment = AlignLeft;
    int firstIndent = 0; // points, where the first line starts
    int leftIndent = 0;  // points, second and later lines relative to the first line
    int rightIndent = 0;
    int spaceBefore = 0;
    int spaceAfter = 0;
    int lineSpacingRule = LineSpacingSingle; // 0 or 3
    int lineSpacing = 0;                     // points, used with rule 3
    int numbering = NumberingNone;           // 0..6
    // 0..3. A paragraph without numbering reads 0. Setting a numbering without the style
    // field keeps the style of the paragraph's list, or gives 1 (period) to a new list.
    int numberingStyle = NumberingParenthesis;
    int headingStyle = 0; // 0..9

    bool operator==(const ParaAttributes&) const = default;
};

enum class ParaField : quint32 {
    Alignment = 1u << 0,
    FirstIndent = 1u << 1,
    LeftIndent = 1u << 2,
    RightIndent = 1u << 3,
    SpaceBefore = 1u << 4,
    SpaceAfter = 1u << 5,
    LineSpacing = 1u << 6, // rule and spacing together
    Numbering = 1u << 7,
    NumberingStyle = 1u << 8,
    HeadingStyle = 1u << 9,
    All = (1u << 10) - 1,
};
Q_DECLARE_FLAGS(ParaFields, ParaField)
Q_DECLARE_OPERATORS_FOR_FLAGS(ParaFields)

// Properties this program keeps in QTextFormat beside Qt's own. Lengths are twentieths of a
// point so that a page read from RTF is written back with the very same numbers.
namespace textprop {
inline constexpr int Base = QTextFormat::UserProperty + 0x5100;
// characters
inline constexpr int Hidden = Base + 1;        // bool
inline constexpr int Disabled = Base + 2;      // bool
inline constexpr int Protected = Base + 3;     // bool
inline constexpr int UnderlineKind = Base + 4; // int, UnderlineStyle
// paragraphs, in twentieths of a point (RTF's own numbers)
inline constexpr int FirstLineTwips = Base + 10; // \fi
inline constexpr int LeftTwips = Base + 11;      // \li
inline constexpr int RightTwips = Base + 12;     // \ri
inline constexpr int BeforeTwips = Base + 13;    // \sb
inline constexpr int AfterTwips = Base + 14;     // \sa
inline constexpr int LineTwips = Base + 15;      // \sl (signed, RTF meaning)
inline constexpr int LineMultiple = Base + 16;   // \slmult
// lists
inline constexpr int ListStart = Base + 20; // first number of a numbered list
// pictures and objects
inline constexpr int RawRtf = Base + 30;      // QByteArray: the original group, written back
inline constexpr int PictureKind = Base + 31; // QString: "png", "jpeg", "dib", "wmf", ...
// tables
inline constexpr int CellEdges = Base + 40; // QVariantList of int: right cell edges, twips
} // namespace textprop

// Conversions between whole points and the document's own units.
int twipsToPoints(int twips);
qreal twipsToPixels(int twips);
int pixelsToTwips(qreal px);
qint32 colorValue(const QColor& c);
QColor colorFromValue(qint32 value);

// Reading and writing attributes of one character format / block, as the document holds them.
CharAttributes charAttributesOf(const QTextCharFormat& f, const QTextDocument* doc);
void applyCharAttributes(QTextCharFormat& f, const CharAttributes& a, CharFields fields);
ParaAttributes paraAttributesOf(const QTextBlock& block);
// Block part only (numbering lives in the block's list and is handled by applyParaAttributes).
void applyBlockAttributes(QTextBlockFormat& f, const ParaAttributes& a, ParaFields fields);

// Underline kind 0..5 (None clears the underline).
void setUnderlineKind(QTextCharFormat& f, int kind);
// Qt's layout values (margins, indent, line height) from the twips a block keeps.
void layoutBlockFromTwips(QTextBlockFormat& f, bool inList);
// The numbering code a list format shows.
int numberingOfListFormat(const QTextListFormat& f);
// The list format that shows a numbering code and numbering style.
QTextListFormat listFormatFor(int numbering, int style);

// Twips as the document keeps them for a block, with Qt's layout values as fallback for
// paragraphs that came from elsewhere (pasted HTML).
int blockTwips(const QTextBlockFormat& f, int property);

// The selection (or insertion point) of a cursor.
CharAttributes readCharAttributes(const QTextCursor& cursor);
ParaAttributes readParaAttributes(const QTextCursor& cursor);
// Change only the given fields; other fields of every run keep their own values. One undo
// step. A size below 1 point is ignored (the editor cannot show it).
void writeCharAttributes(QTextCursor& cursor, const CharAttributes& a, CharFields fields);
void writeParaAttributes(QTextCursor& cursor, const ParaAttributes& a, ParaFields fields);

// Protection: true when any character in [from, to) is protected. Paragraph ends are never
// protected, so text can always be added before a protected paragraph.
bool rangeHasProtected(const QTextDocument* doc, int from, int to);
// True when text typed at pos would land inside a protected run (protected on both sides).
bool insertionPointProtected(const QTextDocument* doc, int pos);

} // namespace quillet
