#pragma once

#include <QMap>
#include <QRect>
#include <QSettings>
#include <QString>
#include <QStringList>

namespace quillet {

// The per-user values of the main window, read from and written to the settings store in
// its "GeneralSettings" section. Plain data plus load/save, so it is tested on a temporary
// settings file without any window.
struct WindowPlacement {
    int flags = 0;
    int showCmd = 1; // 1 normal, 2 minimised, 3 maximised
    QString minMaxPos = QStringLiteral("-1,-1,-1,-1");
    QRect normal; // left, top, right, bottom in NormPos
    int pixelsPerInch = 0;
    bool valid = false; // all values were present
};

struct GeneralSettings {
    WindowPlacement placement;
    QMap<QString, bool> toolbarVisible; // by toolbar object name, e.g. "tbFile"
    double calcValue = 0;
    int mruCapacity = 20;
    QString defaultAuthor;
    QString defaultEMail;
    QString defaultHomePage;
    QString defaultSource;
    QStringList recentFiles; // most recent first

    static QStringList toolbarNames();
    bool isToolbarVisible(const QString& name) const { return toolbarVisible.value(name, true); }
};

// The store the program uses: QSettings("Brightfen", "Quillet").
QSettings& applicationSettings();

GeneralSettings loadGeneralSettings(QSettings& store);
void saveGeneralSettings(QSettings& store, const GeneralSettings& values);

// "%d,%d,%d,%d" texts of the placement values.
QString rectToText(const QRect& r);
QRect rectFromText(const QString& text, bool* ok);

} // namespace quillet
