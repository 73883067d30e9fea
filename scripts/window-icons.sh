#!/usr/bin/env bash
# Draws the program's picture (src/app/icons/tesselo.svg) at the window icon's sizes into
# src/app/icons/tesselo-SIZE.png, with the toolkit's own SVG drawing. Run it again after
# changing the picture; the output is committed, and a test holds it to the picture.
# Usage: scripts/window-icons.sh
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cat >"$work/main.cpp" <<'CPP'
#include <QGuiApplication>
#include <QIcon>
#include <QPixmap>
int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QIcon picture(QString::fromLocal8Bit(argv[1]));
    for (int size : {16, 32, 48, 64, 128}) {
        const QString out = QStringLiteral("%1/tesselo-%2.png").arg(QString::fromLocal8Bit(argv[2])).arg(size);
        if (!picture.pixmap(QSize(size, size)).save(out))
            return 1;
    }
    return 0;
}
CPP
cat >"$work/CMakeLists.txt" <<'CMAKE'
cmake_minimum_required(VERSION 3.16)
project(window_icons CXX)
find_package(Qt6 REQUIRED COMPONENTS Gui)
add_executable(window_icons main.cpp)
target_link_libraries(window_icons Qt6::Gui)
CMAKE
cmake -S "$work" -B "$work/build" >/dev/null
cmake --build "$work/build" >/dev/null
QT_QPA_PLATFORM=offscreen "$work/build/window_icons" "$root/src/app/icons/tesselo.svg" "$root/src/app/icons"
ls "$root"/src/app/icons/tesselo-*.png
