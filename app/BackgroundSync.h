// Runs a sync on a worker thread with its own store connection, so that the
// interface never waits; progress and the outcome come back to the UI thread
// as queued calls. The store's own notifications refresh the views.
#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <thread>

#include "sync/SyncRun.h"

class BackgroundSync : public QObject {
    Q_OBJECT

public:
    explicit BackgroundSync(QObject* parent = nullptr) : QObject(parent) {}
    ~BackgroundSync() override;

    bool Running() const { return m_running; }
    // False when a run is still going (the new one is dropped).
    bool Start(SyncRunInput input, AnniversaryList anniversaries);

signals:
    void Progress(int done, int total);
    void Finished(bool ok, const QString& message);

private:
    std::thread m_worker;
    bool m_running = false;
};

// A copy of the list that a worker can own.
AnniversaryList CopyAnniversaries(const AnniversaryList& list);
