#include "core/app/untPytanie.h"

namespace velmar {

TOdpowiedz CautiousAnswer(TPrzyciski przyciski)
{
    switch (przyciski) {
    case TPrzyciski::OK: return TOdpowiedz::OK;
    case TPrzyciski::TakNie: return TOdpowiedz::Nie;
    case TPrzyciski::TakNieAnuluj: return TOdpowiedz::Anuluj;
    }
    return TOdpowiedz::Anuluj;
}

namespace {

class TPytanieCiche : public TPytajacy {
public:
    TOdpowiedz Zapytaj(const TWide&, TPrzyciski przyciski) override { return CautiousAnswer(przyciski); }
};

TPytajacy*& Zainstalowane()
{
    static TPytajacy* pytajacy = nullptr;
    return pytajacy;
}

} // namespace

TPytajacy& Pytanie()
{
    static TPytanieCiche ciche;
    TPytajacy* pytajacy = Zainstalowane();
    return pytajacy ? *pytajacy : ciche;
}

void UstawPytanie(TPytajacy* pytajacy)
{
    Zainstalowane() = pytajacy;
}

TPytanieSkryptowe::TPytanieSkryptowe(std::deque<TOdpowiedz> odpowiedzi) : odpowiedzi_(std::move(odpowiedzi)) {}

TOdpowiedz TPytanieSkryptowe::Zapytaj(const TWide& tekst, TPrzyciski przyciski)
{
    zadane_.push_back({tekst, przyciski});
    if (odpowiedzi_.empty())
        return CautiousAnswer(przyciski);
    const TOdpowiedz odpowiedz = odpowiedzi_.front();
    odpowiedzi_.pop_front();
    return odpowiedz;
}

} // namespace velmar
