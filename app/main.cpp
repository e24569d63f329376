#include <QApplication>

#include <cstdio>
#include <cstdlib>

#include "app/AppOptions.h"
#include "app/DayvaneApp.h"

namespace {

QStringList ArgumentsOf(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

bool HasDisplay()
{
    return std::getenv("DISPLAY") != nullptr || std::getenv("WAYLAND_DISPLAY") != nullptr ||
           std::getenv("QT_QPA_PLATFORM") != nullptr;
}

}  // namespace

int main(int argc, char** argv)
{
    // The command line is read before Qt starts, so that --help and a refused
    // option work without a display.
    const ParsedOptions parsed = ParseAppOptions(ArgumentsOf(argc, argv));
    if (parsed.help) {
        std::fputs(AppUsageText().toLocal8Bit().constData(), stdout);
        return 0;
    }
    if (!parsed.error.isEmpty()) {
        std::fprintf(stderr, "Dayvane: %s\n%s", parsed.error.toLocal8Bit().constData(),
                     AppUsageText().toLocal8Bit().constData());
        return 2;
    }
    if (parsed.options.IsScreenshot() && std::getenv("QT_QPA_PLATFORM") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    else if (!HasDisplay()) {
        std::fputs("Dayvane: no display (DISPLAY and WAYLAND_DISPLAY are unset); "
                   "use --screenshot FILE to render the window to a picture.\n",
                   stderr);
        return 1;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Dayvane"));
    QApplication::setApplicationVersion(QStringLiteral(DAYVANE_VERSION));
    return RunDayvane(app, parsed.options);
}
