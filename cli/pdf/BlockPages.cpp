#include "BlockPages.h"

#include "AstralText.h"
#include "Pages.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPainter>
#include <QPdfWriter>
#include <QTextLayout>

#include <map>
#include <memory>
#include <optional>
#include <vector>

namespace {

QString Text(const KinmatchPdfText& text)
{
    return QString::fromUtf8(text.text, qsizetype(text.size));
}

const QColor Ink(0x1a, 0x1a, 0x1a);
const QColor Navy(0x00, 0x00, 0x80);
const QColor Green(0x00, 0x64, 0x00);
const QColor Grey(0x4d, 0x4d, 0x4d);
const QColor Rule(0xb3, 0xb3, 0xb3);
const QColor HeaderShade(0xe6, 0xe6, 0xf2);

// A text laid out in lines of a width; long words broken anywhere rather than overflowing.
struct Laid {
    std::unique_ptr<QTextLayout> layout;
    qreal height = 0;
};

// Where the next block goes, page after page. Laid out twice: once to count the pages, once
// to draw them with their numbers.
class Pager {
public:
    Pager(QPdfWriter& writer, QPainter* painter, const QRectF& content, const PageFrame& frame,
          int pages, const AstralText& astral)
        : writer_(writer), painter_(painter), content_(content), frame_(frame), pages_(pages),
          astral_(astral), unit_(writer.resolution() / 72.0), y_(content.top())
    {
    }

    qreal pt(qreal points) const { return points * unit_; }
    QPainter* painter() const { return painter_; }
    const QRectF& content() const { return content_; }
    QPaintDevice* device() const { return &writer_; }
    qreal y() const { return y_; }
    qreal remaining() const { return content_.bottom() - y_; }
    qreal pageHeight() const { return content_.height(); }
    bool atTop() const { return y_ <= content_.top(); }
    int page() const { return page_; }

    void advance(qreal height) { y_ += height; }
    // Moves on to a new page unless the space is there.
    void need(qreal height)
    {
        if (height > remaining() && !atTop())
            newPage();
    }
    void newPage()
    {
        finishPage();
        if (painter_)
            writer_.newPage();
        ++page_;
        y_ = content_.top();
    }
    void finishPage() const
    {
        if (painter_)
            DrawPageFurniture(*painter_, content_,
                              frame_.marginMillimetres * writer_.resolution() / 25.4, frame_, page_,
                              pages_);
    }

