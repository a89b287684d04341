// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

// The category buttons and the three lists: each click or pick runs the catalogue operations of
// the category in force and shows the answers in the two result labels.

#include "app/form1.h"
#include "app/lists.h"
#include "app/notice.h"
#include "catalogue/armedpolice.h"

using namespace korvanta;

namespace
{

const QString kSeparator = QStringLiteral("----");

} // namespace

std::optional<PlateCategory> Form1::selectedCategory() const
{
    if (Option1->isChecked())
        return PlateCategory::Min;
    if (Option2->isChecked())
        return PlateCategory::Jun;
    if (Option3->isChecked())
        return PlateCategory::WJ;
    if (Option4->isChecked())
        return PlateCategory::TZ;
    return std::nullopt;
}

// Enables the lists that the category uses and empties the answer labels. Choosing a category
// starts a fresh query: the answers of the last one are forgotten too, so that a key with no entry
// can never show them again.
void Form1::startCategory(CategoryLists lists)
{
    Combo1->setEnabled(true);
    Combo2->setEnabled(lists.letters);
    Combo3->setEnabled(lists.branches);
    Label4->clear();
    if (lists.emptySecondLine)
        Label5->clear();
    PUB_massage.clear();
    GIVE_massage.clear();
}

void Form1::Option1_Click()
{
    startCategory({.letters = true, .branches = false, .emptySecondLine = true});
    Min_cnpart();
}

void Form1::Option2_Click()
{
    // The second line keeps the last military letter's answer until the next letter pick.
    startCategory({.letters = true, .branches = false, .emptySecondLine = false});
    Jun_cnpart();
}

void Form1::Option3_Click()
{
    startCategory({.letters = true, .branches = true, .emptySecondLine = true});
    WJ_cngpart();
}

void Form1::Option4_Click()
{
    showNotice(this, QStringLiteral("这个部分将对一些特殊的车牌号进行告示!"),
               QStringLiteral("提示信息"));
    startCategory({.letters = false, .branches = false, .emptySecondLine = true});
    TZ_Cnpart();
}

void Form1::Combo1_Click()
{
    const std::optional<PlateCategory> category = selectedCategory();
    Combo2->setEditText(QStringLiteral("英文部分"));
    clearList(Combo2);

    if (category == PlateCategory::Min)
        Min_Engpart(Combo1->currentText());

    if (category == PlateCategory::Jun && !Combo1->currentText().isEmpty()) {
        Jun_Engpart();
        PUB_massage.clear();
        JUN_result(Combo1->currentText());
        Label4->setText(Combo1->currentText() + kSeparator + PUB_massage);
    }

    if (category == PlateCategory::WJ) {
        Combo1->setEnabled(true);
        Combo2->setEnabled(true);
        WJ_type(Combo1->currentText());
    }

    if (category == PlateCategory::TZ) {
        PUB_massage.clear();
        TZ_Result(Combo1->currentText());
        Label4->setText(PUB_massage);
    }
}

void Form1::Combo2_Click()
{
    const std::optional<PlateCategory> category = selectedCategory();
    // A letter or number pick answers anew; an earlier answer must not stand in for a miss.
    PUB_massage.clear();
    if (category == PlateCategory::Jun)
        GIVE_massage.clear();

    if (Combo2->currentText().isEmpty())
        Min_Engpart(Combo1->currentText());

    if (category == PlateCategory::Jun && !Combo1->currentText().isEmpty() &&
        !Combo2->currentText().isEmpty()) {
        JUN_result(Combo1->currentText());
        Jun_second(Combo2->currentText());
        Label5->setText(Combo2->currentText() + kSeparator + GIVE_massage);
    }

    if (category == PlateCategory::Min && !Combo1->currentText().isEmpty() &&
        !Combo2->currentText().isEmpty())
        Min_result(Combo1->currentText(), Combo2->currentText());

    // Shows the civil, military or armed-police answer: only a unit number finds a unit here.
    if (!Combo1->currentText().isEmpty()) {
        WJ_result(Combo1->currentText(), Combo2->currentText(), Combo3->currentText());
        Label4->setText(PUB_massage);
    }
}

void Form1::Combo3_Click()
{
    Label4->setText(PUB_massage);
    storeIfFound(GIVE_massage, armedpolice::branchName(Combo3->currentText()));
    Label4->setText(Label4->text() + GIVE_massage);
}
