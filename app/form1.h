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
class Announcer;
}

// The kind of plate being looked up: civil, military, armed police or special.
enum class PlateCategory { Min, Jun, WJ, TZ };

// The program's one window: the query view with its four categories and three lists, the
// information view, and the catalogue operations that fill the lists and describe a plate.
class Form1 : public QWidget, private Ui::Form1
{
    Q_OBJECT

public:
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

    // The first and second result texts; each keeps the last answer written to it.
    QString PUB_massage;
    QString GIVE_massage;
    // Steps of the smiley and rune-stone cycles, 1 to 6.
    qint16 X = 0;
    qint16 Y = 0;

    // Civil catalogue.
    void Min_cnpart();
    void Min_Engpart(const QString &cnpartword);
    void Min_result(const QString &Min_password1, const QString &Min_password2);
    // Military catalogue.
    void Jun_cnpart();
    void Jun_Engpart();
    void JUN_result(const QString &Jun_password1);
    void Jun_second(const QString &Jun_password2);
    // Armed-police catalogue.
    void WJ_cngpart();
    void WJ_type(const QString &WJ_cnpart);
    void WJ_result(const QString &WJ_password1, const QString &WJ_password2,
                   const QString &WJ_password3);
    // Special catalogue.
    void TZ_Cnpart();
    void TZ_Result(const QString &TZ_password);

    // The scrolling text rotated left by one character.
    QString scrolltext(const QString &scroltxt);

public slots:
    void Form_Load();
    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void Option4_Click();
    void Combo1_Click();
    void Combo2_Click();
    void Combo3_Click();
    void Command1_Click();
    void Text1_Click();
    void Text2_Click();
    void Timer1_Timer();
    void Timer2_Timer();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void finishDesign();
    void connectHandlers();
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
    void showInQueryView();
    struct HeldPicture {
        QLabel *holder;
        const char *picture; // a file name under :/pictures, without ".png"
    };
    std::array<HeldPicture, 12> heldPictures() const;
    void tickOnlyWhileSeen();
    void followColourScheme();
    void rememberAnswers();
    void announceNewAnswers();

    QString m_scrollBuffer;
    // Screen readers hear each new answer once, a moment after the pick that found it (a pick by
    // Return in an editable list arrives twice).
    korvanta::Announcer *m_announcer = nullptr;
    QTimer *m_announceAnswers = nullptr;
    QString m_heardAnswers[2];
    // The timers stopped while nobody can see the window, to be started again when it shows.
    QList<QTimer *> m_pausedTimers;
};
