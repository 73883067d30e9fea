#include "platform/SystemServices.h"

#include "platform/QtText.h"

#include <QDesktopServices>
#include <QFontDatabase>
#include <QUrl>

namespace tesselo {

LineList InstalledFontFamilies() {
    QStringList families = QFontDatabase::families();
    families.sort(Qt::CaseInsensitive);
    LineList out;
    for (const QString& family : families) {
        std::string bytes = ToDocumentText(family);
        if (FromDocumentText(bytes) == family)
            out.push_back(std::move(bytes));
    }
    return out;
}

void ShellOpen(const std::string& address) {
    QDesktopServices::openUrl(QUrl(QString::fromStdString(address)));
}

} // namespace tesselo
