#include "ui/tools/untPisowniaOpcje.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>
#include <span>

#include "core/app/untUstawienia.h"
#include "ui/app/untNapisy.h"

namespace velmar {

namespace {

enum : int {
    kTytul = 1021,
    kIgnoruj = 1022,
    kSzukajPropozycji = 1026,
    kZatwierdz = 24,
    kAnuluj = 23,
};

struct TOpcja {
    bool TOpcjeUstawien::*Field;
    int TextId;
    const char* Name;
};

// The options by group: the ignore rules (texts 1023–1025), then the dictionaries of
// the proposals (1027–1029).
constexpr TOpcja kIgnorowane[] = {{&TOpcjeUstawien::IgnorujWielkimi, 1023, "chbIgnorujWielkimi"},
                                  {&TOpcjeUstawien::IgnorujZCyframi, 1024, "chbIgnorujZCyframi"},
                                  {&TOpcjeUstawien::IgnorujPowtorzone, 1025, "chbIgnorujPowtorzone"}};
constexpr TOpcja kPropozycje[] = {{&TOpcjeUstawien::ProponujZSG, 1027, "chbProponujZSG"},
                                  {&TOpcjeUstawien::ProponujZSO, 1028, "chbProponujZSO"},
                                  {&TOpcjeUstawien::ProponujZSU, 1029, "chbProponujZSU"}};

} // namespace

TfrmPisowniaOpcje::TfrmPisowniaOpcje(TOpcjeUstawien& settings, QWidget* parent) : QDialog(parent), settings_(settings)
{
    setObjectName("frmPisowniaOpcje");
    setWindowTitle(Napis(kTytul));
    auto* layout = new QVBoxLayout(this);
    for (const auto& [groupId, options] :
         {std::pair{kIgnoruj, std::span(kIgnorowane)}, std::pair{kSzukajPropozycji, std::span(kPropozycje)}}) {
        auto* group = new QGroupBox(this);
        PrzypiszNapis(group, groupId);
        auto* groupLayout = new QVBoxLayout(group);
        for (const TOpcja& option : options) {
            auto* box = new QCheckBox(group);
            box->setObjectName(option.Name);
            PrzypiszNapis(box, option.TextId);
            box->setChecked(settings_.*option.Field);
            groupLayout->addWidget(box);
            boxes_.push_back(box);
        }
        layout->addWidget(group);
    }
    auto* buttons = new QDialogButtonBox(this);
    PrzypiszNapis(buttons->addButton(QString(), QDialogButtonBox::AcceptRole), kZatwierdz);
    PrzypiszNapis(buttons->addButton(QString(), QDialogButtonBox::RejectRole), kAnuluj);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        Store();
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void TfrmPisowniaOpcje::Store()
{
    std::size_t box = 0;
    for (const auto& options : {std::span(kIgnorowane), std::span(kPropozycje)})
        for (const TOpcja& option : options)
            settings_.*option.Field = boxes_[box++]->isChecked();
}

} // namespace velmar
