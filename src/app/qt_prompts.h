#pragma once

#include "store/prompts.h"

class QWidget;

namespace quillet {

// Prompts answered by the person through the desktop's standard dialogs.
class QtPrompts : public Prompts {
public:
    explicit QtPrompts(QWidget* parent) : m_parent(parent) {}

    void information(const QString& text) override;
    void warning(const QString& text) override;
    void error(const QString& text) override;
    bool confirmOkCancel(const QString& text) override;
    bool confirmYesNo(const QString& text) override;
    Answer askYesNoCancel(const QString& text) override;
    std::optional<QString> inputText(const QString& title, const QString& label,
                                     const QString& initial) override;
    QString chooseOpenFile(const QString& title, const QString& filter,
                           const QString& startPath) override;
    QString chooseSaveFile(const QString& title, const QString& filter,
                           const QString& startPath) override;
    QString chooseFolder(const QString& title, const QString& startPath) override;

private:
    QWidget* m_parent;
};

} // namespace quillet
