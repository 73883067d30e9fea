#pragma once

// The page "Эффекты" over a session of its own, shown again after each change as the
// window shows it, with the user's hands: a click, text typed and confirmed, a row
// chosen, a choice taken from a drop-down.

#include "panel/EffectsPage.h"
#include "support/CatalogSession.h"
#include "support/FindWidget.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include <string>
#include <string_view>

namespace tesselo::testing {

struct EffectsHost {
    explicit EffectsHost(std::string_view sheet) : s(sheet) {
        s.OnChange = [this] { page.Render(); };
        page.Render();
    }
    QStringList Rows(std::string_view list) {
        QStringList rows;
        auto* view = Control<QListWidget>(page, list);
        for (int i = 0; i < view->count(); ++i)
            rows << view->item(i)->text();
        return rows;
    }
    void Click(std::string_view button) {
        QTest::mouseClick(Control<QAbstractButton>(page, button), Qt::LeftButton);
    }
    void Type(std::string_view field, const QString& text) {
        auto* edit = Control<QLineEdit>(page, field);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Return);
    }
    void Choose(std::string_view list, int row) {
        Control<QListWidget>(page, list)->setCurrentRow(row);
    }
    // The drop-down's item with the text, as a click on it takes it.
    void Pick(std::string_view box, const QString& item) {
        auto* choice = Control<QComboBox>(page, box);
        const int index = choice->findText(item);
        ASSERT_GE(index, 0) << "no " << item.toStdString() << " in " << box;
        choice->setCurrentIndex(index);
        emit choice->activated(index);
    }

    CatalogSession s;
    EffectsPage page{s.services, nullptr};
};

// A rule of one declaration list, and its block as the session gives it.
inline std::string BoxRule(const std::string& declarations) {
    return ".box {\n  color: red;\n" + declarations + "}\n";
}
inline std::string BoxInner(const std::string& declarations) {
    return "\n  color: red;\n" + declarations;
}

} // namespace tesselo::testing
