// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

// Typing the plate one saw into the first list's field: the window ends where the same clicks
// and picks leave it, the suggestions follow what is typed, and the keys do what a person expects.

#include "app/form1.h"
#include "app/services/accessibility.h"
#include "app/typedplate/typedplate.h"
#include "catalogue/armedpolice.h"
#include "catalogue/civil.h"
#include "catalogue/description.h"
#include "catalogue/military.h"
#include "catalogue/search.h"
#include "catalogue/searchindex.h"
#include "catalogue/special.h"
#include "tools/drive/drive.h"

#include <QApplication>
#include <QClipboard>
#include <QListWidget>
#include <QRawFont>
#include <QSignalSpy>

#include <memory>

using namespace korvanta;

namespace
{

struct Case {
    QString name;
    Query picks;           // what a person clicks and picks
    QStringList spellings; // what they may type instead
};

QString fullWidth(const QString &text)
{
    QString out;
    for (QChar c : text) {
        const char16_t u = c.unicode();
        out += (u >= u'0' && u <= u'9') || (u >= u'A' && u <= u'Z') ? QChar(u + 0xFEE0) : c;
    }
    return out;
}

// Every plate of the catalogues, with three ways to type it.
QList<Case> everyPlate()
{
    QList<Case> cases;
    for (Text key : civil::describedKeys()) {
        const QString province = toQString(key.substr(0, 1));
        const QString letter = toQString(key.substr(1));
        cases.append({province + letter,
                      {1, {province, letter}},
                      {province + letter + QStringLiteral("12345"),
                       province + letter.toLower() + QStringLiteral("·12345"),
                       province + fullWidth(letter) + QStringLiteral(" 12345")}});
    }
    for (Text firstItem : military::firstLevel()) {
        const QString first = toQString(firstItem);
        for (Text secondItem : military::secondLevel()) {
            const QString second = toQString(secondItem);
            cases.append({first + second,
                          {2, {first, second}},
                          {first + second + QStringLiteral("12345"),
                           first + second.toLower() + QStringLiteral("•12345"),
                           first + fullWidth(second) + QStringLiteral("－12345")}});
        }
    }
    const QString branchStyle = toQString(armedpolice::branchStyle());
    const QString plainStyle = toQString(armedpolice::plainStyle());
    for (Text unitItem : armedpolice::numbers()) {
        const QString unit = toQString(unitItem);
        cases.append({QStringLiteral("WJ") + unit,
                      {3, {plainStyle, unit}},
                      {QStringLiteral("WJ") + unit + QStringLiteral("-12345"),
                       QStringLiteral("wj ") + unit + QStringLiteral(" 12345"),
                       fullWidth(QStringLiteral("WJ") + unit + QStringLiteral("12345"))}});
        for (Text branchItem : armedpolice::branches()) {
            const QString branch = toQString(branchItem);
            cases.append({QStringLiteral("WJ") + unit + branch,
                          {3, {branchStyle, unit, branch}},
                          {QStringLiteral("WJ") + unit + branch + QStringLiteral("1234"),
                           QStringLiteral("WJ ") + unit + QStringLiteral("-") + branch +
                               QStringLiteral("1234"),
                           QStringLiteral("wj") + unit + QStringLiteral("·") + branch +
                               QStringLiteral("1234")}});
        }
    }
    for (Text itemText : special::items()) {
        // The item's own plate: its first spelling, each 'a' a digit, without spaces.
        const QString item = toQString(itemText);
        QString plate = item.section(u'、', 0, 0).section(QStringLiteral("--"), 0, 0);
        plate.replace(u'a', u'1').remove(u' ');
        QString spaced;
        for (QChar c : plate)
            spaced += c + QStringLiteral(" ");
        cases.append({item, {4, {item}}, {plate, spaced.trimmed(), fullWidth(plate)}});
    }
    return cases;
}

// Types `text` into the first list's field and presses Return, as a person does.
void typeAndReturn(Form1 &form, const QString &text)
{
    typeInto(form.Combo1, text);
    QTest::keyClick(form.Combo1, Qt::Key_Return);
}

QStringList stateOf(const Form1 &form)
{
    QStringList state = snapshot(form);
    for (const QRadioButton *option : {form.Option1, form.Option2, form.Option3, form.Option4})
        state << QString::number(option->isChecked());
    return state;
}

QListWidget *suggestions(const Form1 &form)
{
    return form.Combo1->findChild<QListWidget *>(QStringLiteral("suggestionList"));
}

bool suggesting(const Form1 &form)
{
    const QListWidget *list = suggestions(form);
    return list && list->window()->isVisible();
}

} // namespace

