// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

#include "app/form1.h"
#include "app/lists.h"
#include "catalogue/civil.h"
#include "catalogue_helpers.h"
#include "tools/drive/drive.h"

#include <memory>

using namespace korvanta;

using FillOperation = void (Form1::*)();
Q_DECLARE_METATYPE(FillOperation)

class TestCatalogueOps : public QObject
{
    Q_OBJECT

    std::unique_ptr<Form1> form;

    // Leaves items and texts in all three lists, as another category's query does.
    void fillAllLists()
    {
        for (QComboBox *list : {form->Combo1, form->Combo2, form->Combo3}) {
            list->addItems({QStringLiteral("X1"), QStringLiteral("X2")});
            list->setEditText(QStringLiteral("typed"));
        }
    }

private slots:
    void init() { form = std::make_unique<Form1>(); }
    void cleanup() { form.reset(); }

    // The operation that starts a category empties all three lists, items and text, and fills
    // the first one; running it twice does not double the items.
    void categoryFills_data()
    {
        QTest::addColumn<FillOperation>("fill");
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<QString>("text");
        // clang-format off
        QTest::newRow("civil") << &Form1::Min_cnpart << QString::fromUtf8("京津沪渝黑吉辽冀豫晋鲁鄂湘陕甘川苏浙皖赣宁闽粤" "桂蒙新青藏云琼贵") .split(QString(), Qt::SkipEmptyParts) << QString();
        QTest::newRow("military") << &Form1::Jun_cnpart << QStringLiteral("甲乙丙巳庚辛壬寅辰戍午未申").split(QString(), Qt::SkipEmptyParts) << QString();
        QTest::newRow("armed police") << &Form1::WJ_cngpart << QStringList{QStringLiteral("WJxx-aaaaa"), QStringLiteral("WJxx-Xaaaa")} << QStringLiteral("选择样式");
        QTest::newRow("special") << &Form1::TZ_Cnpart << QStringList() << QString();
        // clang-format on
    }
    void categoryFills()
    {
        QFETCH(FillOperation, fill);
        QFETCH(QStringList, items);
        QFETCH(QString, text);
        fillAllLists();
        for (int run = 0; run < 2; ++run) {
            (form.get()->*fill)();
            if (!items.isEmpty())
                QCOMPARE(itemsOf(form->Combo1), items);
            else
                QCOMPARE(form->Combo1->count(), 24);
            QCOMPARE(form->Combo1->currentText(), text);
            for (QComboBox *list : {form->Combo2, form->Combo3}) {
                QCOMPARE(list->count(), 0);
                QVERIFY(list->currentText().isEmpty());
            }
        }
        QVERIFY(form->PUB_massage.isEmpty());
    }

    void minEngpartAppendsWithoutClearing()
    {
        form->Min_Engpart(QStringLiteral("京"));
        form->Min_Engpart(QStringLiteral("京"));
        QCOMPARE(itemsOf(form->Combo2).join(QString()), QStringLiteral("ACEFBGHACEFBGH"));
        // Appending leaves the list's text as it was.
        QCOMPARE(form->Combo2->currentText(), QStringLiteral("英文部分"));
        for (const char *miss : {"", "甲", " 京", "京 ", "京A"})
            form->Min_Engpart(QString::fromUtf8(miss));
        QCOMPARE(form->Combo2->count(), 14);
    }

    void everyProvinceFillsItsRow()
    {
        for (korvanta::Text province : korvanta::civil::provinces()) {
            korvanta::clearList(form->Combo2);
            form->Min_Engpart(korvanta::toQString(province));
            QCOMPARE(itemsOf(form->Combo2), toList(korvanta::civil::letters(province)));
        }
    }

    void minResult()
    {
        form->Min_result(QStringLiteral("冀"), QStringLiteral("A"));
        QCOMPARE(form->PUB_massage, QStringLiteral("河北省石家庄市车辆"));
        for (const char *letter : {"G", "a", "Ａ", "A ", ""})
            form->Min_result(QStringLiteral("晋"), QString::fromUtf8(letter));
        QCOMPARE(form->PUB_massage, QStringLiteral("河北省石家庄市车辆"));
        for (korvanta::Text key : korvanta::civil::describedKeys()) {
            const QString k = korvanta::toQString(key);
            form->Min_result(k.first(1), k.sliced(1));
            QCOMPARE(form->PUB_massage,
                     korvanta::toQString(*korvanta::civil::describe(k.first(1), k.sliced(1))));
        }
    }

