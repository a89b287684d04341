// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

// What a person sees, measured on the rendered window: each captioned frame keeps its border line
// through the middle of its caption under every style, and the answers and the About... button
// stay readable in light and dark colour schemes.

#include "app/form1.h"
#include "app/services/colours.h"
#include "tools/drive/drive.h"

#include <QApplication>
#include <QHash>
#include <QRadioButton>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOptionComboBox>
#include <QStyleOptionGroupBox>
#include <QTest>

#include <memory>

using namespace korvanta;

using korvanta::contrast;

namespace
{

// What `widget` shows, in its own logical coordinates.
QImage rendered(QWidget *widget)
{
    QImage image = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    return image.scaled(widget->size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

// The commonest colour of an area: what its text is drawn on.
QColor background(const QImage &image, QRect area = {})
{
    if (area.isNull())
        area = image.rect();
    QHash<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[image.pixel(x, y)];
    }
    QRgb commonest = 0;
    int most = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > most)
            std::tie(commonest, most) = std::tuple(it.key(), it.value());
    }
    return QColor(commonest);
}

// The contrast of an area's text against what it is drawn on: the strongest pixel, which is the
// middle of a stroke.
double textContrast(const QImage &image, QRect area = {})
{
    if (area.isNull())
        area = image.rect();
    const QColor behind = background(image, area);
    double best = 1;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            best = qMax(best, contrast(QColor(image.pixel(x, y)), behind));
    }
    return best;
}

// What Qt 6.4 gives a Windows program in dark mode, as seen under Wine: dark window and text
// colours, the button's shade left mid-grey and the other shades light.
QPalette windowsDarkPalette()
{
    QPalette given = QApplication::style()->standardPalette();
    const QColor foreground(Qt::white);
    given.setColor(QPalette::Window, QColor(0x1E, 0x1E, 0x1E));
    given.setColor(QPalette::Base, QColor(0x2D, 0x2D, 0x2D));
    given.setColor(QPalette::Button, QColor(0x80, 0x80, 0x80));
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        given.setColor(role, foreground);
    given.setColor(QPalette::Highlight, QColor(0x00, 0x78, 0xD4));
    return given;
}

// What the window draws, pixel for pixel (at a scale of 2, two pixels to a point), and the
// rectangles of its widgets on that image.
struct Drawn {
    QImage image;
    qreal scale;

    explicit Drawn(QWidget *window)
        : image(window->grab().toImage().convertToFormat(QImage::Format_RGB32))
        , scale(window->devicePixelRatio())
    {
    }
    QRect onImage(const QWidget *widget, QRect area = {}) const
    {
        if (area.isNull())
            area = widget->rect();
        const QRect logical(widget->mapTo(widget->window(), area.topLeft()), area.size());
        return QRect(QPoint(qRound(logical.left() * scale), qRound(logical.top() * scale)),
                     QSize(qRound(logical.width() * scale), qRound(logical.height() * scale)));
    }
};

// How well the edge of `area` stands out against `panel`: from each side inwards along the
// middle line, the strongest of the first pixels (two points' worth); the weakest side.
double edgeContrast(const Drawn &drawn, const QRect &area, const QColor &panel)
{
    const int depth = qMax(2, qRound(2 * drawn.scale));
    const QPoint middle = area.center();
    const auto strongest = [&](QPoint from, QPoint step) {
        double best = 1;
        for (int i = 0; i < depth; ++i, from += step)
            best = qMax(best, contrast(QColor(drawn.image.pixel(from)), panel));
        return best;
    };
    return qMin(qMin(strongest({area.left(), middle.y()}, {1, 0}),
                     strongest({area.right(), middle.y()}, {-1, 0})),
                qMin(strongest({middle.x(), area.top()}, {0, 1}),
                     strongest({middle.x(), area.bottom()}, {0, -1})));
}

QRect subControl(const QComboBox *list, QStyle::SubControl part)
{
    QStyleOptionComboBox option;
    option.initFrom(list);
    option.editable = list->isEditable();
    return list->style()->subControlRect(QStyle::CC_ComboBox, &option, part, list);
}

QRect indicatorOf(const QRadioButton *button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    return button->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, button);
}

} // namespace

