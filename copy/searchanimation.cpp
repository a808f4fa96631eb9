#include "copy/searchanimation.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <numbers>

namespace {

const QColor kFolderBack(214, 170, 56);
const QColor kFolderFront(245, 205, 90);
const QColor kOutline(110, 80, 20);

void PaintFolder(QPainter& painter, const QRectF& area) {
    QPainterPath back;
    back.moveTo(area.left(), area.top() + 6);
    back.lineTo(area.left() + 12, area.top() + 6);
    back.lineTo(area.left() + 16, area.top());
    back.lineTo(area.left() + 30, area.top());
    back.lineTo(area.left() + 30, area.top() + 6);
    back.lineTo(area.right(), area.top() + 6);
    back.lineTo(area.right(), area.bottom());
    back.lineTo(area.left(), area.bottom());
    back.closeSubpath();
    painter.setPen(QPen(kOutline, 1));
    painter.setBrush(kFolderBack);
    painter.drawPath(back);
}

void PaintPages(QPainter& painter, const QRectF& area, int frame) {
    painter.setPen(QPen(QColor(120, 120, 120), 1));
    painter.setBrush(Qt::white);
    for (int page = 0; page < 3; ++page) {
        const double lift = (frame + page * 10) % 30 < 15 ? 0 : 3;
        painter.drawRect(QRectF(area.left() + 6 + page * 9, area.top() + 2 - lift, 12, 16));
    }
}

void PaintFolderFront(QPainter& painter, const QRectF& area) {
    QPolygonF front;
    front << QPointF(area.left() + 4, area.top() + 14) << QPointF(area.right() + 2, area.top() + 14)
          << QPointF(area.right() - 2, area.bottom()) << QPointF(area.left(), area.bottom());
    painter.setPen(QPen(kOutline, 1));
    painter.setBrush(kFolderFront);
    painter.drawPolygon(front);
}

void PaintGlass(QPainter& painter, QPointF centre) {
    painter.setPen(QPen(QColor(60, 60, 60), 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre + QPointF(6, 6), centre + QPointF(13, 13));
    painter.setPen(QPen(QColor(40, 40, 40), 2));
    painter.setBrush(QColor(200, 230, 255, 170));
    painter.drawEllipse(centre, 8, 8);
}

} // namespace

SearchAnimation::SearchAnimation(QWidget* parent) : QWidget(parent) {
    m_timer.setInterval(kFrameInterval);
    connect(&m_timer, &QTimer::timeout, this, &SearchAnimation::advance);
}

void SearchAnimation::play() {
    if (!m_timer.isActive())
        m_timer.start();
}

void SearchAnimation::stop() {
    m_timer.stop();
}

void SearchAnimation::advance() {
    m_frame = m_frame == kStopFrame ? 0 : m_frame + 1;
    update();
}

void SearchAnimation::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF folder(10, 14, 50, 34);
    PaintFolder(painter, folder);
    PaintPages(painter, folder, m_frame);
    PaintFolderFront(painter, folder);
    // The glass sweeps along an ellipse over the folder, once per loop.
    const double angle = 2 * std::numbers::pi * m_frame / (kStopFrame + 1);
    PaintGlass(painter, QPointF(40 + 22 * std::cos(angle), 26 + 10 * std::sin(angle)));
}
