#pragma once
// The answers a host gives when nobody is asked: the first translation, the utterance
// as it stands, no list of more than 1000 interpretations, the first interpretation,
// and no pause after a paragraph. The command line answers so always.

#include "core/engine/untTranslatorHost.h"

namespace velmar {

class TGospodarzBezPytan : public TTranslatorHost {
public:
    void OpenMeaningChoice(TCustomWypowiedzenie&, TCustomWypSlowo&, TOdpowiedziUzytkownika& answers) override;
    void OpenWordChoice(TCustomWypowiedzenie&, TOdpowiedziUzytkownika& answers) override;
    void OpenGridChoice(const std::vector<TKolumnaZnaczen>&, TOdpowiedziUzytkownika& answers) override;
    bool AskManyInterpretations(int) override { return false; }
    void OpenInterpretationChoice(const std::vector<std::string>&, TOdpowiedziUzytkownika& answers) override;
    void PauseAfterParagraph(TOdpowiedziUzytkownika& answers) override;
    void ResumeAfterPause() override {}
};

} // namespace velmar
