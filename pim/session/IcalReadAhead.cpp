#include "pim/session/IcalReadAhead.h"

#include <exception>

IcalReadAhead::IcalReadAhead(std::string_view text) : m_thread([this, text] { Read(text); }) {}

IcalReadAhead::~IcalReadAhead() { m_thread.join(); }

void IcalReadAhead::Read(std::string_view text)
{
    IcalReading reading;
    try {
        reading = ReadIcal(text, [this](ImportedItem&& item) {
            {
                std::lock_guard lock(m_mutex);
                m_items.push_back(std::move(item));
            }
            m_ready.notify_one();
        });
    } catch (const std::exception& e) {
        // Out of memory, most likely: what was read so far is not the file.
        reading.error = e.what();
    }
    {
        std::lock_guard lock(m_mutex);
        m_reading = std::move(reading);
        m_done = true;
    }
    m_ready.notify_one();
}

const ImportedItem* IcalReadAhead::Next()
{
    std::unique_lock lock(m_mutex);
    m_ready.wait(lock, [this] { return m_handed < m_items.size() || m_done; });
    if (m_handed < m_items.size()) return &m_items[m_handed++];
    return nullptr;
}
