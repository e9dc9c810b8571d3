#include "ui/tools/untFrekwencja.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include "core/app/untPytanie.h"
#include "core/app/untUtils.h"
#include "core/app/untZapisPliku.h"
#include "core/tools/untFrekwencja.h"
#include "ui/app/untNapisy.h"
#include "ui/translator/untPanel.h"

namespace velmar {

namespace {

enum : int {
    kTytul = 1081,
    kAnalizuj = 1082,
    kPrzerwij = 1083,
    kRodzajAnalizy = 1084,
    kPierwszyRodzaj = 1085, // 1085–1089: the five kinds
    kKrokSzukanie = 1090,
    kKrokLaczenie = 1091,
    kKrokSortowanieSzybkiej = 1092,
    kKrokSortowanieZnalezionych = 1093,
    kKrokSortowanieNieZnalezionych = 1094,
    kKoniecAnalizy = 1095,
    kCzasDzialania = 1096,
    kCzasPozostaly = 1097,
    kAnalizaZakonczona = 1098,
    kSzukajZwrotow = 1114,
    kZwrotyOsobno = 1115,
    kNieRozdzielaj = 1116,
    kLaczLitery = 1117,
    kPlikiTekstowe = 1119,
    kZamknij = 25,
};

// The caption and save command of each list, in the order of TLista.
constexpr int kNaglowkiList[] = {1099, 1100, 1110};
constexpr int kZapiszListy[] = {1111, 1113, 1112};

QString Clock(int textId, qint64 milliseconds)
{
    const qint64 seconds = milliseconds / 1000;
    return QString::asprintf(Napis(textId).toUtf8().constData(), static_cast<int>(seconds / 60),
                             static_cast<int>(seconds % 60));
}

QString ListText(const TListaFrekwencji& items, std::uint8_t language)
{
    QString text;
    for (const TPozycjaFrekwencji& item : items)
        text += QString::fromStdU16String(ToWide(item.Text, language)) +
                QStringLiteral(" - %1\n").arg(static_cast<qulonglong>(item.Count));
    return text;
}

} // namespace

TfrmFrekwencja::TfrmFrekwencja(TPanel& source, TTransSlownikOdwolan& forms, TTransSlownikGlowny& main, QWidget* parent)
    : QWidget(parent, Qt::Window), source_(source), forms_(forms), main_(main)
{
    setObjectName("frmFrekwencja");
    setWindowTitle(Napis(kTytul));
    CreateControls();
    zegar_ = new QTimer(this);
    zegar_->setInterval(1000);
    connect(zegar_, &QTimer::timeout, this, [this] { ShowTimes(); });
}

TfrmFrekwencja::~TfrmFrekwencja() = default;

void TfrmFrekwencja::CreateControls()
{
    auto* grid = new QGridLayout(this);
    auto* kinds = new QGroupBox(Napis(kRodzajAnalizy), this);
    kinds->setObjectName("rgpRodzajAnalizy");
    auto* kindsLayout = new QVBoxLayout(kinds);
    grpRodzaj_ = new QButtonGroup(this);
    for (int kind = raStandardowa; kind <= raNazw; ++kind) {
        auto* button = new QRadioButton(Napis(kPierwszyRodzaj + kind), kinds);
        button->setChecked(kind == raStandardowa);
        grpRodzaj_->addButton(button, kind);
        kindsLayout->addWidget(button);
    }
    grid->addWidget(kinds, 0, 0, 4, 1);

    const auto box = [this](int textId, const char* name) {
        auto* check = new QCheckBox(Napis(textId), this);
        check->setObjectName(name);
        return check;
    };
    chbSzukajZwrotow_ = box(kSzukajZwrotow, "chbSzukajZwrotow");
    chbZwrotyOsobno_ = box(kZwrotyOsobno, "chbZwrotyOsobno");
    chbNieRozdzielaj_ = box(kNieRozdzielaj, "chbNieRozdzielaj");
    chbLaczLitery_ = box(kLaczLitery, "chbLaczLitery");
    int row = 0;
    for (QCheckBox* check : {chbSzukajZwrotow_, chbZwrotyOsobno_, chbNieRozdzielaj_, chbLaczLitery_})
        grid->addWidget(check, row++, 1);

    btnAnalizuj_ = new QPushButton(Napis(kAnalizuj), this);
    btnAnalizuj_->setObjectName("btnAnalizuj");
    connect(btnAnalizuj_, &QPushButton::clicked, this, [this] { Analyse(); });
    auto* close = new QPushButton(Napis(kZamknij), this);
    close->setObjectName("btnZamknij");
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    grid->addWidget(btnAnalizuj_, 0, 2);
    grid->addWidget(close, 1, 2);

    lblKrok_ = new QLabel(this);
    lblKrok_->setObjectName("lblKrok");
    lblCzasDzialania_ = new QLabel(this);
    lblCzasPozostaly_ = new QLabel(this);
    grid->addWidget(lblKrok_, 4, 0, 1, 3);
    grid->addWidget(lblCzasDzialania_, 5, 0);
    grid->addWidget(lblCzasPozostaly_, 5, 1);

    for (int list = lsZnalezione; list <= lsNieZnalezione; ++list) {
        auto* caption = new QLabel(Napis(kNaglowkiList[list]), this);
        panes_[list] = new QPlainTextEdit(this);
        panes_[list]->setReadOnly(true);
        panes_[list]->setObjectName(QStringLiteral("memLista%1").arg(list));
        auto* save = new QPushButton(Napis(kZapiszListy[list]), this);
        save->setObjectName(QStringLiteral("btnZapisz%1").arg(list));
        connect(save, &QPushButton::clicked, this, [this, list] { SaveWithDialog(static_cast<TLista>(list)); });
        grid->addWidget(caption, 6, list);
        grid->addWidget(panes_[list], 7, list);
        grid->addWidget(save, 8, list);
    }
}

QRadioButton* TfrmFrekwencja::KindButton(int kind) const
{
    return qobject_cast<QRadioButton*>(grpRodzaj_->button(kind));
}

TOpcjeAnalizy TfrmFrekwencja::Options() const
{
    TOpcjeAnalizy options;
    options.Kind = static_cast<TRodzajAnalizy>(grpRodzaj_->checkedId());
    options.KeepApostrophes = chbNieRozdzielaj_->isChecked();
    options.SearchPhrases = chbSzukajZwrotow_->isChecked();
    options.PhrasesApart = chbZwrotyOsobno_->isChecked();
    options.MergeCase = chbLaczLitery_->isChecked();
    return options;
}

void TfrmFrekwencja::Analyse()
{
    if (running_) {
        stopRequested_ = true;
        return;
    }
    for (QPlainTextEdit* pane : panes_)
        pane->clear();
    SetRunning(true);
    const TOpcjeAnalizy options = Options();
    const std::uint8_t language = source_.Jezyk();
    TFrekwencja analysis(forms_, main_, language, options);
    lblKrok_->setText(Napis(kKrokSzukanie));
    paragraphCount_ = source_.ParagraphCount();
    for (paragraphsDone_ = 0; paragraphsDone_ < paragraphCount_ && !stopRequested_; ++paragraphsDone_) {
        analysis.AddParagraph(source_.ParagraphText(paragraphsDone_));
        QApplication::processEvents();
    }
    const bool quick = options.Kind == raSzybka;
    if (quick && options.MergeCase)
        lblKrok_->setText(Napis(kKrokLaczenie));
    lblKrok_->setText(Napis(quick ? kKrokSortowanieSzybkiej : kKrokSortowanieZnalezionych));
    analysis.Finish();
    if (!quick)
        lblKrok_->setText(Napis(kKrokSortowanieNieZnalezionych));
    // A window closed during the run keeps its panes empty.
    if (isVisible()) {
        panes_[lsZnalezione]->setPlainText(ListText(analysis.Found(), language));
        panes_[lsZwroty]->setPlainText(ListText(analysis.Phrases(), language));
        panes_[lsNieZnalezione]->setPlainText(ListText(analysis.NotFound(), language));
    }
    lblKrok_->setText(Napis(kKoniecAnalizy));
    const bool stopped = stopRequested_;
    SetRunning(false);
    lblCzasPozostaly_->setText(Clock(kCzasPozostaly, 0));
    if (!stopped)
        Pytanie().Zapytaj(Napis(kAnalizaZakonczona).toStdU16String(), TPrzyciski::OK);
}

void TfrmFrekwencja::SetRunning(bool running)
{
    running_ = running;
    stopRequested_ = false;
    btnAnalizuj_->setText(Napis(running ? kPrzerwij : kAnalizuj));
    for (QAbstractButton* button : grpRodzaj_->buttons())
        button->setEnabled(!running);
    if (running) {
        clock_.start();
        ShowTimes();
        zegar_->start();
    } else {
        zegar_->stop();
        ShowTimes();
    }
}

// The time left is the time so far spread over the paragraphs still to count.
void TfrmFrekwencja::ShowTimes()
{
    const qint64 elapsed = clock_.isValid() ? clock_.elapsed() : 0;
    lblCzasDzialania_->setText(Clock(kCzasDzialania, elapsed));
    const int left = paragraphCount_ - paragraphsDone_;
    lblCzasPozostaly_->setText(Clock(kCzasPozostaly, paragraphsDone_ > 0 ? elapsed * left / paragraphsDone_ : 0));
}

bool TfrmFrekwencja::SaveList(TLista list, const QString& file) const
{
    return SaveFileAtomically(file.toStdU16String(), panes_[list]->toPlainText().toStdString());
}

void TfrmFrekwencja::SaveWithDialog(TLista list)
{
    const QString file =
        QFileDialog::getSaveFileName(this, Napis(kZapiszListy[list]), QString(), Napis(kPlikiTekstowe));
    if (!file.isEmpty() && !SaveList(list, file))
        Pytanie().Zapytaj(Napis(131).toStdU16String(), TPrzyciski::OK);
}

// Closing stops a run and forgets the lists.
void TfrmFrekwencja::closeEvent(QCloseEvent* event)
{
    stopRequested_ = running_;
    for (QPlainTextEdit* pane : panes_)
        pane->clear();
    QWidget::closeEvent(event);
}

} // namespace velmar
