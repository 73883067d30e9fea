// Program start: the application and its title, the services, the editing session and
// the windows in their order, the loop.

#include "app/About.h"
#include "app/EditCSS.h"
#include "app/ProgramServices.h"
#include "app/ProgramStyle.h"
#include "app/Translation.h"
#include "dialogs/CreateSelectorDlg.h"
#include "editor/StyleEditor.h"
#include "platform/FontConfigReader.h"
#include "platform/HeapTuning.h"
#include "platform/SystemServices.h"

#include <QApplication>
#include <QIcon>
#include <QImageReader>
#include <QLibraryInfo>
#include <QPixmap>
#include <QSettings>
#include <QTranslator>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

// The toolkit's own buttons in Russian.
void TranslateToolkit(QTranslator& translator) {
    if (translator.load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&translator);
}

// The command line without the program, the names as the bytes given: a name that is no
// UTF-8 still names its file. The toolkit has taken its own options out of argv by now.
std::vector<std::string> Arguments(int argc, char** argv) {
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i)
        arguments.emplace_back(argv[i]);
    return arguments;
}

// The program's picture drawn ahead at the sizes window managers ask for: a window
// shown first makes them all, and would draw each from the picture's text every start.
// Read as the PNGs they are, they are not first shown to every image plug-in to ask
// whether it reads them, which loads each of them.
QIcon WindowIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128}) {
        QImageReader reader(QStringLiteral(":/icons/tesselo-%1.png").arg(size), "png");
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(reader.read()));
    }
    return icon;
}

} // namespace

int main(int argc, char** argv) {
    tesselo::KeepLargeBuffersInHeap();
    // Read on another core while the toolkit starts on this one.
    tesselo::FontConfigReader fontConfig;
    QApplication application(argc, argv);
    fontConfig.Wait();
    QApplication::setStyle(new tesselo::ProgramStyle);
    // The task bar names the program by this.
    QApplication::setApplicationName(QStringLiteral("Tesselo V1.0 beta"));
    // The desktop finds the program's entry, and with it its icon, by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("tesselo"));

    // The language: "--lang ru|en", the setting Init/Language, the system's locale.
    const tesselo::LanguageOption language = tesselo::TakeLanguageOption(Arguments(argc, argv));
    const QString setting = QSettings(QSettings::NativeFormat, QSettings::UserScope,
                                      QStringLiteral("Velmor"), QStringLiteral("Tesselo"))
                                .value(QStringLiteral("Init/Language"))
                                .toString();
    const std::string chosenSetting = setting.toStdString();
    QTranslator translator;
    QTranslator ours;
    if (tesselo::ChooseLanguage(
            language.Language,
            chosenSetting.empty() ? std::nullopt : std::optional<std::string_view>(chosenSetting),
            QLocale::system().name().toStdString()) == tesselo::Language::English)
        tesselo::UseLanguage(tesselo::Language::English, ours);
    else
        TranslateToolkit(translator);

    // The services, the editing session over them and the window over both, each gone
    // after what uses it.
    tesselo::ProgramServices services;
    tesselo::StyleEditor editor(services.Files, tesselo::InstalledFontFamilies());
    editor.UseProgress(services.Progress);
    editor.UseDialogs(services.Dialogs);
    services.BrowseBeside(editor);
    tesselo::TMainForm mainForm(services.ForWindow(), editor);
    services.OwnedBy(mainForm);
    mainForm.Start(language.Rest);

    QApplication::setWindowIcon(WindowIcon());
    // The selector builder and the about box are made when first asked for.
    std::unique_ptr<tesselo::TCreateSelector> createSelector;
    mainForm.SetSelectorBuilder([&] {
        createSelector = std::make_unique<tesselo::TCreateSelector>(&mainForm);
        return createSelector.get();
    });
    std::unique_ptr<tesselo::TAboutBox> aboutBox;
    mainForm.SetAboutBox([&] {
        aboutBox = std::make_unique<tesselo::TAboutBox>(&mainForm);
        return aboutBox.get();
    });

    mainForm.show();
    return QApplication::exec();
}
