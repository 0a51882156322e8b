#include "store/helpers_browser.h"

#include "store/helpers_fixtures.h"

#include <QFile>
#include <QFileInfo>
#include <QTest>

namespace quillet::test {

BrowserFixture::BrowserFixture(const QString& description) {
    pane.tree = &tree;
    if (!description.isEmpty()) {
        tree.clear();
        buildTree(tree, description);
    }
}

Node* BrowserFixture::node(const QString& caption) const {
    for (Node* n = tree.firstNode(); n; n = NodeTree::nextInTreeOrder(n)) {
        if (n->caption() == caption)
            return n;
    }
    QTest::qFail(qPrintable(QStringLiteral("no node ") + caption), __FILE__, __LINE__);
    return nullptr;
}

void BrowserFixture::expand(const QStringList& captions) {
    for (const QString& c : captions)
        pane.setExpanded(node(c), true);
}

void BrowserFixture::click(const QString& caption) {
    pane.setSelectedNode(node(caption));
    pages.tvBrowserClick();
}

QString BrowserFixture::description() const {
    return describeTree(tree);
}

bool BrowserFixture::pageExists(qint32 id) const {
    return QFileInfo::exists(doc.pagePath(id));
}

QByteArray BrowserFixture::pageBytes(qint32 id) const {
    QFile f(doc.pagePath(id));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void BrowserFixture::writePage(qint32 id, const QByteArray& bytes) const {
    QFile f(doc.pagePath(id));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

void BrowserFixture::writeProperties(qint32 id, const QByteArray& bytes) const {
    QFile f(doc.propertiesPath(id));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace quillet::test
