#include "app/TAboutForm.h"

#include "case/HostPath.h"

#include <QFileInfo>
#include <QFontMetrics>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>

QString TAboutForm::installationLine()
{
    return QStringLiteral("A telepítés helye: %1").arg(QFileInfo(motraRoot()).absoluteFilePath());
}

static QImage drawAboutPicture()
{
    QImage image(TAboutForm::PictureWidth, TAboutForm::PictureHeight, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient background(0, 0, 0, image.height());
    background.setColorAt(0, QColor(0xF7, 0xDC, 0xA6));
    background.setColorAt(1, QColor(0xEE, 0xE1, 0xC8));
    p.fillRect(image.rect(), background);
    p.setPen(QPen(QColor(0, 0, 128), 2));
    p.drawRect(image.rect().adjusted(1, 1, -2, -2));

    QFont title(QStringLiteral("Arial"), 28, QFont::Bold);
    p.setFont(title);
    p.setPen(QColor(0, 0, 128));
    p.drawText(QRect(0, 14, image.width(), 48), Qt::AlignHCenter | Qt::AlignVCenter, QStringLiteral("MOTRA"));

    QFont subtitle(QStringLiteral("Arial"), 9);
    p.setFont(subtitle);
    p.setPen(Qt::black);
    p.drawText(QRect(0, 62, image.width(), 20), Qt::AlignHCenter,
        QStringLiteral("kérdőívek értékelése gyermekpszichológusoknak"));

    QFont hint(QStringLiteral("Arial"), 8, QFont::Normal, true);
    p.setFont(hint);
    p.setPen(QColor(128, 0, 0));
    p.drawText(QRect(0, 88, image.width(), 18), Qt::AlignHCenter,
        QStringLiteral("Kattintson a programinformáció bezárásához."));

    QFont credits(QStringLiteral("Arial"), 7);
    p.setFont(credits);
    p.setPen(QColor(64, 64, 64));
    // A long path loses its middle here; the tooltip carries it whole.
    p.drawText(QPoint(10, image.height() - 38),
        QFontMetrics(credits).elidedText(TAboutForm::installationLine(), Qt::ElideMiddle, image.width() - 20));
    p.drawText(QPoint(10, image.height() - 22), QStringLiteral("Program és kézikönyv: a MOTRA fejlesztői"));
    p.drawText(QPoint(10, image.height() - 10), QStringLiteral("Qt 6 alapú változat"));
    return image;
}

TAboutForm::TAboutForm(QWidget *parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("TAboutForm"));
    setFixedSize(PictureWidth, PictureHeight);
    setCursor(Qt::PointingHandCursor);
    setToolTip(installationLine());
}

const QImage &TAboutForm::picture() const
{
    // Drawn when first shown: its lettering costs more than the rest of the start-up.
    if (m_picture.isNull())
        m_picture = drawAboutPicture();
    return m_picture;
}

void TAboutForm::Image1Click() { accept(); }

void TAboutForm::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.drawImage(0, 0, picture());
}

void TAboutForm::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        Image1Click();
    else
        QDialog::mousePressEvent(event);
}
