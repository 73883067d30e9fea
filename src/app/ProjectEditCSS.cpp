// Program start: the application, its title, the windows in their order, the loop.

#include "app/About.h"
#include "app/EditCSS.h"
#include "dialogs/CreateSelectorDlg.h"
#include "platform/QtSettingsStore.h"
#include "platform/QtText.h"
#include "platform/SystemServices.h"

#include <QApplication>
#include <QDir>
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

// Without a desktop icon theme the freedesktop names still find the Adwaita pictures.
void ChooseIconTheme() {
    if ((QIcon::themeName().isEmpty() || QIcon::themeName() == QLatin1String("hicolor")) &&
        QDir(QStringLiteral("/usr/share/icons/Adwaita")).exists())
        QIcon::setThemeName(QStringLiteral("Adwaita"));
}

} // namespace

int main(int argc, char** argv) {
    AllowBrowserAsRoot();
    QApplication application(argc, argv);
    // The task bar names the program by this.
    QApplication::setApplicationName(QStringLiteral("Tesselo V1.0 beta"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/tesselo.svg")));
    ChooseIconTheme();

    QTranslator translator; // the toolkit's own buttons in Russian
    if (translator.load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&translator);

    tesselo::QtSettingsStore settings;
    tesselo::MainFormServices services;
    services.Settings = &settings;
    services.FontFamilies = tesselo::InstalledFontFamilies();
    const QStringList arguments = QApplication::arguments();
    for (qsizetype i = 1; i < arguments.size(); ++i)
        services.Arguments.push_back(tesselo::ToPath(arguments[i]));

    tesselo::TMainForm mainForm(std::move(services));
    tesselo::TCreateSelector createSelector(&mainForm);
    mainForm.SetSelectorBuilder(&createSelector);
    tesselo::TAboutBox aboutBox(&mainForm);
    mainForm.SetAboutBox(&aboutBox);

    mainForm.show();
    return QApplication::exec();
}
