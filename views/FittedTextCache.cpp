#include "views/FittedTextCache.h"

#include <QHashFunctions>

size_t FittedTextCache::Hash::operator()(const FitRequest& request) const
{
    return qHashMulti(0, request.text, request.font, request.firstWidth, request.laterWidth,
                      request.reserved, request.multiline);
}

const QString& FittedTextCache::Get(const FitRequest& request, const std::function<QString()>& fit)
{
    if (const auto known = m_fitted.find(request); known != m_fitted.end())
        return known->second;
    if (m_fitted.size() >= kMaxEntries)
        m_fitted.clear();
    return m_fitted.emplace(request, fit()).first->second;
}
