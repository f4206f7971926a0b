#include "ui/folder_chooser.h"

#include <QFile>
#include <QFileDialog>

namespace zarvik3 {

std::optional<std::string> QtFolderChooser::ChooseFolder(QWidget* parent, const QString& title,
                                                         const std::string& startNativePath) {
    const QString chosen = QFileDialog::getExistingDirectory(
        parent, title, QFile::decodeName(QByteArray::fromStdString(startNativePath)));
    if (chosen.isEmpty()) return std::nullopt;
    return QFile::encodeName(chosen).toStdString();
}

}  // namespace zarvik3
