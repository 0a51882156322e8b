#pragma once

#include <QString>

namespace quillet {

class TfrmQuillet;

// Gives the Format, Search and Change Case commands their behaviour in the window, builds
// the ruler into the ruler strip, and gives the Style toolbar's widgets (style list, font
// list, size box) their rules. Also keeps the selection-dependent parts of the window in
// step: the style list, the status line, the ruler markers and the checked states.
void installFormat(TfrmQuillet& window);

// The selection-change handling: matches the style, writes the status line, places the
// ruler markers and recomputes the command states. The editor's own selection and cursor
// notifications run it; node selection, opening and importing a document and resizing the
// window call it directly.
void editorSelectionChange(TfrmQuillet& window);

// Applies a style of the style sheet to the editor's selection (node selection gives an
// empty page the "Normal" style this way).
void applyNamedStyle(TfrmQuillet& window, const QString& name);

} // namespace quillet
