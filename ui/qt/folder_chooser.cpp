#include "ui/qt/folder_chooser.h"

#include <QFile>
#include <QFileDialog>

namespace zarvik3 {

std::optional<std::string> ChooseFolderDialog(QWidget* parent, const std::string& title,
                                              const std::string& startNativePath) {
    const QString chosen = QFileDialog::getExistingDirectory(
        parent, QString::fromStdString(title),
        QFile::decodeName(QByteArray::fromStdString(startNativePath)));
    if (chosen.isEmpty()) return std::nullopt;
    return QFile::encodeName(chosen).toStdString();
}

}  // namespace zarvik3
