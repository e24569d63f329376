#include "bench/BigStoreWeekItems.h"

#include <cstdlib>

#include "agenda/PimWeekItemSource.h"
#include "bench/BigStoreGenerator.h"
#include "pim/session/PimSession.h"

namespace {

// The session lives as long as the source reading it.
class SessionWeekItems : public PimWeekItemSource {
public:
    explicit SessionWeekItems(std::unique_ptr<PimSession> session)
        : PimWeekItemSource(*session), m_session(std::move(session)) {}

private:
    std::unique_ptr<PimSession> m_session;
};

}  // namespace

std::unique_ptr<WeekItemSource> OpenBigStoreWeekItems(const std::filesystem::path& file,
                                                      std::string& error) {
    if (error = MakeBigStore(file); !error.empty()) return nullptr;
    auto session = std::make_unique<PimSession>(file);
    if (!session->OpenPoom(nullptr) || !session->OpenPimDatabases(nullptr)) {
        error = "the store does not open";
        return nullptr;
    }
    return std::make_unique<SessionWeekItems>(std::move(session));
}
