#pragma once
// The splash window shown while the dictionaries load.

#include <QWidget>
#include <filesystem>

class QLabel;

namespace velmar {

class TfrmWinieta : public QWidget {
    Q_OBJECT
public:
    // Shows picture when the file exists, else a plain caption at the designed size.
    explicit TfrmWinieta(const std::filesystem::path& picture, QWidget* parent = nullptr);

    bool ShowsPicture() const { return showsPicture_; }
    // Shows the window centred on the screen and paints it at once.
    void ShowNow();

private:
    bool showsPicture_ = false;
};

} // namespace velmar