    Laid lay(const QString& text, const QFont& font, qreal width,
             Qt::Alignment alignment = Qt::AlignLeft) const
    {
        Laid laid{std::make_unique<QTextLayout>(text, font, &writer_), 0};
        QTextOption option(alignment);
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        option.setUseDesignMetrics(true);
        laid.layout->setTextOption(option);
        laid.layout->setFormats(astral_.formats(text));
        laid.layout->beginLayout();
        for (QTextLine line = laid.layout->createLine(); line.isValid();
             line = laid.layout->createLine()) {
            line.setLineWidth(width);
            line.setPosition(QPointF(0, laid.height));
            laid.height += line.height();
        }
        laid.layout->endLayout();
        return laid;
    }

private:
    QPdfWriter& writer_;
    QPainter* painter_;
    QRectF content_;
    const PageFrame& frame_;
    int pages_;
    const AstralText& astral_;
    qreal unit_;
    qreal y_;
    int page_ = 1;
};

// A block of text: a title, a heading or a paragraph.
struct TextStyle {
    QFont font;
    QColor colour;
    qreal spaceBefore; // in points
    qreal spaceAfter;
};

TextStyle StyleOf(int kind)
{
    switch (kind) {
    case KinmatchPdfTitle:
        return {DocumentFont(17, true), Navy, 0, 2};
    case KinmatchPdfSubtitle:
        return {DocumentFont(9.75), Grey, 0, 8};
    case KinmatchPdfHeading:
        return {DocumentFont(13, true), Green, 14, 6};
    default:
        return {DocumentFont(9.75), Ink, 0, 8};
    }
}

void DrawText(Pager& pager, const Laid& laid, const QColor& colour, qreal top)
{
    if (!pager.painter())
        return;
    pager.painter()->setPen(colour);
    laid.layout->draw(pager.painter(), QPointF(pager.content().left(), top));
}

// A paragraph may break between its lines; a title or heading stays whole.
void TextBlock(Pager& pager, const KinmatchPdfBlock& block, qreal keepWithNext)
{
    const TextStyle style = StyleOf(block.kind);
    const Laid laid = pager.lay(Text(block.text), style.font, pager.content().width());
    if (!pager.atTop())
        pager.advance(pager.pt(style.spaceBefore));
    if (block.kind != KinmatchPdfParagraph || laid.height <= pager.remaining()) {
        pager.need(laid.height + keepWithNext);
        DrawText(pager, laid, style.colour, pager.y());
        pager.advance(laid.height);
    } else {
        for (int i = 0; i < laid.layout->lineCount(); ++i) {
            const QTextLine line = laid.layout->lineAt(i);
            pager.need(line.height());
            if (pager.painter()) {
                pager.painter()->setPen(style.colour);
                line.draw(pager.painter(), QPointF(pager.content().left(), pager.y() - line.y()));
            }
            pager.advance(line.height());
        }
    }
    pager.advance(pager.pt(style.spaceAfter));
}

// A table whose header row repeats on every page it reaches. A row moves to the next page
// whole; one taller than a page goes on over the next pages, line by line.
class Table {
public:
    Table(Pager& pager, const KinmatchPdfBlock& block) : pager_(pager), block_(block)
    {
        qreal shares = 0;
        for (std::size_t c = 0; c < block.columns; ++c)
            shares += block.widths[c];
        qreal x = pager.content().left();
        for (std::size_t c = 0; c < block.columns; ++c) {
            const qreal width = pager.content().width() * block.widths[c] / shares;
            columns_.push_back({x, width});
            x += width;
        }
    }

    // The height of the header and the first row, for a heading to stay with them.
    qreal opening() { return height(layRow(0)) + (block_.rows > 1 ? height(layRow(1)) : 0); }

    void draw()
    {
        header_ = layRow(0);
        pager_.need(height(header_) + (block_.rows > 1 ? height(layRow(1)) : 0));
        drawRow(header_, 0, height(header_));
        for (std::size_t r = 1; r < block_.rows; ++r) {
            const std::vector<Laid> row = layRow(r);
            const qreal full = height(row);
            const qreal page = pager_.pageHeight() - height(header_);
            if (full > pager_.remaining() && full <= page)
                continueOnNextPage();
            for (qreal done = 0; done < full - 0.5;) {
                if (pager_.remaining() < lineHeight() + pad() * 2)
                    continueOnNextPage();
                const qreal slice = sliceFitting(row, done, pager_.remaining() - pad() * 2);
                drawRow(row, r, slice + pad() * 2, done);
                done += slice;
                if (done < full - 0.5 - pad() * 2)
                    continueOnNextPage();
                else
                    break;
            }
        }
    }

private:
    struct Column {
        qreal x, width;
    };

    qreal pad() const { return pager_.pt(3); }
    qreal lineHeight() const
    {
        return QFontMetricsF(DocumentFont(8.5), pager_.device()).lineSpacing();
    }

    const KinmatchPdfCell& cell(std::size_t row, std::size_t column) const
    {
        return block_.cells[row * block_.columns + column];
    }

    std::vector<Laid> layRow(std::size_t row) const
    {
        std::vector<Laid> laid;
        for (std::size_t c = 0; c < block_.columns; ++c)
            laid.push_back(pager_.lay(Text(cell(row, c).text),
                                      DocumentFont(8.5, row == 0 || cell(row, c).bold),
                                      columns_[c].width - pad() * 2));
        return laid;
    }

