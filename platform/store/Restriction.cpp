#include "platform/store/Restriction.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "platform/store/OleTime.h"

namespace {

constexpr size_t kMaxTextLength = 4096;
constexpr size_t kMaxTerms = 64;
// Two dates closer than this are the same moment (dates are kept to seconds).
constexpr double kSameMoment = 0.5 / 86400.0;

struct FieldName {
    const char* name;
    RestrictionField field;
};

constexpr FieldName kFields[] = {
    {"start", RestrictionField::Start},
    {"end", RestrictionField::End},
    {"startdate", RestrictionField::StartDate},
    {"duedate", RestrictionField::DueDate},
    {"datecompleted", RestrictionField::DateCompleted},
};

bool SameText(std::string_view text, const char* lower)
{
    size_t i = 0;
    for (; i < text.size() && lower[i]; ++i)
        if (std::tolower(static_cast<unsigned char>(text[i])) != lower[i]) return false;
    return i == text.size() && lower[i] == '\0';
}

class Reader {
public:
    explicit Reader(std::string_view text) : m_text(text) {}

    bool Parse(Restriction& restriction, std::string& error)
    {
        restriction.terms.clear();
        SkipSpace();
        if (AtEnd()) return Fail("빈 조건입니다", error);
        for (;;) {
            RestrictionTerm term;
            if (!ReadField(term.field, error) || !ReadOperator(term.op, error) || !ReadValue(term.value, error))
                return false;
            if (restriction.terms.size() == kMaxTerms) return Fail("조건이 너무 많습니다", error);
            restriction.terms.push_back(term);
            SkipSpace();
            if (AtEnd()) return true;
            if (!ReadKeyword("and")) return Fail("AND가 와야 합니다", error);
            SkipSpace();
        }
    }

private:
    bool AtEnd() const { return m_pos >= m_text.size(); }
    char Peek() const { return AtEnd() ? '\0' : m_text[m_pos]; }

    void SkipSpace()
    {
        while (!AtEnd() && std::isspace(static_cast<unsigned char>(m_text[m_pos]))) ++m_pos;
    }

    bool Fail(const char* what, std::string& error) const
    {
        error = std::string(what) + " (" + std::to_string(m_pos + 1) + "번째 글자)";
        return false;
    }

    bool ReadKeyword(const char* lower)
    {
        const size_t length = std::char_traits<char>::length(lower);
        if (m_pos + length > m_text.size() || !SameText(m_text.substr(m_pos, length), lower)) return false;
        const size_t after = m_pos + length;
        if (after < m_text.size() && std::isalnum(static_cast<unsigned char>(m_text[after]))) return false;
        m_pos = after;
        return true;
    }

    bool ReadField(RestrictionField& field, std::string& error)
    {
        if (Peek() != '[') return Fail("[속성]이 와야 합니다", error);
        const size_t close = m_text.find(']', m_pos);
        if (close == std::string_view::npos) return Fail("]가 없습니다", error);
        const std::string_view name = m_text.substr(m_pos + 1, close - m_pos - 1);
        for (const FieldName& known : kFields) {
            if (SameText(name, known.name)) {
                field = known.field;
                m_pos = close + 1;
                SkipSpace();
                return true;
            }
        }
        return Fail("알 수 없는 속성입니다", error);
    }

    bool ReadOperator(RestrictionOp& op, std::string& error)
    {
        const char first = Peek();
        const char second = m_pos + 1 < m_text.size() ? m_text[m_pos + 1] : '\0';
        size_t length = 1;
        if (first == '<' && second == '=') { op = RestrictionOp::LessEqual; length = 2; }
        else if (first == '<' && second == '>') { op = RestrictionOp::NotEqual; length = 2; }
        else if (first == '>' && second == '=') { op = RestrictionOp::GreaterEqual; length = 2; }
        else if (first == '<') op = RestrictionOp::Less;
        else if (first == '>') op = RestrictionOp::Greater;
        else if (first == '=') op = RestrictionOp::Equal;
        else return Fail("비교 연산자가 와야 합니다", error);
        m_pos += length;
        SkipSpace();
        return true;
    }

    bool ReadValue(double& value, std::string& error)
    {
        if (Peek() == '"') return ReadQuotedDate(value, error);
        if (Peek() == '<') ++m_pos;
        const size_t begin = m_pos;
        if (Peek() == '-' || Peek() == '+') ++m_pos;
        while (!AtEnd() && (std::isdigit(static_cast<unsigned char>(Peek())) || Peek() == '.' || Peek() == ',')) ++m_pos;
        std::string number(m_text.substr(begin, m_pos - begin));
        if (!number.empty() && number[0] == '+') number.erase(0, 1);
        for (char& c : number)
            if (c == ',') c = '.';
        const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
        if (number.empty() || ec != std::errc() || end != number.data() + number.size() || !std::isfinite(value)) {
            m_pos = begin;
            return Fail("날짜 값을 읽을 수 없습니다", error);
        }
        return true;
    }

    bool ReadQuotedDate(double& value, std::string& error)
    {
        const size_t close = m_text.find('"', m_pos + 1);
        if (close == std::string_view::npos) return Fail("따옴표가 닫히지 않았습니다", error);
        const std::string text(m_text.substr(m_pos + 1, close - m_pos - 1));
        int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, used = 0;
        const int fields = std::sscanf(text.c_str(), "%4d-%2d-%2d%n %2d:%2d%n:%2d%n", &year, &month, &day, &used, &hour,
                                       &minute, &used, &second, &used);
        const bool shapeOk = (fields == 3 || fields == 5 || fields == 6) && size_t(used) == text.size();
        const auto date = shapeOk ? OleFromFields(year, month, day, hour, minute, second) : std::nullopt;
        if (!date) return Fail("날짜 값을 읽을 수 없습니다", error);
        value = *date;
        m_pos = close + 1;
        return true;
    }

    std::string_view m_text;
    size_t m_pos = 0;
};

} // namespace

bool Restriction::Uses(RestrictionField field) const
{
    for (const RestrictionTerm& term : terms)
        if (term.field == field) return true;
    return false;
}

bool Restriction::TermHolds(RestrictionOp op, double value, double operand)
{
    const bool same = std::fabs(value - operand) < kSameMoment;
    switch (op) {
    case RestrictionOp::Less: return value < operand && !same;
    case RestrictionOp::LessEqual: return value < operand || same;
    case RestrictionOp::Greater: return value > operand && !same;
    case RestrictionOp::GreaterEqual: return value > operand || same;
    case RestrictionOp::Equal: return same;
    case RestrictionOp::NotEqual: return !same;
    }
    return false;
}

void Restriction::Bounds(RestrictionField field, double& low, double& high) const
{
    low = kUnboundedLow;
    high = kUnboundedHigh;
    for (const RestrictionTerm& term : terms) {
        if (term.field != field) continue;
        switch (term.op) {
        case RestrictionOp::Less:
        case RestrictionOp::LessEqual: high = std::min(high, term.value); break;
        case RestrictionOp::Greater:
        case RestrictionOp::GreaterEqual: low = std::max(low, term.value); break;
        case RestrictionOp::Equal:
            low = std::max(low, term.value);
            high = std::min(high, term.value);
            break;
        case RestrictionOp::NotEqual: break;
        }
    }
}

bool ParseRestriction(std::string_view text, Restriction& restriction, std::string& error)
{
    if (text.size() > kMaxTextLength) {
        error = "조건이 너무 깁니다";
        return false;
    }
    return Reader(text).Parse(restriction, error);
}
