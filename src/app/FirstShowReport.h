#pragma once

// For the start-up measurement (bench/startup.py), shared by the editor and the floor
// program it is measured against: with TESSELO_REPORT_FIRST_SHOW set, the wall-clock
// time of the main window's first showing goes to stderr as "first-shown <ns since the
// epoch>", and with "exit" the program ends right there.

#include <QByteArray>
#include <QtGlobal>
#include <cstdio>
#include <ctime>
#include <unistd.h>

namespace tesselo {

inline void ReportFirstShow() {
    const QByteArray mode = qgetenv("TESSELO_REPORT_FIRST_SHOW");
    if (mode.isEmpty())
        return;
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    std::fprintf(stderr, "first-shown %lld%09ld\n", static_cast<long long>(now.tv_sec),
                 now.tv_nsec);
    std::fflush(stderr);
    if (mode == "exit")
        ::_exit(0);
}

} // namespace tesselo