    qreal height(const std::vector<Laid>& row) const
    {
        qreal tallest = 0;
        for (const Laid& cell : row)
            tallest = std::max(tallest, cell.height);
        return tallest + pad() * 2;
    }

    // How much of the row's text, from done on, fits in room, ending between lines.
    qreal sliceFitting(const std::vector<Laid>& row, qreal done, qreal room) const
    {
        qreal end = done;
        for (const Laid& cell : row)
            for (int i = 0; i < cell.layout->lineCount(); ++i) {
                const QTextLine line = cell.layout->lineAt(i);
                if (line.y() + line.height() <= done + room + 0.01)
                    end = std::max(end, line.y() + line.height());
            }
        return end > done ? end : std::min(room, height(row) - done);
    }

    void continueOnNextPage()
    {
        pager_.newPage();
        drawRow(header_, 0, height(header_));
    }

    // The row's text from done on, in a band of the given height.
    void drawRow(const std::vector<Laid>& row, std::size_t r, qreal band, qreal done = 0)
    {
        QPainter* painter = pager_.painter();
        if (painter) {
            const QRectF area(pager_.content().left(), pager_.y(),
                              columns_.back().x + columns_.back().width - pager_.content().left(),
                              band);
            for (std::size_t c = 0; c < block_.columns; ++c) {
                const QRectF box(columns_[c].x, area.top(), columns_[c].width, band);
                const long shade = r == 0 ? long(HeaderShade.rgb() & 0xFFFFFF) : cell(r, c).shade;
                if (shade >= 0)
                    painter->fillRect(box, QColor(QRgb(shade)));
                painter->save();
                painter->setClipRect(box.adjusted(0, pad() / 2, 0, -pad() / 2));
                painter->setPen(Ink);
                row[c].layout->draw(painter, QPointF(box.left() + pad(), box.top() + pad() - done));
                painter->restore();
            }
            painter->setPen(QPen(Rule, pager_.pt(0.5)));
            painter->drawRect(area);
            for (std::size_t c = 1; c < block_.columns; ++c)
                painter->drawLine(QPointF(columns_[c].x, area.top()),
                                  QPointF(columns_[c].x, area.bottom()));
        }
        pager_.advance(band);
    }

