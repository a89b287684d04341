// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

#pragma once

// The first list's edit field as a place to type or paste the plate a person saw, a place or its
// pinyin: while they type, a popup under the field suggests what the catalogues hold for it;
// Return or a click applies a suggestion as the same clicks and picks would.

#include "catalogue/search.h"

#include <QFrame>
#include <QPointer>

#include <functional>

class QComboBox;
class QLineEdit;
class QListWidget;

namespace korvanta
{

class AnswerAnnouncer;
class ColumnsDelegate;
class PhotoPanel;
struct ReadPhoto;

// What a suggestion says: the plate, its answer and what it is, in that order
// ("粤B　广东省深圳市车辆　新能源汽车（纯电动）"); a screen reader hears this, and the popup shows
// the three in columns.
QString rowText(const search::Row &row);

// The popup: a window of its own under the field that never takes the focus; the field keeps the
// keyboard, and the keys that move in the popup come from it.
class SuggestionPopup : public QFrame
{
    Q_OBJECT

public:
    explicit SuggestionPopup(QWidget *field);

    // Shows `rows` under the field, the first highlighted; with no rows, one that says so (or
    // says `nothing`) and cannot be chosen.
    void showRows(const search::Rows &rows, const QString &nothing = {});
    // A photo above the rows, until hidePhoto().
    PhotoPanel *showPhoto(const ReadPhoto &photo);
    void hidePhoto();
    // The photo's panel, where one shows; else none.
    PhotoPanel *photoPanel() const;
    const search::Rows &rows() const { return m_rows; }
    // The highlighted row, or else the first; none where nothing was found.
    const search::Row *chosen() const;
    void move(int by);
    // Shows the same rows again under the field, where it is now.
    void showAgain();
    QListWidget *list() const { return m_list; }

signals:
    void highlighted(int row, const QString &text);
    void clicked(const search::Row &row);

private:
    QWidget *m_field;
    QListWidget *m_list;
    ColumnsDelegate *m_columns = nullptr;
    PhotoPanel *m_photo = nullptr;
    search::Rows m_rows;
};

// Watches the first list's edit field: what is typed or pasted there, and the keys that move in
// and apply the suggestions.
class TypedPlate : public QObject
{
    Q_OBJECT

public:
    using Apply = std::function<void(const Reading &)>;
    TypedPlate(QComboBox *list, AnswerAnnouncer *voice, Apply apply);

    // Closes the popup; the typed text stays.
    void close();
    // Puts the keyboard in the field with its text selected, for typing anew.
    void focusField();
    // Replaces the field's text with `text` as if the person had pasted it there.
    void pasteIntoField(const QString &text);
    // A photo as read: its first plate in the field as if typed, the first character the reader
    // is unsure of selected for typing to correct, and its rows under it as for typed text (for a
    // photo of several plates, a row for each plate, in reading order), below the photo; or what
    // kept it from being read, or that it holds no plate, where the rows show. Screen readers hear
    // what was read and the places in doubt.
    void showPhoto(const ReadPhoto &photo);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    SuggestionPopup *popup();
    bool suggesting() const;
    void suggest(const QString &text);
    void apply(const search::Row &row);
    bool isListItem(const QString &text) const;
    bool showsPrompt() const;
    void highlight(int row, const QString &text);
    void putInField(int plate);
    void say(const QString &what);

    QComboBox *m_list;
    QLineEdit *m_field;
    AnswerAnnouncer *m_voice;
    Apply m_apply;
    SuggestionPopup *m_popup = nullptr;
    // While the rows are a photo's plates, the plate each row stands for; empty otherwise.
    QList<int> m_rowPlates;
    // The suggestions were showing when the window went inactive: they come back with it.
    bool m_awayWithSuggestions = false;
};

} // namespace korvanta
