#include "app/AppIcon.h"
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {
void drawRadio(QPainter &p, const QRectF &r) {
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient body(r.topLeft(), r.bottomLeft());
    body.setColorAt(0, QColor(70, 76, 86));
    body.setColorAt(1, QColor(28, 31, 36));
    p.setPen(QPen(QColor(15, 15, 18), r.width() / 40));
    p.setBrush(body);
    p.drawRoundedRect(r.adjusted(1, r.height() * 0.18, -1, -1), r.width() / 10, r.width() / 10);
    // display
    const QRectF display(r.left() + r.width() * 0.1, r.top() + r.height() * 0.32, r.width() * 0.5,
                         r.height() * 0.28);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 170, 40));
    p.drawRoundedRect(display, r.width() / 40, r.width() / 40);
    // dial
    p.setBrush(QColor(190, 195, 205));
    const double d = r.width() * 0.26;
    p.drawEllipse(QRectF(r.right() - d - r.width() * 0.08, r.top() + r.height() * 0.34, d, d));
    // keys
    p.setBrush(QColor(150, 155, 165));
    for (int i = 0; i < 4; ++i)
        p.drawRect(QRectF(r.left() + r.width() * (0.1 + i * 0.13), r.top() + r.height() * 0.7,
                          r.width() * 0.09, r.height() * 0.1));
    // antenna
    p.setPen(QPen(QColor(40, 40, 45), r.width() / 24, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(r.left() + r.width() * 0.2, r.top() + r.height() * 0.18),
               QPointF(r.left() + r.width() * 0.08, r.top() + r.height() * 0.02));
}
} // namespace

QPixmap AppIconPixmap(int size) {
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    drawRadio(p, QRectF(0, 0, size, size));
    return pm;
}

QIcon AppIcon() {
    QIcon icon;
    for (int s : {16, 32, 48, 64})
        icon.addPixmap(AppIconPixmap(s));
    return icon;
}

QPixmap SplashPixmap() {
    QPixmap pm(420, 220);
    pm.fill(QColor(24, 40, 72));
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 220);
    sky.setColorAt(0, QColor(36, 64, 120));
    sky.setColorAt(1, QColor(12, 20, 40));
    p.fillRect(pm.rect(), sky);
    p.setPen(QPen(QColor(200, 210, 230), 3));
    p.setBrush(Qt::NoBrush);
    p.drawRect(pm.rect().adjusted(4, 4, -5, -5));
    drawRadio(p, QRectF(24, 50, 110, 110));
    p.setPen(Qt::white);
    QFont f = p.font();
    f.setPointSize(20);
    f.setBold(true);
    p.setFont(f);
    p.drawText(QRectF(150, 60, 260, 40), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Korvan KT-M40"));
    f.setPointSize(13);
    f.setBold(false);
    p.setFont(f);
    p.drawText(QRectF(150, 100, 260, 30), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Clone Utility"));
    f.setPointSize(9);
    p.setFont(f);
    p.setPen(QColor(190, 200, 220));
    p.drawText(QRectF(150, 140, 260, 24), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Version 0.10.00 Beta"));
    return pm;
}

QIcon HelpIcon() {
    QIcon icon;
    for (int size : {16, 24, 32}) {
        QPixmap pm(size, size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(40, 100, 200));
        p.drawEllipse(QRectF(0.5, 0.5, size - 1, size - 1));
        p.setPen(Qt::white);
        QFont f = p.font();
        f.setPixelSize(size * 3 / 4);
        f.setBold(true);
        p.setFont(f);
        p.drawText(QRectF(0, 0, size, size), Qt::AlignCenter, QStringLiteral("?"));
        icon.addPixmap(pm);
    }
    return icon;
}
