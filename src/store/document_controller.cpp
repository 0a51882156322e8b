#include "store/document_controller.h"

#include "store/editor.h"
#include "store/node_tree.h"
#include "store/prompts.h"
#include "store/qlt_archive.h"
#include "store/workspace.h"
#include "store/zlb_archive.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace quillet {

namespace {

const QString kAppName = QStringLiteral("Quillet");
const QString kSaveQuestion = QStringLiteral("Do you wish to save the current file?");
const QString kExitQuestion =
    QStringLiteral("Do you wish to save the current file before exiting?");
const QString kOverwriteTemp = QStringLiteral("Overwrite Old Temporary File ?");
const QString kSaveError = QStringLiteral("There has been an error saving the file.");
const QString kDocumentFilter = QStringLiteral("Quillet Files (*.qlt)");
const QString kNotebookFilter = QStringLiteral("Ideagrove Files (*.igv)");
const QString kTreeFile = QStringLiteral("Nodes.tree");

QString fileNameOf(const QString& path) {
    return QFileInfo(path).fileName();
}

QString folderOf(const QString& path) {
    return path.isEmpty() ? QString() : QFileInfo(path).absolutePath();
}

} // namespace

DocumentController::DocumentController(NodeTree& tree, Editor& editor, Prompts& prompts,
                                       BusyIndicator& busy, QObject* parent)
    : QObject(parent), tree_(tree), editor_(editor), prompts_(prompts), busy_(busy) {
    CreateBaseDirectory();
    if (tree_.isEmpty()) {
        NodeFields root;
        root.caption = QStringLiteral("Root");
        tree_.appendNode(nullptr, root);
    }
    currentId_ = 0;
    windowCaption_ = applicationTitle_ = kAppName;
}

DocumentController::~DocumentController() {
    DiscardWorkspace();
}

QString DocumentController::pagePath(qint32 id) const {
    return workingDirectory_ + QString::number(id) + QStringLiteral(".rtf");
}

QString DocumentController::propertiesPath(qint32 id) const {
    return workingDirectory_ + QString::number(id) + QStringLiteral(".ini");
}

void DocumentController::setModified(bool modified) {
    if (modified_ == modified)
        return;
    modified_ = modified;
    emit modifiedChanged(modified_);
}

void DocumentController::setCaption(const QString& window, const QString& application) {
    windowCaption_ = window;
    applicationTitle_ = application;
    emit captionChanged(windowCaption_, applicationTitle_);
}

void DocumentController::setBusy(bool busy) {
    busy_.setBusy(busy);
}

void DocumentController::CreateBaseDirectory() {
    QString temp = QDir::tempPath();
    if (!temp.endsWith(QLatin1Char('/')))
        temp += QLatin1Char('/');
    baseDirectory_ = createUniqueDirectory(temp);
    workingDirectory_ = baseDirectory_;
}

void DocumentController::ClearDocument() {
    setBusy(true);
    deleteFilesIn(workingDirectory_);
    tree_.clear();
    editor_.clearPage();
    setModified(false);
    emit editorChangeRequested();

    NodeFields root;
    root.caption = QStringLiteral("Root");
    tree_.appendNode(nullptr, root);

    workingDirectory_ = baseDirectory_;
    // Emptying the untitled workspace may have removed the base directory itself; pages
    // written from now on still need it.
    if (!baseDirectory_.isEmpty())
        QDir().mkpath(baseDirectory_);
    setCaption(kAppName, kAppName);
    currentId_ = 0;
    setModified(false);
    setBusy(false);
    emit commandStatesChanged();
}

void DocumentController::DiscardWorkspace() {
    deleteWorkspaceTree(baseDirectory_);
}

bool DocumentController::saveFirst(const QString& question) {
    if (!prompts_.confirmOkCancel(question))
        return true;
    // The person asked for a save: if it did not happen, the work must not be thrown away.
    return FileSave();
}

bool DocumentController::FileNew() {
    if (!saveFirst(kSaveQuestion))
        return false;
    ClearDocument();
    DiscardWorkspace();
    CreateBaseDirectory();
    setModified(true);
    documentPath_.clear();
    return true;
}

