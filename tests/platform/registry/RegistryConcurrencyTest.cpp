#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "platform/registry/PlatformRegistry.h"
#include "tests/platform/device/TempDevice.h"

namespace {

constexpr int kWritesPerProcess = 150;

// Each write opens its own key, as the settings helper does, so the processes
// also race on opening, creating and setting up the file.
bool WriteMany(const std::string& prefix)
{
    for (int i = 0; i < kWritesPerProcess; ++i) {
        HKEY key = nullptr;
        if (RegCreateKeyEx(HKEY_LOCAL_MACHINE, "SOFTWARE\\Dayvane", 0, nullptr, 0, 0, nullptr, &key, nullptr) !=
            ERROR_SUCCESS)
            return false;
        const DWORD value = static_cast<DWORD>(i);
        const std::string name = prefix + std::to_string(i);
        LONG rc = RegSetValueEx(key, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
        RegCloseKey(key);
        if (rc != ERROR_SUCCESS) return false;
    }
    return true;
}

} // namespace

TEST(RegistryConcurrency, TwoProcessesWritingAtOnceLoseNothing)
{
    TempDevice device;  // no registry.db yet: both processes set it up at once
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t child = fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        char go = 0;
        const bool ok = read(ready[0], &go, 1) == 1 && WriteMany("child");
        _exit(ok ? 0 : 1);
    }
    ASSERT_EQ(write(ready[1], "g", 1), 1);
    const bool parentOk = WriteMany("parent");
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    close(ready[0]);
    close(ready[1]);
    EXPECT_TRUE(parentOk);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);

    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyEx(HKEY_LOCAL_MACHINE, "SOFTWARE\\Dayvane", 0, 0, &key), ERROR_SUCCESS);
    std::vector<RegistryValue> values;
    EXPECT_EQ(RegListValues(key, values), ERROR_SUCCESS);
    EXPECT_EQ(values.size(), 2u * kWritesPerProcess);
    std::vector<std::string> keys;
    EXPECT_EQ(RegListSubKeys(HKEY_LOCAL_MACHINE, keys), ERROR_SUCCESS);
    EXPECT_EQ(keys, std::vector<std::string>{"SOFTWARE"});
    RegCloseKey(key);
}
