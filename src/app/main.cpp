#include "app/main_window.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillet"));
    QApplication::setOrganizationName(QStringLiteral("Brightfen"));
    QApplication::setApplicationVersion(QStringLiteral(QUILLET_VERSION));

    const QStringList args = QApplication::arguments();
    quillet::WindowOptions options;
    options.documentPath = args.size() > 1 ? args.at(1) : QString();
    quillet::TfrmQuillet window(options);
    window.show();
    return QApplication::exec();
}
