#pragma once
// The bundled data set of one translation direction, loaded once per fuzzing process
// from the program folder (VELMAR_DATA_DIR overrides it), for the targets that run the
// engine on arbitrary text.

#include <cstdint>
#include <memory>

#include "core/app/untFoldery.h"
#include "core/app/untStaleApp.h"
#include "core/dictionaries/untSlowniki.h"
#include "core/engine/untTransWypSlownikiRobocze.h"
#include "core/engine/untTransWypTypy.h"

namespace velmar::fuzz {

struct TKierunek {
    TWartosciProgramu Program;
    std::unique_ptr<TSlowniki> Dictionaries;
    std::unique_ptr<TSlownikiRobocze> Worker;

    TKontekstWypowiedzi Context() const
    {
        TKontekstWypowiedzi context;
        context.SourceLanguage = Program.SourceLanguage;
        context.TargetLanguage = Program.TargetLanguage;
        context.WorkingMode = Program.WorkingMode;
        context.Dictionaries = Worker.get();
        return context;
    }
};

// French→Polish for an even selector, Polish→French for an odd one. Aborts when the
// main dictionary is missing: fuzzing the engine without words finds nothing.
inline const TKierunek& Direction(std::uint8_t selector)
{
    static TKierunek directions[2];
    TKierunek& d = directions[selector % 2];
    if (d.Dictionaries)
        return d;
    ApplyWorkingMode(d.Program, ChooseWorkingMode(selector % 2 == 1 ? "/transpl" : ""));
    d.Dictionaries = std::make_unique<TSlowniki>(Foldery());
    d.Dictionaries->LoadDictionaries(d.Program, false, ProductFile(tabele::UserDictionary, d.Program.WorkingMode),
                                     true);
    if (d.Dictionaries->Main.Count() == 0)
        __builtin_trap();
    d.Worker = std::make_unique<TSlownikiRobocze>(*d.Dictionaries, d.Program.SourceLanguage);
    return d;
}

} // namespace velmar::fuzz
