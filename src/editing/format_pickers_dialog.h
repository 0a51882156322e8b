#pragma once

// The standard font and colour dialogs of the Format menu, run on the editor's selection.

class QTextEdit;
class QWidget;

namespace quillet {

// `FormatFont`: the font dialog filled from the selection; on confirm the font name, the
// four style bits, the size and the weight are set. True when confirmed.
bool runFontDialog(QTextEdit& editor, QWidget* parent);
// `FormatFontColor` and `formatBackground`: an automatic colour enters the dialog as the
// system colour it stands for; a confirmed colour is always explicit.
bool runTextColorDialog(QTextEdit& editor, QWidget* parent);
bool runBackColorDialog(QTextEdit& editor, QWidget* parent);

} // namespace quillet
