// Loading a Today item library: only from an absolute path that no other
// user can change, and only when it has both exports. A refusal says why.
#pragma once

#include <string>

#include "platform/today/TodayProtocol.h"

class ItemLibrary {
public:
    ItemLibrary() = default;
    ~ItemLibrary();
    ItemLibrary(const ItemLibrary&) = delete;
    ItemLibrary& operator=(const ItemLibrary&) = delete;

    // False with Error() set when the library is refused or cannot be loaded.
    bool Load(const std::string& path);
    void Unload();

    InitializeCustomItemFn Initialize() const { return m_initialize; }
    const std::string& Error() const { return m_error; }

private:
    void* m_handle = nullptr;
    InitializeCustomItemFn m_initialize = nullptr;
    CustomItemOptionsDlgProcFn m_options = nullptr;
    std::string m_error;
};

// Why the file must not be loaded, or an empty text: it is not absolute, does
// not exist, or it or its folder can be written by a user other than its
// owner (who must be this user or root).
std::string UnsafeLibraryReason(const std::string& path);
