#include "tests/sync/RadicaleServer.h"

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QStandardPaths>

#include <fstream>
#include <iterator>

#include "sync/DavClient.h"

int FreeLoopbackPort()
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    int port = 0;
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) == 0)
        port = ntohs(address.sin_port);
    ::close(fd);
    return port;
}

namespace {

bool Accepts(int port)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<uint16_t>(port));
    const bool ok = ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    ::close(fd);
    return ok;
}

} // namespace

RadicaleServer::RadicaleServer()
{
    const QString program = QStandardPaths::findExecutable(QStringLiteral("radicale"));
    if (program.isEmpty()) {
        m_why = "radicale is not installed (scripts/setup.sh installs it)";
        return;
    }
    std::string pattern = (std::filesystem::temp_directory_path() / "dayvane-radicale-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        m_why = "mkdtemp failed";
        return;
    }
    m_folder = pattern;
    const int port = FreeLoopbackPort();
    std::ofstream(m_folder / "users") << kUser << ":" << kPassword << "\n";
    std::ofstream(m_folder / "config") << "[server]\nhosts = 127.0.0.1:" << port
                                       << "\nmax_content_length = 1000000000\n"
                                          "[auth]\ntype = htpasswd\nhtpasswd_filename = "
                                       << (m_folder / "users").string()
                                       << "\nhtpasswd_encryption = plain\ndelay = 0\n"
                                          "[rights]\ntype = owner_only\n"
                                          "[storage]\nfilesystem_folder = "
                                       << (m_folder / "collections").string()
                                       << "\n[logging]\nlevel = warning\nmask_passwords = True\n";
    // Its log goes to a file: a pipe nobody reads would stall the server.
    m_process.setStandardOutputFile(QString::fromStdString((m_folder / "log").string()));
    m_process.setStandardErrorFile(QString::fromStdString((m_folder / "log").string()), QIODevice::Append);
    m_process.start(program, {QStringLiteral("--config"), QString::fromStdString((m_folder / "config").string())});
    if (!m_process.waitForStarted(10000)) {
        m_why = "radicale did not start";
        return;
    }
    // Ready when it accepts a connection; a server that exits ends the wait.
    bool listening = false;
    for (int attempt = 0; attempt < 400 && !listening; ++attempt) {
        listening = Accepts(port);
        if (!listening && m_process.waitForFinished(50)) break;
    }
    if (!listening) {
        std::ifstream log(m_folder / "log");
        m_why = "radicale did not listen: " + std::string(std::istreambuf_iterator<char>(log), {});
        return;
    }
    m_origin = "http://127.0.0.1:" + std::to_string(port);
}

RadicaleServer::~RadicaleServer()
{
    m_process.terminate();
    if (!m_process.waitForFinished(5000)) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
    std::error_code ignored;
    if (!m_folder.empty()) std::filesystem::remove_all(m_folder, ignored);
}

std::string RadicaleServer::MakeCalendar(const std::string& name)
{
    DavClient client({kUser, PasswordCommand()});
    const std::string url = m_origin + "/" + kUser + "/" + name + "/";
    DavRequest request;
    request.method = "MKCALENDAR";
    request.url = url;
    const DavReply reply = client.Send(request);
    return reply.Success() ? url : std::string();
}
