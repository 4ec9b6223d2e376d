#include "app/Splash.h"

#include "app/Icons.h"

#include <QApplication>
#include <QPainter>
#include <QScreen>

namespace tessaly::app {

TSplashScreen::TSplashScreen(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("SplashScreen"));
    setFixedSize(440, 253);
}

void TSplashScreen::showNow()
{
    if (const QScreen* s = QGuiApplication::primaryScreen()) {
        QRect r = rect();
        r.moveCenter(s->availableGeometry().center());
        move(r.topLeft());
    }
    show();
    repaint();
    QApplication::processEvents();
}

void TSplashScreen::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), Qt::black);
    const QRect inner = rect().adjusted(3, 3, -3, -3);
    p.fillRect(inner, Qt::white);

    installIconTheme();
    QIcon(QStringLiteral(":/icons/tessaly.svg")).paint(&p, QRect(16, 16, 144, 144));

    QFont title = font();
    title.setBold(true);
    title.setPixelSize(52);
    p.setFont(title);
    p.setPen(QColor(28, 59, 112));
    p.drawText(QRect(176, 16, inner.right() - 176, 90), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Tessaly"));
    QFont sub = font();
    sub.setPixelSize(16);
    p.setFont(sub);
    p.setPen(Qt::darkGray);
    p.drawText(QRect(178, 106, inner.right() - 178, 24), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Web page and script editor"));

    QFont small = font();
    small.setPixelSize(11);
    p.setFont(small);
    p.setPen(Qt::black);
    p.drawText(QRect(16, inner.bottom() - 28, inner.width() - 32, 20), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Copyright \u00A9 Orvane Software. All rights reserved."));
}

} // namespace tessaly::app