bool DocumentController::FileOpen() {
    if (modified_ && !saveFirst(kSaveQuestion))
        return false;
    const QString path = prompts_.chooseOpenFile(QStringLiteral("Open File"), kDocumentFilter,
                                                 folderOf(documentPath_));
    if (path.isEmpty())
        return false;
    return OpenDocument(path);
}

bool DocumentController::OpenDocument(const QString& givenPath) {
    if (givenPath.isEmpty() || !QFileInfo(givenPath).isFile())
        return false;
    // Recent files and captions keep the full path, whatever the command line gave.
    const QString path = QFileInfo(givenPath).absoluteFilePath();
    ClearDocument();
    emit documentLoading();
    setBusy(true);
    documentPath_ = path;
    recent_.add(path);
    emit recentFilesChanged();

    const QString dir = createUniqueDirectory(baseDirectory_ + fileNameOf(path));
    if (!dir.isEmpty()) {
        workingDirectory_ = dir;
        QString ignored;
        // Whatever could be unpacked and read is shown; the rest is left out silently.
        qlt::unpack(path, workingDirectory_, &ignored, [this] { busy_.processEvents(); });
        ReadTreeStream(tree_, workingDirectory_ + kTreeFile, &ignored);
    }
    currentId_ = kNoPage;
    setModified(false);
    setCaption(fileNameOf(path) + QStringLiteral(" - Quillet"), fileNameOf(path));
    setBusy(false);
    emit editorChangeRequested();
    emit commandStatesChanged();
    emit documentOpened();
    return true;
}

bool DocumentController::FileSave() {
    if (documentPath_.isEmpty())
        return FileSaveAs();
    return SaveDocument(documentPath_);
}

bool DocumentController::FileSaveAs() {
    QString path = prompts_.chooseSaveFile(QStringLiteral("Save File"), kDocumentFilter,
                                           folderOf(documentPath_));
    if (path.isEmpty()) {
        emit editorFocusRequested();
        emit commandStatesChanged();
        return false;
    }
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".qlt");
    // Reopening after a failed save would replace the unsaved work with the old file.
    const bool saved = SaveDocument(path);
    if (saved)
        OpenDocument(path);
    emit editorFocusRequested();
    emit commandStatesChanged();
    return saved;
}

bool DocumentController::SaveDocument(const QString& path) {
    const QString previousPath = documentPath_;
    saving_ = true;
    documentPath_ = path;
    setBusy(true);
    auto fail = [&](const QString& detail) {
        documentPath_ = previousPath;
        saving_ = false;
        setBusy(false);
        prompts_.error(detail.isEmpty() ? kSaveError
                                        : kSaveError + QStringLiteral("\n\n") + detail);
        emit commandStatesChanged();
        return false;
    };

    const qint32 remembered = currentId_;
    if (remembered != kNoPage) {
        QString ignored;
        editor_.savePage(pagePath(remembered), &ignored);
    }

    // Sorted without regard to case, without duplicates; readers do not depend on the order.
    QMap<QString, QString> files;
    auto add = [&files](const QString& file) {
        if (QFileInfo::exists(file))
            files.insert(file.toCaseFolded(), file);
    };
    tree_.forEachNode([&](Node* n) {
        add(pagePath(n->id()));
        add(propertiesPath(n->id()));
    });

    QString error;
    const QString treePath = workingDirectory_ + kTreeFile;
    if (!WriteTreeStream(tree_, treePath, &error, paneState_) || !QFileInfo::exists(treePath))
        return fail(QString());
    add(treePath);
    add(workingDirectory_ + QStringLiteral("File.ini"));
    add(workingDirectory_ + QStringLiteral("Bookmarks.ini"));

    if (!packAndReplace(path, files.values(), &error))
        return fail(error);
    saving_ = false;

    if (remembered != kNoPage && QFileInfo::exists(pagePath(remembered))) {
        QString ignored;
        editor_.loadPage(pagePath(remembered), &ignored);
        setModified(false);
        emit editorChangeRequested();
        emit selectNodeRequested(remembered);
        currentId_ = remembered;
    }
    setCaption(fileNameOf(path) + QStringLiteral(" - Quillet"), fileNameOf(path));
    editor_.setPageModified(false);
    setBusy(false);
    setModified(false);
    emit editorChangeRequested();
    emit commandStatesChanged();
    return true;
}

