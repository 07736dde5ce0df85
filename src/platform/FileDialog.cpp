#include "platform/FileDialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

namespace velto {

namespace {
std::optional<QString>& nextAnswer()
{
    static std::optional<QString> answer;
    return answer;
}

// The folder of the file last chosen in this run; kept nowhere else.
QString& lastFolder()
{
    static QString folder;
    return folder;
}

// Where the first dialog of a run opens: the user's documents where there
// are any, else the home folder; never the working folder, which is the root
// folder when the program is started from a desktop launcher.
QString startFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QFileInfo(documents).isDir() ? documents : QDir::homePath();
}
} // namespace

QString getOpenFileName(QWidget* parent, const OpenFileRequest& request)
{
    if (nextAnswer()) {
        const QString path = *nextAnswer();
        nextAnswer().reset();
        return path;
    }
    QFileDialog dialog(parent, request.title);
    dialog.setObjectName(QStringLiteral("openFileDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(request.filter);
    // The name test after it is case-sensitive: list nothing it refuses.
    dialog.setFilter(dialog.filter() | QDir::CaseSensitive);
    dialog.setDefaultSuffix(request.defaultSuffix);
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setDirectory(lastFolder().isEmpty() ? startFolder() : lastFolder());
    dialog.selectFile(QString());
    if (dialog.exec() != QDialog::Accepted)
        return {};
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty())
        return {};
    lastFolder() = QFileInfo(chosen.front()).absolutePath();
    return chosen.front();
}

void setNextOpenFileName(std::optional<QString> path)
{
    nextAnswer() = std::move(path);
}

} // namespace velto
