#pragma once

namespace quillet {

class TfrmQuillet;

// Gives the text-tool commands (line tools, trims, reverse, sort, encrypt/decrypt,
// evaluate, calculator, word and character counts) their behaviour in the window.
void installTextTools(TfrmQuillet& window);

} // namespace quillet
