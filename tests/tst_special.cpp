// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

#include "catalogue/special.h"
#include "catalogue_helpers.h"

using namespace korvanta;

class TestSpecial : public QObject
{
    Q_OBJECT

private slots:
    void items()
    {
        const QStringList items = toList(special::items());
        QCOMPARE(items.size(), 24);
        QCOMPARE(items.at(0), QStringLiteral("甲A026、7、8"));
        QCOMPARE(items.at(7), QStringLiteral("使aaaaa"));
        QCOMPARE(items.at(17), QStringLiteral("国A  置于挡风下端"));
        QCOMPARE(items.at(22), QStringLiteral("901"));
        QCOMPARE(items.at(23), QStringLiteral("京安"));
        for (const QString &item : items)
            QVERIFY2(special::describe(item).has_value(), qPrintable(item));
        // The 京O items carry the capital letter O, never the digit zero.
        for (int i : {10, 11, 12})
            QCOMPARE(items.at(i).at(1), QLatin1Char('O'));
    }

    void remarks_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("remark");
        // clang-format off
        QTest::newRow("京A 88 trailing spaces") << "京A 88" << "钓鱼台----中国政府的后花园    ";
        QTest::newRow("国A spaces and apostrophe") << "国A  置于挡风下端" << "这个不是车牌号了，而是嵌在挡风玻璃上的，国务院专车              '";
        QTest::newRow("901 curved quotes") << "901" << "金融通行证，以前也叫“免检通行证”";
        QTest::newRow("京安") << "京安" << "用来代替“警备”的，但“警备”不撤，只好两个一起用。";
        QTest::newRow("京A 80") << "京A 80" << "中华人民共和国家管理局公务专用车";
        QTest::newRow("ASCII full stop") << "塑封 警备 无警灯" << "一般为犯罪分子冒充国家公务人员的车，当然如果有人拉关系、走后门弄的也说不定.";
        QTest::newRow("京O Baaaa") << "京O Baaaa" << "北京市公安局及下属各分局";
        // clang-format on
    }
    void remarks()
    {
        QFETCH(QString, item);
        QFETCH(QString, remark);
        QCOMPARE(describedOrMiss(special::describe(item)), remark);
    }

    void remarkLengths()
    {
        QCOMPARE(special::describe(u"京A 88")->size(), 19u);
        const Text windscreen = *special::describe(u"国A  置于挡风下端");
        QCOMPARE(windscreen.size(), 40u);
        QVERIFY(windscreen.ends_with(u"              '"));
    }

    void misses_data()
    {
        QTest::addColumn<QString>("item");
        // clang-format off
        QTest::newRow("国A one space") << "国A 置于挡风下端";
        QTest::newRow("国A three spaces") << "国A   置于挡风下端";
        QTest::newRow("京A 80 without space") << "京A80";
        QTest::newRow("京A 80 two spaces") << "京A  80";
        QTest::newRow("京A 80 small a") << "京a 80";
        QTest::newRow("京O with digit zero") << "京0 Baaaa";
        QTest::newRow("trailing space") << "901 ";
        QTest::newRow("empty") << "";
        // clang-format on
    }
    void misses()
    {
        QFETCH(QString, item);
        QVERIFY(!special::describe(item).has_value());
    }
};

QTEST_APPLESS_MAIN(TestSpecial)
#include "tst_special.moc"
