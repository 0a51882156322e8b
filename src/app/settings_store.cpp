#include "app/settings_store.h"

namespace quillet {

namespace {
const QString kSection = QStringLiteral("GeneralSettings");
const QString kRecentGroup = QStringLiteral("TfrmQuillet.MRUManager1");

// Names with a point are stored with "_" in its place ("tbFile.Visible" as "tbFile_Visible").
QString storedName(const QString& dotted) {
    QString s = dotted;
    s.replace(QLatin1Char('.'), QLatin1Char('_'));
    return s;
}
} // namespace

QStringList GeneralSettings::toolbarNames() {
    return {QStringLiteral("tbFile"),    QStringLiteral("tbEdit"), QStringLiteral("tbStyle"),
            QStringLiteral("tbVarious"), QStringLiteral("tbTree"), QStringLiteral("tbTextTools")};
}

QSettings& applicationSettings() {
    static QSettings settings(QStringLiteral("Brightfen"), QStringLiteral("Quillet"));
    return settings;
}

QString rectToText(const QRect& r) {
    return QStringLiteral("%1,%2,%3,%4")
        .arg(r.left())
        .arg(r.top())
        .arg(r.left() + r.width())
        .arg(r.top() + r.height());
}

QRect rectFromText(const QString& text, bool* ok) {
    const QStringList parts = text.split(QLatin1Char(','));
    bool good = parts.size() == 4;
    int v[4] = {0, 0, 0, 0};
    for (int i = 0; good && i < 4; ++i)
        v[i] = parts[i].trimmed().toInt(&good);
    if (ok)
        *ok = good;
    if (!good)
        return {};
    return QRect(QPoint(v[0], v[1]), QSize(v[2] - v[0], v[3] - v[1]));
}

GeneralSettings loadGeneralSettings(QSettings& store) {
    GeneralSettings g;
    store.beginGroup(kSection);

    WindowPlacement& p = g.placement;
    bool okFlags = false, okShow = false, okPpi = false, okRect = false;
    p.flags = store.value(QStringLiteral("Flags")).toInt(&okFlags);
    p.showCmd = store.value(QStringLiteral("ShowCmd"), 1).toInt(&okShow);
    p.minMaxPos = store.value(QStringLiteral("MinMaxPos"), p.minMaxPos).toString();
    p.normal = rectFromText(store.value(QStringLiteral("NormPos")).toString(), &okRect);
    p.pixelsPerInch = store.value(QStringLiteral("PixelsPerInch")).toInt(&okPpi);
    p.valid = okFlags && okShow && okPpi && okRect && p.normal.isValid();

    for (const QString& name : GeneralSettings::toolbarNames())
        g.toolbarVisible[name] =
            store.value(storedName(name + QStringLiteral(".Visible")), true).toBool();

    g.calcValue = store.value(storedName(QStringLiteral("dlgCalc.Value")), 0.0).toDouble();
    bool okCap = false;
    g.mruCapacity =
        store.value(storedName(QStringLiteral("MRUManager1.Capacity")), 20).toInt(&okCap);
    if (!okCap || g.mruCapacity < 0)
        g.mruCapacity = 20;
    g.defaultAuthor = store.value(QStringLiteral("DefaultAuthor")).toString();
    g.defaultEMail = store.value(QStringLiteral("DefaultEMail")).toString();
    g.defaultHomePage = store.value(QStringLiteral("DefaultHomePage")).toString();
    g.defaultSource = store.value(QStringLiteral("DefaultSource")).toString();

    store.beginGroup(kRecentGroup);
    for (int i = 0;; ++i) {
        const QString key = QStringLiteral("Item_%1").arg(i);
        if (!store.contains(key))
            break;
        g.recentFiles << store.value(key).toString();
    }
    store.endGroup();

    store.endGroup();
    return g;
}

void saveGeneralSettings(QSettings& store, const GeneralSettings& g) {
    store.beginGroup(kSection);
    const WindowPlacement& p = g.placement;
    store.setValue(QStringLiteral("Flags"), p.flags);
    store.setValue(QStringLiteral("ShowCmd"), p.showCmd);
    store.setValue(QStringLiteral("MinMaxPos"), p.minMaxPos);
    store.setValue(QStringLiteral("NormPos"), rectToText(p.normal));
    store.setValue(QStringLiteral("PixelsPerInch"), p.pixelsPerInch);

    for (auto it = g.toolbarVisible.cbegin(); it != g.toolbarVisible.cend(); ++it)
        store.setValue(storedName(it.key() + QStringLiteral(".Visible")), it.value());

    store.setValue(storedName(QStringLiteral("dlgCalc.Value")), g.calcValue);
    store.setValue(storedName(QStringLiteral("MRUManager1.Capacity")), g.mruCapacity);
    // The four default values are the user's own: the program only reads them.

    store.remove(kRecentGroup);
    store.beginGroup(kRecentGroup);
    for (int i = 0; i < g.recentFiles.size(); ++i)
        store.setValue(QStringLiteral("Item_%1").arg(i), g.recentFiles[i]);
    store.endGroup();

    store.endGroup();
    store.sync();
}

} // namespace quillet
