#pragma once
// Interface texts by id, as the interface-text table gives them in the current
// interface language. Windows and services take this callback so that they name
// their captions and messages by id and the table plugs in from outside.

#include <QString>
#include <functional>

namespace velmar {

using TTekstInterfejsu = std::function<QString(int id)>;

// The program's interface texts in the current interface language.
TTekstInterfejsu TekstyProgramu();

// Interface text ids of the file and desktop services' messages.
enum TKomunikat : int {
    kmBrak = 0,
    kmBladKomunikacji = 114, // "Błąd komunikacji !"
    kmBladImportu = 125,
    kmBladEksportu = 126,
    kmBladOtwierania = 130,
    kmBladZapisu = 131,
    kmBladWysylania = 135,
};

// The outcome of an operation whose failure the caller reports with a message.
struct TWynik {
    int Komunikat = kmBrak;

    explicit operator bool() const { return Komunikat == kmBrak; }
};

} // namespace velmar
