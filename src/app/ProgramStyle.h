#pragma once

// The program's style: the desktop's own, with its standard pictures made when first
// drawn. Every tool bar and every search box asks for one as it is made (the overflow
// arrow, the clear button), most of them never shown; each asks the desktop's icon theme
// and reads a picture file.

#include <QProxyStyle>

namespace tesselo {

class ProgramStyle final : public QProxyStyle {
    Q_OBJECT
public:
    ProgramStyle();
    QIcon standardIcon(StandardPixmap picture, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

} // namespace tesselo