class TestTypedPlate : public QObject
{
    Q_OBJECT

    std::unique_ptr<Form1> form;
    std::unique_ptr<NoticeRecorder> notices;

private slots:
    void init()
    {
        notices = std::make_unique<NoticeRecorder>();
        form = std::make_unique<Form1>();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }
    void cleanup()
    {
        form.reset();
        notices.reset();
    }

    // Every plate, typed in three spellings, leaves the window as the same clicks and picks do,
    // whatever was shown before; and shows no notice box.
    void sameStateAsPicking()
    {
        Form1 picked;
        int checked = 0;
        for (const Case &plate : everyPlate()) {
            QVERIFY2(run(picked, plate.picks), qPrintable(plate.name));
            for (const QString &spelling : plate.spellings) {
                const qsizetype noticesBefore = notices->notices.size();
                typeAndReturn(*form, spelling);
                QVERIFY2(stateOf(*form) == stateOf(picked),
                         qPrintable(QStringLiteral("%1 typed as %2: %3, picked: %4")
                                        .arg(plate.name, spelling, stateOf(*form).join(u'/'),
                                             stateOf(picked).join(u'/'))));
                QCOMPARE(notices->notices.size(), noticesBefore);
                ++checked;
            }
        }
        QVERIFY(checked > 2000);
    }

