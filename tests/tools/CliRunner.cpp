#include "tests/tools/CliRunner.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <stdexcept>

extern char** environ;

CliRunner::CliRunner()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "dayvane-cli-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    m_root = pattern;
}

CliRunner::~CliRunner()
{
    std::error_code ignored;
    std::filesystem::remove_all(m_root, ignored);
}

pid_t CliRunner::Launch(const std::vector<std::string>& args, int out, int err) const
{
    std::vector<std::string> argv = {DAYVANE_CLI, "--device", Device().string()};
    argv.insert(argv.end(), args.begin(), args.end());
    std::vector<char*> argp;
    for (auto& a : argv) argp.push_back(a.data());
    argp.push_back(nullptr);

    std::vector<std::string> env = {"DAYVANE_NOW=" + m_now, "TZ=Asia/Seoul", "LANG=C.UTF-8"};
    if (const char* asan = std::getenv("ASAN_OPTIONS")) env.push_back(std::string("ASAN_OPTIONS=") + asan);
    std::vector<char*> envp;
    for (auto& e : env) envp.push_back(e.data());
    envp.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (out >= 0) posix_spawn_file_actions_adddup2(&actions, out, 1);
    else posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    if (err >= 0) posix_spawn_file_actions_adddup2(&actions, err, 2);
    else posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    pid_t pid = 0;
    int spawned = posix_spawn(&pid, argp[0], &actions, nullptr, argp.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) throw std::runtime_error("cannot start dayvane-cli");
    return pid;
}

pid_t CliRunner::Spawn(const std::vector<std::string>& args) const
{
    return Launch(args, -1, -1);
}

int CliRunner::Wait(pid_t pid)
{
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

CliProcess CliRunner::Start(const std::vector<std::string>& args) const
{
    int outPipe[2];
    if (pipe2(outPipe, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
    CliProcess process;
    process.pid = Launch(args, outPipe[1], STDERR_FILENO);
    close(outPipe[1]);
    process.out = outPipe[0];
    return process;
}

CliResult CliRunner::Run(const std::vector<std::string>& args) const
{
    int outPipe[2], errPipe[2];
    if (pipe2(outPipe, O_CLOEXEC) != 0 || pipe2(errPipe, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
    const pid_t pid = Launch(args, outPipe[1], errPipe[1]);
    close(outPipe[1]);
    close(errPipe[1]);

    CliResult result;
    pollfd fds[2] = {{outPipe[0], POLLIN, 0}, {errPipe[0], POLLIN, 0}};
    std::string* sinks[2] = {&result.out, &result.err};
    int open = 2;
    while (open > 0 && poll(fds, 2, -1) > 0) {
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd < 0 || !(fds[i].revents & (POLLIN | POLLHUP))) continue;
            char buffer[4096];
            ssize_t n = read(fds[i].fd, buffer, sizeof buffer);
            if (n > 0) {
                sinks[i]->append(buffer, static_cast<size_t>(n));
            } else {
                close(fds[i].fd);
                fds[i].fd = -1;
                --open;
            }
        }
    }
    result.exitCode = Wait(pid);
    return result;
}
