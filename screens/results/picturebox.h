#pragma once
// A picture box that shows an image drawn elsewhere, pixel for pixel.
#include <QWidget>

class QImage;

class PictureBox : public QWidget {
    Q_OBJECT
public:
    PictureBox(const QImage &image, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const QImage &image_;
};
