// Remembers how entry bodies were fitted into their cells: a week is laid out
// again after every store change, mostly with the texts it had, and shaping
// thousands of lines again costs more than the rest of the reload.
#pragma once

#include <QString>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <unordered_map>

struct FitRequest {
    QString text;
    uint32_t font = 0;  // which of the painter's fonts
    int firstWidth = 0;
    int laterWidth = 0;  // multiline only
    int reserved = 0;
    bool multiline = false;

    bool operator==(const FitRequest&) const = default;
};

class FittedTextCache {
public:
    // The fitted text for the request, computed by `fit` when not known.
    const QString& Get(const FitRequest& request, const std::function<QString()>& fit);
    // Fonts changed: every fitted text may be wrong now.
    void Clear() { m_fitted.clear(); }
    size_t Size() const { return m_fitted.size(); }

    // Browsing many weeks must not keep every text it passed.
    static constexpr size_t kMaxEntries = 20000;

private:
    struct Hash {
        size_t operator()(const FitRequest& request) const;
    };
    std::unordered_map<FitRequest, QString, Hash> m_fitted;
};
