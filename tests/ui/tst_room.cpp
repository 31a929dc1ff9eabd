// Every window in every language the program speaks, and in the pseudo-language whose texts are
// longer still: no text wider or taller than its control, no two controls over each other, no
// control outside its window, and each window's access keys its own.

#include "Language.h"
#include "Localized.h"
#include "Translators.h"
#include "WindowTest.h"
#include "frmAbout.h"
#include "frmMain.h"
#include "frmMayanCompatibilityResult.h"
#include "frmNagScreen2.h"
#include "modMayanCompatibility.h"

#include <QGroupBox>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>

using namespace kinmatch;
using namespace kinmatch::testing;
namespace mmc = modMayanCompatibility;

namespace {

QString Plain(QString text)
{
    return text.replace(QStringLiteral("&&"), QStringLiteral("\x01"))
        .remove(QLatin1Char('&'))
        .replace(QLatin1Char('\x01'), QLatin1Char('&'));
}

// What of a control's text does not fit it, measured with its own font.
QString Clipped(QWidget* widget)
{
    const QString where =
        widget->objectName() + QStringLiteral(" in ") + widget->window()->objectName();
    const QRect inside = widget->contentsRect();
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        if (label->text().isEmpty() || !label->pixmap().isNull())
            return {};
        const QFontMetrics metrics(label->font());
        const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
        const QRect needed = metrics.boundingRect(inside, flags, label->text());
        if (needed.width() > inside.width() || needed.height() > inside.height())
            return QStringLiteral("%1: '%2' needs %3x%4, has %5x%6")
                .arg(where, label->text().left(40))
                .arg(needed.width())
                .arg(needed.height())
                .arg(inside.width())
                .arg(inside.height());
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        const int text = QFontMetrics(button->font()).horizontalAdvance(Plain(button->text()));
        const int room =
            qobject_cast<QPushButton*>(button) ? button->width() - 8 : button->width() - 20;
        if (text > room)
            return QStringLiteral("%1: '%2' needs %3, has %4")
                .arg(where, button->text())
                .arg(text)
                .arg(room);
    } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
        const int text = QFontMetrics(group->font()).horizontalAdvance(Plain(group->title()));
        if (text + 16 > group->width())
            return QStringLiteral("%1: caption '%2' needs %3, has %4")
                .arg(where, group->title())
                .arg(text + 16)
                .arg(group->width());
    } else if (auto* box = qobject_cast<QLineEdit*>(widget)) {
        const int text = QFontMetrics(box->font()).horizontalAdvance(box->text());
        if (text > box->width() - 4)
            return QStringLiteral("%1: '%2' needs %3, has %4")
                .arg(where, box->text())
                .arg(text)
                .arg(box->width() - 4);
    } else if (auto* list = qobject_cast<QComboBox*>(widget)) {
        const QFontMetrics metrics(list->font());
        for (int i = 0; i < list->count(); ++i)
            if (metrics.horizontalAdvance(list->itemText(i)) > list->width() - 20)
                return QStringLiteral("%1: item '%2' needs %3, has %4")
                    .arg(where, list->itemText(i))
                    .arg(metrics.horizontalAdvance(list->itemText(i)))
                    .arg(list->width() - 20);
    }
    return {};
}

QString Geometry(const QRect& rect)
{
    return QStringLiteral("(%1,%2 %3x%4)")
        .arg(rect.x())
        .arg(rect.y())
        .arg(rect.width())
        .arg(rect.height());
}

// The controls a user sees: shown, and inside what holds them.
QList<QWidget*> SeenControls(QWidget* window)
{
    QList<QWidget*> seen;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(window) || widget->isWindow() || widget->inherits("QMenuBar") ||
            widget->inherits("QMenu"))
            continue;
        QWidget* parent = widget->parentWidget();
        if (!parent->rect().intersects(widget->geometry()))
            continue; // out of sight, as the form's hidden message box is kept
        seen << widget;
    }
    return seen;
}

