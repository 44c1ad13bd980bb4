#include "app/TForm6.h"

#include "app/TForm3.h"
#include "platform/ErrorReport.h"
#include "platform/JpegReader.h"
#include "ui/Fonts.h"
#include "ui/Globals.h"
#include "ui/WindowStyle.h"
#include "ui_TForm6.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>
#include <QPixmap>
#include <QWindow>

TForm6::TForm6(QWidget* parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::Form6>())
{
    // The five seconds count from here, while the other windows are still being created.
    Timer1.setInterval(kHandOverMs);
    connect(&Timer1, &QTimer::timeout, this, &TForm6::Timer1Timer);
    Timer1.start();

    ui->setupUi(this);
    setFont(Fonts::sansSerif(11));
    showPicture();
    WindowStyle::setNoBorder(*this, QSize(500, 220));
    WindowStyle::centreOnScreen(*this);
}

TForm6::~TForm6() = default;

void TForm6::showPicture()
{
    QFile file(QStringLiteral(":/app/splash.jpg"));
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QImage picture = JpegReader::decode(file.readAll());
    if (!picture.isNull())
        ui->Image1->setPixmap(QPixmap::fromImage(picture));
}

void TForm6::showAtOnce()
{
    show();
    // User input stays queued: a click meant for a window not yet built has nowhere to go.
    QTimer limit;
    limit.setSingleShot(true);
    limit.start(kMapWaitMs);
    while (windowHandle() && !windowHandle()->isExposed() && limit.isActive())
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::WaitForMoreEvents);
    repaint();
    // Hands the painted picture to the display before the long work begins.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TForm6::Timer1Timer()
{
    ErrorReport::guard([&] {
        // A stopped timer never ticks again: the hand-over happens once.
        if (!Timer1.isActive())
            return;
        if (Form3)
            WindowStyle::showWindow(*Form3);
        Timer1.stop();
        hide();
    });
}

void TForm6::closeEvent(QCloseEvent* event)
{
    Timer1.stop();
    event->accept();
    QCoreApplication::exit(0);
}
