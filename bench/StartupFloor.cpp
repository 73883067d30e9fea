// The floor the editor's start is measured against: a bare Qt Widgets window that does
// the least comparable work. It reads the sheet named on the command line, lists one row
// per rule (the text before each "{", cut crudely) and shows itself. With
// TESSELO_REPORT_FIRST_SHOW set it prints "first-shown <ns since the epoch>" to stderr
// at the same moment the editor does (its main window's first show event), and with the
// value "exit" it leaves at once.

#include "app/FirstShowReport.h"

#include <QApplication>
#include <QFile>
#include <QListWidget>
#include <QMainWindow>
#include <QShowEvent>
#include <QStringList>
#include <cstdio>

namespace {

// The selectors of a sheet: what stands between a "}" (or the start) and the next "{".
QStringList Selectors(const QString& sheet) {
    QStringList selectors;
    const QStringList pieces = sheet.split(QLatin1Char('{'));
    for (qsizetype i = 0; i + 1 < pieces.size(); ++i) {
        const QString& piece = pieces[i];
        selectors.append(piece.mid(piece.lastIndexOf(QLatin1Char('}')) + 1).trimmed());
    }
    return selectors;
}

class FloorWindow : public QMainWindow {
public:
    explicit FloorWindow(const QStringList& rows) {
        auto* list = new QListWidget(this);
        list->setUniformItemSizes(true);
        list->addItems(rows);
        if (list->count() > 0)
            list->setCurrentRow(0);
        setCentralWidget(list);
        setWindowTitle(QStringLiteral("Startup floor"));
        resize(1000, 700);
    }

protected:
    void showEvent(QShowEvent* event) override {
        QMainWindow::showEvent(event);
        if (shown_)
            return;
        shown_ = true;
        tesselo::ReportFirstShow();
    }

private:
    bool shown_ = false;
};

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QStringList rows;
    if (argc > 1) {
        QFile file(QFile::decodeName(argv[1]));
        if (!file.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "%s: %s\n", argv[1], qPrintable(file.errorString()));
            return 1;
        }
        rows = Selectors(QString::fromUtf8(file.readAll()));
    }
    FloorWindow window(rows);
    window.show();
    return QApplication::exec();
}
