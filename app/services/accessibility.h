// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>
#include <QWidget>

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

// Makes `widget` a decoration for screen readers, whatever they were told of it before.
void markAsDecoration(QWidget *widget);

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

} // namespace korvanta
