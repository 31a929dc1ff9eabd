#include "Links.h"

#include "modHelp.h"

#include <QAccessibleWidget>
#include <QMouseEvent>

namespace look {

namespace {

class LinkLabelAccessible : public QAccessibleWidget {
public:
    explicit LinkLabelAccessible(LinkLabel* link) : QAccessibleWidget(link, QAccessible::Link) {}

    QString text(QAccessible::Text kind) const override
    {
        const QString own = QAccessibleWidget::text(kind);
        if (kind == QAccessible::Name && own.isEmpty())
            return static_cast<QLabel*>(widget())->text();
        return own;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override
    {
        if (action == pressAction())
            emit static_cast<LinkLabel*>(widget())->clicked();
    }
};

QAccessibleInterface* LinkLabelAccessibility(const QString& className, QObject* object)
{
    if (className == QLatin1String("look::LinkLabel") && object->isWidgetType())
        return new LinkLabelAccessible(static_cast<LinkLabel*>(object));
    return nullptr;
}

} // namespace

LinkLabel::LinkLabel(QWidget* parent) : QLabel(parent)
{
    static const bool installed = [] {
        QAccessible::installFactory(LinkLabelAccessibility);
        return true;
    }();
    Q_UNUSED(installed);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

QCursor LinkCursor()
{
    static const QCursor cursor(QPixmap(QStringLiteral(":/cursors/link.png")), 6, 1);
    return cursor;
}

LinkLabel* AddLink(QWidget* parent, const char* name, const QString& text, const QRect& geometry,
                   TextStyle style)
{
    auto* link = new LinkLabel(parent);
    style.underline = true;
    SetUpLabel(link, name, text, geometry, style);
    link->setCursor(LinkCursor());
    return link;
}

TextStyle OfferLinkStyle()
{
    return {UiFont(8.25, true), LinkBlue, Qt::AlignCenter, true, true};
}

OfferStrip AddOfferStrip(QWidget* parent, const QRect& geometry, int labelWidth,
                         kinmatch::Platform& platform)
{
    auto* strip = new Panel(LightYellow, parent);
    strip->setObjectName(QStringLiteral("fraFullBrand"));
    strip->setGeometry(geometry);
    const QRect place(8, 11, labelWidth, 41);
    // Created second, the full-branding offer starts in front.
    LinkLabel* cobrand = AddLink(strip, "lblCobrand", CoBrandCaption(), place, OfferLinkStyle());
    LinkLabel* full = AddLink(strip, "lblFullBrand", FullBrandCaption(), place, OfferLinkStyle());
    for (LinkLabel* label : {cobrand, full})
        FillBackground(label, LightYellow); // opaque, so the one in front hides the other
    QObject::connect(full, &LinkLabel::clicked, strip,
                     [&platform] { modHelp::OpenFullBrandingOffer(platform); });
    QObject::connect(cobrand, &LinkLabel::clicked, strip,
                     [&platform] { modHelp::OpenCoBrandingOffer(platform); });
    return {strip, full, cobrand};
}

} // namespace look
