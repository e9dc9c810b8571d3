#include "core/engine/untGospodarzBezPytan.h"

#include "core/engine/untOdpowiedziUzytkownika.h"

namespace velmar {

void TGospodarzBezPytan::OpenMeaningChoice(TCustomWypowiedzenie&, TCustomWypSlowo&, TOdpowiedziUzytkownika& answers)
{
    answers.AnswerWord(0);
}

void TGospodarzBezPytan::OpenWordChoice(TCustomWypowiedzenie&, TOdpowiedziUzytkownika& answers)
{
    answers.Continue();
}

void TGospodarzBezPytan::OpenGridChoice(const std::vector<TKolumnaZnaczen>&, TOdpowiedziUzytkownika& answers)
{
    answers.Continue();
}

void TGospodarzBezPytan::OpenInterpretationChoice(const std::vector<std::string>&, TOdpowiedziUzytkownika& answers)
{
    answers.AnswerInterpretation(0);
}

void TGospodarzBezPytan::PauseAfterParagraph(TOdpowiedziUzytkownika& answers)
{
    answers.Continue();
}

} // namespace velmar
