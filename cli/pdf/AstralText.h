#pragma once

// Characters beyond the first 65,536 of Unicode (emoji, mostly) in the PDF that Qt writes: drawn
// in an emoji font where one is installed, and kept in the text layer too. Qt 6.4's PDF writer
// maps a font's glyphs back to text only from characters below U+10000 (QFontSubset), so the
// text of an emoji would be lost to search, copy and screen readers. Their glyphs are therefore
// drawn first, in a known order, which fixes their numbers in the font's subset, and the font's
// map back to text is completed afterwards by an incremental update of the file.

#include <QFont>
#include <QList>
#include <QString>
#include <QTextLayout>

class QPainter;
class QTextDocument;

class AstralText {
public:
    // The characters of the texts that lie beyond U+FFFF and that the emoji font has.
    explicit AstralText(const QString& texts);

    // Draws each character once, outside the page: to be called before anything else is drawn.
    void prime(QPainter& painter) const;
    // The emoji font given to every run of those characters in the document.
    void applyTo(QTextDocument& document) const;
    // The same for a text laid out on its own, in the base font.
    QList<QTextLayout::FormatRange> formats(const QString& text) const;
    // The PDF with those characters in the text layer.
    QByteArray completed(const QByteArray& pdf) const;

private:
    bool wanted(char32_t character) const;

    QString family_;             // the emoji font, empty where none is installed
    QList<char32_t> characters_; // in the order drawn by prime(), one a glyph
};
