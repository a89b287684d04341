// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

// The typed plate: the first list's field also takes the plate a person saw, a place or its
// pinyin, and applies what they choose as the same clicks and picks would (app/typedplate).

#include "app/form1.h"
#include "app/lists.h"
#include "app/services/accessibility.h"
#include "app/typedplate/typedplate.h"
#include "catalogue/description.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QShortcut>

using namespace korvanta;

void Form1::setUpTypedPlate()
{
    // Under the answers, where the second line leaves room whenever the plate line has anything
    // to say: every click that can leave the second line with text empties the plate line.
    m_plateLine = new QLabel(Frame2);
    m_plateLine->setObjectName(QStringLiteral("plateLine"));
    m_plateLine->setGeometry(8, 91, Label5->width(), 40);
    m_plateLine->setWordWrap(true);
    m_plateLine->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_plateLine->setTextInteractionFlags(Label4->textInteractionFlags());
    m_plateLine->setProperty("answerTitle", QStringLiteral("车牌说明"));
    m_plateLine->hide();
    // A plate that no list gives is answered where the second answer shows, and a letter the
    // catalogue lacks where the first does, as large and blue; heard before the plate line.
    m_plateAnswer = new QLabel(Frame2);
    m_plateAnswer->setObjectName(QStringLiteral("plateAnswer"));
    m_plateAnswer->setGeometry(Label5->geometry());
    m_plateAnswer->setFont(Label5->font());
    m_plateAnswer->setWordWrap(true);
    m_plateAnswer->setAlignment(Label5->alignment());
    m_plateAnswer->setTextInteractionFlags(Label5->textInteractionFlags());
    m_plateAnswer->setProperty("answerTitle", Label5->property("answerTitle"));
    m_plateAnswer->hide();
    m_answers->alsoHear(m_plateAnswer);
    m_answers->alsoHear(m_plateLine);
    followColourScheme();
    QComboBox *const lists[] = {Combo1, Combo2, Combo3};
    for (std::size_t i = 0; i < 3; ++i)
        m_listsAtStart[i] = {lists[i]->isEnabled(), lists[i]->currentText()};

    m_typed = new TypedPlate(Combo1, m_answers,
                             [this](const Reading &reading) { applyReading(reading); });
    for (QRadioButton *option : {Option1, Option2, Option3, Option4})
        connect(option, &QRadioButton::clicked, m_typed, &TypedPlate::close);
    connect(Command1, &QPushButton::clicked, m_typed, &TypedPlate::close);

    // Ctrl+F and Ctrl+L go to the field, and a paste anywhere else in the query view lands there.
    for (const QKeySequence &keys :
         {QKeySequence(Qt::CTRL | Qt::Key_F), QKeySequence(Qt::CTRL | Qt::Key_L)}) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this, [this] {
            if (Frame1->isVisible())
                m_typed->focusField();
        });
    }
    // A photo on the clipboard is read, wherever it is pasted.
    connect(new QShortcut(QKeySequence::Paste, this), &QShortcut::activated, this, [this] {
        if (pastePhoto())
            return;
        const QString pasted = QGuiApplication::clipboard()->text();
        if (Frame1->isVisible() && !pasted.trimmed().isEmpty())
            m_typed->pasteIntoField(pasted);
    });
}

QRadioButton *Form1::buttonOf(PlateKind kind) const
{
    switch (kind) {
    case PlateKind::Civil:
        return Option1;
    case PlateKind::Military:
        return Option2;
    case PlateKind::ArmedPolice:
        return Option3;
    case PlateKind::Special:
        return Option4;
    }
    return Option1;
}

void Form1::showPlateLine(const QString &text)
{
    m_plateLine->setText(text);
    m_plateLine->setVisible(!text.isEmpty());
}

void Form1::showPlateAnswer(const QString &text, const QLabel *place)
{
    m_plateAnswer->setGeometry(place->geometry());
    m_plateAnswer->setProperty("answerTitle", place->property("answerTitle"));
    m_plateAnswer->setText(text);
    m_plateAnswer->setVisible(!text.isEmpty());
}

void Form1::clearPlateLine()
{
    if (m_plateLine)
        showPlateLine({});
    if (m_plateAnswer)
        showPlateAnswer({}, Label5);
}

void Form1::returnToStart()
{
    for (QRadioButton *option : {Option1, Option2, Option3, Option4}) {
        // A button of an exclusive group cannot be unchecked while it is one.
        option->setAutoExclusive(false);
        option->setChecked(false);
        option->setAutoExclusive(true);
    }
    QComboBox *const lists[] = {Combo1, Combo2, Combo3};
    for (std::size_t i = 0; i < 3; ++i) {
        clearList(lists[i]);
        lists[i]->setEditText(m_listsAtStart[i].text);
        lists[i]->setEnabled(m_listsAtStart[i].enabled);
    }
    Label4->clear();
    Label5->clear();
    PUB_massage.clear();
    GIVE_massage.clear();
    clearPlateLine();
}

// The category button's click (with no notice box: that belongs to a person's click on the
// special button), then each list's pick in turn, as QComboBox reports a pick; a part that the
// reading lacks leaves its list open for the person to choose. What the plate says that the
// picks' answer does not goes to the plate line, heard with the answer. A plate that no list offers
// returns the window to how it starts, and says what it is where the second answer shows; a letter
// the catalogue lacks whose place the sources give is answered where the first answer shows, and
// leaves the letter list closed: it has nothing more to offer.
void Form1::applyReading(const Reading &reading)
{
    const Answer answer = describe(reading);
    if (reading.byShapeAlone()) {
        returnToStart();
        m_answers->startAnew();
        showPlateAnswer(sentences(answer.answer, answer.type), Label5);
        m_answers->hearSoon();
        Combo1->setFocus(Qt::OtherFocusReason);
        return;
    }

    m_clickFromTypedPlate = true;
    buttonOf(reading.kind)->click();
    m_clickFromTypedPlate = false;

    QComboBox *const lists[] = {Combo1, Combo2, Combo3};
    for (int i = 0; i < 3; ++i) {
        if (i > 0 && !lists[i]->isEnabled())
            break; // a list that this category does not use
        const QString part = toQString(reading.picks[std::size_t(i)]);
        const int index = indexOfItem(lists[i], part);
        if (part.isEmpty() || index < 0) {
            if (answer.standsAlone)
                break;
            const bool lettered = !reading.shown.missingLetter.empty();
            showPlateLine(sentences(lettered ? answer.answer : QString(), answer.type));
            lists[i]->setFocus(Qt::OtherFocusReason);
            lists[i]->showPopup();
            return;
        }
        lists[i]->setCurrentIndex(index);
        emit lists[i]->activated(index);
    }
    if (answer.standsAlone) {
        showPlateAnswer(answer.answer, Label4);
        showPlateLine(answer.type);
        Combo1->setFocus(Qt::OtherFocusReason);
    } else {
        showPlateLine(sentences(answer.type, answer.todayNote));
    }
    m_answers->hearSoon();
}
