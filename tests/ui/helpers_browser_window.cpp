#include "ui/helpers_browser_window.h"

#include "helpers_normal_style.h"
#include "ui/page_background.h"

#include <QHBoxLayout>
#include <QTest>

namespace quillet::test {

void EditorHost::setEditorBackground(std::optional<qint32> colour) {
    FakeHost::setEditorBackground(colour);
    if (editor)
        applyPageBackground(*editor, colour);
}

void EditorHost::applyNormalStyle() {
    FakeHost::applyNormalStyle();
    if (editor)
        quillet::applyNormalStyle(*editor);
}

namespace {

void build(NodeTree& tree, const QString& description) {
    QList<Node*> parents;
    for (const QString& raw : description.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        int indent = 0;
        while (indent < raw.size() && raw.at(indent) == QLatin1Char(' '))
            ++indent;
        const int depth = indent / 2;
        QString text = raw.mid(indent);
        NodeFields fields;
        const int hash = text.lastIndexOf(QStringLiteral(" #"));
        fields.id = text.mid(hash + 2).toInt();
        fields.caption = text.left(hash);
        while (parents.size() > depth)
            parents.removeLast();
        Node* n = tree.appendNode(parents.isEmpty() ? nullptr : parents.last(), fields);
        parents << n;
    }
}

} // namespace

BrowserWindow::BrowserWindow(const QString& description)
    : editor(new RichEditor), view(new TreeBrowserView), doc(tree, *editor, prompts, busy),
      model(tree), pages(doc, tree, *editor, *view, host, prompts),
      commands(doc, tree, *editor, *view, host, pages, prompts, busy),
      links(doc, tree, *editor, *view, host, pages, busy) {
    if (!description.isEmpty()) {
        tree.clear();
        build(tree, description);
    }
    host.editor = editor;
    auto* layout = new QHBoxLayout(&window);
    layout->addWidget(view, 1);
    layout->addWidget(editor, 2);
    view->setNodeModel(&model);
    bindTreeBrowser(*view, commands, pages);
    window.resize(600, 220);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        QTest::qFail("window not shown", __FILE__, __LINE__);
}

Node* BrowserWindow::node(const QString& caption) const {
    for (Node* n = tree.firstNode(); n; n = NodeTree::nextInTreeOrder(n)) {
        if (n->caption() == caption)
            return n;
    }
    QTest::qFail(qPrintable(QStringLiteral("no node ") + caption), __FILE__, __LINE__);
    return nullptr;
}

QString BrowserWindow::description() const {
    QStringList lines;
    tree.forEachNode([&](Node* n) {
        int depth = 0;
        for (Node* p = n->parent(); p; p = p->parent())
            ++depth;
        lines << QString(depth * 2, QLatin1Char(' ')) + n->caption() + QStringLiteral(" #") +
                     QString::number(n->id());
    });
    return lines.join(QLatin1Char('\n'));
}

QPoint BrowserWindow::labelPoint(const QString& caption) const {
    const DropLine line =
        view->dropLineAt(view->visualRect(view->indexOfNode(node(caption))).center());
    return QPoint(line.label.left() + 24, line.label.center().y());
}

void BrowserWindow::click(const QString& caption, Qt::MouseButton button) {
    QTest::mouseClick(view->viewport(), button, {}, labelPoint(caption));
}

} // namespace quillet::test
