// The restriction texts of the object model's Find: terms `[Prop] op value`
// joined by AND, on the item's dates. The text is read here and evaluated in
// memory; it never becomes SQL.
#pragma once

#include <limits>
#include <string>
#include <string_view>
#include <vector>

enum class RestrictionField { Start, End, StartDate, DueDate, DateCompleted };
enum class RestrictionOp { Less, LessEqual, Greater, GreaterEqual, Equal, NotEqual };

struct RestrictionTerm {
    RestrictionField field = RestrictionField::Start;
    RestrictionOp op = RestrictionOp::Equal;
    double value = 0;  // OLE date
};

struct Restriction {
    std::vector<RestrictionTerm> terms;

    bool Uses(RestrictionField field) const;
    // Every term holds for the item whose dates `valueOf` gives.
    template <typename ValueOf>
    bool Matches(ValueOf&& valueOf) const
    {
        for (const RestrictionTerm& term : terms)
            if (!TermHolds(term.op, valueOf(term.field), term.value)) return false;
        return true;
    }
    // The closed range a field's value must lie in to possibly match.
    void Bounds(RestrictionField field, double& low, double& high) const;

    static bool TermHolds(RestrictionOp op, double value, double operand);
};

// Values are OLE dates (optionally marked with a leading '<', as the week
// query writes them, and with '.' or ',' before the decimals) or quoted
// "YYYY-MM-DD[ HH:MM[:SS]]" texts. Returns false with `error` set when the
// text cannot be read.
bool ParseRestriction(std::string_view text, Restriction& restriction, std::string& error);

inline constexpr double kUnboundedLow = -std::numeric_limits<double>::infinity();
inline constexpr double kUnboundedHigh = std::numeric_limits<double>::infinity();
