// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

#include "catalogue/armedpolice.h"
#include "catalogue_helpers.h"

using namespace korvanta;

class TestArmedPolice : public QObject
{
    Q_OBJECT

private slots:
    void lists()
    {
        QCOMPARE(toList(armedpolice::styles()),
                 QStringList({QStringLiteral("WJxx-aaaaa"), QStringLiteral("WJxx-Xaaaa")}));
        QCOMPARE(toQString(armedpolice::stylePrompt()), QStringLiteral("选择样式"));
        QCOMPARE(toQString(armedpolice::branchStyle()), QStringLiteral("WJxx-Xaaaa"));
        QStringList numbers;
        for (int n = 1; n <= 32; ++n)
            numbers << QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
        QCOMPARE(toList(armedpolice::numbers()), numbers);
        QCOMPARE(toList(armedpolice::branches()).join(QString()), QStringLiteral("消边通森金警电"));
    }

    void everyItemIsDescribed()
    {
        for (Text number : armedpolice::numbers())
            QVERIFY(armedpolice::describeNumber(toQString(number)).has_value());
        for (Text branch : armedpolice::branches())
            QVERIFY(armedpolice::branchName(toQString(branch)).has_value());
    }

    void units_data()
    {
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("text");
        // clang-format off
        QTest::newRow("01") << "01" << "中国武警总部";
        QTest::newRow("03") << "03" << "内蒙古";
        QTest::newRow("12") << "12" << "江西省";
        QTest::newRow("16") << "16" << "广西壮族自治区";
        QTest::newRow("31") << "31" << "北京省";
        QTest::newRow("32") << "32" << "重庆市";
        // clang-format on
        for (const char *miss : {"1", "001", "00", "33", "A", "", "01 ", "０１"})
            QTest::addRow("miss '%s'", miss) << miss << "<none>";
    }
    void units()
    {
        QFETCH(QString, number);
        QFETCH(QString, text);
        QCOMPARE(describedOrMiss(armedpolice::describeNumber(number)), text);
    }

    void branchNames_data()
    {
        QTest::addColumn<QString>("character");
        QTest::addColumn<QString>("text");
        // clang-format off
        QTest::newRow("消") << "消" << "武装警察消防部队";
        QTest::newRow("警") << "警" << "武装警察警卫部队";
        QTest::newRow("电") << "电" << "武装警察水电部队";
        QTest::newRow("unknown") << "水" << "<none>";
        QTest::newRow("empty") << "" << "<none>";
        // clang-format on
    }
    void branchNames()
    {
        QFETCH(QString, character);
        QFETCH(QString, text);
        QCOMPARE(describedOrMiss(armedpolice::branchName(character)), text);
    }
};

QTEST_APPLESS_MAIN(TestArmedPolice)
#include "tst_armedpolice.moc"
