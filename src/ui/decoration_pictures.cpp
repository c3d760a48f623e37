#include "ui/decoration_pictures.h"

#include "ui/ball_pictures.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPalette>

namespace numbrava {

namespace {
QPixmap canvas(int w, int h, qreal ratio) {
    QPixmap pixmap(qRound(w * ratio), qRound(h * ratio));
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    return pixmap;
}
} // namespace

QPixmap historyPicture(qreal ratio) {
    QPixmap pixmap = canvas(40, 40, ratio);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(70, 90, 120), 1.5));
    p.setBrush(QColor(250, 250, 245));
    p.drawRoundedRect(QRectF(6, 3, 28, 34), 3, 3);
    p.setPen(QPen(QColor(90, 110, 150), 2));
    for (int y = 11; y <= 31; y += 5)
        p.drawLine(QPointF(11, y), QPointF(29, y));
    return pixmap;
}

QPixmap statsPicture(qreal ratio) {
    QPixmap pixmap = canvas(40, 40, ratio);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    // The axis stands on the window itself, so it takes the palette's ink.
    p.setPen(QPen(QGuiApplication::palette().color(QPalette::WindowText), 1.5));
    p.drawLine(QPointF(5, 35), QPointF(36, 35));
    const int heights[] = {14, 24, 10, 28, 18};
    const QColor colors[] = {QColor(70, 130, 200), QColor(200, 70, 60), QColor(70, 160, 90),
                             QColor(220, 170, 40), QColor(130, 90, 180)};
    for (int i = 0; i < 5; ++i) {
        p.setPen(Qt::NoPen);
        p.setBrush(colors[i]);
        p.drawRect(QRectF(7 + i * 6, 35 - heights[i], 4.5, heights[i]));
    }
    return pixmap;
}

QPixmap logoPicture(qreal ratio) {
    QPixmap pixmap = canvas(120, 44, ratio);
    QPainter p(&pixmap);
    p.drawPixmap(QPointF(2, 6), BallPictures::picture(1, 7, ratio));
    p.drawPixmap(QPointF(42, 2), BallPictures::picture(2, 21, ratio));
    p.drawPixmap(QPointF(82, 6), BallPictures::picture(3, 12, ratio));
    return pixmap;
}

} // namespace numbrava
