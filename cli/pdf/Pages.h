#pragma once

// Pages of a PDF as the module makes them: A4 with a margin all round, numbered "2 / 3" where
// asked, with a running header above every page but the first where one is given.

#include <QFont>
#include <QPageLayout>
#include <QRectF>
#include <QString>

class QPainter;
class QPdfWriter;

struct PageFrame {
    bool landscape = false;
    qreal marginMillimetres = 16;
    bool pageNumbers = false;
    QString runningHeader;
};

// Sets the writer up for frame's pages; the content rectangle, in the writer's units.
QRectF SetUpPages(QPdfWriter& writer, const PageFrame& frame);

// The page number and the running header of a page (counted from 1), in its margins.
void DrawPageFurniture(QPainter& painter, const QRectF& content, qreal margin,
                       const PageFrame& frame, int page, int pages);

// The windows' font family at a size in points.
QFont DocumentFont(qreal points, bool bold = false);
