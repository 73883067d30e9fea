#include "platform/SystemServices.h"

#include <QDesktopServices>
#include <QFontDatabase>
#include <QUrl>

namespace tesselo {

LineList InstalledFontFamilies() {
    QStringList families = QFontDatabase::families();
    families.sort(Qt::CaseInsensitive);
    LineList out;
    for (const QString& family : families)
        out.push_back(family.toStdString()); // UTF-8: the panel puts it in the sheet's encoding
    return out;
}

void ShellOpen(const std::string& address) {
    QDesktopServices::openUrl(QUrl(QString::fromStdString(address)));
}

} // namespace tesselo
