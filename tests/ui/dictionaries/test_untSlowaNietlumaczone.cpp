#include "ui/dictionaries/untSlowaNietlumaczone.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>

#include "core/app/untStale.h"
#include "core/dictionaries/untTransSlownikiTypy.h"

namespace velmar {
namespace {

TEST(UntranslatableWordsWindow, WordsStaySortedAndAreDeleted)
{
    TLinie lines;
    TTransSlownikNieTlum words(jezFrancuski, jezPolski);
    words.Attach(&lines);
    TfrmSlowaNietlumaczone window(words);
    for (const char* word : {"  Velmar ", "Linux", "Velmar"}) {
        window.edtSlowo_->setText(word);
        window.Dodaj();
        EXPECT_TRUE(window.edtSlowo_->text().isEmpty());
    }
    ASSERT_EQ(window.lsbSlowa_->count(), 2);
    EXPECT_EQ(window.lsbSlowa_->item(0)->text(), "Linux");
    EXPECT_EQ(window.lsbSlowa_->currentRow(), 1) << "the word typed again is selected";

    window.lsbSlowa_->setCurrentRow(0);
    window.Usun();
    EXPECT_EQ(words.Count(), 1);
    EXPECT_EQ(words.WordAt(0), "Velmar");
    EXPECT_EQ(window.lsbSlowa_->count(), 1);
}

} // namespace
} // namespace velmar
