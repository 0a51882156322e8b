#pragma once

// The RTF vocabulary the reader understands: control words by name, and the small rules
// that turn list labels, list number formats and hyperlink fields into the attribute model.

#include <QString>

#include <string_view>

namespace quillet::rtf {

enum class W {
    Unknown,
    // destinations
    Rtf,
    FontTbl,
    ColorTbl,
    Pict,
    Object,
    Field,
    FldInst,
    FldRslt,
    Pn,
    PnTxtB,
    PnTxtA,
    ListTable,
    List,
    ListLevel,
    LevelText,
    ListOverrideTable,
    ListOverride,
    ShpPict,
    StyleSheet,
    SkipDest,
    // document
    AnsiCpg,
    Ansi,
    Mac,
    Pc,
    Pca,
    Deff,
    FCharset,
    Red,
    Green,
    Blue,
    Uc,
    U,
    Bin,
    // characters
    Plain,
    F,
    Fs,
    Cf,
    Cb,
    Highlight,
    ChCbPat,
    B,
    I,
    Ul,
    UlWord,
    UlDouble,
    UlDotted,
    UlDash,
    UlNone,
    Strike,
    Super,
    Sub,
    NoSuperSub,
    Up,
    Dn,
    V,
    Protect,
    Disabled,
    // paragraphs
    Pard,
    Ql,
    Qr,
    Qc,
    Qj,
    Fi,
    Li,
    Ri,
    Sb,
    Sa,
    Sl,
    SlMult,
    InTbl,
    OutlineLevel,
    Ls,
    Ilvl,
    // breaks and special characters
    Par,
    Line,
    Tab,
    Page,
    EmDash,
    EnDash,
    EmSpace,
    EnSpace,
    QmSpace,
    Bullet,
    LQuote,
    RQuote,
    LDblQuote,
    RDblQuote,
    Zwj,
    Zwnj,
    // tables
    Trowd,
    Cellx,
    Cell,
    Row,
    NestCell,
    NestRow,
    // lists
    PnLvlBlt,
    PnLvlBody,
    PnLvl,
    PnDec,
    PnUcLtr,
    PnLcLtr,
    PnUcRm,
    PnLcRm,
    PnStart,
    ListId,
    LevelNfc,
    LevelStartAt,
    S,
};

// The word for a control word's letters; W::Unknown for every word the reader ignores.
W controlWord(std::string_view letters);

// Numbering style of a list label from the text before and after the number.
int styleOfLabel(const QString& before, const QString& after);
// Numbering code of a \\levelnfcN list number format.
int numberingOfNfc(int nfc);
// The target of a HYPERLINK field instruction, empty for other fields.
QString hyperlinkTarget(const QString& instr);

} // namespace quillet::rtf
