#pragma once
// The dictionary pane beside the translator's panes: the dictionary entry of the word
// at the source caret, with the words shown last (most recent first, at most 20).

#include <QWidget>
#include <deque>
#include <memory>
#include <string>

class QTextBrowser;
class QTextEdit;

namespace velmar {

class TWidokHasla;

class TPanelSlownika : public QWidget {
    Q_OBJECT
public:
    static constexpr std::size_t kHistoria = 20;

    explicit TPanelSlownika(QWidget* parent);
    ~TPanelSlownika() override;

    // Shows the entry of word (8-bit, source language) unless it is the word shown last;
    // false when nothing changed.
    bool ShowWord(const std::string& word);
    void Clear();

    QTextBrowser* View() const { return redTransSlownik_; }
    const std::deque<std::string>& History() const { return historia_; }

private:
    QTextBrowser* redTransSlownik_;
    QTextEdit* workCopy_;
    std::unique_ptr<TWidokHasla> widok_;
    std::deque<std::string> historia_;
};

} // namespace velmar
