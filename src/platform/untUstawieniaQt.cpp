#include "platform/untUstawieniaQt.h"

#include <QStandardPaths>

namespace velmar {

namespace {

QString GroupPath(const std::string& key)
{
    return QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()))
        .replace(QLatin1Char('\\'), QLatin1Char('/'));
}

QString ValuePath(const std::string& key, const std::string& name)
{
    return GroupPath(key) + QLatin1Char('/') + QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

} // namespace

TMagazynUstawienQt::TMagazynUstawienQt(const QString& fileName) : settings_(fileName, QSettings::IniFormat)
{
    settings_.setFallbacksEnabled(false);
    settings_.setAtomicSyncRequired(true);
}

QString TMagazynUstawienQt::DefaultFileName()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/velmar/velmar.conf");
}

bool TMagazynUstawienQt::KeyExists(const std::string& key) const
{
    settings_.beginGroup(GroupPath(key));
    const bool exists = !settings_.childKeys().isEmpty() || !settings_.childGroups().isEmpty();
    settings_.endGroup();
    return exists;
}

void TMagazynUstawienQt::DeleteKey(const std::string& key)
{
    settings_.remove(GroupPath(key));
}

std::optional<std::string> TMagazynUstawienQt::ReadString(const std::string& key, const std::string& name) const
{
    const QString path = ValuePath(key, name);
    if (!settings_.contains(path))
        return std::nullopt;
    return settings_.value(path).toString().toStdString();
}

std::optional<int> TMagazynUstawienQt::ReadInteger(const std::string& key, const std::string& name) const
{
    const auto text = ReadString(key, name);
    if (!text)
        return std::nullopt;
    return ParseStoredInteger(*text);
}

void TMagazynUstawienQt::WriteString(const std::string& key, const std::string& name, const std::string& value)
{
    settings_.setValue(ValuePath(key, name), QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size())));
}

void TMagazynUstawienQt::WriteInteger(const std::string& key, const std::string& name, int value)
{
    settings_.setValue(ValuePath(key, name), value);
}

bool TMagazynUstawienQt::Flush()
{
    settings_.sync();
    return settings_.status() == QSettings::NoError;
}

std::string TMagazynUstawienQt::Location() const
{
    return settings_.fileName().toStdString();
}

} // namespace velmar