QStringList Problems(QWidget* window)
{
    QStringList problems;
    const QList<QWidget*> seen = SeenControls(window);
    for (QWidget* widget : seen) {
        if (const QString clipped = Clipped(widget); !clipped.isEmpty())
            problems << clipped;
        QWidget* parent = widget->parentWidget();
        if (!parent->rect().contains(widget->geometry()))
            problems
                << QStringLiteral("%1 leaves %2").arg(widget->objectName(), parent->objectName());
        // Siblings over each other, but for the offers that lie one beneath the other on
        // purpose; a shared edge of a pixel is not an overlap.
        for (QWidget* other : seen) {
            if (other <= widget || other->parentWidget() != parent ||
                (widget->objectName().startsWith(QLatin1String("lbl")) &&
                 widget->geometry() == other->geometry()))
                continue;
            const QRect both = widget->geometry() & other->geometry();
            if (both.width() > 1 && both.height() > 1)
                problems << QStringLiteral("%1 %2 overlaps %3 %4")
                                .arg(widget->objectName(), Geometry(widget->geometry()),
                                     other->objectName(), Geometry(other->geometry()));
        }
    }
    return problems;
}

// Within each menu, its items' access keys are their own too.
QStringList MenuKeyClashes(QWidget* window)
{
    QStringList clashes;
    for (QMenu* menu : window->findChildren<QMenu*>()) {
        QStringList keys;
        for (QAction* action : menu->actions()) {
            const QKeySequence key = QKeySequence::mnemonic(action->text());
            if (key.isEmpty())
                continue;
            if (keys.contains(key.toString()))
                clashes << menu->title() + QStringLiteral(": ") + key.toString();
            keys << key.toString();
        }
    }
    return clashes;
}

} // namespace

class RoomTest : public QObject {
    Q_OBJECT

private slots:
    void windowsMakeRoom_data();
    void windowsMakeRoom();
    void cleanup();

private:
    RunningProgram running;
};

void RoomTest::windowsMakeRoom_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("window");
    for (const std::string_view language : Languages())
        for (const char* window : {"main", "result", "report", "about", "support", "message"})
            QTest::addRow("%s %s", std::string(language).c_str(), window)
                << QString::fromStdString(std::string(language)) << QString::fromLatin1(window);
}

void RoomTest::windowsMakeRoom()
{
    QFETCH(QString, language);
    QFETCH(QString, window);
    InstallLanguage(language.toStdString());
    running.start();
    RecordingPlatform& platform = *running.platform;
    QStringList problems;
    const auto check = [&](QWidget* shown) {
        for (const QString& problem : Problems(shown))
            problems << problem;
        const QStringList keys = AccessKeys(shown);
        if (keys.size() != QSet<QString>(keys.begin(), keys.end()).size())
            problems << QStringLiteral("access keys repeat: ") + keys.join(' ');
        problems << MenuKeyClashes(shown);
        // For a look at every window in every language without going through the program.
        if (const QString folder = qEnvironmentVariable("KINMATCH_ROOM_SHOTS"); !folder.isEmpty())
            shown->grab().save(QStringLiteral("%1/%2-%3.png").arg(folder, language, window));
    };
    frmMain* main = running.program->mainWindow();
    if (window == "main") {
        check(main);
    } else if (window == "about") {
        frmAbout about(platform, main);
        check(&about);
    } else if (window == "support") {
        frmNagScreen2 support(platform);
        check(&support);
    } else if (window == "message") {
        // The longest of the messages the windows show, in Qt's own box.
        QMessageBox box(QMessageBox::Critical, QStringLiteral("Kinmatch"),
                        frmNagScreen2::SupportMessages()[0], QMessageBox::Yes | QMessageBox::No);
        box.show();
        QTest::qWait(10);
        check(&box);
    } else {
        main->findChild<QLineEdit*>(QStringLiteral("txtNameM"))->setText(QStringLiteral("Ann"));
        main->findChild<QLineEdit*>(QStringLiteral("txtNameF"))->setText(QStringLiteral("Bob"));
        Click(main, "cmdCalculate");
        frmMayanCompatibilityResult* result = running.program->resultWindow();
        QVERIFY(result);
        if (window == "result") {
            // Every composite's name and description that a reading can show.
            for (int seal = 2; seal <= mmc::SealCount; ++seal) {
                const mmc::CompositeReading composite =
                    mmc::CompositeOf({std::int16_t(seal - 1), 6, "Monkey"}, {1, 7, "Monkey"});
                result->ShowComposite(Localized(mmc::ResultDisplayOf(
                    composite, {1, 12, "Crocodile"}, {16, 13, "Transformer"})));
                check(result);
            }
        } else {
            ModalAnswer inspect([&](QWidget* report) {
                check(report);
                report->close();
            });
            Click(result, "cmdSave");
            QVERIFY(inspect.answered());
        }
    }
    problems.removeDuplicates();
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
}

void RoomTest::cleanup()
{
    running.end();
    InstallLanguage(std::string(English));
}

QTEST_MAIN(RoomTest)
#include "tst_room.moc"
