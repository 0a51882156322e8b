#include "helpers_normal_style.h"

#include "ui/rich_editor.h"

namespace quillet {

CharAttributes normalStyleCharAttributes() {
    CharAttributes a;
    a.fontName = QStringLiteral("Arial");
    a.size = 10;
    a.color = 0;
    a.backColor = kAutoBackColor;
    return a;
}

ParaAttributes normalStyleParaAttributes(const ParaAttributes& current) {
    ParaAttributes a = current;
    a.alignment = AlignLeft;
    a.firstIndent = 0;
    // The style sets the spacing; the paragraph keeps its rule.
    a.lineSpacing = 0;
    return a;
}

void applyNormalStyle(RichEditor& editor) {
    editor.setParaAttributes(normalStyleParaAttributes(editor.paraAttributes()),
                             kNormalStyleParaFields);
    editor.setCharAttributes(normalStyleCharAttributes(), kNormalStyleCharFields);
}

} // namespace quillet
