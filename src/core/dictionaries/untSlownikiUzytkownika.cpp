#include "core/dictionaries/untSlownikiUzytkownika.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "core/app/untMagazynUstawien.h"
#include "core/app/untUtils.h"
#include "core/dictionaries/untKod.h"

namespace velmar {

namespace {

std::string EntryKey(const std::string& key, int index)
{
    return key + "\\Slownik" + std::to_string(index);
}

bool SameFile(const std::string& a, const std::string& b)
{
    return WideLower(Utf8ToWide(a)) == WideLower(Utf8ToWide(b));
}

} // namespace

void ApplyFileChange(const TZmianaPliku& change)
{
    std::error_code error;
    if (change.To.empty()) {
        std::filesystem::remove(change.From, error);
        return;
    }
    if (!std::filesystem::exists(change.From, error))
        return;
    try {
        TLinie lines;
        lines.LoadFromFile(change.From);
        lines.SaveToFile(change.To);
        std::filesystem::remove(change.From, error);
    } catch (const std::runtime_error&) {
    }
}

void TSlownikiUzytkownika::ChangeFile(TZmianaPliku change)
{
    if (DeferFileChanges)
        PendingFileChanges.push_back(std::move(change));
    else
        ApplyFileChange(change);
}

const TSlownikUzytkownika* TSlownikiUzytkownika::Item(int index) const
{
    return index >= 0 && index < Count() ? &Items[static_cast<std::size_t>(index)] : nullptr;
}

void TSlownikiUzytkownika::Clear()
{
    Items.clear();
    CurrentIndex = -1;
    LastError = TBladRejestru::Brak;
}

bool TSlownikiUzytkownika::Contains(const std::string& file) const
{
    for (const auto& item : Items)
        if (SameFile(item.FileName, file))
            return true;
    return false;
}

bool TSlownikiUzytkownika::CanCreate(const std::string& file)
{
    std::error_code error;
    if (file.empty() || std::filesystem::exists(file, error))
        return false;
    const bool written = static_cast<bool>(std::ofstream(file, std::ios::binary));
    std::filesystem::remove(file, error);
    return written;
}

bool TSlownikiUzytkownika::Register(const std::string& file, const std::string& description, bool skipCheck)
{
    LastError = TBladRejestru::Brak;
    if (Contains(file)) {
        LastError = TBladRejestru::JuzZarejestrowany;
        return false;
    }
    if (!skipCheck && !CanCreate(file)) {
        LastError = TBladRejestru::NieMoznaUtworzyc;
        return false;
    }
    Items.push_back({file, description, false});
    return true;
}

bool TSlownikiUzytkownika::Change(int index, const std::string& file, const std::string& description)
{
    LastError = TBladRejestru::Brak;
    if (!Item(index))
        return false;
    auto& entry = Items[static_cast<std::size_t>(index)];
    if (!SameFile(entry.FileName, file)) {
        if (Contains(file)) {
            LastError = TBladRejestru::JuzZarejestrowany;
            return false;
        }
        ChangeFile({entry.FileName, file});
        entry.FileName = file;
    }
    entry.Description = description;
    return true;
}

bool TSlownikiUzytkownika::Unregister(int index, bool keepFile)
{
    if (!Item(index))
        return false;
    if (!keepFile)
        ChangeFile({Items[static_cast<std::size_t>(index)].FileName, ""});
    Items.erase(Items.begin() + index);
    if (index == CurrentIndex)
        CurrentIndex = 0;
    else if (index < CurrentIndex)
        --CurrentIndex;
    if (CurrentIndex >= Count())
        CurrentIndex = Count() - 1;
    return true;
}

int TSlownikiUzytkownika::LineCount(const std::filesystem::path& file)
{
    std::error_code error;
    if (!std::filesystem::exists(file, error))
        return 0;
    try {
        TLinie lines;
        lines.LoadFromFile(file);
        return lines.Count();
    } catch (const std::runtime_error&) {
        return -1;
    }
}

void TSlownikiUzytkownika::LoadRegistry(const TMagazynUstawien& store, const std::string& key,
                                        const std::string& defaultFile, const std::string& defaultDescription)
{
    Clear();
    for (int i = 0; store.KeyExists(EntryKey(key, i)); ++i) {
        const std::string entryKey = EntryKey(key, i);
        Items.push_back({store.ReadString(entryKey, "Lokalizacja").value_or(""),
                         store.ReadString(entryKey, "Opis").value_or(""), false});
    }
    if (!Contains(defaultFile))
        Items.insert(Items.begin(), {defaultFile, defaultDescription, true});
    Items.front().IsDefault = true;
    const int current = store.ReadInteger(key, "Biezacy").value_or(0);
    CurrentIndex = current >= 0 && current < Count() ? current : 0;
}

void TSlownikiUzytkownika::SaveRegistry(TMagazynUstawien& store, const std::string& key) const
{
    for (int i = 0; store.KeyExists(EntryKey(key, i)); ++i)
        store.DeleteKey(EntryKey(key, i));
    for (int i = 0; i < Count(); ++i) {
        const auto& item = Items[static_cast<std::size_t>(i)];
        store.WriteString(EntryKey(key, i), "Lokalizacja", item.FileName);
        store.WriteString(EntryKey(key, i), "Opis", item.Description);
    }
    store.WriteInteger(key, "Biezacy", CurrentIndex);
}

} // namespace velmar
