// Saves killed part-way: a child process saves a user dictionary, the sentence archive,
// the notes or a document over an older version and is killed with SIGKILL at points
// spread over the save. Each time the file must be the old version or the new one,
// whole, and the temporary file a killed save leaves is removed at the next start.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QString>
#include <chrono>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <thread>

#include "core/app/untStale.h"
#include "core/app/untZapisPliku.h"
#include "core/browser/untNotatki.h"
#include "core/dictionaries/untArchiwumRekord.h"
#include "core/dictionaries/untKod.h"
#include "core/document/untTekstFormatowany.h"
#include "platform/untConverters.h"
#include "support/TempFolder.h"

namespace velmar {
namespace {

using Clock = std::chrono::steady_clock;
constexpr int kKillsPerKind = 100;

// A kind of file: Prepare(file, version) builds that version in memory and returns
// the save of it, so that the kills spread over the save itself.
using TZapis = std::function<void()>;
using TPrzygotowanie = std::function<TZapis(const std::filesystem::path&, int version)>;

// A scrambled line list of a third of a megabyte, saved the way the dictionaries save theirs.
TZapis LinesSave(const std::filesystem::path& file, int version, int keyRow, const std::string& line)
{
    auto lines = std::make_shared<TLinie>();
    std::vector<std::string> stored;
    for (int i = 0; i < 8000 + version * 500; ++i)
        stored.push_back(EncodeLine(line + std::to_string(version) + "_" + std::to_string(i), keyRow));
    lines->Assign(std::move(stored));
    return [lines, file] { lines->SaveToFile(file); };
}

TZapis UserDictionarySave(const std::filesystem::path& file, int version)
{
    return LinesSave(file, version, kKeyRowUser, "maison_#1 dom *41 , budynek *41 ");
}

TZapis ArchiveSave(const std::filesystem::path& file, int version)
{
    std::string record = "Il fait beau aujourd'hui.";
    record += kArchiwumSeparatorKlucza;
    record += "Dzisiaj jest ladnie.";
    return LinesSave(file, version, kKeyRowAuxiliary, record);
}

TZapis NotesSave(const std::filesystem::path& file, int version)
{
    // Few headwords with long notes: adding a headword looks through those before it.
    auto notes = std::make_shared<TNotatki>();
    const std::string note = "note " + std::to_string(version) + "\n" + std::string(1000, 'x');
    for (int i = 0; i < 300 + version * 50; ++i)
        notes->SetNote(notes->Add("mot" + std::to_string(i)), note);
    return [notes, file] {
        if (!notes->Save(file))
            throw std::runtime_error("notes not saved");
    };
}

TZapis DocumentSave(const std::filesystem::path& file, int version)
{
    auto document = std::make_shared<TTekstFormatowany>();
    for (int i = 0; i < 4000 + version * 500; ++i)
        document->Akapity.emplace_back().Dopisz(
            u"Paragraphe " + std::u16string(1, char16_t(u'A' + version)) + u" du document.", {});
    return [document, file] {
        if (!SaveDocumentFile(*document, QString::fromStdString(file.string()), tpRtf, jezFrancuski))
            throw std::runtime_error("document not saved");
    };
}

struct TRodzaj {
    const char* Name;
    const char* File;
    TPrzygotowanie Prepare;
};

// Starts a child that saves and ends; returns its process id.
pid_t StartSaving(const TZapis& save)
{
    const pid_t child = fork();
    if (child == 0) {
        try {
            save();
        } catch (...) {
            _exit(1);
        }
        _exit(0);
    }
    return child;
}

int WaitFor(pid_t child)
{
    int status = 0;
    waitpid(child, &status, 0);
    return status;
}

class KilledMidSaveSlow : public ::testing::TestWithParam<TRodzaj> {};

TEST_P(KilledMidSaveSlow, LeavesTheOldFileOrTheNewOneWhole)
{
    const TRodzaj& kind = GetParam();
    test::TempFolder folder;
    const auto file = folder / kind.File;
    const TZapis saveOlder = kind.Prepare(file, 1);
    const TZapis saveNewer = kind.Prepare(file, 2);
    saveNewer();
    const std::string newer = test::TempFolder::Read(file);
    saveOlder();
    const std::string older = test::TempFolder::Read(file);
    ASSERT_NE(older, newer);

    // How long a whole save takes from the fork, so that the kills spread over it.
    const auto began = Clock::now();
    ASSERT_EQ(WaitFor(StartSaving(saveNewer)), 0);
    const long saveMicroseconds = std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - began).count();

    std::mt19937 random(29);
    std::uniform_int_distribution<long> delay(0, saveMicroseconds);
    int killedBefore = 0, killedAfter = 0;
    for (int kill = 0; kill < kKillsPerKind; ++kill) {
        if (test::TempFolder::Read(file) != older)
            folder.Write(kind.File, older);
        const pid_t child = StartSaving(saveNewer);
        std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
        ::kill(child, SIGKILL);
        WaitFor(child);

        ASSERT_TRUE(std::filesystem::is_regular_file(file)) << "kill " << kill;
        const std::string now = test::TempFolder::Read(file);
        ASSERT_TRUE(now == older || now == newer)
            << "kill " << kill << ": " << now.size() << " bytes, old " << older.size() << ", new " << newer.size();
        ++(now == older ? killedBefore : killedAfter);

        RemoveLeftoverTemporaries(folder.Path());
        for (const auto& entry : std::filesystem::directory_iterator(folder.Path()))
            ASSERT_EQ(entry.path(), file) << "left after the next start, kill " << kill;
    }
    // The kills landed both before the new file was in place and after.
    EXPECT_GT(killedBefore, 0);
    EXPECT_GT(killedAfter, 0);
}

INSTANTIATE_TEST_SUITE_P(Saves, KilledMidSaveSlow,
                         ::testing::Values(TRodzaj{"user_dictionary", "frpol2.su", UserDictionarySave},
                                           TRodzaj{"archive", "frpol2.sa", ArchiveSave},
                                           TRodzaj{"notes", "frpol.not", NotesSave},
                                           TRodzaj{"document", "document.rtf", DocumentSave}),
                         [](const auto& info) { return std::string(info.param.Name); });

} // namespace
} // namespace velmar
