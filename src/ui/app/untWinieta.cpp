#include "ui/app/untWinieta.h"

#include <QApplication>
#include <QLabel>
#include <QPixmap>
#include <QScreen>
#include <QVBoxLayout>

namespace velmar {

TfrmWinieta::TfrmWinieta(const std::filesystem::path& picture, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName("frmWinieta");
    setWindowTitle(QStringLiteral("Wczytywanie słowników"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* label = new QLabel(this);
    label->setAlignment(Qt::AlignCenter);
    layout->addWidget(label);

    QPixmap pixmap;
    std::error_code error;
    if (std::filesystem::exists(picture, error))
        pixmap.load(QString::fromStdString(picture.string()));
    showsPicture_ = !pixmap.isNull();
    if (showsPicture_) {
        label->setPixmap(pixmap);
        setFixedSize(pixmap.size());
    } else {
        label->setText(QStringLiteral("<h2>Velmar</h2><p>Wczytywanie słowników…</p>"));
        label->setFrameShape(QFrame::Box);
        setFixedSize(380, 180);
    }
}

void TfrmWinieta::ShowNow()
{
    if (const QScreen* screen = QApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - rect().center());
    }
    show();
    repaint();
    QApplication::processEvents();
}

} // namespace velmar
