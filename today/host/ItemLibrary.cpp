#include "today/host/ItemLibrary.h"

#include <dlfcn.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "resources/StringTable.h"

namespace {

std::string WithArgument(int id, const std::string& argument)
{
    std::string text = StringText(id);
    if (const size_t at = text.find("%s"); at != std::string::npos) text.replace(at, 2, argument);
    return text;
}

bool SafeOwnerAndMode(const struct stat& info)
{
    const bool trustedOwner = info.st_uid == geteuid() || info.st_uid == 0;
    return trustedOwner && (info.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

} // namespace

std::string UnsafeLibraryReason(const std::string& path)
{
    const std::filesystem::path file(path);
    if (path.empty() || !file.is_absolute()) return StringText(IDS_TODAY_PATH_NOT_ABSOLUTE);
    struct stat info {};
    if (stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return StringText(IDS_TODAY_PATH_MISSING);
    struct stat folder {};
    if (!SafeOwnerAndMode(info) || stat(file.parent_path().c_str(), &folder) != 0 || !SafeOwnerAndMode(folder))
        return StringText(IDS_TODAY_PATH_WRITABLE);
    return {};
}

ItemLibrary::~ItemLibrary() { Unload(); }

bool ItemLibrary::Load(const std::string& path)
{
    Unload();
    m_error = UnsafeLibraryReason(path);
    if (!m_error.empty()) return false;
    // The code stays mapped after dlclose: objects an item made (a queued
    // event, a thread finishing) may outlive its window by a moment.
    m_handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
    if (m_handle == nullptr) {
        const char* why = dlerror();
        m_error = WithArgument(IDS_TODAY_NOT_A_PLUGIN, why ? why : "");
        return false;
    }
    m_initialize = reinterpret_cast<InitializeCustomItemFn>(dlsym(m_handle, kInitializeCustomItemExport));
    m_options = reinterpret_cast<CustomItemOptionsDlgProcFn>(dlsym(m_handle, kCustomItemOptionsDlgProcExport));
    if (m_initialize && m_options) return true;
    m_error = WithArgument(IDS_TODAY_EXPORT_MISSING,
                           m_initialize ? kCustomItemOptionsDlgProcExport : kInitializeCustomItemExport);
    Unload();
    return false;
}

void ItemLibrary::Unload()
{
    if (m_handle) dlclose(m_handle);
    m_handle = nullptr;
    m_initialize = nullptr;
    m_options = nullptr;
}
