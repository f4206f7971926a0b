#include "ui/qt/folder_chooser.h"

#include <QFile>
#include <QFileDialog>

namespace zarvik3 {

std::optional<NativePath> ChooseFolderDialog(QWidget* parent, const std::string& title,
                                             const NativePath& start) {
    const QString chosen = QFileDialog::getExistingDirectory(
        parent, QString::fromStdString(title),
        QFile::decodeName(QByteArray::fromStdString(start.Text())));
    if (chosen.isEmpty()) return std::nullopt;
    return NativePath(QFile::encodeName(chosen).toStdString());
}

}  // namespace zarvik3
