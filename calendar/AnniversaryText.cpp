#include "calendar/AnniversaryText.h"

#include "calendar/AnniversaryLine.h"
#include "platform/text/TextEncoding.h"

namespace {

constexpr std::string_view kUtf16LeMark = "\xFF\xFE";

}  // namespace

AnniversaryReadResult AppendAnniversariesFromText(std::string_view text, AnniversaryList& list) {
    AnniversaryReadResult result;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);

        Anniversary record;
        switch (ParseAnniversaryLine(line, record)) {
            case AnniversaryLineKind::kRecord:
                list.Append(std::make_unique<Anniversary>(std::move(record)));
                ++result.records;
                break;
            case AnniversaryLineKind::kMalformed:
                ++result.skippedLines;
                break;
            case AnniversaryLineKind::kIgnored:
                break;
        }
    }
    return result;
}

AnniversaryReadResult AppendAnniversariesFromBytes(std::string_view bytes, AnniversaryList& list) {
    if (bytes.starts_with(kUtf16LeMark)) {
        return AppendAnniversariesFromText(Utf16LeToUtf8(bytes.substr(kUtf16LeMark.size())), list);
    }
    return AppendAnniversariesFromText(Cp949ToUtf8(bytes), list);
}

std::string AnniversaryFileBytes(const AnniversaryList& list) {
    std::string text;
    for (size_t i = 0; i < list.Count(); ++i) {
        text += FormatAnniversaryLine(list.At(i));
        text += "\r\n";
    }
    if (auto cp949 = Utf8ToCp949(text)) return std::move(*cp949);
    return std::string(kUtf16LeMark) + Utf8ToUtf16Le(text);
}
