// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

#include "catalogue/military.h"
#include "catalogue_helpers.h"

using namespace korvanta;

class TestMilitary : public QObject
{
    Q_OBJECT

private slots:
    void lists()
    {
        QCOMPARE(toList(military::firstLevel()).join(QString()),
                 QStringLiteral("甲乙丙巳庚辛壬寅辰戍午未申"));
        QCOMPARE(toList(military::secondLevel()), words("A B C D E N G H K P S"));
        // 戍 (U+620D), never the look-alike 戌 (U+620C).
        QCOMPARE(toList(military::firstLevel()).at(9).at(0).unicode(), 0x620D);
    }

    void everyItemIsDescribed()
    {
        for (Text item : military::firstLevel())
            QVERIFY(military::describeFirstLevel(toQString(item)).has_value());
        for (Text item : military::secondLevel())
            QVERIFY(military::describeSecondLevel(toQString(item)).has_value());
    }

    void firstLevel_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("text");
        // clang-format off
        QTest::newRow("甲") << "甲" << "中国人民解放军总部";
        QTest::newRow("庚") << "庚" << "中国人民解放军北京军区";
        QTest::newRow("戍 U+620D") << "戍" << "中国人民解放军广州军区";
        QTest::newRow("申 及及") << "申" << "中国人民解放军总装备部及及直属单位";
        QTest::newRow("戌 U+620C") << "戌" << "<none>";
        QTest::newRow("empty") << "" << "<none>";
        QTest::newRow("two characters") << "甲乙" << "<none>";
        QTest::newRow("civil character") << "京" << "<none>";
        // clang-format on
    }
    void firstLevel()
    {
        QFETCH(QString, key);
        QFETCH(QString, text);
        QCOMPARE(describedOrMiss(military::describeFirstLevel(key)), text);
    }

    void secondLevel_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("text");
        // clang-format off
        QTest::newRow("A") << "A" << "中央警卫局、中央军委、总参谋部、司令部总部";
        QTest::newRow("N") << "N" << "第二炮兵部队";
        QTest::newRow("G mixed punctuation") << "G" << "后勤部队直属单位。(如军事医学科学院、解放军总医院等)";
        QTest::newRow("K") << "K" << "驻当地铁路、航空、水运单位军代处";
        QTest::newRow("F") << "F" << "<none>";
        QTest::newRow("lower case") << "a" << "<none>";
        QTest::newRow("trailing space") << "A " << "<none>";
        // clang-format on
    }
    void secondLevel()
    {
        QFETCH(QString, key);
        QFETCH(QString, text);
        QCOMPARE(describedOrMiss(military::describeSecondLevel(key)), text);
    }
};

QTEST_APPLESS_MAIN(TestMilitary)
#include "tst_military.moc"
