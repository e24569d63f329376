// A throw-away device directory for one test, chosen for the whole process
// while it lives.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

#include "platform/device/DeviceDirectory.h"

class TempDevice {
public:
    // With `create` false the directory is chosen but not made.
    explicit TempDevice(bool create = true)
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "dayvane-test-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
        m_root = pattern;
        SetDeviceDirectory(m_root / "device");
        if (create) {
            std::string error = EnsureDeviceDirectory();
            if (!error.empty()) throw std::runtime_error(error);
        }
    }
    ~TempDevice()
    {
        SetDeviceDirectory({});
        std::error_code ignored;
        std::filesystem::remove_all(m_root, ignored);
    }
    TempDevice(const TempDevice&) = delete;
    TempDevice& operator=(const TempDevice&) = delete;

    std::filesystem::path Root() const { return m_root; }
    std::filesystem::path Dir() const { return m_root / "device"; }

private:
    std::filesystem::path m_root;
};

inline std::string ReadWholeFile(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteWholeFile(const std::filesystem::path& file, const std::string& bytes)
{
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
}
