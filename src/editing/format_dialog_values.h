#pragma once

// What the Paragraph and Format Text dialogs show, filled from the attribute model and
// written back field by field in a fixed order on "OK". The dialogs only move these values
// in and out of their controls.

#include "ui/text_attributes.h"

class QTextCursor;

namespace quillet {

struct ParaDialogValues {
    int leftIndent = 0;
    int rightIndent = 0;
    int firstIndent = 0;
    int alignmentEntry = 0; // "Left", "Right", "Center"; -1 none
    int spaceBefore = 0;
    int spaceAfter = 0;
    int lineSpacing = 0;
    int numberingEntry = 0;      // codes 0..6; -1 none
    int numberingStyleEntry = 0; // codes 0..3; -1 none
    int headingEntry = 0;        // "Heading 0".."Heading 9"; -1 none

    bool operator==(const ParaDialogValues&) const = default;
};

ParaDialogValues fillParaDialog(const ParaAttributes& paragraph);
// The OK order: indents, alignment, spacing, line spacing (rule 0 for 0 or less, else 3),
// numbering (which sets or raises the left indent), numbering style, heading style. One
// undo step.
void applyParaDialog(const ParaDialogValues& values, QTextCursor& cursor);

struct TextDialogValues {
    qint32 background = kAutoBackColor;
    qint32 foreground = kAutoTextColor;
    int size = 10;
    QString fontName;
    bool disabled = false;
    bool isProtected = false;
    bool hidden = false;
    bool link = false;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    int underlineEntry = 0; // codes 0..5; -1 none
    int scriptEntry = 0;    // codes 0..2; -1 none

    bool operator==(const TextDialogValues&) const = default;
};

TextDialogValues fillTextDialog(const CharAttributes& text);
// The OK order: background then text colour, size then font name, the four flags, the
// checked style bits (an unchecked box leaves its bit as each part of the selection has
// it), underline style, script. One undo step.
void applyTextDialog(const TextDialogValues& values, QTextCursor& cursor);

} // namespace quillet
