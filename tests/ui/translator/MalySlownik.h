#pragma once
// A French–Polish dictionary of three words attached to the program's dictionaries
// for the life of a test: "temps" and "beau" have two translations each, "chat" one.

#include <array>
#include <utility>

#include "core/app/untStale.h"
#include "core/dictionaries/untSlowniki.h"
#include "core/dictionaries/untZrodlaDanych.h"

namespace velmar::test {

class MalySlownik {
public:
    MalySlownik()
    {
        main_.Assign(BuildStoredLines("beau_#7 piękny *7 , ładny *7\n"
                                      "chat_#1 kot *2408\n"
                                      "temps_#1 czas *141 , pogoda *343\n",
                                      *MakeDictionaryOfKind("main", jezFrancuski)));
        forms_.Assign(BuildStoredLines("beau\\{{051}}beau\nchat\\{{001}}chat\ntemps\\{{002}}temps\n",
                                       *MakeDictionaryOfKind("forms", jezFrancuski)));
        for (const auto& [dictionary, lines] : Attached()) {
            dictionary->SetSourceLanguage(jezFrancuski);
            dictionary->SetTargetLanguage(lines == &forms_ ? jezFrancuski : jezPolski);
            dictionary->Attach(lines);
        }
    }
    ~MalySlownik()
    {
        for (const auto& [dictionary, lines] : Attached())
            dictionary->Attach(nullptr);
    }
    MalySlownik(const MalySlownik&) = delete;
    MalySlownik& operator=(const MalySlownik&) = delete;

private:
    std::array<std::pair<TTransSlownik*, TLinie*>, 3> Attached()
    {
        return {{{&Slowniki().Main, &main_}, {&Slowniki().MainWorker, &main_}, {&Slowniki().FormsWorker, &forms_}}};
    }

    TLinie main_, forms_;
};

} // namespace velmar::test
