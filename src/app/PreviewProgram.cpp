// The preview's helper program: the page in QtWebEngine, shown for the editor that
// started it and gone with it. The editor names the socket to connect to.

#include "platform/PreviewChannel.h"
#include "platform/PreviewHost.h"

#include <QApplication>
#include <QStringList>
#include <QTranslator>
#include <cstdio>
#include <unistd.h>

namespace {

// QtWebEngine's sandbox cannot run as root; only then is it switched off.
void AllowBrowserAsRoot() {
    if (::geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
}

} // namespace

int main(int argc, char** argv) {
    AllowBrowserAsRoot();
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tesselo-preview"));
    // Closing the page's window is the editor's to do.
    QApplication::setQuitOnLastWindowClosed(false);
    const QStringList arguments = QApplication::arguments();
    const qsizetype option = arguments.indexOf(QLatin1StringView(tesselo::kPreviewChannelOption));
    if (option < 0 || option + 1 >= arguments.size()) {
        std::fprintf(stderr, "tesselo-preview: started by Tesselo, with %s NAME\n",
                     tesselo::kPreviewChannelOption);
        return 2;
    }
    // The editor asks for English when it speaks English itself.
    QTranslator english;
    const qsizetype language = arguments.indexOf(QStringLiteral("--lang"));
    if (language >= 0 && language + 1 < arguments.size() &&
        arguments[language + 1] == QStringLiteral("en") &&
        english.load(QStringLiteral(":/translations/tesselo_en.qm")))
        QCoreApplication::installTranslator(&english);
    tesselo::PreviewHost host;
    if (!host.Connect(arguments[option + 1])) {
        std::fprintf(stderr, "tesselo-preview: no editor listens on this channel\n");
        return 1;
    }
    return QApplication::exec();
}