    void military()
    {
        form->Jun_Engpart();
        form->Jun_Engpart();
        QCOMPARE(itemsOf(form->Combo2).join(QString()), QStringLiteral("ABCDENGHKPSABCDENGHKPS"));
        form->JUN_result(QStringLiteral("庚"));
        form->Jun_second(QStringLiteral("K"));
        QCOMPARE(form->PUB_massage, QStringLiteral("中国人民解放军北京军区"));
        QCOMPARE(form->GIVE_massage, QStringLiteral("驻当地铁路、航空、水运单位军代处"));
        form->JUN_result(QStringLiteral("戌")); // U+620C, not the list's 戍
        form->Jun_second(QStringLiteral("a"));
        form->Jun_second(QStringLiteral("F"));
        QCOMPARE(form->PUB_massage, QStringLiteral("中国人民解放军北京军区"));
        QCOMPARE(form->GIVE_massage, QStringLiteral("驻当地铁路、航空、水运单位军代处"));
        form->JUN_result(QStringLiteral("戍"));
        QCOMPARE(form->PUB_massage, QStringLiteral("中国人民解放军广州军区"));
    }

    void wjTypeSwitchesTheBranchList_data()
    {
        QTest::addColumn<QString>("style");
        QTest::addColumn<bool>("branches");
        // clang-format off
        QTest::newRow("plain style") << "WJxx-aaaaa" << false;
        QTest::newRow("branch style") << "WJxx-Xaaaa" << true;
        QTest::newRow("prompt") << "选择样式" << false;
        QTest::newRow("lower-case x") << "WJxx-xaaaa" << false;
        QTest::newRow("trailing space") << "WJxx-Xaaaa " << false;
        // clang-format on
    }
    void wjTypeSwitchesTheBranchList()
    {
        QFETCH(QString, style);
        QFETCH(bool, branches);
        form->WJ_cngpart();
        form->Combo3->setEnabled(!branches);
        form->Combo3->addItem(QStringLiteral("leftover"));
        form->Combo1->setEditText(style);
        for (int run = 0; run < 2; ++run) {
            korvanta::clearList(form->Combo2);
            form->WJ_type(form->Combo1->currentText());
            const QStringList numbers = itemsOf(form->Combo2);
            QCOMPARE(numbers.size(), 32);
            QCOMPARE(numbers.first(), QStringLiteral("01"));
            QCOMPARE(numbers.at(11), QStringLiteral("12"));
            QCOMPARE(numbers.last(), QStringLiteral("32"));
            QCOMPARE(form->Combo3->isEnabled(), branches);
            QCOMPARE(itemsOf(form->Combo3).join(QString()),
                     branches ? QStringLiteral("消边通森金警电") : QString());
            QCOMPARE(form->Combo1->currentText(), style);
        }
    }

    void wjResultReadsOnlyTheNumber()
    {
        form->WJ_result(QString(), QStringLiteral("31"), QString());
        QCOMPARE(form->PUB_massage, QStringLiteral("北京省"));
        form->WJ_result(QStringLiteral("WJxx-Xaaaa"), QStringLiteral("16"), QStringLiteral("消"));
        QCOMPARE(form->PUB_massage, QStringLiteral("广西壮族自治区"));
        for (const char *miss : {"1", "001", "00", "33", "A", ""})
            form->WJ_result(QStringLiteral("WJxx-aaaaa"), QString::fromUtf8(miss), QString());
        QCOMPARE(form->PUB_massage, QStringLiteral("广西壮族自治区"));
        QVERIFY(form->GIVE_massage.isEmpty());
    }

    void tzResult()
    {
        form->TZ_Cnpart();
        for (int i = 0; i < form->Combo1->count(); ++i) {
            form->PUB_massage.clear();
            form->TZ_Result(form->Combo1->itemText(i));
            QVERIFY2(!form->PUB_massage.isEmpty(), qPrintable(form->Combo1->itemText(i)));
        }
        form->TZ_Result(QStringLiteral("京A 88"));
        QCOMPARE(form->PUB_massage, QStringLiteral("钓鱼台----中国政府的后花园    "));
        for (const char *miss : {"京A88", "京A  88", "京0 Baaaa", "国A 置于挡风下端"})
            form->TZ_Result(QString::fromUtf8(miss));
        QCOMPARE(form->PUB_massage, QStringLiteral("钓鱼台----中国政府的后花园    "));
    }
};

QTEST_MAIN(TestCatalogueOps)
#include "tst_catalogueops.moc"
