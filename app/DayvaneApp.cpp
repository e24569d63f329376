#include "app/DayvaneApp.h"

#include <QApplication>
#include <QDialog>
#include <QFileInfo>
#include <QPixmap>

#include <cstdio>

#include "app/DialogScreenshot.h"
#include "app/EditorDialogs.h"
#include "pim/session/PimSession.h"
#include "platform/itemeditor/ItemEditorDialog.h"
#include "app/FirstStart.h"
#include "app/MainFrame.h"
#include "app/SingleInstance.h"
#include "platform/device/DeviceDirectory.h"
#include "platform/shell/Density.h"

namespace {

void PrintError(const QString& text) { std::fprintf(stderr, "Dayvane: %s\n", text.toLocal8Bit().constData()); }

TimeValue DayOf(const SolarDate& day) { return TimeFromFields(day.year, day.month, day.day, 0, 0, 0); }

}  // namespace

bool WriteScreenshot(CMainFrame& frame, const QString& file, const QString& dialogName)
{
    frame.show();
    QCoreApplication::processEvents();
    std::unique_ptr<QDialog> dialog = dialogName.isEmpty() ? nullptr : MakeScreenshotDialog(dialogName, frame);
    if (dialog) {
        dialog->show();
        QCoreApplication::processEvents();
    }
    const QPixmap shot = dialog ? dialog->grab() : frame.grab();
    if (shot.isNull() || !shot.save(file, "PNG")) {
        PrintError(QStringLiteral("cannot write the screenshot %1").arg(file));
        return false;
    }
    std::printf("%s\n", QFileInfo(file).absoluteFilePath().toLocal8Bit().constData());
    return true;
}

int RunDayvane(QApplication& app, const AppOptions& options)
{
    if (!options.deviceDir.empty())
        SetDeviceDirectory(options.deviceDir);
    SetDeviceDpi(options.dpi, options.dpi);

    const DevicePreparation device = EnsureDevice();
    if (!device.error.empty()) {
        PrintError(QString::fromStdString(device.error));
        return 1;
    }

    // A screenshot is a one-off rendering beside a running copy, not a second start.
    SingleInstance instance(DeviceDirectory());
    if (!options.IsScreenshot() && instance.Acquire() != SingleInstance::Outcome::First)
        return 0;

    const std::filesystem::path executable = QCoreApplication::applicationFilePath().toStdString();
    if (device.firstStart) {
        if (const std::string problem = InstallFirstStart(executable); !problem.empty())
            PrintError(QString::fromStdString(problem));
    } else if (!options.IsScreenshot()) {
        LinkLauncher(executable);
    }

    CMainFrame frame(options.clientSize);
    auto dialogs = std::make_unique<EditorDialogs>(frame.GetSettings());
    dialogs->SetItemContext([&frame] { return frame.Session(); }, [&frame] { return frame.GetCurrentDate(); });
    frame.SetDialogs(std::move(dialogs));
    if (options.date)
        frame.SetCurrentDate(DayOf(*options.date));
    if (!frame.Create(options.viewKind)) {
        PrintError(frame.StartupError());
        return 1;
    }
    // Result 4 of the item editors opens the platform's own editor.
    InstallItemEditor(*frame.Session()->OutlookApp(), &frame);
    if (options.IsScreenshot())
        return WriteScreenshot(frame, options.screenshotFile, options.dialog) ? 0 : 1;

    instance.Listen([&frame] { frame.BringToFront(); });
    frame.show();
    return app.exec();
}
