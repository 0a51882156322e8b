#pragma once

#include <QObject>

class QTextEdit;

namespace quillet {

// Automatic whole-word selection: while it is on, a mouse selection that reaches past the
// word it started in grows to whole words at both ends, as word processors do.
class WordSelection : public QObject {
    Q_OBJECT
public:
    explicit WordSelection(QTextEdit* editor);

    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool on) { m_enabled = on; }

    // Widens [anchor, position) in the editor's text to whole words when the two ends lie
    // in different words; returns the new (anchor, position).
    static std::pair<int, int> snapToWords(const QTextEdit* editor, int anchor, int position);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTextEdit* m_editor;
    bool m_enabled = false;
    bool m_dragging = false;
};

} // namespace quillet
