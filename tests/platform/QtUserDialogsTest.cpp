#include "platform/QtUserDialogs.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

namespace tesselo {
namespace {

// Runs the message box and, inside its own loop, reads what it shows and answers it.
struct ShownBox {
    QString Text;
    Qt::TextFormat Format = Qt::AutoText;
    bool Seen = false;
};

ShownBox ShowAndRead(const Message& message) {
    ShownBox shown;
    QTimer::singleShot(0, [&shown] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        shown = {box->text(), box->textFormat(), true};
        box->done(QMessageBox::Ok);
    });
    QtUserDialogs dialogs;
    dialogs.Show(message);
    return shown;
}

// A file name is shown as it is written, however much it looks like markup.
TEST(QtUserDialogs, MessageText_IsPlainText) {
    const std::string name = "<h1><font color=red>OK saved.css";
    const ShownBox shown =
        ShowAndRead({"Tesselo", "Не удалось записать файл " + name + "\rPermission denied",
                     MessageIcon::Error, MessageButtons::Ok});
    ASSERT_TRUE(shown.Seen);
    EXPECT_EQ(shown.Format, Qt::PlainText);
    EXPECT_EQ(shown.Text,
              QString::fromStdString("Не удалось записать файл " + name + "\nPermission denied"));
}

} // namespace
} // namespace tesselo
