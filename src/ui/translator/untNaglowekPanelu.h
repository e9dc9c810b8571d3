#pragma once
// The header above a pane: the flag of the pane's language and the caption with the
// language's name and the document's name, starred while the document is modified.

#include <QWidget>
#include <cstdint>

class QLabel;

namespace velmar {

class TNaglowekPanelu : public QWidget {
    Q_OBJECT
public:
    TNaglowekPanelu(const QString& objectName, QWidget* parent);

    void SetLanguage(std::uint8_t language);
    void SetCaption(const QString& caption);
    QString Caption() const;

private:
    QLabel* flag_;
    QLabel* caption_;
};

// "FRANCUSKI  [list.rtf *]": the language's name in capitals and the document's name.
QString PaneCaption(const QString& languageName, const QString& documentName, bool modified);

} // namespace velmar
