#include "AstralText.h"

#include <QFontDatabase>
#include <QPainter>
#include <QRawFont>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <set>

namespace {

// A font of Debian's (fonts-symbola) with outlines for the emoji and symbols beyond U+FFFF, which
// the PDF can embed (a colour bitmap font could not be).
const QString EmojiFamily = QStringLiteral("Symbola");

bool IsAstral(char32_t character)
{
    return character > 0xFFFF;
}

} // namespace

AstralText::AstralText(const QString& texts)
{
    if (!QFontDatabase::families().contains(EmojiFamily))
        return;
    family_ = EmojiFamily;
    const QRawFont font = QRawFont::fromFont(QFont(family_));
    std::set<char32_t> astral;
    for (const char32_t character : texts.toUcs4())
        if (IsAstral(character))
            astral.insert(character);
    // One character a glyph, so that the glyphs' numbers in the subset follow this list.
    std::set<quint32> glyphs;
    for (const char32_t character : astral) {
        const QList<quint32> glyph = font.glyphIndexesForString(QString::fromUcs4(&character, 1));
        if (glyph.size() == 1 && glyph.front() != 0 && glyphs.insert(glyph.front()).second)
            characters_.append(character);
    }
}

bool AstralText::wanted(char32_t character) const
{
    return characters_.contains(character);
}

void AstralText::prime(QPainter& painter) const
{
    if (characters_.isEmpty())
        return;
    painter.save();
    QFont font(family_);
    font.setPointSizeF(8);
    painter.setFont(font);
    // Outside every page's box: no reader shows or extracts what lies there.
    for (const char32_t character : characters_)
        painter.drawText(QPointF(-10000, -10000), QString::fromUcs4(&character, 1));
    painter.restore();
}

QList<QTextLayout::FormatRange> AstralText::formats(const QString& text) const
{
    QList<QTextLayout::FormatRange> ranges;
    if (characters_.isEmpty())
        return ranges;
    QTextCharFormat emoji;
    emoji.setFontFamilies({family_});
    for (qsizetype i = 0; i < text.size();) {
        const char32_t character = text.at(i).isHighSurrogate() && i + 1 < text.size()
                                       ? QChar::surrogateToUcs4(text.at(i), text.at(i + 1))
                                       : text.at(i).unicode();
        const int length = IsAstral(character) ? 2 : 1;
        if (wanted(character)) {
            if (!ranges.isEmpty() && ranges.back().start + ranges.back().length == i)
                ranges.back().length += length;
            else
                ranges.append({int(i), length, emoji});
        }
        i += length;
    }
    return ranges;
}

void AstralText::applyTo(QTextDocument& document) const
{
    if (characters_.isEmpty())
        return;
    QTextCursor cursor(&document);
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (const QTextLayout::FormatRange& range : formats(block.text())) {
            cursor.setPosition(block.position() + range.start);
            cursor.setPosition(block.position() + range.start + range.length,
                               QTextCursor::KeepAnchor);
            cursor.mergeCharFormat(range.format);
        }
}

QByteArray AstralText::completed(const QByteArray& pdf) const
{
    if (characters_.isEmpty())
        return pdf;
    // The emoji font's map back to text, as Qt writes it: "/ToUnicode N 0 R" in the composite
    // (Type0) font named for the family, then object N, an uncompressed CMap.
    const QByteArray name = "/Subtype /Type0\n/BaseFont /" +
                            QString(family_).remove(QLatin1Char(' ')).toLatin1() + "\n";
    const qsizetype font = pdf.indexOf(name);
    const qsizetype toUnicode = font < 0 ? -1 : pdf.indexOf("/ToUnicode ", font);
    const qsizetype fontEnd = font < 0 ? -1 : pdf.indexOf(">>", font);
    const qsizetype trailer = pdf.lastIndexOf("trailer\n<<");
    const qsizetype startXref = pdf.lastIndexOf("startxref\n");
    if (toUnicode < 0 || toUnicode > fontEnd || trailer < 0 || startXref < trailer)
        return pdf;
    const QByteArray object =
        pdf.mid(toUnicode + 11, pdf.indexOf(' ', toUnicode + 11) - toUnicode - 11);
    const qsizetype start = pdf.indexOf("\n" + object + " 0 obj\n<< /Length ");
    const qsizetype streamStart = start < 0 ? -1 : pdf.indexOf("stream\n", start) + 7;
    const qsizetype mapEnd = streamStart < 7 ? -1 : pdf.indexOf("endcmap", streamStart);
    const qsizetype streamEnd = mapEnd < 0 ? -1 : pdf.indexOf("endstream", mapEnd);
    if (streamEnd < 0)
        return pdf;
    // CID 0 is the missing glyph; those drawn by prime() follow it, one a character.
    const auto hex = [](uint value) {
        return QByteArray::number(value, 16).rightJustified(4, '0').toUpper();
    };
    QByteArray entries = QByteArray::number(characters_.size()) + " beginbfchar\n";
    for (qsizetype i = 0; i < characters_.size(); ++i) {
        QByteArray code;
        for (const QChar unit : QString::fromUcs4(&characters_[i], 1))
            code += hex(unit.unicode());
        entries += "<" + hex(uint(i + 1)) + "> <" + code + ">\n";
    }
    entries += "endbfchar\n";
    const QByteArray map =
        pdf.mid(streamStart, mapEnd - streamStart) + entries + pdf.mid(mapEnd, streamEnd - mapEnd);

    // An incremental update: the new object, a section of the cross-reference table for it
    // alone, and a trailer that points back to the file's own.
    const QByteArray oldTrailer = pdf.mid(trailer, startXref - trailer);
    const auto entry = [&](const QByteArray& key) {
        const qsizetype at = oldTrailer.indexOf(key + ' ');
        return at < 0 ? QByteArray()
                      : oldTrailer
                            .mid(at + key.size() + 1,
                                 oldTrailer.indexOf('\n', at) - at - key.size() - 1)
                            .trimmed();
    };
    const QByteArray previous = pdf.mid(startXref + 10).split('\n').front().trimmed();
    QByteArray updated = pdf;
    if (!updated.endsWith('\n'))
        updated += '\n';
    const qsizetype objectOffset = updated.size();
    updated += object + " 0 obj\n<< /Length " + QByteArray::number(map.size()) + " >>\nstream\n" +
               map + "endstream\nendobj\n";
    const qsizetype xrefOffset = updated.size();
    updated += "xref\n" + object + " 1\n" +
               QByteArray::number(objectOffset).rightJustified(10, '0') + " 00000 n \n";
    updated += "trailer\n<<\n/Size " + entry("/Size") + "\n/Info " + entry("/Info") + "\n/Root " +
               entry("/Root") + "\n/Prev " + previous + "\n>>\nstartxref\n" +
               QByteArray::number(xrefOffset) + "\n%%EOF\n";
    return updated;
}