    Pager& pager_;
    const KinmatchPdfBlock& block_;
    std::vector<Column> columns_;
    std::vector<Laid> header_;
};

// The pairs of a group in pages of columns: on every page the columns' numbers across the top
// and each person's number and name down the side.
void Matrix(Pager& pager, const KinmatchPdfBlock& block, bool firstOnPage)
{
    const QFont cellFont = DocumentFont(7.5);
    const QFont headFont = DocumentFont(7.5, true);
    const QFontMetricsF cellMetrics(cellFont, pager.device());
    const QFontMetricsF headMetrics(headFont, pager.device());
    const qreal pad = pager.pt(2);
    const qreal rowHeight =
        std::max(cellMetrics.lineSpacing(), headMetrics.lineSpacing()) + pad * 2;
    qreal headWidth = headMetrics.horizontalAdvance(Text(block.corner));
    std::vector<QString> heads;
    for (std::size_t p = 0; p < block.persons; ++p) {
        heads.push_back(Text(block.rowHeads[p]));
        headWidth = std::max(headWidth, headMetrics.horizontalAdvance(heads.back()));
    }
    headWidth = std::min(headWidth + pad * 2, pager.content().width() * 0.4);
    const qreal cellWidth = (pager.content().width() - headWidth) / qreal(block.columnsPerPage);

    // Each distinct cell shaped once, for the device: its glyphs, its width and its shade.
    struct Prepared {
        QList<QGlyphRun> glyphs;
        qreal width = 0;
        std::optional<QColor> shade;
    };
    std::vector<Prepared> prepared;
    if (pager.painter()) {
        for (std::size_t d = 0; d < block.distinctCount; ++d) {
            const KinmatchPdfCell& cell = block.distinct[d];
            QTextLayout layout(Text(cell.text), cellFont, pager.device());
            layout.beginLayout();
            QTextLine line = layout.createLine();
            layout.endLayout();
            prepared.push_back(
                {layout.glyphRuns(), line.isValid() ? line.naturalTextWidth() : 0,
                 cell.shade >= 0 ? std::optional(QColor(QRgb(cell.shade))) : std::nullopt});
        }
    }
    const qreal cellTextHeight = cellMetrics.height();

    const auto drawHeader = [&](std::size_t first, std::size_t last) {
        QPainter* painter = pager.painter();
        if (painter) {
            const QRectF row(pager.content().left(), pager.y(),
                             headWidth + cellWidth * qreal(last - first), rowHeight);
            painter->fillRect(row, HeaderShade);
            painter->setFont(headFont);
            painter->setPen(Ink);
            painter->drawText(QRectF(row.left() + pad, row.top(), headWidth - pad * 2, rowHeight),
                              Qt::AlignLeft | Qt::AlignVCenter, Text(block.corner));
            for (std::size_t c = first; c < last; ++c)
                painter->drawText(QRectF(row.left() + headWidth + cellWidth * qreal(c - first),
                                         row.top(), cellWidth, rowHeight),
                                  Qt::AlignCenter, QString::number(c + 1));
        }
        pager.advance(rowHeight);
    };
    // The rows [from, to) of the columns [first, last) on this page: their shades, then their
    // texts, then the grid over them, from the header row down.
    const auto drawRows = [&](std::size_t first, std::size_t last, std::size_t from,
                              std::size_t to) {
        QPainter* painter = pager.painter();
        const qreal top = pager.y();
        const qreal left = pager.content().left();
        const qreal right = left + headWidth + cellWidth * qreal(last - first);
        const auto cellAt = [&](std::size_t r, std::size_t c) -> const Prepared& {
            return prepared[block.cellIndex[r * block.persons + c]];
        };
        if (painter) {
            std::map<long, std::vector<QRectF>> shaded;
            for (std::size_t r = from; r < to; ++r)
                for (std::size_t c = first; c < last; ++c)
                    if (const auto& shade = cellAt(r, c).shade)
                        shaded[long(shade->rgb() & 0xFFFFFF)].push_back(
                            QRectF(left + headWidth + cellWidth * qreal(c - first),
                                   top + rowHeight * qreal(r - from), cellWidth, rowHeight));
            painter->setPen(Qt::NoPen);
            for (const auto& [shade, rects] : shaded) {
                painter->setBrush(QColor(QRgb(shade)));
                painter->drawRects(rects.data(), int(rects.size()));
            }
            painter->setBrush(Qt::NoBrush);
            painter->setPen(Ink);
            for (std::size_t r = from; r < to; ++r) {
                const qreal y = top + rowHeight * qreal(r - from);
                painter->setFont(headFont);
                painter->drawText(
                    QRectF(left + pad, y, headWidth - pad * 2, rowHeight),
                    Qt::AlignLeft | Qt::AlignVCenter,
                    headMetrics.elidedText(heads[r], Qt::ElideRight, headWidth - pad * 2));
                for (std::size_t c = first; c < last; ++c) {
                    const Prepared& cell = cellAt(r, c);
                    const QPointF at(left + headWidth + cellWidth * qreal(c - first) +
                                         (cellWidth - cell.width) / 2,
                                     y + (rowHeight - cellTextHeight) / 2);
                    for (const QGlyphRun& glyphs : cell.glyphs)
                        painter->drawGlyphRun(at, glyphs);
                }
            }
            const qreal gridTop = top - rowHeight;
            const qreal gridBottom = top + rowHeight * qreal(to - from);
            painter->setPen(QPen(Rule, pager.pt(0.5)));
            for (qreal y = gridTop; y <= gridBottom + 0.5; y += rowHeight)
                painter->drawLine(QPointF(left, y), QPointF(right, y));
            painter->drawLine(QPointF(left, gridTop), QPointF(left, gridBottom));
            for (std::size_t c = 0; c <= last - first; ++c) {
                const qreal x = left + headWidth + cellWidth * qreal(c);
                painter->drawLine(QPointF(x, gridTop), QPointF(x, gridBottom));
            }
        }
        pager.advance(rowHeight * qreal(to - from));
    };

    const QString headingPattern = Text(block.pageHeading);
    for (std::size_t first = 0; first < block.persons; first += block.columnsPerPage) {
        const std::size_t last = std::min(block.persons, first + block.columnsPerPage);
        if (!(firstOnPage && first == 0))
            pager.newPage();
        KinmatchPdfBlock heading{};
        heading.kind = KinmatchPdfHeading;
        const QByteArray text = headingPattern.arg(first + 1).arg(last).toUtf8();
        heading.text = {text.constData(), std::size_t(text.size())};
        TextBlock(pager, heading, rowHeight * 2);
        for (std::size_t from = 0; from < block.persons;) {
            if (from > 0)
                pager.newPage();
            drawHeader(first, last);
            const std::size_t fit =
                std::max<std::size_t>(1, std::size_t(pager.remaining() / rowHeight));
            const std::size_t to = std::min(block.persons, from + fit);
            drawRows(first, last, from, to);
            from = to;
        }
    }
}

// The whole document laid out once; drawn when painter is given. Returns the number of pages.
int LayOut(const KinmatchPdfDocument& request, QPdfWriter& writer, QPainter* painter,
           const QRectF& content, const PageFrame& frame, int pages, const AstralText& astral)
{
    Pager pager(writer, painter, content, frame, pages, astral);
    for (std::size_t b = 0; b < request.blockCount; ++b) {
        const KinmatchPdfBlock& block = request.blocks[b];
        if (block.newPage && !pager.atTop())
            pager.newPage();
        const KinmatchPdfBlock* next =
            b + 1 < request.blockCount ? &request.blocks[b + 1] : nullptr;
        switch (block.kind) {
        case KinmatchPdfTable:
            Table(pager, block).draw();
            break;
        case KinmatchPdfMatrix:
            Matrix(pager, block, pager.atTop());
            break;
        default: {
            // A heading stays with the beginning of what follows it.
            qreal keep = 0;
            if (block.kind == KinmatchPdfHeading && next && !next->newPage)
                keep =
                    next->kind == KinmatchPdfTable ? Table(pager, *next).opening() : pager.pt(40);
            TextBlock(pager, block, keep);
        }
        }
    }
    pager.finishPage();
    return pager.page();
}

} // namespace

QByteArray BlockPdf(const KinmatchPdfDocument& request)
{
    QString texts;
    for (std::size_t b = 0; b < request.blockCount; ++b) {
        const KinmatchPdfBlock& block = request.blocks[b];
        texts += Text(block.text);
        for (std::size_t c = 0; c < block.rows * block.columns; ++c)
            texts += Text(block.cells[c].text);
        for (std::size_t p = 0; p < block.persons; ++p)
            texts += Text(block.rowHeads[p]);
    }
    const AstralText astral(texts);
    PageFrame frame;
    frame.landscape = request.landscape != 0;
    frame.pageNumbers = request.pageNumbers != 0;
    frame.runningHeader = Text(request.runningHeader);

    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setTitle(Text(request.title));
        const QRectF content = SetUpPages(writer, frame);
        const int pages = LayOut(request, writer, nullptr, content, frame, 0, astral);
        QPainter painter(&writer);
        astral.prime(painter);
        LayOut(request, writer, &painter, content, frame, pages, astral);
    }
    return astral.completed(pdf.data());
}
