#pragma once

#include <QString>
#include <QStringList>

namespace quillet {

// Word separators shared by counting, splitting, title case and the spell checker: tab, LF,
// CR, space and ! " ' ( ) , . : ; ? [ ] { }. Every other character belongs to words,
// including the hyphen, digits and everything outside ASCII.
bool isWordSeparator(QChar c);

QString TrimSeparatorsLeft(const QString& text);
QString TrimSeparatorsRight(const QString& text);
QString TrimSeparators(const QString& text);

struct FirstWord {
    QString word;
    // Everything from the separator after the word on; empty when the word ran to the end.
    QString rest;
};

// The first word after any leading separators, and what follows it.
FirstWord SplitFirstWord(const QString& text);

// Appends the words of `text` to `list` in text order; each word loses characters of code
// 32 and below at its ends.
void SplitWords(const QString& text, QStringList& list);

// Replaces the contents of `list` with the pieces of `text` between occurrences of `sep`.
// Empty pieces stay, except one after a final separator. An empty text leaves `list` as it
// was.
void SplitAtChar(const QString& text, QChar sep, QStringList& list);

// True for the characters of code 32 and below: spaces, tabs, line breaks, controls.
inline bool isSpaceOrControl(QChar c) {
    return c.unicode() <= 32;
}

} // namespace quillet
