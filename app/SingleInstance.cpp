#include "app/SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QThread>

namespace {

const QByteArray kRaiseRequest = QByteArrayLiteral("raise\n");
const QByteArray kRaiseAnswer = QByteArrayLiteral("ok\n");
constexpr int kConnectTimeoutMs = 200;
constexpr int kAnswerTimeoutMs = 2000;

QString CanonicalText(const std::filesystem::path& dir)
{
    std::error_code ec;
    std::filesystem::path canonical = std::filesystem::weakly_canonical(dir, ec);
    return QString::fromStdString((ec ? dir : canonical).string());
}

}  // namespace

SingleInstance::SingleInstance(const std::filesystem::path& deviceDir)
    : m_lockPath(LockFilePath(deviceDir)), m_windowName(WindowName(deviceDir))
{
}

SingleInstance::~SingleInstance()
{
    if (m_server != nullptr)
        m_server->close();
}

QString SingleInstance::LockFilePath(const std::filesystem::path& deviceDir)
{
    return QDir(CanonicalText(deviceDir)).filePath(QStringLiteral("{Dayvane}.lock"));
}

QString SingleInstance::WindowName(const std::filesystem::path& deviceDir)
{
    // A socket path has a small length limit, so the device is named by a hash.
    const QByteArray hash =
        QCryptographicHash::hash(CanonicalText(deviceDir).toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    return QStringLiteral("WCE_DAYVANE-") + QString::fromLatin1(hash);
}

SingleInstance::Outcome SingleInstance::Acquire(const std::function<void(int)>& wait)
{
    const auto sleep = [&wait](int ms) {
        if (wait)
            wait(ms);
        else
            QThread::msleep(static_cast<unsigned long>(ms));
    };
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        auto lock = std::make_unique<QLockFile>(m_lockPath);
        // Never stale by age: a lock is stale only when its process is gone.
        lock->setStaleLockTime(0);
        if (lock->tryLock(0)) {
            m_lock = std::move(lock);
            return Outcome::First;
        }
        if (RaiseRunningCopy())
            return Outcome::OtherRaised;
        // The running copy may still be creating its window.
        sleep(kRetryWaitMs);
        if (RaiseRunningCopy())
            return Outcome::OtherRaised;
    }
    return Outcome::GaveUp;
}

bool SingleInstance::RaiseRunningCopy() const
{
    QLocalSocket socket;
    socket.connectToServer(m_windowName);
    if (!socket.waitForConnected(kConnectTimeoutMs))
        return false;
    socket.write(kRaiseRequest);
    if (!socket.waitForBytesWritten(kConnectTimeoutMs))
        return false;
    // The answer only tells that the request was read; a busy copy that is
    // slow to answer has still been asked.
    socket.waitForReadyRead(kAnswerTimeoutMs);
    socket.disconnectFromServer();
    return true;
}

bool SingleInstance::Listen(std::function<void()> raise)
{
    if (!m_lock)
        return false;
    m_raise = std::move(raise);
    if (m_server == nullptr) {
        m_server = new QLocalServer(this);
        m_server->setSocketOptions(QLocalServer::UserAccessOption);
        connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::ServeConnection);
    }
    if (m_server->isListening())
        return true;
    // Holding the lock, any socket of this name was left by a copy that died.
    QLocalServer::removeServer(m_windowName);
    return m_server->listen(m_windowName);
}

void SingleInstance::ServeConnection()
{
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        const auto serve = [this, socket] {
            // Only the one short request is understood; anything else ends the talk.
            if (!socket->canReadLine()) {
                if (socket->bytesAvailable() > kRaiseRequest.size())
                    socket->disconnectFromServer();
                return;
            }
            if (socket->readLine(kRaiseRequest.size() + 1) == kRaiseRequest) {
                if (m_raise)
                    m_raise();
                socket->write(kRaiseAnswer);
                socket->flush();
            }
            socket->disconnectFromServer();
        };
        connect(socket, &QLocalSocket::readyRead, this, serve);
        if (socket->bytesAvailable() > 0)
            serve();
    }
}
