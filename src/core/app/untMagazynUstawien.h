#pragma once
// The settings store: keys named by backslash paths ("SOFTWARE\Orlena\Velmar2\FrPol"),
// each holding named string and integer values and sub-keys. The desktop keeps it in
// an INI file; tests and the command line keep it in memory.

#include <map>
#include <optional>
#include <string>
#include <variant>

namespace velmar {

class TMagazynUstawien {
public:
    virtual ~TMagazynUstawien() = default;

    // True when the key holds a value or a sub-key.
    virtual bool KeyExists(const std::string& key) const = 0;
    // Removes the key with its values and sub-keys.
    virtual void DeleteKey(const std::string& key) = 0;

    virtual std::optional<std::string> ReadString(const std::string& key, const std::string& name) const = 0;
    // Empty when the value is missing or not a whole number.
    virtual std::optional<int> ReadInteger(const std::string& key, const std::string& name) const = 0;
    virtual void WriteString(const std::string& key, const std::string& name, const std::string& value) = 0;
    virtual void WriteInteger(const std::string& key, const std::string& name, int value) = 0;

    // Makes the writes so far durable; false when they could not be stored, in which case
    // what was stored before is left as it was.
    virtual bool Flush() = 0;
    // Where the values are kept, for messages.
    virtual std::string Location() const = 0;

    // Booleans are integers 0 and 1.
    std::optional<bool> ReadBool(const std::string& key, const std::string& name) const;
    void WriteBool(const std::string& key, const std::string& name, bool value);
};

// The store in memory; its contents can be compared.
class TMagazynUstawienPamiec : public TMagazynUstawien {
public:
    using TWartosc = std::variant<std::string, int>;
    using TKlucz = std::map<std::string, TWartosc>;

    bool KeyExists(const std::string& key) const override;
    void DeleteKey(const std::string& key) override;
    std::optional<std::string> ReadString(const std::string& key, const std::string& name) const override;
    std::optional<int> ReadInteger(const std::string& key, const std::string& name) const override;
    void WriteString(const std::string& key, const std::string& name, const std::string& value) override;
    void WriteInteger(const std::string& key, const std::string& name, int value) override;
    bool Flush() override { return true; }
    std::string Location() const override { return "memory"; }

    const std::map<std::string, TKlucz>& Keys() const { return keys_; }
    bool operator==(const TMagazynUstawienPamiec& other) const { return keys_ == other.keys_; }

private:
    const TWartosc* Find(const std::string& key, const std::string& name) const;

    std::map<std::string, TKlucz> keys_;
};

// Reads a whole decimal integer (optionally signed, or 0x hexadecimal).
std::optional<int> ParseStoredInteger(const std::string& text);

} // namespace velmar
