#pragma once
// Everything a settings object writes, captured in an in-memory store so that two
// settings objects can be compared value by value. The settings keep the snapshot's
// store afterwards.

#include <memory>

#include "core/app/untUstawienia.h"

namespace velmar::test {

inline TMagazynUstawienPamiec SettingsSnapshot(TTransUstawienia& settings)
{
    auto memory = std::make_unique<TMagazynUstawienPamiec>();
    auto* snapshot = memory.get();
    settings.SetStore(std::move(memory));
    settings.SaveTranslatorSettings();
    return *snapshot;
}

} // namespace velmar::test
