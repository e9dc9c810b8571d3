#pragma once
// Document conversion through LibreOffice in headless mode, when `soffice` is on the
// PATH. Each run has a time limit; all runs of this process share one private user
// profile, so a LibreOffice the user has open is neither used nor disturbed.

#include <QString>

namespace velmar {

class TLibreOffice {
public:
    static constexpr int kLimitCzasuMs = 120'000;

    // The program, or an empty string when it is not installed.
    static QString Program();
    static bool Available() { return !Program().isEmpty(); }

    // Converts input into outputFolder; format is LibreOffice's "extension[:filter]".
    // HTML is read with Writer's own filter, since the web view exports nothing.
    // Returns the converted file, or an empty string on failure or timeout.
    static QString Convert(const QString& input, const QString& format, const QString& outputFolder,
                           int timeLimitMs = kLimitCzasuMs);
};

} // namespace velmar
