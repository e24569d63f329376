#include "app/BackgroundSync.h"

#include <QMetaObject>
#include <QPointer>

BackgroundSync::~BackgroundSync()
{
    if (m_worker.joinable()) m_worker.join();
}

bool BackgroundSync::Start(SyncRunInput input, AnniversaryList anniversaries)
{
    if (m_running) return false;
    if (m_worker.joinable()) m_worker.join();
    m_running = true;
    m_worker = std::thread([this, input = std::move(input), list = std::move(anniversaries)]() mutable {
        input.anniversaries = &list;
        const SyncRunResult result = RunWholeSync(input, [this](int done, int total) {
            QMetaObject::invokeMethod(this, [this, done, total] { emit Progress(done, total); }, Qt::QueuedConnection);
        });
        const bool ok = result.summary.ok;
        const QString message = QString::fromStdString(ok ? result.summary.Line() : result.summary.error);
        QMetaObject::invokeMethod(
            this,
            [this, ok, message] {
                m_running = false;
                emit Finished(ok, message);
            },
            Qt::QueuedConnection);
    });
    return true;
}

AnniversaryList CopyAnniversaries(const AnniversaryList& list)
{
    AnniversaryList copy;
    for (size_t i = 0; i < list.Count(); ++i) AddAnniversary(copy, list.At(i));
    return copy;
}
