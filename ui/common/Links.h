#pragma once

// Labels that act as web links, and the strip of offers at the foot of several windows.

#include "Controls.h"

namespace kinmatch {
class Platform;
}

namespace look {

// A label that acts as a web link: the link pointer over it, clicked on a mouse release, and
// pressed by assistive technology through its accessible action. Like the links of the platform
// the windows come from, it takes no keyboard focus.
class LinkLabel : public QLabel {
    Q_OBJECT

public:
    explicit LinkLabel(QWidget* parent);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

QCursor LinkCursor();

LinkLabel* AddLink(QWidget* parent, const char* name, const QString& text, const QRect& geometry,
                   TextStyle style);

// The blue, bold, underlined, centred style of the offer and forum links.
TextStyle OfferLinkStyle();

// The bottom strip of the main, result and report windows: the full-branding offer in front of
// the co-branding offer at the same place, each opening its page.
struct OfferStrip {
    QWidget* fraFullBrand;
    LinkLabel* lblFullBrand;
    LinkLabel* lblCobrand;
};
OfferStrip AddOfferStrip(QWidget* parent, const QRect& geometry, int labelWidth,
                         kinmatch::Platform& platform);

} // namespace look
