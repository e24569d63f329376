#include <QApplication>

#include <cstdio>
#include <cstdlib>

#include "app/AppOptions.h"
#include "app/DayvaneApp.h"
#include "resources/Strings.h"

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
        std::fputs(AppUsageText().toUtf8().constData(), stdout);
        return 0;
    }
    if (!parsed.error.isEmpty()) {
        std::fprintf(stderr, "Dayvane: %s\n%s", parsed.error.toUtf8().constData(),
                     AppUsageText().toUtf8().constData());
        return 2;
    }
    if (parsed.options.IsScreenshot() && std::getenv("QT_QPA_PLATFORM") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    else if (!HasDisplay()) {
        std::fprintf(stderr, "Dayvane: %s", LoadString(IDS_APP_NO_DISPLAY).toUtf8().constData());
        return 1;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Dayvane"));
    QApplication::setApplicationVersion(QStringLiteral(DAYVANE_VERSION));
    return RunDayvane(app, parsed.options);
}
