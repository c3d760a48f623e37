#include "ui/ball_pictures.h"

#include <QHash>
#include <QPainter>
#include <QRadialGradient>

namespace numbrava {

namespace {
struct BallStyle {
    QColor light;
    QColor dark;
    QColor text;
};

BallStyle styleOf(int list) {
    switch (list) {
    case 2: // the red Powerball, dark enough for its white number to read
        return {QColor(225, 70, 60), QColor(150, 10, 10), Qt::white};
    case 3: // Mega Millions main balls
        return {QColor(255, 255, 255), QColor(150, 175, 215), QColor(20, 40, 110)};
    default: // Powerball main balls and the Mega Ball
        return {QColor(255, 255, 255), QColor(180, 180, 180), QColor(25, 25, 25)};
    }
}

QPixmap draw(int list, int number, qreal ratio) {
    const int pixels = qRound(BallPictures::kSize * ratio);
    QPixmap pixmap(pixels, pixels);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);

    const BallStyle style = styleOf(list);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF ball(1.0, 1.0, BallPictures::kSize - 2.0, BallPictures::kSize - 2.0);
    QRadialGradient shade(ball.center() - QPointF(5, 6), ball.width() * 0.75);
    shade.setColorAt(0.0, style.light);
    shade.setColorAt(1.0, style.dark);
    painter.setPen(QPen(style.dark.darker(130), 1.0));
    painter.setBrush(shade);
    painter.drawEllipse(ball);

    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(15);
    painter.setFont(font);
    painter.setPen(style.text);
    painter.drawText(ball, Qt::AlignCenter, QString::number(number));
    return pixmap;
}
} // namespace

int BallPictures::listSize(int list) {
    switch (list) {
    case 1:
        return 53;
    case 2:
        return 42;
    case 3:
        return 52;
    case 4:
        return 70;
    default:
        return 0;
    }
}

QPixmap BallPictures::picture(int list, int number, qreal devicePixelRatio) {
    if (number < 1 || number > listSize(list))
        return {};
    static QHash<QString, QPixmap> cache;
    const QString key = QStringLiteral("%1/%2/%3").arg(list).arg(number).arg(devicePixelRatio);
    auto it = cache.find(key);
    if (it == cache.end())
        it = cache.insert(key, draw(list, number, devicePixelRatio));
    return *it;
}

} // namespace numbrava
