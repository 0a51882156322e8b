#pragma once

// An editor that keeps the page as bytes: enough for the document store, which only moves
// pages between the editor and the working directory.

#include "store/editor.h"

#include <QFile>
#include <QStringList>

namespace quillet::test {

class FakeEditor : public Editor {
public:
    QByteArray page;
    bool modified = false;
    QStringList calls; // "load <file name>", "save <file name>", "clear"

    bool loadPage(const QString& path, QString* error) override {
        calls << QStringLiteral("load ") + path.section(QLatin1Char('/'), -1);
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly)) {
            *error = f.errorString();
            return false;
        }
        page = f.readAll();
        return true;
    }
    bool savePage(const QString& path, QString* error) override {
        calls << QStringLiteral("save ") + path.section(QLatin1Char('/'), -1);
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(page) != page.size()) {
            *error = f.errorString();
            return false;
        }
        return true;
    }
    void clearPage() override {
        calls << QStringLiteral("clear");
        page.clear();
    }
    bool isPageModified() const override { return modified; }
    void setPageModified(bool m) override { modified = m; }
    bool hasSelection() const override { return false; }
    QString selectedText() const override { return QString(); }
    void replaceSelection(const QString&) override {}
    QString pageText() const override { return QString::fromLatin1(page); }
};

} // namespace quillet::test
