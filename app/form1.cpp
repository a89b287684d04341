// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

#include "app/form1.h"

#include "app/accessibility.h"
#include "app/colours.h"
#include "app/fonts.h"
#include "app/framestyle.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QStyleFactory>
#include <QTimer>

namespace
{

constexpr int kPictureSize = 32;

// A picture of the animations, drawn for the device pixel ratio `dpr`: built at 1x and 2x, and
// scaled down smoothly from 2x between the two.
QPixmap loadPicture(QLatin1String name, qreal dpr)
{
    QPixmap picture(QStringLiteral(":/pictures/%1%2.png")
                        .arg(name, dpr > 1 ? QStringLiteral("@2x") : QString()));
    if (!qFuzzyCompare(picture.devicePixelRatio(), dpr)) {
        picture = picture.scaled(QSize(kPictureSize, kPictureSize) * dpr, Qt::KeepAspectRatio,
                                 Qt::SmoothTransformation);
        picture.setDevicePixelRatio(dpr);
    }
    return picture;
}

// The window icon, in the sizes a window manager shows it at.
QIcon korvantaIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64})
        icon.addFile(QStringLiteral(":/pictures/korvanta-%1.png").arg(size), QSize(size, size));
    return icon;
}

// The menu a person expects on text that can be selected: copy the selection, or select it all.
void offerCopyMenu(QLabel *label)
{
    label->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(label, &QWidget::customContextMenuRequested, label, [label](QPoint at) {
        auto *menu = new QMenu(label);
        menu->setAttribute(Qt::WA_DeleteOnClose);
        QAction *copy = menu->addAction(QStringLiteral("复制"), label, [label] {
            QGuiApplication::clipboard()->setText(label->selectedText());
        });
        copy->setEnabled(label->hasSelectedText());
        QAction *all = menu->addAction(QStringLiteral("全选"), label, [label] {
            label->setSelection(0, int(label->text().size()));
        });
        all->setEnabled(!label->text().isEmpty());
        menu->popup(label->mapToGlobal(at));
    });
}

bool closesInformationView(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space ||
           key == Qt::Key_Escape;
}

} // namespace

Form1::Form1(QWidget *parent)
    : QWidget(parent)
{
    korvanta::installFontSubstitutes();
    korvanta::installAccessibility();
    setupUi(this);
    finishDesign();
    connectHandlers();
    Form_Load();
}

Form1::~Form1() = default;

// What the form file cannot say: fractional point sizes, system colours, list behaviour, the
// pictures, the icon and the timers.
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

    // The scrolling line paints all of its area on every tick, so that the tick repaints it alone
    // and not the panel behind it with its title; it needs no frame.
    Text3->setFrame(false);
    Text3->setAttribute(Qt::WA_OpaquePaintEvent);

    // On the style the window is drawn in, whichever the desktop or the program chose.
    auto *frameStyle = new CaptionOnBorderStyle(QStyleFactory::create(style()->name()));
    frameStyle->setParent(this);
    for (QGroupBox *frame : {Frame1, Frame2, Frame3, Frame4})
        frame->setStyle(frameStyle);

    for (QLabel *answer : {Label4, Label5})
        offerCopyMenu(answer);
    korvanta::markAsDecoration(Text3);
    for (QLabel *holder : {Image13, Image14})
        korvanta::markAsDecoration(holder);

    // The contact box covers the bottom of the note's box: the note scrolls above it.
    Text1->keepClearOf(Text2);

    // Typed text stays exactly as typed: no completion (the form already keeps Enter from adding
    // it as an item).
    for (QComboBox *list : {Combo1, Combo2, Combo3})
        list->setCompleter(nullptr);

    const qreal dpr = devicePixelRatioF();
    for (const HeldPicture &held : heldPictures()) {
        korvanta::markAsDecoration(held.holder);
        held.holder->setPixmap(loadPicture(QLatin1String(held.picture), dpr));
    }

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(300);
    Timer2 = new QTimer(Frame3);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(500);

    m_announcer = new korvanta::Announcer(this);
    m_announceAnswers = new QTimer(this);
    m_announceAnswers->setSingleShot(true);
    m_announceAnswers->setInterval(50);
}

