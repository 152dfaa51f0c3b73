#pragma once

#include <QDialog>
#include <QImage>

// The about box: a borderless picture in the middle of the screen; a click closes it.
class TAboutForm : public QDialog
{
    Q_OBJECT
public:
    explicit TAboutForm(QWidget *parent = nullptr);

    static constexpr int PictureWidth = 352;
    static constexpr int PictureHeight = 155;

    const QImage &picture() const;
    // Where the installation lives (the folder standing for drive C:), one line of plain text
    // in the picture and, whole, in the tooltip.
    static QString installationLine();
    void Image1Click();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    mutable QImage m_picture;
};
