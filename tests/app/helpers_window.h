#pragma once

// A main window on a throw-away settings file with scripted prompts, shown offscreen.

#include "app/main_window.h"
#include "common/scripted_prompts.h"
#include "ui/rich_editor.h"

#include <QSettings>
#include <QTemporaryDir>
#include <memory>

namespace quillet::test {

struct WindowFixture {
    QTemporaryDir dir;
    std::unique_ptr<QSettings> settings;
    ScriptedPrompts prompts;
    std::unique_ptr<TfrmQuillet> window;

    explicit WindowFixture(const QString& documentPath = QString(), bool show = true);
    QString settingsFile() const { return dir.filePath(QStringLiteral("quillet.ini")); }
    // A fresh window on the same settings file (as at the next start).
    void restart(bool show = true);

private:
    QString m_documentPath;
};

} // namespace quillet::test
