// GoogleTest main for the tests that need a QApplication. They run offscreen, with
// the browser's sandbox off when running as root, as the program itself does.

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The offscreen screen is 800 by 600 unless told otherwise, smaller than the main
    // window at its first start: the tests get a screen of a common desktop's size.
    QTemporaryDir config;
    if (qgetenv("QT_QPA_PLATFORM") == "offscreen" && config.isValid()) {
        const QString file = config.filePath(QStringLiteral("screens.json"));
        QFile json(file);
        if (json.open(QIODevice::WriteOnly) &&
            json.write(R"({"screens": [{"name": "desktop", "x": 0, "y": 0, "width": 1600,
                           "height": 1000, "logicalDpi": 96, "logicalBaseDpi": 96,
                           "dpr": 1}]})") > 0) {
            json.close();
            qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + file.toLocal8Bit());
        }
    }
    if (::geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    if (qEnvironmentVariableIsEmpty("QTWEBENGINE_CHROMIUM_FLAGS"))
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu");
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
