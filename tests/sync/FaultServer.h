// fault_server.py for one test: a WebDAV server that fails in the given mode
// (see the script) on a free loopback port.
#pragma once

#include <QProcess>

#include <string>

class FaultServer {
public:
    explicit FaultServer(const char* mode)
    {
        m_process.start(QStringLiteral("python3"), {QStringLiteral(DAYVANE_FAULT_SERVER), QString::fromLatin1(mode)});
        if (!m_process.waitForStarted(10000)) return;
        while (!m_process.canReadLine() && m_process.waitForReadyRead(10000)) {
        }
        const QByteArray port = m_process.readLine().trimmed();
        if (!port.isEmpty()) m_url = "http://127.0.0.1:" + port.toStdString() + "/kim/cal/";
    }
    ~FaultServer()
    {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
    FaultServer(const FaultServer&) = delete;
    FaultServer& operator=(const FaultServer&) = delete;

    // The collection's URL; empty when the server did not start.
    const std::string& Url() const { return m_url; }

private:
    QProcess m_process;
    std::string m_url;
};
