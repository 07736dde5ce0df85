#include "platform/FileDialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

#include <utility>

namespace velto {

namespace {
std::optional<QString> nextAnswer;
// The folder of the file last chosen in this run; kept nowhere else.
QString lastFolder;

// The first dialog of a run opens in the user's documents, else the home
// folder; never the working folder, the root folder under a desktop launcher.
QString startFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QFileInfo(documents).isDir() ? documents : QDir::homePath();
}
} // namespace

QString getOpenFileName(QWidget* parent, const OpenFileRequest& request)
{
    if (nextAnswer)
        return *std::exchange(nextAnswer, std::nullopt);
    QFileDialog dialog(parent, request.title);
    dialog.setObjectName(QStringLiteral("openFileDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(request.filter);
    // The name test after it is case-sensitive: list nothing it refuses.
    dialog.setFilter(dialog.filter() | QDir::CaseSensitive);
    dialog.setDefaultSuffix(request.defaultSuffix);
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setDirectory(lastFolder.isEmpty() ? startFolder() : lastFolder);
    dialog.selectFile(QString());
    if (dialog.exec() != QDialog::Accepted)
        return {};
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty())
        return {};
    lastFolder = QFileInfo(chosen.front()).absolutePath();
    return chosen.front();
}

void setNextOpenFileName(std::optional<QString> path)
{
    nextAnswer = std::move(path);
}

} // namespace velto
