#pragma once
// The question window seen from the program: one message, one of three button sets,
// the user's answer. The desktop shows TfrmPytanie; tests script the answers.

#include <deque>
#include <vector>

#include "core/app/untUtils.h"

namespace velmar {

enum class TPrzyciski { OK, TakNie, TakNieAnuluj };
enum class TOdpowiedz { OK, Tak, Nie, Anuluj };

class TPytajacy {
public:
    virtual ~TPytajacy() = default;
    virtual TOdpowiedz Zapytaj(const TWide& tekst, TPrzyciski przyciski) = 0;
};

// The question window of this run. Without one installed, every question gets its
// cautious answer (OK, No, Cancel) and nothing is shown.
TPytajacy& Pytanie();
// Installs the question window (not owned); nullptr restores the silent one.
void UstawPytanie(TPytajacy* pytajacy);

// Answers from a script, in order, and remembers what was asked. When the script runs
// out it gives the cautious answer.
class TPytanieSkryptowe : public TPytajacy {
public:
    explicit TPytanieSkryptowe(std::deque<TOdpowiedz> odpowiedzi = {});
    TOdpowiedz Zapytaj(const TWide& tekst, TPrzyciski przyciski) override;

    struct TZadane {
        TWide Tekst;
        TPrzyciski Przyciski;
    };
    const std::vector<TZadane>& Zadane() const { return zadane_; }

private:
    std::deque<TOdpowiedz> odpowiedzi_;
    std::vector<TZadane> zadane_;
};

// The answer given when nobody answers: the one that changes nothing.
TOdpowiedz CautiousAnswer(TPrzyciski przyciski);

} // namespace velmar
