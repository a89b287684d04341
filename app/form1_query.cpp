// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

// The category buttons and the three lists: each click or pick runs the catalogue operations of
// the category in force and shows the answers in the two result labels. The catalogue operations
// fill a list from a table or keep the words that the catalogue has for a key (the same words
// that a typed plate's rows give).

#include "app/form1.h"
#include "app/lists.h"
#include "app/services/accessibility.h"
#include "app/services/notice.h"
#include "catalogue/armedpolice.h"
#include "catalogue/civil.h"
#include "catalogue/description.h"
#include "catalogue/military.h"
#include "catalogue/special.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>

using namespace korvanta;

namespace
{

const QString kSeparator = QStringLiteral("----");

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

} // namespace

void Form1::setUpQuery()
{
    // Typed text stays exactly as typed: no completion (the form already keeps Enter from adding
    // it as an item).
    for (QComboBox *list : {Combo1, Combo2, Combo3})
        list->setCompleter(nullptr);
    for (QLabel *answer : {Label4, Label5})
        offerCopyMenu(answer);

    connect(Option1, &QRadioButton::clicked, this, &Form1::Option1_Click);
    connect(Option2, &QRadioButton::clicked, this, &Form1::Option2_Click);
    connect(Option3, &QRadioButton::clicked, this, &Form1::Option3_Click);
    connect(Option4, &QRadioButton::clicked, this, &Form1::Option4_Click);
    connect(Combo1, &QComboBox::activated, this, &Form1::Combo1_Click);
    connect(Combo2, &QComboBox::activated, this, &Form1::Combo2_Click);
    connect(Combo3, &QComboBox::activated, this, &Form1::Combo3_Click);
    // After the handlers: a category starts with what the labels show; a pick may change it.
    m_answers = new AnswerAnnouncer(this, Label4, Label5);
    m_answers->follow({Option1, Option2, Option3, Option4}, {Combo1, Combo2, Combo3});
}

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
    clearPlateLine();
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
    if (!m_clickFromTypedPlate)
        showNotice(this, QStringLiteral("这个部分将对一些特殊的车牌号进行告示!"),
                   QStringLiteral("提示信息"));
    startCategory({.letters = false, .branches = false, .emptySecondLine = true});
    TZ_Cnpart();
}

void Form1::Combo1_Click()
{
    clearPlateLine();
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
    clearPlateLine();
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
        !Combo2->currentText().isEmpty()) {
        Min_result(Combo1->currentText(), Combo2->currentText());
        // What the picked prefix means today, where that changed: beside the catalogue's words.
        showPlateLine(todayNote(Combo1->currentText(), Combo2->currentText()));
    }

    // The last step runs in every category, not only for armed police: it looks the second
    // list's text up as an armed-police unit number and shows PUB_massage. Only armed-police
    // numbers ("01" ...) are unit numbers; a civil or military letter finds none and leaves
    // PUB_massage as the steps above made it, so the one step shows the answer of every
    // category. Keep it for all: limiting it to armed police would leave civil and military
    // answers unshown.
    if (!Combo1->currentText().isEmpty()) {
        WJ_result(Combo1->currentText(), Combo2->currentText(), Combo3->currentText());
        Label4->setText(PUB_massage);
    }
}

void Form1::Combo3_Click()
{
    clearPlateLine();
    Label4->setText(PUB_massage);
    storeIfFound(GIVE_massage, describe(Part::ArmedPoliceBranch, Combo3->currentText()));
    Label4->setText(Label4->text() + GIVE_massage);
}

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
    storeIfFound(PUB_massage, describe(Part::CivilKey, Min_password1, Min_password2));
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
    storeIfFound(PUB_massage, describe(Part::MilitaryFirstLevel, Jun_password1));
}

void Form1::Jun_second(const QString &Jun_password2)
{
    storeIfFound(GIVE_massage, describe(Part::MilitarySecondLevel, Jun_password2));
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
    storeIfFound(PUB_massage, describe(Part::ArmedPoliceUnit, WJ_password2));
}

void Form1::TZ_Cnpart()
{
    clearLists();
    appendItems(Combo1, special::items());
}

void Form1::TZ_Result(const QString &TZ_password)
{
    storeIfFound(PUB_massage, describe(Part::SpecialItem, TZ_password));
}
