// Only one copy of Dayvane runs per device: the named lock "{Dayvane}" in the
// device directory, and the window "WCE_DAYVANE" as a local socket through
// which a second start asks the running copy to come to the front.
#pragma once

#include <QObject>
#include <QString>

#include <filesystem>
#include <functional>
#include <memory>

class QLocalServer;
class QLockFile;

class SingleInstance : public QObject {
    Q_OBJECT

public:
    enum class Outcome {
        First,        // this copy holds the lock and goes on
        OtherRaised,  // a running copy was asked to come forward; end silently
        GaveUp,       // the lock is held but no window answered; end silently
    };

    explicit SingleInstance(const std::filesystem::path& deviceDir);
    ~SingleInstance() override;

    // Up to five attempts: take the lock; else look for the running copy's
    // window, and when there is none wait 500 ms and look once more.
    // `wait` sleeps for the given milliseconds (tests count the waits).
    Outcome Acquire(const std::function<void(int)>& wait = {});

    // Opens the window for later starts (after the lock was taken).
    // `raise` runs on this object's thread for every request.
    bool Listen(std::function<void()> raise);

    // Names scoped to the device, so that devices never meet.
    static QString LockFilePath(const std::filesystem::path& deviceDir);
    static QString WindowName(const std::filesystem::path& deviceDir);

    static constexpr int kAttempts = 5;
    static constexpr int kRetryWaitMs = 500;

private:
    bool RaiseRunningCopy() const;
    void ServeConnection();

    QString m_lockPath;
    QString m_windowName;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer* m_server = nullptr;
    std::function<void()> m_raise;
};
