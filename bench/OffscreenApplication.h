// The one application object of a benchmark that builds widgets, on the
// offscreen platform so that benchmarks run without a screen.
#pragma once

#include <QApplication>

inline void EnsureOffscreenApplication()
{
    if (QApplication::instance()) return;
    static int argc = 1;
    static char name[] = "dayvane-bench";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    new QApplication(argc, argv);
}
