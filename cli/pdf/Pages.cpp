#include "Pages.h"

#include "UiFontFamily.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>

QRectF SetUpPages(QPdfWriter& writer, const PageFrame& frame)
{
    writer.setCreator(QStringLiteral("Kinmatch"));
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageOrientation(frame.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    writer.setPageMargins(QMarginsF(), QPageLayout::Millimeter);
    const qreal margin = frame.marginMillimetres * writer.resolution() / 25.4;
    return QRectF(0, 0, writer.width(), writer.height()).adjusted(margin, margin, -margin, -margin);
}

QFont DocumentFont(qreal points, bool bold)
{
    QFont font(kinmatch::UiFontFamily());
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

void DrawPageFurniture(QPainter& painter, const QRectF& content, qreal margin,
                       const PageFrame& frame, int page, int pages)
{
    painter.save();
    painter.setPen(QColor(0x4d, 0x4d, 0x4d));
    painter.setFont(DocumentFont(8));
    if (frame.pageNumbers && pages > 1)
        painter.drawText(QRectF(content.left(), content.bottom(), content.width(), margin),
                         Qt::AlignCenter, QStringLiteral("%1 / %2").arg(page).arg(pages));
    if (page > 1 && !frame.runningHeader.isEmpty()) {
        const QFontMetricsF metrics(painter.font(), painter.device());
        const QString header =
            metrics.elidedText(frame.runningHeader, Qt::ElideRight, content.width());
        painter.drawText(QRectF(content.left(), content.top() - margin, content.width(), margin),
                         Qt::AlignCenter, header);
    }
    painter.restore();
}
