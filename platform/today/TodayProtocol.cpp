#include "platform/today/TodayProtocol.h"

#include <QCoreApplication>
#include <QVariant>

namespace {
constexpr const char* kShellApiReadyProperty = "SYSTEM/ShellAPIReady";
}

void SignalShellApiReady()
{
    if (QCoreApplication* app = QCoreApplication::instance()) app->setProperty(kShellApiReadyProperty, true);
}

bool ShellApiReadySignalled()
{
    const QCoreApplication* app = QCoreApplication::instance();
    return app != nullptr && app->property(kShellApiReadyProperty).toBool();
}