    // A plate whose answer's part is missing applies what it has and opens the next list; an
    // answer shown before is gone.
    void missingPartsOpenTheirList_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("texts"); // of the three lists afterwards
        QTest::addColumn<QString>("opened");
        // clang-format off
        QTest::newRow("unknown letter") << QStringLiteral("京Z12345") << QStringList{QStringLiteral("京"), QString(), QString()} << QStringLiteral("Combo2");
        QTest::newRow("province alone") << QStringLiteral("粤") << QStringList{QStringLiteral("粤"), QString(), QString()} << QStringLiteral("Combo2");
        QTest::newRow("second level alone") << QStringLiteral("中央警卫局") << QStringList{QString(), QString(), QString()} << QStringLiteral("Combo1");
        QTest::newRow("branch alone") << QStringLiteral("消防") << QStringList{QStringLiteral("WJxx-Xaaaa"), QString(), QString()} << QStringLiteral("Combo2");
        // clang-format on
    }
    void missingPartsOpenTheirList()
    {
        QFETCH(QString, typed);
        QFETCH(QStringList, texts);
        QFETCH(QString, opened);
        QVERIFY(run(*form, {3, {QStringLiteral("WJxx-aaaaa"), QStringLiteral("02")}}));
        QVERIFY(!form->Label4->text().isEmpty());
        typeAndReturn(*form, typed);
        QCOMPARE(form->Label4->text(), QString());
        QCOMPARE((QStringList{form->Combo1->currentText(), form->Combo2->currentText(),
                              form->Combo3->currentText()}),
                 texts);
        auto *list = form->findChild<QComboBox *>(opened);
        QVERIFY(list->view()->isVisible());
        list->hidePopup();
    }

    // A unit alone takes the style without a branch.
    void unitAlone()
    {
        typeAndReturn(*form, QStringLiteral("北京省"));
        QVERIFY(form->Option3->isChecked());
        QCOMPARE(form->Combo1->currentText(), QStringLiteral("WJxx-aaaaa"));
        QCOMPARE(form->Combo2->currentText(), QStringLiteral("31"));
        QCOMPARE(form->Label4->text(), QStringLiteral("北京省"));
    }

    // Suggestions follow typing and only typing; the text stays as typed; keys move, apply and
    // close; text that is nothing changes nothing.
    void suggestionsAndKeys()
    {
        form->Combo1->setEditText(QStringLiteral("冀A"));
        QVERIFY(!suggesting(*form));

        typeInto(form->Combo1, QStringLiteral("shijiazhuang"));
        QVERIFY(suggesting(*form));
        QCOMPARE(form->Combo1->currentText(), QStringLiteral("shijiazhuang"));
        QCOMPARE(form->Combo1->count(), 0);
        QCOMPARE(suggestions(*form)->item(0)->text(), QStringLiteral("冀A　河北省石家庄市车辆"));
        QVERIFY(!suggestions(*form)->window()->isActiveWindow());
        QVERIFY(form->Combo1->hasFocus());

        // Escape closes the popup and keeps the text.
        QTest::keyClick(form->Combo1, Qt::Key_Escape);
        QVERIFY(!suggesting(*form));
        QCOMPARE(form->Combo1->currentText(), QStringLiteral("shijiazhuang"));

        // Down moves to the next row, and a screen reader hears it; Return applies it.
        typeInto(form->Combo1, QStringLiteral("河北"));
        QTest::keyClick(form->Combo1, Qt::Key_Down);
        const QString second = suggestions(*form)->item(1)->text();
        auto *announcer = form->findChild<Announcer *>();
        QCOMPARE(announcer->lastAnnouncement(), second);
        QTest::keyClick(form->Combo1, Qt::Key_Return);
        QVERIFY(!suggesting(*form));
        QCOMPARE(form->Combo1->currentText() + form->Combo2->currentText(), second.first(2));

        // Nothing found: one row that cannot be chosen, heard, and nothing else changes.
        const QStringList before = stateOf(*form);
        typeInto(form->Combo1, QStringLiteral("xqxqxq"));
        QCOMPARE(suggestions(*form)->count(), 1);
        QVERIFY(!(suggestions(*form)->item(0)->flags() & Qt::ItemIsEnabled));
        QVERIFY(announcer->lastAnnouncement().startsWith(QStringLiteral("没有找到")));
        QTest::keyClick(form->Combo1, Qt::Key_Return);
        QStringList after = stateOf(*form);
        after[1] = before[1]; // the field shows what was typed
        QCOMPARE(after, before);
        QCOMPARE(form->Combo1->currentText(), QStringLiteral("xqxqxq"));
    }

    // Up moves back, a click applies the row clicked; a row says what its prefix means today
    // where that changed, after the type, and a long answer is cut with "…".
    void clickUpAndToday()
    {
        typeInto(form->Combo1, QStringLiteral("河北"));
        QTest::keyClick(form->Combo1, Qt::Key_Down);
        QTest::keyClick(form->Combo1, Qt::Key_Down);
        QTest::keyClick(form->Combo1, Qt::Key_Up);
        QCOMPARE(suggestions(*form)->currentRow(), 1);
        auto *announcer = form->findChild<Announcer *>();
        QCOMPARE(announcer->lastAnnouncement(), suggestions(*form)->item(1)->text());
        QListWidget *rows = suggestions(*form);
        const QString third = rows->item(2)->text();
        QTest::mouseClick(rows->viewport(), Qt::LeftButton, {},
                          rows->visualItemRect(rows->item(2)).center());
        QVERIFY(!suggesting(*form));
        QCOMPARE(form->Combo1->currentText() + form->Combo2->currentText(), third.first(2));

        typeInto(form->Combo1, QStringLiteral("xiangyang"));
        QCOMPARE(suggestions(*form)->item(0)->text(),
                 QStringLiteral("鄂F　湖北省襄樊市车辆　今：湖北省襄阳市"));
        typeInto(form->Combo1, QStringLiteral("京A·A12345"));
        const QString answer = toQString(*civil::describe(u"京", u"A"));
        QVERIFY(answer.size() > 24);
        QCOMPARE(suggestions(*form)->item(0)->text(),
                 QStringLiteral("京A　") + answer.first(24) +
                     QStringLiteral("…　新能源汽车（纯电动）　今：北京市"));
    }

    // An item of the list in force is picked as always, by the list itself.
    void listItemsPickAsToday()
    {
        QVERIFY(clickOption(form->Option1));
        QSignalSpy picks(form->Combo1, &QComboBox::activated);
        typeAndReturn(*form, QStringLiteral("粤"));
        QVERIFY(!picks.isEmpty());
        QCOMPARE(form->Combo1->currentText(), QStringLiteral("粤"));
        QVERIFY(form->Combo2->count() > 0);
        QVERIFY(!form->Combo2->view()->isVisible());
    }

    // The popup closes on a click elsewhere (which still does its work), on losing the focus,
    // and when the category changes.
    void popupCloses()
    {
        typeInto(form->Combo1, QStringLiteral("sjz"));
        QVERIFY(suggesting(*form));
        QVERIFY(clickOption(form->Option2));
        QVERIFY(!suggesting(*form));

        typeInto(form->Combo1, QStringLiteral("sjz"));
        QVERIFY(suggesting(*form));
        form->Combo2->setFocus();
        QVERIFY(!suggesting(*form));
    }

    // Ctrl+F and Ctrl+L put the keyboard in the field with its text selected; a click on a
    // prompt selects it; a paste elsewhere in the query view lands in the field.
    void discoverable()
    {
        QVERIFY(form->Combo1->lineEdit()->toolTip().contains(QStringLiteral("冀A·12345")));
        QCOMPARE(form->Combo1->lineEdit()->accessibleDescription(),
                 form->Combo1->lineEdit()->toolTip());
        for (const QKeySequence &keys :
             {QKeySequence(Qt::CTRL | Qt::Key_F), QKeySequence(Qt::CTRL | Qt::Key_L)}) {
            form->Command1->setFocus();
            QTest::keySequence(form.get(), keys);
            QVERIFY(form->Combo1->hasFocus());
            QCOMPARE(form->Combo1->lineEdit()->selectedText(), QStringLiteral("汉字部分"));
        }
        form->Combo1->lineEdit()->deselect();
        QTest::mouseClick(form->Combo1->lineEdit(), Qt::LeftButton);
        QTRY_COMPARE(form->Combo1->lineEdit()->selectedText(), QStringLiteral("汉字部分"));

        QGuiApplication::clipboard()->setText(QStringLiteral("冀B·12345"));
        form->Option1->setFocus();
        QTest::keySequence(form.get(), QKeySequence::Paste);
        QCOMPARE(form->Combo1->currentText(), QStringLiteral("冀B·12345"));
        QVERIFY(suggesting(*form));
        QCOMPARE(suggestions(*form)->item(0)->text(), QStringLiteral("冀B　河北省唐山市车辆"));
    }

    // What a typed plate says beside the picks' answer shows in the plate line, is heard with the
    // answer, and goes with the next click or pick. A plate that no list gives returns the window
    // to how it starts and is answered in the second answer's place; a letter the catalogue lacks
    // whose place is known is answered in the first answer's place, with its province picked and
    // the letter list closed.
    void plateLine_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("answer");      // Label4
        QTest::addColumn<QString>("plateAnswer"); // in the place of Label4 or Label5
        QTest::addColumn<QString>("place");
        QTest::addColumn<QString>("line"); // the plate line
        QTest::addColumn<QString>("heard");
        QTest::addColumn<QString>("next"); // what clears it: a category button, or a list
        // clang-format off
        QTest::newRow("green plate") << QStringLiteral("粤B·D12345") << QStringLiteral("广东省深圳市车辆") << QString() << QString() << QStringLiteral("新能源汽车（纯电动）") << QStringLiteral("广东省深圳市车辆。新能源汽车（纯电动）") << QStringLiteral("Option2");
        QTest::newRow("today's green plate") << QStringLiteral("粤B·A12345") << QStringLiteral("广东省深圳市车辆") << QString() << QString() << QStringLiteral("新能源汽车（纯电动）") << QStringLiteral("广东省深圳市车辆。新能源汽车（纯电动）") << QStringLiteral("Combo2");
        QTest::newRow("trailer") << QStringLiteral("鲁A1234挂") << QStringLiteral("山东省济南市车辆") << QString() << QString() << QStringLiteral("挂车") << QStringLiteral("山东省济南市车辆。挂车") << QStringLiteral("Combo2");
        QTest::newRow("special and police") << QStringLiteral("京A·1234警") << QStringLiteral("北京市公安局及下属各分局各总队，警务车如治安防暴巡查") << QString() << QString() << QStringLiteral("警用汽车") << QStringLiteral("北京市公安局及下属各分局各总队，警务车如治安防暴巡查。警用汽车") << QStringLiteral("Combo1");
        QTest::newRow("letter the catalogue lacks") << QStringLiteral("京P·12345") << QString() << QString() << QString() << QStringLiteral("北京市（目录中没有京P）") << QString() << QStringLiteral("Combo1");
        QTest::newRow("... and today's place") << QStringLiteral("川X·12345") << QString() << QStringLiteral("四川省广安市（目录中没有川X）") << QStringLiteral("Label4") << QString() << QStringLiteral("四川省广安市（目录中没有川X）") << QStringLiteral("Combo1");
        QTest::newRow("... a green plate") << QStringLiteral("鄂W·D12345") << QString() << QStringLiteral("湖北省武汉市（目录中没有鄂W）") << QStringLiteral("Label4") << QStringLiteral("新能源汽车（纯电动）") << QStringLiteral("湖北省武汉市（目录中没有鄂W）。新能源汽车（纯电动）") << QStringLiteral("Option1");
        QTest::newRow("a key that means another place today") << QStringLiteral("鲁M·12345") << QStringLiteral("山东省莱芜市车辆") << QString() << QString() << QStringLiteral("今：山东省滨州市（公开名单均作滨州）") << QStringLiteral("山东省莱芜市车辆。今：山东省滨州市（公开名单均作滨州）") << QStringLiteral("Option1");
        QTest::newRow("a renamed place, a green plate") << QStringLiteral("鄂F·D12345") << QStringLiteral("湖北省襄樊市车辆") << QString() << QString() << QStringLiteral("新能源汽车（纯电动）。今：湖北省襄阳市（襄樊市2010年更名襄阳市）") << QStringLiteral("湖北省襄樊市车辆。新能源汽车（纯电动）。今：湖北省襄阳市（襄樊市2010年更名襄阳市）") << QStringLiteral("Combo1");
        QTest::newRow("emergency") << QStringLiteral("粤X·1234应急") << QString() << QStringLiteral("广东省。应急救援车辆（消防救援）") << QStringLiteral("Label5") << QString() << QStringLiteral("广东省。应急救援车辆（消防救援）") << QStringLiteral("Option1");
        QTest::newRow("2012 armed police") << QStringLiteral("WJ琼12345") << QString() << QStringLiteral("海南省。武警车辆（2012式号牌）") << QStringLiteral("Label5") << QString() << QStringLiteral("海南省。武警车辆（2012式号牌）") << QStringLiteral("Option3");
        QTest::newRow("2012 military") << QStringLiteral("VA12345") << QString() << QStringLiteral("军队车辆（2012式号牌）") << QStringLiteral("Label5") << QString() << QStringLiteral("军队车辆（2012式号牌）") << QStringLiteral("Option2");
        // clang-format on
    }
    // A civil pick whose prefix means another place today, or a place since renamed, shows
    // today's place beside the catalogue's words, heard with them; a prefix that means the same
    // today adds nothing. The catalogue's words stay as they are.
    void todayAfterAPick_data()
    {
        QTest::addColumn<QString>("province");
        QTest::addColumn<QString>("letter");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("line");
        // clang-format off
        QTest::newRow("another place today") << QStringLiteral("鲁") << QStringLiteral("M") << QStringLiteral("山东省莱芜市车辆") << QStringLiteral("今：山东省滨州市（公开名单均作滨州）");
        QTest::newRow("renamed") << QStringLiteral("鄂") << QStringLiteral("F") << QStringLiteral("湖北省襄樊市车辆") << QStringLiteral("今：湖北省襄阳市（襄樊市2010年更名襄阳市）");
        QTest::newRow("no longer issued") << QStringLiteral("皖") << QStringLiteral("Q") << QStringLiteral("安徽省巢湖市车辆") << QStringLiteral("今已不再发放（地级巢湖市2011年撤销，今县级巢湖市用皖A）");
        QTest::newRow("the same place") << QStringLiteral("冀") << QStringLiteral("A") << QStringLiteral("河北省石家庄市车辆") << QString();
        // clang-format on
    }
    void todayAfterAPick()
    {
        QFETCH(QString, province);
        QFETCH(QString, letter);
        QFETCH(QString, answer);
        QFETCH(QString, line);
        auto *plateLine = form->findChild<QLabel *>(QStringLiteral("plateLine"));
        auto *announcer = form->findChild<Announcer *>();
        QVERIFY(plateLine && announcer);
        QVERIFY(run(*form, {1, {province, letter}}));
        QCOMPARE(form->Label4->text(), answer);
        QCOMPARE(plateLine->text(), line);
        QCOMPARE(plateLine->isVisible(), !line.isEmpty());
        QTRY_COMPARE(announcer->lastAnnouncement(),
                     line.isEmpty() ? answer : answer + QStringLiteral("。") + line);
        // The next pick clears it.
        choose(form->Combo1, 0);
        QCOMPARE(plateLine->text(), QString());
    }

    void plateLine()
    {
        QFETCH(QString, typed);
        QFETCH(QString, answer);
        QFETCH(QString, plateAnswer);
        QFETCH(QString, place);
        QFETCH(QString, line);
        QFETCH(QString, heard);
        QFETCH(QString, next);
        auto *plateLine = form->findChild<QLabel *>(QStringLiteral("plateLine"));
        auto *ownAnswer = form->findChild<QLabel *>(QStringLiteral("plateAnswer"));
        auto *announcer = form->findChild<Announcer *>();
        QVERIFY(plateLine && ownAnswer && announcer);
        // Whatever was shown before: a military answer on both lines.
        QVERIFY(run(*form, {2, {QStringLiteral("甲"), QStringLiteral("A")}}));
        const QStringList atStart = stateOf(Form1());
        const qsizetype noticesBefore = notices->notices.size();

        typeAndReturn(*form, typed);
        QCOMPARE(form->Label4->text(), answer);
        QCOMPARE(ownAnswer->text(), plateAnswer);
        QCOMPARE(plateLine->text(), line);
        QCOMPARE(ownAnswer->isVisible(), !plateAnswer.isEmpty());
        QCOMPARE(plateLine->isVisible(), !line.isEmpty());
        QCOMPARE(notices->notices.size(), noticesBefore);
        if (!heard.isEmpty())
            QTRY_COMPARE(announcer->lastAnnouncement(), heard);
        // The plate line sits under the answers, inside the result frame, apart from the first
        // line's box; an answer of its own where an answer shows, as large and blue; the texts
        // fit.
        QVERIFY(form->Frame2->contentsRect().contains(plateLine->geometry()));
        QVERIFY(plateLine->geometry().top() >= form->Label4->geometry().bottom());
        QVERIFY(plateLine->heightForWidth(plateLine->width()) <= plateLine->height());
        if (!place.isEmpty()) {
            const QLabel *where = form->findChild<QLabel *>(place);
            QCOMPARE(ownAnswer->geometry(), where->geometry());
            QCOMPARE(ownAnswer->font(), where->font());
            QCOMPARE(ownAnswer->palette().color(QPalette::WindowText),
                     where->palette().color(QPalette::WindowText));
            QVERIFY(ownAnswer->heightForWidth(ownAnswer->width()) <= ownAnswer->height());
            QVERIFY(!plateLine->isVisible() ||
                    !ownAnswer->geometry().intersects(plateLine->geometry()));
        }
        if (place == QStringLiteral("Label5"))
            QCOMPARE(stateOf(*form), atStart); // returned to how the window starts
        if (place == QStringLiteral("Label4")) {
            // The province is picked and the letter list, which lacks the letter, stays closed.
            QCOMPARE(form->Combo1->currentText(), typed.first(1));
            QVERIFY(form->Option1->isChecked());
            QVERIFY(!form->Combo2->view()->isVisible());
        }

        if (next.startsWith(QStringLiteral("Option")))
            form->findChild<QRadioButton *>(next)->click();
        else {
            auto *list = form->findChild<QComboBox *>(next);
            QVERIFY(list->isEnabled() && list->count() > 0);
            choose(list, 0);
        }
        QCOMPARE(plateLine->text(), QString());
        QVERIFY(!plateLine->isVisible());
        QVERIFY(!ownAnswer->isVisible());
    }

    // Every character the window can show is in the faces built into it: the catalogues, the
    // form's texts and the suggestions'.
    void everyCharacterIsInTheFaces()
    {
        QSet<char32_t> shown;
        const auto collect = [&shown](const QString &text) {
            for (char32_t c : text.toUcs4()) {
                if (c > 0x20 && c != 0x3000)
                    shown.insert(c);
            }
        };
        for (const auto &document : search::index::documents()) {
            for (Text part : document.picks)
                collect(toQString(part));
            collect(toQString(document.text));
            collect(rowText({search::Found::Plate, {document.kind, document.picks}}));
        }
        for (Text item : civil::describedKeys())
            collect(toQString(item));
        // A plate of every shape, and what its rows and its plate line say.
        for (const char *plate :
             {"粤B·D12345",  "沪A·F12345", "冀A·12345D", "鲁A·1234挂",   "冀B·1234学",
              "沪A·1234领",  "冀A·1234警", "浙O·1234警", "陕O·A123警",   "粤Z·1234港",
              "粤Z·1234澳",  "使123·456",  "123456使",   "粤X·1234应急", "川S·1234应急",
              "应急粤·123X", "VA·12345",   "WJ·12345",   "WJ·1234J",     "WJ琼12345",
              "京N·12345"}) {
            for (const search::Row &row : search::lookUp(QString::fromUtf8(plate))) {
                collect(rowText(row));
                const Answer answer = describe(row.reading);
                collect(answer.answer + answer.type + answer.todayNote);
            }
        }
        for (const QWidget *widget : form->findChildren<QWidget *>()) {
            collect(widget->toolTip());
            collect(widget->accessibleName());
            collect(widget->accessibleDescription());
            for (const char *property : {"text", "title", "plainText", "currentText"})
                collect(widget->property(property).toString());
        }
        collect(form->windowTitle());
        typeInto(form->Combo1, QStringLiteral("xqxqxq"));
        collect(suggestions(*form)->item(0)->text());
        form->Command1->click();
        for (const QWidget *widget : form->findChildren<QWidget *>())
            collect(widget->property("plainText").toString() + widget->property("text").toString());

        for (const char *face :
             {"KorvantaSerif-Regular", "KorvantaSerif-Bold", "KorvantaSans-Regular"}) {
            const QRawFont raw(QStringLiteral(":/fonts/%1.otf").arg(QLatin1String(face)), 12);
            QVERIFY(raw.isValid());
            QStringList missing;
            for (char32_t c : std::as_const(shown)) {
                if (!raw.supportsCharacter(c))
                    missing << QString::fromUcs4(&c, 1);
            }
            QVERIFY2(missing.isEmpty(), qPrintable(QLatin1String(face) + QStringLiteral(" lacks ") +
                                                   missing.join(u' ')));
        }
        QVERIFY2(shown.size() > 800, qPrintable(QString::number(shown.size())));
    }
};

QTEST_MAIN(TestTypedPlate)
#include "tst_typedplate.moc"
