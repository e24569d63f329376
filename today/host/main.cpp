// dayvane-today: the Today screen with the registered items.
//   dayvane-today [--device DIR] [--dpi N] [--size WxH] [--date YYYY-MM-DD] [--screenshot FILE.png]
#include <QApplication>
#include <QCommandLineParser>
#include <QRegularExpression>

#include <cstdio>
#include <cstdlib>

#include "platform/device/DeviceDirectory.h"
#include "platform/shell/Density.h"
#include "today/host/TodayScreenWnd.h"
#include "today/listing/TodayRegistration.h"

namespace {

int Fail(const QString& message)
{
    std::fprintf(stderr, "%s\n", qPrintable(message));
    return 2;
}

// The item libraries carry their own device and clock state, which they take
// from the environment: the choices made here go there first.
void ShareWithItems(const std::filesystem::path& device, const QString& date)
{
    setenv("DAYVANE_HOME", device.c_str(), 1);
    if (!date.isEmpty()) setenv("DAYVANE_NOW", qPrintable(date + "T09:00:00"), 1);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption device("device", "device directory", "DIR");
    const QCommandLineOption dpi("dpi", "screen density (48-960)", "N", QString::number(kDefaultDeviceDpi));
    const QCommandLineOption size("size", "screen size in pixels", "WxH");
    const QCommandLineOption date("date", "today's date", "YYYY-MM-DD");
    const QCommandLineOption screenshot("screenshot", "render offscreen into a PNG file and end", "FILE.png");
    parser.addOptions({device, dpi, size, date, screenshot});
    parser.process(app);

    bool ok = false;
    const int density = parser.value(dpi).toInt(&ok);
    if (!ok || !SetDeviceDpi(density, density)) return Fail("--dpi: 48-960");
    int width = ScaleForDpi(240, density), height = ScaleForDpi(320, density);
    if (parser.isSet(size)) {
        const auto match = QRegularExpression("^(\\d{2,5})x(\\d{2,5})$").match(parser.value(size));
        if (!match.hasMatch()) return Fail("--size: WxH");
        width = match.captured(1).toInt();
        height = match.captured(2).toInt();
    }
    if (parser.isSet(date) && !QRegularExpression("^\\d{4}-\\d{2}-\\d{2}$").match(parser.value(date)).hasMatch())
        return Fail("--date: YYYY-MM-DD");

    if (parser.isSet(device)) SetDeviceDirectory(std::filesystem::absolute(parser.value(device).toStdString()));
    const std::string error = EnsureDeviceDirectory();
    if (!error.empty()) return Fail(QString::fromStdString(error));
    ShareWithItems(DeviceDirectory(), parser.value(date));
    // First start on this device: register the two items beside this program.
    if (ReadTodayItems().empty()) RegisterTodayItems(TodayItemLibraryFolder(QCoreApplication::applicationFilePath().toStdString()), ProgramFolder());

    CTodayScreenWnd screen(density, density);
    screen.resize(width, height);
    screen.LoadItems(ReadTodayItems());
    for (const QString& refusal : screen.Refusals()) std::fprintf(stderr, "%s\n", qPrintable(refusal));

    if (parser.isSet(screenshot)) {
        // The first query reloads; the paint measures the lines; the next query
        // reports the real heights.
        screen.QueryItems();
        screen.grab();
        screen.QueryItems();
        return screen.grab().save(parser.value(screenshot)) ? 0 : 1;
    }
    screen.show();
    screen.QueryItems();
    return app.exec();
}