bool DocumentController::packAndReplace(const QString& path, const QStringList& files,
                                        QString* error) {
    auto fail = [&](const QString& detail) {
        *error = detail;
        return false;
    };
    // A document reached through a symbolic link is replaced where the link points.
    const QFileInfo info(path);
    const QString target = info.isSymLink() ? info.symLinkTarget() : path;
    const QString temp = changeFileExt(target, QStringLiteral(".~qlt"));

    bool update = false;
    if (QFileInfo(temp).exists() || QFileInfo(temp).isSymLink()) {
        if (prompts_.confirmYesNo(kOverwriteTemp))
            QFile::remove(temp);
        else
            update = true;
    }
    if (!qlt::pack(temp, files, update, error, [this] { busy_.processEvents(); }))
        return false;
    if (!qlt::verify(temp, error)) {
        QFile::remove(temp);
        return false;
    }
    qlt::syncFile(temp);
    if (std::rename(QFile::encodeName(temp).constData(), QFile::encodeName(target).constData()) !=
        0)
        return fail(QStringLiteral("%1: %2").arg(target, QString::fromLocal8Bit(strerror(errno))));
    qlt::syncFile(QFileInfo(target).absolutePath());
    return true;
}

bool DocumentController::fileImportIgv() {
    if (modified_ && !saveFirst(kSaveQuestion))
        return false;
    const QString path = prompts_.chooseOpenFile(QStringLiteral("Open File"), kNotebookFilter,
                                                 folderOf(documentPath_));
    if (path.isEmpty())
        return false;
    return importIgv(path);
}

QString DocumentController::importTargetPath(const QString& notebookPath) {
    // The imported document is saved beside the notebook under the notebook's name. When a
    // document of that name is already there, the import takes the next free "name (N)"
    // instead, so the first save never replaces a different document without a word.
    const QString plain = changeFileExt(notebookPath, QStringLiteral(".qlt"));
    if (!QFileInfo::exists(plain))
        return plain;
    const QString stem = plain.chopped(4);
    for (int n = 2;; ++n) {
        const QString candidate = QStringLiteral("%1 (%2).qlt").arg(stem).arg(n);
        if (!QFileInfo::exists(candidate))
            return candidate;
    }
}

bool DocumentController::importIgv(const QString& givenPath) {
    if (givenPath.isEmpty() || !QFileInfo(givenPath).isFile())
        return false;
    const QString path = QFileInfo(givenPath).absoluteFilePath();
    ClearDocument();
    setBusy(true);
    documentPath_ = importTargetPath(path);
    recent_.add(documentPath_);
    emit recentFilesChanged();

    const QString dir = createUniqueDirectory(baseDirectory_ + fileNameOf(path));
    if (!dir.isEmpty()) {
        workingDirectory_ = dir;
        TZLBArchive archive;
        archive.setProgress([this](const QString&, int percent) {
            busy_.processEvents();
            busy_.setProgress(percent, 100);
        });
        // Errors are not shown: the document holds what could be extracted.
        if (archive.OpenArchive(path))
            archive.ExtractAll(workingDirectory_.chopped(1));
        archive.CloseArchive();
        QString ignored;
        ReadTreeStream(tree_, workingDirectory_ + kTreeFile, &ignored);
    }
    currentId_ = kNoPage;
    setModified(false);
    setCaption(fileNameOf(path) + QStringLiteral(" - Quillet"), fileNameOf(path));
    setBusy(false);
    emit editorChangeRequested();
    emit commandStatesChanged();
    emit notebookImported();
    return true;
}

bool DocumentController::openRecentFile(const QString& path) {
    if (!QFileInfo(path).isFile()) {
        recent_.remove(path);
        emit recentFilesChanged();
        return false;
    }
    return OpenDocument(path);
}

bool DocumentController::queryClose() {
    if (saving_)
        return false;
    // An untitled document is asked about too: closing it without a word would throw away
    // everything written since the program started.
    if (modified_ && prompts_.confirmOkCancel(kExitQuestion))
        return FileSave();
    return true;
}

void DocumentController::closeDocument() {
    ClearDocument();
    DiscardWorkspace();
}

} // namespace quillet