class TestAppearance : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { m_style = QApplication::style()->name(); }

    void cleanup()
    {
        QApplication::setStyle(m_style);
        QApplication::setPalette(QApplication::style()->standardPalette());
    }

    void captionsSitOnTheirBorder_data()
    {
        QTest::addColumn<QString>("style");
        // The desktop's own style first: whatever QT_STYLE_OVERRIDE or the platform gave.
        QTest::newRow("desktop") << QApplication::style()->name();
        QTest::newRow("fusion") << QStringLiteral("Fusion");
        QTest::newRow("windows") << QStringLiteral("Windows");
    }

    // Along the caption's middle, the border runs on both sides of the caption.
    void captionsSitOnTheirBorder()
    {
        QFETCH(QString, style);
        QVERIFY(QApplication::setStyle(style));
        QApplication::setPalette(QApplication::style()->standardPalette());
        Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        for (QGroupBox *frame : {form.Frame1, form.Frame2}) {
            QStyleOptionGroupBox option;
            option.initFrom(frame);
            option.text = frame->title();
            option.textAlignment = frame->alignment();
            option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
            option.lineWidth = 1;
            const QRect caption = frame->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                                 QStyle::SC_GroupBoxLabel, frame);
            const QImage image = rendered(frame);
            const QColor panel = frame->palette().color(QPalette::Window);
            const int middle = caption.center().y();
            // The line is a pixel wide; "through the middle" allows for how a style rounds it.
            const auto lined = [&](int x) {
                for (int y = middle - 2; y <= middle + 2; ++y) {
                    const QColor pixel(image.pixel(x, y));
                    if (qMax(qAbs(pixel.red() - panel.red()),
                             qAbs(pixel.green() - panel.green())) >= 12)
                        return true;
                }
                return false;
            };
            int missing = 0;
            for (int x = caption.right() + 4; x < frame->width() - 4; ++x)
                missing += !lined(x);
            for (int x = 4; x < caption.left() - 3; ++x)
                missing += !lined(x);
            QVERIFY2(missing == 0,
                     qPrintable(QStringLiteral("%1 under %2: %3 columns without a "
                                               "border at the caption's middle (y %4)")
                                    .arg(frame->title(), style)
                                    .arg(missing)
                                    .arg(middle)));
        }
    }

    void readableInEveryScheme_data()
    {
        QTest::addColumn<bool>("dark");
        QTest::addColumn<bool>("whileOpen");
        QTest::addColumn<bool>("windows"); // Qt 6.4's dark palette for Windows, completed
        QTest::newRow("light") << false << false << false;
        QTest::newRow("dark from the start") << true << false << false;
        QTest::newRow("dark while open") << true << true << false;
        QTest::newRow("back to light while open") << false << true << false;
        QTest::newRow("Windows' dark mode") << true << false << true;
    }

    void readableInEveryScheme()
    {
        QFETCH(bool, dark);
        QFETCH(bool, whileOpen);
        QFETCH(bool, windows);
        const QPalette scheme = windows ? korvanta::completedDark(windowsDarkPalette())
                                : dark  ? darkPalette()
                                        : QApplication::style()->standardPalette();
        QApplication::setPalette(
            whileOpen ? (dark ? QApplication::style()->standardPalette() : darkPalette()) : scheme);
        Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        if (whileOpen) {
            // The window hears of it from the event loop, as from a desktop's scheme change.
            QApplication::setPalette(scheme);
            QVERIFY(QTest::qWaitFor([&] { return form.palette() == QApplication::palette(); }));
        }

        // Both answer lines filled: a military plate.
        QVERIFY(clickOption(form.Option2));
        choose(form.Combo1, 0);
        choose(form.Combo2, 0);
        QVERIFY(!form.Label5->text().isEmpty());

        if (!dark) {
            for (QLabel *line : {form.Label1, form.Label4, form.Label5})
                QCOMPARE(line->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        }
        // Each text against what it is drawn on: the panel, or the contact box's field; the
        // About... button's face against its panel, and its text against the face.
        struct Measure {
            QString what;
            double ratio;
            double atLeast;
        };
        QList<Measure> measures;
        for (QLabel *text : {form.Label1, form.Label4, form.Label5})
            measures.append({text->objectName(), textContrast(rendered(text)), 4.5});
        measures.append({form.Text3->objectName(), textContrast(rendered(form.Text3)), 4.5});
        const QImage button = rendered(form.Command1);
        const QRect face = button.rect().adjusted(3, 3, -3, -3);
        const QColor panel = background(rendered(form.Frame3));
        measures.append(
            {QStringLiteral("About... face"), contrast(background(button, face), panel), 1.4});
        measures.append({QStringLiteral("About... text"), textContrast(button, face), 4.5});
        form.Command1->click();
        QVERIFY(form.Text2->isVisible());
        measures.append(
            {form.Text2->objectName(), textContrast(rendered(form.Text2->viewport())), 4.5});

        for (const Measure &measure : std::as_const(measures)) {
            const QString said =
                QStringLiteral("%1 at %2:1").arg(measure.what).arg(measure.ratio, 0, 'f', 2);
            qInfo("%s", qPrintable(said));
            QVERIFY2(measure.ratio >= measure.atLeast, qPrintable(said));
        }
    }

    void boundariesStandOut_data()
    {
        QTest::addColumn<QString>("style"); // empty: the desktop's own
        QTest::addColumn<int>("scheme");    // 0 light, 1 dark, 2 Windows' dark mode
        for (const QString &style :
             {QString(), QStringLiteral("Fusion"), QStringLiteral("Windows")}) {
            const QString name = style.isEmpty() ? QStringLiteral("desktop") : style;
            QTest::newRow(qPrintable(name + QStringLiteral(", light"))) << style << 0;
            QTest::newRow(qPrintable(name + QStringLiteral(", dark"))) << style << 1;
        }
        QTest::newRow("Windows' dark mode") << QString() << 2;
    }

    // Every control a person acts on shows its edge at 3:1 or more against the panel it sits on,
    // measured on the drawn pixels: the round buttons' rings and the chosen one's dot, the lists'
    // and the field's frames and their arrows, the About... button's frame.
    void boundariesStandOut()
    {
        QFETCH(QString, style);
        QFETCH(int, scheme);
        if (!style.isEmpty())
            QVERIFY(QApplication::setStyle(style));
        QApplication::setPalette(scheme == 2   ? korvanta::completedDark(windowsDarkPalette())
                                 : scheme == 1 ? darkPalette()
                                               : QApplication::style()->standardPalette());
        if (scheme == 2)
            QApplication::setStyle(QStringLiteral("Fusion"));
        Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QVERIFY(atTheAskedScale(&form));
        // A civil query: the first two lists and the field in use, the first button chosen.
        QVERIFY(clickOption(form.Option1));
        choose(form.Combo1, 0);
        form.Option2->setFocus(); // no focus frame on the lists
        QTest::qWait(50);
        const Drawn drawn(&form);
        const QColor panel = background(drawn.image, drawn.onImage(form.Frame1));

        struct Measure {
            QString what;
            double ratio;
        };
        QList<Measure> measures;
        for (QRadioButton *button : {form.Option1, form.Option2}) {
            const QRect ring = drawn.onImage(button, indicatorOf(button));
            measures.append(
                {button->objectName() + QStringLiteral(" ring"), edgeContrast(drawn, ring, panel)});
        }
        const QRect chosen = drawn.onImage(form.Option1, indicatorOf(form.Option1));
        const QRect unchosen = drawn.onImage(form.Option2, indicatorOf(form.Option2));
        measures.append({QStringLiteral("Option1 dot"),
                         contrast(QColor(drawn.image.pixel(chosen.center())),
                                  QColor(drawn.image.pixel(unchosen.center())))});
        for (QComboBox *list : {form.Combo1, form.Combo2}) {
            measures.append({list->objectName() + QStringLiteral(" frame"),
                             edgeContrast(drawn, drawn.onImage(list), panel)});
            measures.append(
                {list->objectName() + QStringLiteral(" arrow"),
                 textContrast(drawn.image,
                              drawn.onImage(list, subControl(list, QStyle::SC_ComboBoxArrow)
                                                      .adjusted(3, 3, -3, -3)))});
        }
        measures.append({QStringLiteral("About... frame"),
                         edgeContrast(drawn, drawn.onImage(form.Command1),
                                      background(drawn.image, drawn.onImage(form.Frame3)))});
        for (const Measure &measure : std::as_const(measures)) {
            const QString said =
                QStringLiteral("%1 at %2:1").arg(measure.what).arg(measure.ratio, 0, 'f', 2);
            qInfo("%s", qPrintable(said));
            QVERIFY2(measure.ratio >= korvanta::kVisibleBoundary, qPrintable(said));
        }
    }

private:
    QString m_style;
};

QTEST_MAIN(TestAppearance)
#include "tst_appearance.moc"
