#pragma once

// The four property pages, one class each, laid out from the panel's layout rows.

#include "panel/PropertyPanel.h"

#include <QWidget>

namespace tesselo {

// The group boxes of a page, each with its keyword buttons in rows and then its
// length fields, one per row.
class RowsPage : public QWidget {
    Q_OBJECT
public:
    RowsPage(PanelPlace place, PanelBuilder& builder, QWidget* parent);

protected:
    // Adds the keyword buttons and the length fields of one box to it.
    static void FillBox(PanelPlace place, std::string_view box, PanelBuilder& builder,
                        QWidget* boxWidget, QGridLayout* grid);
};

class BBColorPage final : public RowsPage {
    Q_OBJECT
public:
    BBColorPage(PanelBuilder& builder, QWidget* parent);
};

class MarginPaddingPage final : public RowsPage {
    Q_OBJECT
public:
    MarginPaddingPage(PanelBuilder& builder, QWidget* parent)
        : RowsPage(PanelPlace::MarginPadding, builder, parent) {}
};

class DisplayVisPage final : public RowsPage {
    Q_OBJECT
public:
    DisplayVisPage(PanelBuilder& builder, QWidget* parent)
        : RowsPage(PanelPlace::DisplayVis, builder, parent) {}
};

class PositionFloatPage final : public RowsPage {
    Q_OBJECT
public:
    PositionFloatPage(PanelBuilder& builder, QWidget* parent)
        : RowsPage(PanelPlace::PositionFloat, builder, parent) {}
};

} // namespace tesselo
