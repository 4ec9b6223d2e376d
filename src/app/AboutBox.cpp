#include "app/AboutBox.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace tessaly::app {

namespace {

// The header band: "Orvane" over a gradient, with the version label.
class Header : public QWidget {
public:
    explicit Header(QWidget* parent) : QWidget(parent)
    {
        setFixedHeight(56);
        auto* layout = new QHBoxLayout(this);
        layout->setContentsMargins(12, 4, 12, 4);
        auto* maker = new QLabel(QStringLiteral("Orvane"), this);
        QFont f = maker->font();
        f.setBold(true);
        f.setPointSizeF(f.pointSizeF() * 1.6);
        maker->setFont(f);
        maker->setStyleSheet(QStringLiteral("color: white"));
        auto* version = new QLabel(QStringLiteral("Tessaly 1.2"), this);
        version->setObjectName(QStringLiteral("Version"));
        version->setStyleSheet(QStringLiteral("color: white"));
        layout->addWidget(maker);
        layout->addStretch(1);
        layout->addWidget(version);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        QLinearGradient g(rect().topLeft(), rect().topRight());
        g.setColorAt(0, Qt::black);
        g.setColorAt(1, QColor(0, 0, 160));
        p.fillRect(rect(), g);
    }
};

} // namespace

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("About Tessaly"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setModal(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 8);
    layout->addWidget(new Header(this));

    auto* body = new QHBoxLayout;
    body->setContentsMargins(12, 8, 12, 0);
    auto* icon = new QLabel(this);
    icon->setPixmap(QIcon(QStringLiteral(":/icons/tessaly.svg")).pixmap(48, 48));
    body->addWidget(icon, 0, Qt::AlignTop);
    auto* lines = new QVBoxLayout;
    lines->addWidget(new QLabel(QStringLiteral("Copyright \u00A9 Orvane Software. All rights reserved."), this));
    auto* web = new QLabel(QStringLiteral("<u><font color=\"#0000c0\">www.orvane.example</font></u>"), this);
    web->setTextFormat(Qt::RichText);
    lines->addWidget(web);
    lines->addWidget(new QLabel(QString(), this));
    lines->addWidget(new QLabel(QString(), this));
    body->addLayout(lines, 1);
    layout->addLayout(body, 1);

    auto* ok = new QPushButton(QStringLiteral("&OK"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    setFixedSize(426, 207);
}

} // namespace tessaly::app
