// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

// The catalogue operations of the window: each fills a list from a table or keeps the text that
// a table holds for a key.

#include "app/form1.h"
#include "app/lists.h"
#include "catalogue/armedpolice.h"
#include "catalogue/civil.h"
#include "catalogue/military.h"
#include "catalogue/special.h"

using namespace korvanta;

void Form1::clearLists()
{
    clearList(Combo1);
    clearList(Combo2);
    clearList(Combo3);
}

void Form1::Min_cnpart()
{
    clearLists();
    appendItems(Combo1, civil::provinces());
}

void Form1::Min_Engpart(const QString &cnpartword)
{
    appendItems(Combo2, civil::letters(cnpartword));
}

void Form1::Min_result(const QString &Min_password1, const QString &Min_password2)
{
    storeIfFound(PUB_massage, civil::describe(Min_password1, Min_password2));
}

void Form1::Jun_cnpart()
{
    clearLists();
    appendItems(Combo1, military::firstLevel());
}

void Form1::Jun_Engpart()
{
    appendItems(Combo2, military::secondLevel());
}

void Form1::JUN_result(const QString &Jun_password1)
{
    storeIfFound(PUB_massage, military::describeFirstLevel(Jun_password1));
}

void Form1::Jun_second(const QString &Jun_password2)
{
    storeIfFound(GIVE_massage, military::describeSecondLevel(Jun_password2));
}

void Form1::WJ_cngpart()
{
    clearLists();
    Combo1->setEditText(toQString(armedpolice::stylePrompt()));
    appendItems(Combo1, armedpolice::styles());
}

void Form1::WJ_type(const QString &WJ_cnpart)
{
    appendItems(Combo2, armedpolice::numbers());
    if (sameText(WJ_cnpart, armedpolice::branchStyle())) {
        Combo3->setEnabled(true);
        clearList(Combo3);
        appendItems(Combo3, armedpolice::branches());
    } else {
        clearList(Combo3);
        Combo3->setEnabled(false);
    }
}

void Form1::WJ_result(const QString &WJ_password1, const QString &WJ_password2,
                      const QString &WJ_password3)
{
    // Only the number names the unit; the style and the branch do not change it.
    Q_UNUSED(WJ_password1);
    Q_UNUSED(WJ_password3);
    storeIfFound(PUB_massage, armedpolice::describeNumber(WJ_password2));
}

void Form1::TZ_Cnpart()
{
    clearLists();
    appendItems(Combo1, special::items());
}

void Form1::TZ_Result(const QString &TZ_password)
{
    storeIfFound(PUB_massage, special::describe(TZ_password));
}
