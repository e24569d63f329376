// An iCalendar text read on a thread of its own while the caller stores what
// has been read so far: a large import then takes about as long as the longer
// of reading and storing instead of their sum.
#pragma once

#include <condition_variable>
#include <deque>
#include <mutex>
#include <string_view>
#include <thread>

#include "pim/session/IcalReader.h"

class IcalReadAhead {
public:
    // `text` must outlive this object.
    explicit IcalReadAhead(std::string_view text);
    ~IcalReadAhead();
    IcalReadAhead(const IcalReadAhead&) = delete;
    IcalReadAhead& operator=(const IcalReadAhead&) = delete;

    // The next item in file order; null once the whole text is read. An item
    // stays valid as long as this object.
    const ImportedItem* Next();

    // Once Next gave null: every item read, in file order, and the rest of
    // the reading (notes, items left out, calendar properties, error).
    const std::deque<ImportedItem>& Items() const { return m_items; }
    IcalReading& Reading() { return m_reading; }

private:
    void Read(std::string_view text);

    std::mutex m_mutex;
    std::condition_variable m_ready;
    std::deque<ImportedItem> m_items;  // grows at the back only, so handed-out items stay put
    size_t m_handed = 0;
    bool m_done = false;
    IcalReading m_reading;
    std::thread m_thread;  // last: started once everything above exists
};
