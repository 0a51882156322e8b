#pragma once

#include "ui/text_attributes.h"

namespace quillet {

class RichEditor;

// The style "Normal" for a page that has no file yet, as it reads when the style sheet has
// no "Normal" section: left aligned, no first indent, line spacing 0, Arial 10 points, plain
// black text. The one difference from the bare defaults is the background: three absent
// colour keys would give black, and black text on black is unreadable, so the text keeps
// the automatic background.
//
// Tests of the page switch that run without the style sheet use it; they only call
// applyNormalStyle().
CharAttributes normalStyleCharAttributes();
ParaAttributes normalStyleParaAttributes(const ParaAttributes& current);
inline constexpr CharFields kNormalStyleCharFields =
    CharField::FontName | CharField::Size | CharField::Color | CharField::BackColor |
    CharField::Bold | CharField::Italic | CharField::Underline | CharField::StrikeOut |
    CharField::Hidden | CharField::Disabled | CharField::Protected;
inline constexpr ParaFields kNormalStyleParaFields =
    ParaField::Alignment | ParaField::FirstIndent | ParaField::LineSpacing;

void applyNormalStyle(RichEditor& editor);

} // namespace quillet
