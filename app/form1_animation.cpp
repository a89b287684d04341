// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

// The pictures, the scrolling line and the timers that move them: Timer1 turns the line and the
// smileys, Timer2 the rune stones.

#include "app/form1.h"
#include "app/services/accessibility.h"

#include <QLabel>
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

// Shows `picture` at its own size at the top-left corner of `holder`. A holder smaller than the
// picture (Image14 is 25 pixels square) grows to fit it rather than cut it off.
void showPicture(QLabel *holder, const QPixmap &picture)
{
    holder->setPixmap(picture);
    holder->resize(holder->size().expandedTo(picture.deviceIndependentSize().toSize()));
}

qint16 nextStep(qint16 step)
{
    return step == 6 ? 1 : static_cast<qint16>(step + 1);
}

} // namespace

void Form1::setUpAnimations()
{
    // The scrolling line paints all of its area on every tick, so that the tick repaints it alone
    // and not the panel behind it with its title; it needs no frame.
    Text3->setFrame(false);
    Text3->setAttribute(Qt::WA_OpaquePaintEvent);
    korvanta::markAsDecoration(Text3);
    for (QLabel *holder : {Image13, Image14})
        korvanta::markAsDecoration(holder);

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
    connect(Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);
    connect(Timer2, &QTimer::timeout, this, &Form1::Timer2_Timer);
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

void Form1::Timer1_Timer()
{
    QLabel *const smileys[] = {Image7, Image3, Image8, Image4, Image9, Image2};
    if (X >= 1 && X <= 6) {
        showPicture(Image14, smileys[X - 1]->pixmap());
        X = nextStep(X);
    }
    Text3->setText(scrolltext(Text3->text()));
    Text3->setCursorPosition(0);
}

void Form1::Timer2_Timer()
{
    QLabel *const stones[] = {Image1, Image5, Image6, Image11, Image10, Image12};
    if (Y >= 1 && Y <= 6) {
        showPicture(Image13, stones[Y - 1]->pixmap());
        Y = nextStep(Y);
    }
}

QString Form1::scrolltext(const QString &scroltxt)
{
    // The first character moves to the end; a surrogate pair moves as one character, and an
    // empty text stays empty.
    qsizetype first = scroltxt.isEmpty() ? 0 : 1;
    if (scroltxt.size() >= 2 && scroltxt.at(0).isHighSurrogate() && scroltxt.at(1).isLowSurrogate())
        first = 2;
    m_scrollBuffer = scroltxt.sliced(first) + scroltxt.first(first);
    return m_scrollBuffer;
}

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
