#include "core/app/untMagazynUstawien.h"

#include <charconv>

namespace velmar {

std::optional<int> ParseStoredInteger(const std::string& text)
{
    std::string_view digits = text;
    int base = 10;
    bool negative = false;
    if (digits.starts_with('-')) {
        negative = true;
        digits.remove_prefix(1);
    }
    if (digits.starts_with("0x") || digits.starts_with("0X")) {
        base = 16;
        digits.remove_prefix(2);
    }
    // Colours are 0x00BBGGRR: read as unsigned so that every 32-bit pattern fits.
    unsigned int value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value, base);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size())
        return std::nullopt;
    if (negative)
        return value <= 2147483648u ? std::optional<int>(static_cast<int>(0u - value)) : std::nullopt;
    return static_cast<int>(value);
}

std::optional<bool> TMagazynUstawien::ReadBool(const std::string& key, const std::string& name) const
{
    const auto value = ReadInteger(key, name);
    if (!value)
        return std::nullopt;
    return *value != 0;
}

void TMagazynUstawien::WriteBool(const std::string& key, const std::string& name, bool value)
{
    WriteInteger(key, name, value ? 1 : 0);
}

bool TMagazynUstawienPamiec::KeyExists(const std::string& key) const
{
    if (keys_.contains(key))
        return true;
    const std::string prefix = key + "\\";
    const auto it = keys_.lower_bound(prefix);
    return it != keys_.end() && it->first.starts_with(prefix);
}

void TMagazynUstawienPamiec::DeleteKey(const std::string& key)
{
    std::erase_if(keys_,
                  [&key](const auto& entry) { return entry.first == key || entry.first.starts_with(key + "\\"); });
}

const TMagazynUstawienPamiec::TWartosc* TMagazynUstawienPamiec::Find(const std::string& key,
                                                                     const std::string& name) const
{
    const auto keyIt = keys_.find(key);
    if (keyIt == keys_.end())
        return nullptr;
    const auto valueIt = keyIt->second.find(name);
    return valueIt == keyIt->second.end() ? nullptr : &valueIt->second;
}

std::optional<std::string> TMagazynUstawienPamiec::ReadString(const std::string& key, const std::string& name) const
{
    const TWartosc* value = Find(key, name);
    if (!value)
        return std::nullopt;
    if (const int* number = std::get_if<int>(value))
        return std::to_string(*number);
    return std::get<std::string>(*value);
}

std::optional<int> TMagazynUstawienPamiec::ReadInteger(const std::string& key, const std::string& name) const
{
    const TWartosc* value = Find(key, name);
    if (!value)
        return std::nullopt;
    if (const int* number = std::get_if<int>(value))
        return *number;
    return ParseStoredInteger(std::get<std::string>(*value));
}

void TMagazynUstawienPamiec::WriteString(const std::string& key, const std::string& name, const std::string& value)
{
    keys_[key][name] = value;
}

void TMagazynUstawienPamiec::WriteInteger(const std::string& key, const std::string& name, int value)
{
    keys_[key][name] = value;
}

} // namespace velmar
