// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QList>
#include <QString>
#include <QTimer>
#include <QWidget>

class QAbstractButton;
class QComboBox;
class QLabel;

namespace korvanta
{

// What screen readers are told about the window, beyond what Qt tells them by itself:
// - a label with the dynamic property "answerTitle" is named by the answer it shows, or by that
//   title while it is empty;
// - a drop-down list is named by its accessible name, what it is for, and its text is its value;
//   a disabled list with no items has no value;
// - a decoration (see markAsDecoration) is shown to them once, as a static text named by its
//   accessible name, and nothing that happens to it later is reported.
// Installs once, after the application object exists; later calls do nothing.
void installAccessibility();

// Makes `widget` a decoration for screen readers, whatever they were told of it before: an
// interface made for it already is replaced. For the window's widgets, before it first shows.
void markAsDecoration(QWidget *widget);
// The same for a widget just made, before it has children or is shown, while the window is open:
// nothing was told of it yet, and a replaced interface that a screen reader had heard of would
// leave it asking for an object that is gone.
void markNewAsDecoration(QWidget *widget);

// While one lives, what Qt would tell screen readers of the window's changes is held back, and
// when the last one goes they are told the outcome, once: an object's last value, its changed
// states together, a text's caret where the keyboard is, the last of any other news. A change
// that touches many things at once (a reading applied: its category chosen, the lists filled and
// picked) would otherwise send screen readers so many events that Orca 43 takes it for a flood and
// throws away the news that follow, the answer among them. Announcements go out as they are made.
class HeldNews
{
public:
    HeldNews();
    ~HeldNews();
    HeldNews(const HeldNews &) = delete;
    HeldNews &operator=(const HeldNews &) = delete;
};

// Has screen readers speak a text while the keyboard focus stays where it is: a hidden object in
// the notification role that shows itself with the text as its name. Screen readers present a
// showing notification whatever has the focus.
class Announcer : public QWidget
{
    Q_OBJECT

public:
    explicit Announcer(QWidget *parent);

    void announce(const QString &text);
    // The last text announced, for tests.
    QString lastAnnouncement() const { return m_text; }

private:
    QString m_text;
};

// What screen readers hear of the window's answers: after a pick, the result lines that the pick
// changed, spoken once a moment later (a pick by Return in an editable list arrives twice), both
// where both changed; a pick that shows nothing new says nothing. A category button starts from
// what the lines show then. Other news of the window is spoken through announce().
class AnswerAnnouncer : public QObject
{
    Q_OBJECT

public:
    AnswerAnnouncer(QWidget *window, const QLabel *firstLine, const QLabel *secondLine);

    // Listens to the window's category buttons and lists. Call it after the window's own
    // handlers are connected, so that it hears what they showed.
    void follow(const QList<QAbstractButton *> &categories, const QList<QComboBox *> &lists);
    // Another line of answers, heard after the others and with them.
    void alsoHear(const QLabel *line);
    void announce(const QString &text);
    // What the lines show now counts as heard; hearSoon() has what changed since spoken a moment
    // later, as after a pick.
    void startAnew();
    void hearSoon();

private:
    void announceNewAnswers();

    Announcer *m_announcer;
    QTimer m_soon;
    QList<const QLabel *> m_lines;
    QStringList m_heard;
};

} // namespace korvanta
