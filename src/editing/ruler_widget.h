#pragma once

// The ruler strip above the editor: tick marks and three markers for the first-line, left
// and right indents of the paragraph holding the caret. The markers hold no values of their
// own; they are placed from the paragraph and write it only when let go.

#include "ui/text_attributes.h"

#include <QWidget>

class QFrame;
class QTextEdit;

namespace quillet {

class RulerWidget;

// One draggable marker (`FirstInd`, `LeftInd`, `RightInd`).
class RulerMarker : public QWidget {
    Q_OBJECT
public:
    enum class Kind { First, Left, Right };
    RulerMarker(Kind kind, RulerWidget* ruler);
    Kind kind() const { return m_kind; }
    bool isDragging() const { return m_dragging; }

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    Kind m_kind;
    RulerWidget* m_ruler;
    bool m_dragging = false;
    int m_half = 0;
};

class RulerWidget : public QWidget {
    Q_OBJECT
public:
    explicit RulerWidget(QWidget* parent = nullptr);

    // The editor whose paragraphs the markers show and set.
    void attach(QTextEdit* editor) { m_editor = editor; }

    // Moves the markers to the indents of the paragraph that holds the caret.
    void PlaceRulerMarkers();
    void placeMarkers(const ParaAttributes& paragraph);

    // The width the placement arithmetic measures from.
    int innerWidth() const;

    RulerMarker* firstInd() const { return m_first; }
    RulerMarker* leftInd() const { return m_left; }
    RulerMarker* rightInd() const { return m_right; }
    QFrame* rulerLine() const { return m_line; }

    // The text of the tick marks: a tab and a bar, 100 times.
    static QString tickText();

    QSize sizeHint() const override;

signals:
    // A marker was let go and the paragraph written; the window runs its selection-change
    // handling, which places every marker anew.
    void markerReleased();

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    friend class RulerMarker;
    void released(RulerMarker* marker);

    QTextEdit* m_editor = nullptr;
    QFrame* m_line = nullptr;
    RulerMarker* m_first = nullptr;
    RulerMarker* m_left = nullptr;
    RulerMarker* m_right = nullptr;
    QString m_ticks;
    ParaAttributes m_shown;
};

} // namespace quillet
