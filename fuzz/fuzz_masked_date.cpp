// Key sequences into the masked date field: the text keeps the mask's length
// and always reads back as a date in range.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "editors/MaskedDate.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const QString masks[] = {QStringLiteral("YYYY-MM-DD"), QStringLiteral("MM-DD"), QStringLiteral("YYYY-MM"),
                                    QStringLiteral("MM"), QStringLiteral("DD/MM/YYYY")};
    if (size < 1) return 0;
    const QString& mask = masks[data[0] % 5];
    QString text = RenderMaskedDate(mask, {2009, 5, 5});
    int caret = 0;
    for (size_t i = 1; i + 1 < size; i += 2) {
        caret = static_cast<int>(static_cast<int8_t>(data[i])) % 16;
        const MaskedKeyResult result = TypeIntoMaskedDate(mask, text, caret, QChar(static_cast<char16_t>(data[i + 1])));
        MaskedDate date;
        if (result.text.size() != mask.size() || !ParseMaskedDate(mask, result.text, date) ||
            date.year < kMaskedYearMin || date.year > kMaskedYearMax || date.month < 1 || date.month > 12 ||
            date.day < 1 || date.day > 31 || result.caret < 0 || result.caret > result.text.size())
            std::abort();
        text = result.text;
    }
    return 0;
}
