#pragma once
// The dictionary window: a headword box and list on the left, the entry on the right.

#include <QMainWindow>

class QLineEdit;
class QListWidget;
class QTextBrowser;

namespace velmar {

class TfrmSlownikZew : public QMainWindow {
    Q_OBJECT
public:
    explicit TfrmSlownikZew(QWidget* parent = nullptr);
    ~TfrmSlownikZew() override;

    QLineEdit* HeadwordBox() const { return edtHaslo_; }
    QListWidget* HeadwordList() const { return lsbHasla_; }
    QTextBrowser* EntryView() const { return redHaslo_; }

    // Sets the caption of the window for the current direction.
    void UpdateTitle();
    // Every caption again in the interface language (captions-refreshed listener).
    void RefreshCaptions();

private:
    void CreateMenus();

    QLineEdit* edtHaslo_ = nullptr;
    QListWidget* lsbHasla_ = nullptr;
    QTextBrowser* redHaslo_ = nullptr;
    int captionsListener_ = 0;
};

} // namespace velmar
