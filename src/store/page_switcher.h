#pragma once

#include <QString>
#include <optional>

namespace quillet {

class BrowserHost;
class DocumentController;
class Editor;
class Node;
class NodeTree;
class Prompts;
class TreePane;

// Binds the editor to the selected node: the page of the node being left is written to its
// ".rtf" file in the working directory, the page of the node being entered is loaded (or
// started empty in "Normal"), the background colour comes from the node's ".ini" file, and
// the window caption names the node. It is the only place that moves the current id on a
// selection change.
class PageSwitcher {
public:
    PageSwitcher(DocumentController& document, NodeTree& tree, Editor& editor, TreePane& pane,
                 BrowserHost& host, Prompts& prompts);

    // The page switch; runs after every change of the tree's selection.
    void tvBrowserClick();
    // The editor's change notification, also run by commands that changed the document
    // outside the editor after setting the modified flag. Never clears the flag.
    void editorChange();
    // Selects the first node in tree order with this id and switches to it.
    void SelectNodeById(qint32 id);

    // Writes the editor's page to the current id's page file (nothing when no page is
    // bound). A failure is reported to the person and returns false; the old file stays.
    bool writeCurrentPage();

    // "file - (caption) - Quillet": the document's file name (empty when untitled) and the
    // node's caption.
    static QString pageCaption(const QString& documentPath, const QString& nodeCaption);

    // The background colour kept in a properties file: nullopt when the file is missing or
    // holds none of the three keys.
    static std::optional<qint32> pageColourFrom(const QString& propertiesPath);

    // Empties the editor and loads id's page file, or formats the empty page in "Normal"
    // when the node has none yet; the editor's own modified flag ends cleared.
    void loadPageOf(qint32 id);

private:
    bool ensureWorkingDirectory();

    DocumentController& document_;
    NodeTree& tree_;
    Editor& editor_;
    TreePane& pane_;
    BrowserHost& host_;
    Prompts& prompts_;
    // A page whose file could not be read is shown empty; unless the person types into it,
    // leaving it must not overwrite the file that is still there.
    qint32 unreadPageId_;
};

} // namespace quillet
