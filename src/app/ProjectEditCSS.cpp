// Program start: the application, its title, the windows in their order, the loop.

#include "app/About.h"
#include "app/EditCSS.h"
#include "dialogs/CreateSelectorDlg.h"
#include "platform/QtSettingsStore.h"
#include "platform/SystemServices.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>
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
    // The task bar names the program by this.
    QApplication::setApplicationName(QStringLiteral("Tesselo V1.0 beta"));
    // The desktop finds the program's entry, and with it its icon, by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("tesselo"));

    QTranslator translator; // the toolkit's own buttons in Russian
    if (translator.load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&translator);

    tesselo::QtSettingsStore settings;
    tesselo::MainFormServices services;
    services.Settings = &settings;
    services.FontFamilies = tesselo::InstalledFontFamilies();
    // The names as the bytes given: a name that is no UTF-8 still names its file. The
    // toolkit has taken its own options out of argv by now.
    for (int i = 1; i < argc; ++i)
        services.Arguments.emplace_back(argv[i]);

    tesselo::TMainForm mainForm(std::move(services));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/tesselo.svg")));
    tesselo::TCreateSelector createSelector(&mainForm);
    mainForm.SetSelectorBuilder(&createSelector);
    tesselo::TAboutBox aboutBox(&mainForm);
    mainForm.SetAboutBox(&aboutBox);

    mainForm.show();
    return QApplication::exec();
}
