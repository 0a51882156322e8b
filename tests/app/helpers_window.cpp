#include "helpers_window.h"

#include <QTest>

namespace quillet::test {

WindowFixture::WindowFixture(const QString& documentPath, bool show)
    : m_documentPath(documentPath) {
    restart(show);
}

void WindowFixture::restart(bool show) {
    window.reset();
    settings = std::make_unique<QSettings>(settingsFile(), QSettings::IniFormat);
    WindowOptions options;
    options.documentPath = m_documentPath;
    options.settings = settings.get();
    options.prompts = &prompts;
    window = std::make_unique<TfrmQuillet>(options);
    if (show) {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
}

} // namespace quillet::test
