#include "core/generators/untGenPLReguly.h"

#include "core/app/untUtils.h"

namespace velmar::genpl {

std::string Rewritten(std::string_view s, std::string_view rules)
{
    if (s.empty())
        return {};
    return RewrittenOr(s, rules, {});
}

std::string RewrittenOr(std::string_view s, std::string_view rules, std::string_view fallback)
{
    std::string out;
    if (ApplyEndingRules(s, rules, out))
        return out;
    return std::string(fallback);
}

std::string ValueOf(std::string_view key, std::string_view rules)
{
    return ValueOr(key, rules, {});
}

std::string ValueOr(std::string_view key, std::string_view rules, std::string_view fallback)
{
    std::string value;
    if (RuleValue(key, rules, value))
        return value;
    return std::string(fallback);
}

std::string Inner(std::string s, std::string_view rules, int width)
{
    ApplyInnerRule(rules, width, s);
    return s;
}

std::string InsertBeforeLastConsonant(std::string s, std::string_view insert)
{
    if (const int pos = LastConsonantPos(s); pos > 0)
        s.insert(static_cast<std::size_t>(pos - 1), insert);
    return s;
}

std::string Wrapped(std::string_view prefix, const std::string& form, std::string_view tail)
{
    if (form.empty())
        return form;
    std::string out(prefix);
    out += form;
    out += tail;
    return out;
}

} // namespace velmar::genpl
