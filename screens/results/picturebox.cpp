#include "screens/results/picturebox.h"

#include <QImage>
#include <QPainter>

PictureBox::PictureBox(const QImage &image, QWidget *parent) : QWidget(parent), image_(image)
{
    setFixedSize(image.size());
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter(this).drawImage(0, 0, image_);
}
