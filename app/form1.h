// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

#pragma once

#include "ui_form1.h"

#include <QString>
#include <QTimer>
#include <QWidget>

#include <array>

#include <optional>

namespace korvanta
{
class AnswerAnnouncer;
class PhotoIntake;
class PhotoWork;
struct PhotoSource;
class TypedPlate;
struct Reading;
enum class PlateKind : std::uint8_t;
} // namespace korvanta

// The kind of plate being looked up: civil, military, armed police or special.
enum class PlateCategory { Min, Jun, WJ, TZ };

// The program's one window. What lives where:
// - form1.ui: the controls, their places (designed in twips, 15 to a pixel at 96 dpi)
//   and their texts;
// - form1.cpp: building the window, start-up (Form_Load), its look (faces, frames, colour
//   schemes), showing and hiding;
// - form1_query.cpp: the four category buttons, the three lists and the catalogue operations
//   that fill the lists and describe a plate (with the list helpers of lists.h);
// - form1_typed.cpp: the first list's field as a place to type a plate, a place or its pinyin,
//   with its suggestions (app/typedplate);
// - form1_photo.cpp: a photo dropped, pasted or opened, read off the window's thread
//   (app/photo), its reading put in the field as if typed;
// - form1_about.cpp: the information view behind "About...", opened and closed;
// - form1_animation.cpp: the pictures, the scrolling line and the timers that move them.
// The form's own widgets are in app/widgets; what the whole program shares (faces, what screen
// readers hear, the notice box, readable colours) in app/services.
//
// How a pick becomes an answer: a person picks an item of a list; QComboBox::activated runs the
// list's handler (Combo1_Click ...) in form1_query.cpp, which calls the catalogue operations of
// the category whose button is selected; they fill the next list from catalogue/ or keep the
// words that catalogue/description.h's describe() has for the part (the same words a typed
// plate's rows give) in PUB_massage or GIVE_massage, and the handler shows them in Label4 or
// Label5. A moment later the AnswerAnnouncer (app/services/accessibility) has screen readers
// speak what changed. The second list's handler ends, in every category, with the armed-police
// lookup and shows PUB_massage in Label4: that one step shows the civil, military and
// armed-police answers alike.
// How a typed plate becomes an answer: catalogue/platereader.h reads the text into readings (what
// the lists would pick, and what the plate's shape shows), catalogue/search.h orders them into
// rows with the places and pinyin found, and describe() gives each row's Answer, which the
// suggestions show in columns and korvanta --read prints as a line. Applying a row clicks the
// category button and reports each list's pick as QComboBox does, so it ends in the same handlers;
// what the Answer adds to the picks' answer (a green plate, a trailer, today's place) appears in
// the plate line under the answers, heard with them. A plate that no list can give (a 2012-style
// military or armed-police plate, an emergency-rescue plate) returns the window to how it starts
// and is answered where the second answer shows; a letter the catalogue lacks whose place the
// sources give is answered where the first answer shows, with its province picked.
class Form1 : public QWidget, private Ui::Form1
{
    Q_OBJECT

public:
    // form1.cpp
    explicit Form1(QWidget *parent = nullptr);
    ~Form1() override;

    // Controls, named as on the form.
    using Ui::Form1::Combo1;
    using Ui::Form1::Combo2;
    using Ui::Form1::Combo3;
    using Ui::Form1::Command1;
    using Ui::Form1::Frame1;
    using Ui::Form1::Frame2;
    using Ui::Form1::Frame3;
    using Ui::Form1::Frame4;
    using Ui::Form1::Image1;
    using Ui::Form1::Image10;
    using Ui::Form1::Image11;
    using Ui::Form1::Image12;
    using Ui::Form1::Image13;
    using Ui::Form1::Image14;
    using Ui::Form1::Image2;
    using Ui::Form1::Image3;
    using Ui::Form1::Image4;
    using Ui::Form1::Image5;
    using Ui::Form1::Image6;
    using Ui::Form1::Image7;
    using Ui::Form1::Image8;
    using Ui::Form1::Image9;
    using Ui::Form1::Label1;
    using Ui::Form1::Label4;
    using Ui::Form1::Label5;
    using Ui::Form1::Option1;
    using Ui::Form1::Option2;
    using Ui::Form1::Option3;
    using Ui::Form1::Option4;
    using Ui::Form1::Text1;
    using Ui::Form1::Text2;
    using Ui::Form1::Text3;
    QTimer *Timer1 = nullptr;
    QTimer *Timer2 = nullptr;

