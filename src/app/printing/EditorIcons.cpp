#include "app/printing/EditorIcons.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace tavolim::app {

namespace {

constexpr int kSize = 24;
const QColor kInk(48, 48, 48);
const QColor kPaper(255, 255, 255);

void page(QPainter& p, const QRectF& r)
{
    const qreal fold = 5;
    QPainterPath path;
    path.moveTo(r.left(), r.top());
    path.lineTo(r.right() - fold, r.top());
    path.lineTo(r.right(), r.top() + fold);
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    p.setBrush(kPaper);
    p.drawPath(path);
    p.drawLine(QPointF(r.right() - fold, r.top()), QPointF(r.right() - fold, r.top() + fold));
    p.drawLine(QPointF(r.right() - fold, r.top() + fold), QPointF(r.right(), r.top() + fold));
}

void lines(QPainter& p, const std::initializer_list<std::pair<qreal, qreal>>& spans)
{
    qreal y = 5.5;
    for (const auto& [from, to] : spans) {
        p.drawLine(QPointF(from, y), QPointF(to, y));
        y += 4.5;
    }
}

void letter(QPainter& p, const QString& text, bool bold, bool italic)
{
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setStyleHint(QFont::Serif);
    font.setPixelSize(17);
    font.setBold(bold);
    font.setItalic(italic);
    p.setFont(font);
    p.drawText(QRectF(0, -1, kSize, kSize - 3), Qt::AlignCenter, text);
}

void draw(QPainter& p, EditorButton button)
{
    switch (button) {
    case EditorButton::New:
        page(p, QRectF(5.5, 2.5, 13, 19));
        break;
    case EditorButton::Open: {
        p.setBrush(QColor(230, 190, 80));
        p.drawRect(QRectF(2.5, 6.5, 17, 13));
        p.drawRect(QRectF(2.5, 4.5, 7, 2));
        p.setBrush(QColor(250, 215, 110));
        QPainterPath lid;
        lid.moveTo(5.5, 10.5);
        lid.lineTo(22.5, 10.5);
        lid.lineTo(19.5, 19.5);
        lid.lineTo(2.5, 19.5);
        lid.closeSubpath();
        p.drawPath(lid);
        break;
    }
    case EditorButton::Save:
        p.setBrush(QColor(50, 80, 150));
        p.drawRect(QRectF(3.5, 3.5, 17, 17));
        p.setBrush(kPaper);
        p.drawRect(QRectF(6.5, 3.5, 11, 7));
        p.setBrush(QColor(200, 200, 200));
        p.drawRect(QRectF(7.5, 14.5, 9, 6));
        break;
    case EditorButton::Print:
        p.setBrush(kPaper);
        p.drawRect(QRectF(6.5, 2.5, 11, 8));
        p.setBrush(QColor(170, 170, 170));
        p.drawRect(QRectF(2.5, 9.5, 19, 8));
        p.setBrush(kPaper);
        p.drawRect(QRectF(6.5, 14.5, 11, 7));
        break;
    case EditorButton::Find:
        p.setBrush(QColor(200, 225, 250));
        p.drawEllipse(QRectF(3.5, 3.5, 11, 11));
        p.setPen(QPen(kInk, 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(13.5, 13.5), QPointF(20, 20));
        break;
    case EditorButton::Cut:
        p.drawLine(QPointF(7, 2.5), QPointF(15.5, 15));
        p.drawLine(QPointF(17, 2.5), QPointF(8.5, 15));
        p.setBrush(kPaper);
        p.drawEllipse(QRectF(3.5, 14.5, 6, 6));
        p.drawEllipse(QRectF(14.5, 14.5, 6, 6));
        break;
    case EditorButton::Copy:
        page(p, QRectF(3.5, 2.5, 11, 14));
        page(p, QRectF(9.5, 7.5, 11, 14));
        break;
    case EditorButton::Paste:
        p.setBrush(QColor(170, 120, 60));
        p.drawRect(QRectF(4.5, 4.5, 15, 17));
        p.setBrush(QColor(200, 200, 200));
        p.drawRect(QRectF(8.5, 2.5, 7, 4));
        page(p, QRectF(9.5, 9.5, 12, 13));
        break;
    case EditorButton::Undo: {
        QPainterPath arc;
        arc.moveTo(6, 10);
        arc.cubicTo(10, 4, 21, 5, 19, 14);
        arc.cubicTo(18, 18, 14, 19, 11, 19);
        p.setPen(QPen(kInk, 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(arc);
        p.setBrush(kInk);
        p.setPen(Qt::NoPen);
        p.drawPolygon(QPolygonF({QPointF(3, 5), QPointF(10, 12), QPointF(2.5, 13.5)}));
        break;
    }
    case EditorButton::Bold:
        letter(p, QStringLiteral("N"), true, false);
        break;
    case EditorButton::Italic:
        letter(p, QStringLiteral("I"), true, true);
        break;
    case EditorButton::Underline:
        letter(p, QStringLiteral("S"), true, false);
        p.setPen(QPen(kInk, 2));
        p.drawLine(QPointF(6, 21), QPointF(18, 21));
        break;
    case EditorButton::Colour:
        letter(p, QStringLiteral("A"), true, false);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(220, 0, 0));
        p.drawRect(QRectF(3, 19, 18, 4));
        break;
    case EditorButton::AlignLeft:
        lines(p, {{3, 21}, {3, 15}, {3, 21}, {3, 13}});
        break;
    case EditorButton::Centre:
        lines(p, {{3, 21}, {6, 18}, {3, 21}, {7, 17}});
        break;
    case EditorButton::AlignRight:
        lines(p, {{3, 21}, {9, 21}, {3, 21}, {11, 21}});
        break;
    case EditorButton::Bullet:
        lines(p, {{9, 21}, {9, 21}, {9, 21}, {9, 21}});
        p.setBrush(kInk);
        for (int i = 0; i < 4; ++i) {
            p.drawEllipse(QPointF(4.5, 5.5 + 4.5 * i), 1.6, 1.6);
        }
        break;
    }
}

} // namespace

QIcon editorButtonIcon(EditorButton button)
{
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kInk, 1.2));
    draw(painter, button);
    painter.end();
    return QIcon(pixmap);
}

} // namespace tavolim::app
