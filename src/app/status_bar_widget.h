#pragma once

#include <QLabel>
#include <QStatusBar>

class QProgressBar;

namespace quillet {

// A picture panel of the status bar that reports clicks while it is enabled.
class StatusPicture : public QLabel {
    Q_OBJECT
public:
    StatusPicture(const QString& objectName, const QIcon& icon, QWidget* parent);
Q_SIGNALS:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    void refreshPixmap();
    QIcon m_icon;
};

// Text that ends in an ellipsis when it does not fit, at whatever width the panel gets.
class ElidedLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
    void setFullText(const QString& text);
    QString fullText() const { return m_text; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QString m_text;
};

// The seven panels: up, down, status line, modified indicator, the always-disabled picture,
// busy gauge and hint line.
class QuilletStatusBar : public QStatusBar {
    Q_OBJECT
public:
    explicit QuilletStatusBar(QWidget* parent);

    StatusPicture* upPanel() const { return m_up; }
    StatusPicture* downPanel() const { return m_down; }
    StatusPicture* modifiedPanel() const { return m_modified; }
    StatusPicture* sparePanel() const { return m_spare; }
    QProgressBar* gauge() const { return m_gauge; }

    void setStatusLine(const QString& text);
    QString statusLine() const;
    void setHintLine(const QString& text);
    QString hintLine() const;
    void setGaugeEnabled(bool on);
    void setGaugePosition(int value, int maximum);

private:
    StatusPicture* m_up;
    StatusPicture* m_down;
    QLabel* m_status;
    StatusPicture* m_modified;
    StatusPicture* m_spare;
    QProgressBar* m_gauge;
    ElidedLabel* m_hint;
};

} // namespace quillet
