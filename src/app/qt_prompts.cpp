#include "app/qt_prompts.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace quillet {

namespace {
const QString kTitle = QStringLiteral("Quillet");
}

void QtPrompts::information(const QString& text) {
    QMessageBox::information(m_parent, kTitle, text);
}

void QtPrompts::warning(const QString& text) {
    QMessageBox::warning(m_parent, kTitle, text);
}

void QtPrompts::error(const QString& text) {
    QMessageBox::critical(m_parent, kTitle, text);
}

bool QtPrompts::confirmOkCancel(const QString& text) {
    return QMessageBox::question(m_parent, kTitle, text, QMessageBox::Ok | QMessageBox::Cancel,
                                 QMessageBox::Ok) == QMessageBox::Ok;
}

bool QtPrompts::confirmYesNo(const QString& text) {
    return QMessageBox::question(m_parent, kTitle, text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::Yes) == QMessageBox::Yes;
}

Prompts::Answer QtPrompts::askYesNoCancel(const QString& text) {
    switch (QMessageBox::question(m_parent, kTitle, text,
                                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                  QMessageBox::Yes)) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

std::optional<QString> QtPrompts::inputText(const QString& title, const QString& label,
                                            const QString& initial) {
    bool ok = false;
    const QString text =
        QInputDialog::getText(m_parent, title, label, QLineEdit::Normal, initial, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

QString QtPrompts::chooseOpenFile(const QString& title, const QString& filter,
                                  const QString& startPath) {
    return QFileDialog::getOpenFileName(m_parent, title, startPath, filter);
}

QString QtPrompts::chooseSaveFile(const QString& title, const QString& filter,
                                  const QString& startPath) {
    return QFileDialog::getSaveFileName(m_parent, title, startPath, filter);
}

QString QtPrompts::chooseFolder(const QString& title, const QString& startPath) {
    return QFileDialog::getExistingDirectory(m_parent, title, startPath);
}

} // namespace quillet