void Form1::connectHandlers()
{
    connect(Option1, &QRadioButton::clicked, this, &Form1::Option1_Click);
    connect(Option2, &QRadioButton::clicked, this, &Form1::Option2_Click);
    connect(Option3, &QRadioButton::clicked, this, &Form1::Option3_Click);
    connect(Option4, &QRadioButton::clicked, this, &Form1::Option4_Click);
    connect(Combo1, &QComboBox::activated, this, &Form1::Combo1_Click);
    connect(Combo2, &QComboBox::activated, this, &Form1::Combo2_Click);
    connect(Combo3, &QComboBox::activated, this, &Form1::Combo3_Click);
    // After the handlers: a category starts with what the labels show; a pick may change it.
    for (QRadioButton *option : {Option1, Option2, Option3, Option4})
        connect(option, &QRadioButton::clicked, this, &Form1::rememberAnswers);
    for (QComboBox *list : {Combo1, Combo2, Combo3})
        connect(list, &QComboBox::activated, m_announceAnswers, qOverload<>(&QTimer::start));
    connect(m_announceAnswers, &QTimer::timeout, this, &Form1::announceNewAnswers);
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);
    connect(Timer2, &QTimer::timeout, this, &Form1::Timer2_Timer);
    // A text box's mouse events arrive at its viewport, its keys at the box itself.
    for (QPlainTextEdit *box : {static_cast<QPlainTextEdit *>(Text1), Text2}) {
        box->installEventFilter(this);
        box->viewport()->installEventFilter(this);
    }
    Timer1->start();
    Timer2->start();
}

// The twelve picture holders and the picture each holds; the animations show them in turn.
std::array<Form1::HeldPicture, 12> Form1::heldPictures() const
{
    return {{
        {Image1, "rune-zigzag"},
        {Image2, "smiley-sunglasses"},
        {Image3, "smiley-eyes-shut"},
        {Image4, "smiley-toothy-grin"},
        {Image5, "rune-diamond"},
        {Image6, "rune-n"},
        {Image7, "smiley-tongue-out"},
        {Image8, "smiley-wink"},
        {Image9, "smiley-mouth-open"},
        {Image10, "rune-upright-slash"},
        {Image11, "rune-circle-cross"},
        {Image12, "rune-upright-triangle"},
    }};
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

// While the window is minimised or hidden nothing of it can be seen: its timers stop, and go on
// from where they were when it shows again.
void Form1::tickOnlyWhileSeen()
{
    const bool seen = isVisible() && !isMinimized();
    if (!seen) {
        for (QTimer *timer : {Timer1, Timer2}) {
            if (timer->isActive()) {
                timer->stop();
                m_pausedTimers << timer;
            }
        }
    } else {
        for (QTimer *timer : std::as_const(m_pausedTimers))
            timer->start();
        m_pausedTimers.clear();
    }
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
    for (QLabel *line : {Label1, Label4, Label5})
        recolour(line, QPalette::WindowText, blueOnPanel);
    recolour(Text2, QPalette::Text, korvanta::answerBlue(scheme.color(QPalette::Base)));
    recolour(Text3, QPalette::Base, scheme.color(QPalette::Button));
    recolour(Command1, QPalette::Button,
             korvanta::distinctFace(scheme.color(QPalette::Mid), scheme.color(QPalette::Window),
                                    scheme.color(QPalette::ButtonText)));
}

void Form1::rememberAnswers()
{
    m_heardAnswers[0] = Label4->text();
    m_heardAnswers[1] = Label5->text();
}

// Speaks the result lines that a pick changed, both where both changed; a pick that shows
// nothing new says nothing.
void Form1::announceNewAnswers()
{
    QStringList changed;
    const QLabel *const lines[] = {Label4, Label5};
    for (int i = 0; i < 2; ++i) {
        if (lines[i]->text() != m_heardAnswers[i] && !lines[i]->text().isEmpty())
            changed << lines[i]->text();
    }
    rememberAnswers();
    if (!changed.isEmpty())
        m_announcer->announce(changed.join(QStringLiteral("。")));
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    const bool inText1 = watched == Text1 || watched == Text1->viewport();
    const bool inText2 = watched == Text2 || watched == Text2->viewport();
    if (!inText1 && !inText2)
        return QWidget::eventFilter(watched, event);

    bool click = false;
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        const auto *area = static_cast<QWidget *>(watched);
        click =
            mouse->button() == Qt::LeftButton && area->rect().contains(mouse->position().toPoint());
    } else if (event->type() == QEvent::KeyPress && Frame4->isVisible()) {
        // Keyboard users close the information view as a click does.
        click = closesInformationView(static_cast<QKeyEvent *>(event)->key());
    }
    if (!click)
        return QWidget::eventFilter(watched, event);
    if (inText1)
        Text1_Click();
    else
        Text2_Click();
    return event->type() == QEvent::KeyPress;
}

void Form1::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && Frame4->isVisible()) {
        Text1_Click();
        return;
    }
    QWidget::keyPressEvent(event);
}