    // form1_query.cpp: the first and second result texts; each keeps the last answer written to
    // it.
    QString PUB_massage;
    QString GIVE_massage;
    // form1_animation.cpp: steps of the smiley and rune-stone cycles, 1 to 6.
    qint16 X = 0;
    qint16 Y = 0;

    // form1_query.cpp: the civil catalogue,
    void Min_cnpart();
    void Min_Engpart(const QString &cnpartword);
    void Min_result(const QString &Min_password1, const QString &Min_password2);
    // the military catalogue,
    void Jun_cnpart();
    void Jun_Engpart();
    void JUN_result(const QString &Jun_password1);
    void Jun_second(const QString &Jun_password2);
    // the armed-police catalogue,
    void WJ_cngpart();
    void WJ_type(const QString &WJ_cnpart);
    void WJ_result(const QString &WJ_password1, const QString &WJ_password2,
                   const QString &WJ_password3);
    // and the special catalogue.
    void TZ_Cnpart();
    void TZ_Result(const QString &TZ_password);

    // form1_animation.cpp: the scrolling text rotated left by one character.
    QString scrolltext(const QString &scroltxt);

public slots:
    // form1.cpp
    void Form_Load();
    // form1_query.cpp
    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void Option4_Click();
    void Combo1_Click();
    void Combo2_Click();
    void Combo3_Click();
    // form1_about.cpp
    void Command1_Click();
    void Text1_Click();
    void Text2_Click();
    // form1_animation.cpp
    void Timer1_Timer();
    void Timer2_Timer();

protected:
    // form1.cpp
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void changeEvent(QEvent *event) override;
    // form1_about.cpp
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // form1.cpp
    void finishDesign();
    void followColourScheme();

    // form1_query.cpp
    void setUpQuery();
    void clearLists();
    // The category whose button is selected; none before the first click.
    std::optional<PlateCategory> selectedCategory() const;
    // What a category button sets up: which lists it enables (the first always), and whether
    // it empties the second result line as well as the first.
    struct CategoryLists {
        bool letters;
        bool branches;
        bool emptySecondLine;
    };
    void startCategory(CategoryLists lists);
    korvanta::AnswerAnnouncer *m_answers = nullptr;

    // form1_typed.cpp
    void setUpTypedPlate();
    void applyReading(const korvanta::Reading &reading);
    QRadioButton *buttonOf(korvanta::PlateKind kind) const;
    // What a typed plate or a civil pick says beside the picks' answer (its type, what its prefix
    // means today), in a small line under the answers; for a plate that no list gives, all of it
    // in the second answer's place and size, and a letter the catalogue lacks whose place is
    // known in the first answer's. Every category click and list pick empties both.
    void showPlateLine(const QString &text);
    void showPlateAnswer(const QString &text, const QLabel *place);
    void clearPlateLine();
    // No category chosen, the lists and answers as when the window opened.
    void returnToStart();
    korvanta::TypedPlate *m_typed = nullptr;
    QLabel *m_plateLine = nullptr;
    QLabel *m_plateAnswer = nullptr;
    // A category click made by applying a typed plate, not by a person: no notice box.
    bool m_clickFromTypedPlate = false;
    struct ListAtStart {
        bool enabled;
        QString text;
    };
    std::array<ListAtStart, 3> m_listsAtStart{};

    // form1_photo.cpp
    void setUpPhotos();
    // Whether the clipboard held a photo, which is then read.
    bool pastePhoto();
    void openPhoto();
    void readPhoto(const korvanta::PhotoSource &photo);
    korvanta::PhotoIntake *m_photoIntake = nullptr;
    // Made at the first photo: nothing of the reader is there before.
    korvanta::PhotoWork *m_photoWork = nullptr;

    // form1_about.cpp
    void setUpAboutView();
    void showInQueryView();

    // form1_animation.cpp
    void setUpAnimations();
    struct HeldPicture {
        QLabel *holder;
        const char *picture; // a file name under :/pictures, without ".png"
    };
    std::array<HeldPicture, 12> heldPictures() const;
    // While the window is minimised or hidden nothing of it can be seen: its timers stop, and go
    // on from where they were when it shows again.
    void tickOnlyWhileSeen();
    QString m_scrollBuffer;
    QList<QTimer *> m_pausedTimers;
};
