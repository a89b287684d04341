// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

// Building the window, start-up, its look, showing and hiding.

#include "app/form1.h"

#include "app/services/accessibility.h"
#include "app/services/colours.h"
#include "app/services/fonts.h"
#include "app/widgets/boundarystyle.h"
#include "app/widgets/framestyle.h"

#include <QIcon>
#include <QStyleFactory>

namespace
{

// The window icon, in the sizes a window manager shows it at.
QIcon korvantaIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64})
        icon.addFile(QStringLiteral(":/pictures/korvanta-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace

Form1::Form1(QWidget *parent)
    : QWidget(parent)
{
    korvanta::installFontSubstitutes();
    korvanta::installAccessibility();
    setupUi(this);
    finishDesign();
    Form_Load();
}

Form1::~Form1() = default;

// What the form file cannot say about the whole window (fractional point sizes, the frames, the
// colours, the icon), then what each part of it needs.
void Form1::finishDesign()
{
    setFixedSize(size());
    setWindowIcon(korvantaIcon());

    QFont windowFont = font();
    windowFont.setPointSizeF(10.5);
    setFont(windowFont);
    QFont noteFont = Text1->font();
    noteFont.setPointSizeF(10.5);
    Text1->setFont(noteFont);

    followColourScheme();

    // On the style the window is drawn in, whichever the desktop or the program chose.
    auto *frameStyle = new korvanta::CaptionOnBorderStyle(QStyleFactory::create(style()->name()));
    frameStyle->setParent(this);
    for (QGroupBox *frame : {Frame1, Frame2, Frame3, Frame4})
        frame->setStyle(frameStyle);
    // Every control a person acts on shows its edge clearly against the panel.
    auto *controlStyle = new korvanta::ClearBoundaryStyle(QStyleFactory::create(style()->name()));
    controlStyle->setParent(this);
    for (QWidget *control : std::initializer_list<QWidget *>{Option1, Option2, Option3, Option4,
                                                             Combo1, Combo2, Combo3})
        control->setStyle(controlStyle);
    // The About... button's face is a shade of the scheme (followColourScheme). Windows' own
    // styles draw a button as the system does, light whatever the scheme, so that on a dark one
    // its light text could not be read: there Fusion draws it, which follows the scheme.
    auto *buttonStyle = new korvanta::ClearBoundaryStyle(QStyleFactory::create(
        korvanta::drawsAsTheSystem(style()) ? QStringLiteral("Fusion") : style()->name()));
    buttonStyle->setParent(this);
    Command1->setStyle(buttonStyle);
    setUpQuery();
    setUpTypedPlate();
    setUpPhotos();
    setUpAboutView();
    setUpAnimations();
}

void Form1::Form_Load()
{
    for (const HeldPicture &held : heldPictures())
        held.holder->hide();
    Frame4->hide();
    Text3->setText(QString(16, QLatin1Char(' ')) +
                   QStringLiteral("绿色小巧的资料软件会拥有更大的用户群! 我会让他们记住您。"));
    Text3->setCursorPosition(0);
    // Screen readers read the scrolling line once, whole, and not as it moves.
    Text3->setAccessibleName(Text3->text().trimmed());
    X = 1;
    Y = 1;
}

// The scrolling line sits on the colour of a button face, and the About... button's face is a
// shade apart from its panel. The title, the answers and the contact line are the form's blue;
// blue on a dark scheme cannot be read, so there they take a light blue. Runs again whenever the
// scheme changes while the window is open.
void Form1::followColourScheme()
{
    const QPalette scheme = palette();
    const auto recolour = [](QWidget *widget, QPalette::ColorRole role, const QColor &colour) {
        QPalette palette = widget->palette();
        palette.setColor(role, colour);
        widget->setPalette(palette);
    };
    const QColor blueOnPanel = korvanta::answerBlue(scheme.color(QPalette::Window));
    for (QLabel *line : {Label1, Label4, Label5, m_plateLine, m_plateAnswer}) {
        if (line)
            recolour(line, QPalette::WindowText, blueOnPanel);
    }
    recolour(Text2, QPalette::Text, korvanta::answerBlue(scheme.color(QPalette::Base)));
    recolour(Text3, QPalette::Base, scheme.color(QPalette::Button));
    recolour(Command1, QPalette::Button,
             korvanta::distinctFace(scheme.color(QPalette::Mid), scheme.color(QPalette::Window),
                                    scheme.color(QPalette::ButtonText)));
}

void Form1::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    tickOnlyWhileSeen();
}

void Form1::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    tickOnlyWhileSeen();
}

void Form1::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        tickOnlyWhileSeen();
    if (event->type() == QEvent::PaletteChange)
        followColourScheme();
}
