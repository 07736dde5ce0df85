#include "platform/FileDialog.h"

#include <QFileDialog>
#include <QFileInfo>

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
    dialog.setDefaultSuffix(request.defaultSuffix);
    dialog.setWindowModality(Qt::ApplicationModal);
    if (!lastFolder().isEmpty())
        dialog.setDirectory(lastFolder());
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
