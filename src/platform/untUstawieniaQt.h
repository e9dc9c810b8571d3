#pragma once
// The settings store in an INI file (by default ~/.config/velmar/velmar.conf). Each key
// path "SOFTWARE\Orlena\Velmar2\FrPol" becomes the group path
// "SOFTWARE/Orlena/Velmar2/FrPol"; value names are kept as they are.

#include <QSettings>
#include <QString>

#include "core/app/untMagazynUstawien.h"

namespace velmar {

class TMagazynUstawienQt : public TMagazynUstawien {
public:
    explicit TMagazynUstawienQt(const QString& fileName = DefaultFileName());

    // ~/.config/velmar/velmar.conf, or the same under $XDG_CONFIG_HOME.
    static QString DefaultFileName();

    bool KeyExists(const std::string& key) const override;
    void DeleteKey(const std::string& key) override;
    std::optional<std::string> ReadString(const std::string& key, const std::string& name) const override;
    std::optional<int> ReadInteger(const std::string& key, const std::string& name) const override;
    void WriteString(const std::string& key, const std::string& name, const std::string& value) override;
    void WriteInteger(const std::string& key, const std::string& name, int value) override;
    // QSettings replaces the file atomically; a failed write leaves the old file.
    bool Flush() override;
    std::string Location() const override;

private:
    mutable QSettings settings_;
};

} // namespace velmar
