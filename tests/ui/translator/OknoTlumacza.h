#pragma once
// The start of a translator window test over the small dictionary: the words are
// written without the marks of unknown, untranslated and ambiguous words, so that the
// target holds the words alone, and the program's questions are answered by a script.

#include <gtest/gtest.h>

#include "MalySlownik.h"
#include "core/app/untPytanie.h"
#include "core/app/untUstawienia.h"
#include "ui/translator/untMain.h"

namespace velmar::test {

class OknoTlumacza : public ::testing::Test {
protected:
    OknoTlumacza()
    {
        Ustawienia().ZaznaczNieznane = false;
        Ustawienia().ZaznaczNieprzetlumaczone = false;
        Ustawienia().ZaznaczWieloznaczne = false;
        UstawPytanie(&questions);
    }
    ~OknoTlumacza() override { UstawPytanie(nullptr); }

    MalySlownik dictionary;
    TPytanieSkryptowe questions;
    TfrmMain window;
};

} // namespace velmar::test
