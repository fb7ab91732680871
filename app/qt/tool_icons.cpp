#include "app/qt/tool_icons.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace tolvan {
namespace {

// Every picture is drawn on a 24 x 24 grid and scaled.
void drawPage(QPainter& p)
{
    QPainterPath page;
    page.moveTo(5, 2);
    page.lineTo(15, 2);
    page.lineTo(20, 7);
    page.lineTo(20, 22);
    page.lineTo(5, 22);
    page.closeSubpath();
    p.setBrush(QColor(0xFA, 0xFA, 0xFA));
    p.drawPath(page);
    p.drawPolyline(QPolygonF({QPointF(15, 2), QPointF(15, 7), QPointF(20, 7)}));
}

void drawRadio(QPainter& p, const QColor& accent)
{
    p.setBrush(QColor(0x37, 0x47, 0x4F));
    p.drawRoundedRect(QRectF(3, 7, 9, 15), 1.5, 1.5);
    p.drawLine(QPointF(5, 7), QPointF(5, 1.5));
    p.setBrush(QColor(0xB0, 0xE0, 0xF0));
    p.drawRect(QRectF(4.5, 9, 6, 4));
    p.setPen(QPen(accent, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

void drawArrow(QPainter& p, QPointF from, QPointF to)
{
    p.drawLine(from, to);
    const QPointF d = (to - from) / std::hypot(to.x() - from.x(), to.y() - from.y());
    const QPointF n(-d.y(), d.x());
    p.drawPolyline(QPolygonF({to - 3.5 * d + 3 * n, to, to - 3.5 * d - 3 * n}));
}

void drawLetter(QPainter& p, const QColor& fill, const QString& letter)
{
    p.setBrush(fill);
    p.drawEllipse(QRectF(2.5, 2.5, 19, 19));
    QFont f("DejaVu Sans");
    f.setBold(true);
    f.setPixelSize(14);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRectF(2.5, 2.5, 19, 19), Qt::AlignCenter, letter);
}

void draw(QPainter& p, ToolIcon which)
{
    const QColor ink(0x26, 0x32, 0x38);
    p.setPen(QPen(ink, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    switch (which) {
    case ToolIcon::New:
        drawPage(p);
        p.setPen(QPen(QColor(0xF9, 0xA8, 0x25), 1.6));
        p.drawLine(QPointF(17, 13), QPointF(17, 21));
        p.drawLine(QPointF(13, 17), QPointF(21, 17));
        break;
    case ToolIcon::Open: {
        p.setBrush(QColor(0xF6, 0xC3, 0x4A));
        p.drawPolygon(QPolygonF({QPointF(2, 5), QPointF(9, 5), QPointF(11, 7), QPointF(20, 7), QPointF(20, 20),
                                 QPointF(2, 20)}));
        p.setBrush(QColor(0xFC, 0xDC, 0x7E));
        p.drawPolygon(QPolygonF({QPointF(2, 20), QPointF(6, 11), QPointF(23, 11), QPointF(20, 20)}));
        break;
    }
    case ToolIcon::Save:
        p.setBrush(QColor(0x1E, 0x63, 0xB5));
        p.drawRoundedRect(QRectF(3, 3, 18, 18), 1.5, 1.5);
        p.setBrush(QColor(0xF5, 0xF5, 0xF5));
        p.drawRect(QRectF(6.5, 3, 11, 7));
        p.setBrush(QColor(0xCF, 0xD8, 0xDC));
        p.drawRect(QRectF(6, 13, 12, 8));
        p.setBrush(ink);
        p.drawRect(QRectF(14, 4.5, 2, 4));
        break;
    case ToolIcon::Read:
        drawRadio(p, QColor(0x2E, 0x7D, 0x32));
        drawArrow(p, QPointF(13.5, 14), QPointF(22, 14));
        break;
    case ToolIcon::Write:
        drawRadio(p, QColor(0xC6, 0x28, 0x28));
        drawArrow(p, QPointF(22, 14), QPointF(13.5, 14));
        break;
    case ToolIcon::TestMode:
        p.setBrush(QColor(0xEC, 0xEF, 0xF1));
        p.drawRoundedRect(QRectF(2, 4, 20, 16), 2, 2);
        p.setPen(QPen(QColor(0x00, 0x89, 0x7B), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({QPointF(4, 12), QPointF(7, 12), QPointF(9, 7), QPointF(12, 17), QPointF(14, 9),
                                  QPointF(16, 12), QPointF(20, 12)}));
        break;
    case ToolIcon::Print:
        p.setBrush(QColor(0xFA, 0xFA, 0xFA));
        p.drawRect(QRectF(6, 2.5, 12, 7));
        p.setBrush(QColor(0x78, 0x90, 0x9C));
        p.drawRoundedRect(QRectF(2.5, 9, 19, 9), 1.5, 1.5);
        p.setBrush(QColor(0xFA, 0xFA, 0xFA));
        p.drawRect(QRectF(6, 14, 12, 7.5));
        p.drawLine(QPointF(8, 17), QPointF(16, 17));
        p.drawLine(QPointF(8, 19.5), QPointF(14, 19.5));
        break;
    case ToolIcon::ContextHelp: {
        p.setBrush(Qt::white);
        QPainterPath arrow;
        arrow.moveTo(3, 2);
        arrow.lineTo(3, 16);
        arrow.lineTo(6.5, 12.5);
        arrow.lineTo(9, 18);
        arrow.lineTo(11, 17);
        arrow.lineTo(8.5, 11.5);
        arrow.lineTo(13, 11.5);
        arrow.closeSubpath();
        p.drawPath(arrow);
        QFont f("DejaVu Sans");
        f.setBold(true);
        f.setPixelSize(13);
        p.setFont(f);
        p.setPen(QColor(0x1E, 0x63, 0xB5));
        p.drawText(QRectF(12, 8, 11, 15), Qt::AlignCenter, "?");
        break;
    }
    case ToolIcon::About:
        drawLetter(p, QColor(0x1E, 0x63, 0xB5), "i");
        break;
    case ToolIcon::Application:
        p.setBrush(QColor(0x1E, 0x63, 0xB5));
        p.drawRoundedRect(QRectF(1, 1, 22, 22), 4, 4);
        p.setPen(QPen(Qt::white, 1.4));
        p.setBrush(QColor(0xF6, 0xC3, 0x4A));
        p.drawRoundedRect(QRectF(7, 8, 9, 13), 1.5, 1.5);
        p.drawLine(QPointF(9, 8), QPointF(9, 3));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(13, 2, 8, 8), -30 * 16, 120 * 16);
        p.drawArc(QRectF(15, 0, 8, 8), -30 * 16, 120 * 16);
        break;
    }
}

class PaintedIconEngine : public QIconEngine {
public:
    explicit PaintedIconEngine(ToolIcon which) : which_(which) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override
    {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->translate(rect.topLeft());
        painter->scale(rect.width() / 24.0, rect.height() / 24.0);
        if (mode == QIcon::Disabled)
            painter->setOpacity(0.35);
        draw(*painter, which_);
        painter->restore();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        QPixmap pm(size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        paint(&p, QRect(QPoint(0, 0), size), mode, state);
        return pm;
    }

    QIconEngine* clone() const override { return new PaintedIconEngine(which_); }

private:
    ToolIcon which_;
};

} // namespace

QIcon toolIcon(ToolIcon which)
{
    return QIcon(new PaintedIconEngine(which));
}

} // namespace tolvan
