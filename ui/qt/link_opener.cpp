#include "ui/qt/link_opener.h"

#include <QDesktopServices>
#include <QUrl>

namespace zarvik3 {

void QtLinkOpener::Open(const std::string& url) {
    QDesktopServices::openUrl(QUrl(QString::fromStdString(url), QUrl::TolerantMode));
}

}  // namespace zarvik3
