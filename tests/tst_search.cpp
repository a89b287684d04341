// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

// Reading plates from what people type or paste, and searching the catalogues by place, unit and
// pinyin: what comes first, and what must not come at all.

#include "catalogue/platereader.h"
#include "catalogue/search.h"

#include <QTest>

using namespace korvanta;

namespace
{

const char *const kKinds[] = {"civil", "military", "armed police", "special"};

// A reading as the tests write it: "civil 冀 A", "armed police WJxx-Xaaaa 02 消", "special 901".
QString spelled(const Reading &reading)
{
    QStringList words{QLatin1String(kKinds[int(reading.kind)])};
    for (Text part : reading.picks)
        words << (part.empty() ? QStringLiteral("-") : toQString(part));
    while (words.last() == QStringLiteral("-"))
        words.removeLast();
    if (!reading.shown.missingLetter.empty())
        words << QStringLiteral("+") + toQString(reading.shown.missingLetter);
    return words.join(QLatin1Char(' '));
}

QStringList spelled(const search::Rows &rows)
{
    QStringList out;
    for (const search::Row &row : rows)
        out << spelled(row.reading);
    return out;
}

} // namespace

class TestSearch : public QObject
{
    Q_OBJECT

private slots:
    // The first reading of a text, and whether the reader finds a complete plate in it at all.
    void firstReading_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("first");
        // clang-format off
        QTest::newRow("plain") << QStringLiteral("冀A12345") << QStringLiteral("civil 冀 A");
        QTest::newRow("dot, small letter") << QStringLiteral("冀a·12345") << QStringLiteral("civil 冀 A");
        QTest::newRow("full width, space") << QStringLiteral("冀Ａ １２３４５") << QStringLiteral("civil 冀 A");
        QTest::newRow("ideographic space, bullet, hyphens") << QStringLiteral("冀\u3000A•12-3－45") << QStringLiteral("civil 冀 A");
        QTest::newRow("katakana dot") << QStringLiteral("冀A・12345") << QStringLiteral("civil 冀 A");
        QTest::newRow("no serial") << QStringLiteral("冀A") << QStringLiteral("civil 冀 A");
        QTest::newRow("partial serial") << QStringLiteral("冀A12") << QStringLiteral("civil 冀 A");
        QTest::newRow("new energy") << QStringLiteral("粤BD12345") << QStringLiteral("civil 粤 B");
        QTest::newRow("trailing character") << QStringLiteral("粤Z1234港") << QStringLiteral("civil 粤 Z");
        QTest::newRow("text around") << QStringLiteral("前面那辆冀A12345的车") << QStringLiteral("civil 冀 A");
        QTest::newRow("military") << QStringLiteral("庚K·12345") << QStringLiteral("military 庚 K");
        QTest::newRow("armed police, branch") << QStringLiteral("WJ02消1234") << QStringLiteral("armed police WJxx-Xaaaa 02 消");
        QTest::newRow("armed police, spaced") << QStringLiteral("WJ 02-消1234") << QStringLiteral("armed police WJxx-Xaaaa 02 消");
        QTest::newRow("armed police, no branch") << QStringLiteral("WJ02-12345") << QStringLiteral("armed police WJxx-aaaaa 02");
        QTest::newRow("armed police, small") << QStringLiteral("wj31") << QStringLiteral("armed police WJxx-aaaaa 31");
        QTest::newRow("special alternative") << QStringLiteral("甲A02712") << QStringLiteral("special 甲A026、7、8");
        QTest::newRow("special range") << QStringLiteral("甲A02212") << QStringLiteral("special 甲A020--024");
        QTest::newRow("special range end") << QStringLiteral("甲A02912") << QStringLiteral("special 甲A025--029");
        QTest::newRow("special alternative of three") << QStringLiteral("塑封G323") << QStringLiteral("special 塑封G023、323");
        QTest::newRow("special prefix") << QStringLiteral("京A80123") << QStringLiteral("special 京A 80");
        QTest::newRow("special wildcards") << QStringLiteral("京AA1234警") << QStringLiteral("special 京A Aaaaa警");
        QTest::newRow("special embassy") << QStringLiteral("使12345") << QStringLiteral("special 使aaaaa");
        QTest::newRow("special token") << QStringLiteral("通行证901号") << QStringLiteral("special 901");
        QTest::newRow("windscreen pass") << QStringLiteral("国A置于挡风下端") << QStringLiteral("special 国A  置于挡风下端");
        QTest::newRow("windscreen pass, spaced") << QStringLiteral("塑封 白色 警备") << QStringLiteral("special 塑封 白色 警备");
        QTest::newRow("pass of two") << QStringLiteral("京安") << QStringLiteral("special 京安");
        QTest::newRow("901 inside a serial is no token") << QStringLiteral("京A90123") << QStringLiteral("civil 京 A");
        QTest::newRow("unknown letter: the province alone") << QStringLiteral("京Z12345") << QStringLiteral("civil 京 +Z");
        QTest::newRow("戌 is not 戍") << QStringLiteral("戌A") << QString();
        QTest::newRow("O is not 0") << QStringLiteral("WJ0O") << QString();
        QTest::newRow("nothing") << QStringLiteral("hello") << QString();
        // clang-format on
    }
    void firstReading()
    {
        QFETCH(QString, text);
        QFETCH(QString, first);
        const plates::Readings readings = plates::read(text);
        QCOMPARE(readings.empty() ? QString() : spelled(readings[0]), first);
    }

    // A plate that fits a special item is that item first, then the plate it also is.
    void specialBeforeThePlate()
    {
        // 甲A026 is in two items; the first in item order comes first.
        QStringList readings;
        for (const Reading &reading : plates::read(QStringLiteral("甲A02612")))
            readings << spelled(reading);
        QCOMPARE(readings, (QStringList{QStringLiteral("special 甲A026、7、8"),
                                        QStringLiteral("special 甲A025--029"),
                                        QStringLiteral("military 甲 A")}));
        const search::Rows rows = search::lookUp(QStringLiteral("京A80123"));
        QCOMPARE(spelled(rows).mid(0, 2),
                 (QStringList{QStringLiteral("special 京A 80"), QStringLiteral("civil 京 A")}));
    }

    // Any text, however long, is read from its start.
    void longPaste()
    {
        QString paste = QStringLiteral("车牌是冀A12345，") + QString(190, QChar(u'哈'));
        QCOMPARE(spelled(plates::read(paste)[0]), QStringLiteral("civil 冀 A"));
        paste = QString(400, QChar(u'哈')) + QStringLiteral("冀A12345");
        QVERIFY(plates::read(paste).empty());
    }

    void lookUp_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected"); // a row that must be there
        QTest::addColumn<int>("atMost");       // and how far down it may be
        // clang-format off
        QTest::newRow("city") << QStringLiteral("石家庄") << QStringLiteral("civil 冀 A") << 0;
        QTest::newRow("city 2") << QStringLiteral("苏州") << QStringLiteral("civil 苏 E") << 0;
        QTest::newRow("city that starts like a province") << QStringLiteral("宁波") << QStringLiteral("civil 浙 B") << 0;
        QTest::newRow("city that starts like a province 2") << QStringLiteral("青岛") << QStringLiteral("civil 鲁 B") << 0;
        QTest::newRow("city that starts like a province 3") << QStringLiteral("新乡") << QStringLiteral("civil 豫 G") << 0;
        QTest::newRow("military region") << QStringLiteral("沈阳军区") << QStringLiteral("military 巳") << 0;
        QTest::newRow("branch") << QStringLiteral("消防") << QStringLiteral("armed police WJxx-Xaaaa - 消") << 0;
        QTest::newRow("unit") << QStringLiteral("北京省") << QStringLiteral("armed police WJxx-aaaaa 31") << 0;
        QTest::newRow("special item") << QStringLiteral("塑封") << QStringLiteral("special 塑封G023、323") << 0;
        QTest::newRow("special remark") << QStringLiteral("开道车") << QStringLiteral("special 塑封 黄色 警备") << 0;
        QTest::newRow("pinyin") << QStringLiteral("shijiazhuang") << QStringLiteral("civil 冀 A") << 0;
        QTest::newRow("pinyin, spaced and capital") << QStringLiteral("Shi Jia Zhuang") << QStringLiteral("civil 冀 A") << 0;
        QTest::newRow("pinyin begun") << QStringLiteral("shijiazh") << QStringLiteral("civil 冀 A") << 0;
        QTest::newRow("initials") << QStringLiteral("sjz") << QStringLiteral("civil 冀 A") << 0;
        QTest::newRow("厦门 as xiamen") << QStringLiteral("xiamen") << QStringLiteral("civil 闽 D") << 0;
        QTest::newRow("重庆 as chongqing") << QStringLiteral("chongqing") << QStringLiteral("civil 渝 A") << 0;
        QTest::newRow("重庆 as cq") << QStringLiteral("cq") << QStringLiteral("civil 渝 A") << 9;
        QTest::newRow("六安 as luan") << QStringLiteral("luan") << QStringLiteral("civil 皖 N") << 9;
        QTest::newRow("六安 as liuan") << QStringLiteral("liuan") << QStringLiteral("civil 皖 N") << 9;
        QTest::newRow("蚌埠 as bengbu") << QStringLiteral("bengbu") << QStringLiteral("civil 皖 C") << 0;
        QTest::newRow("plate before place") << QStringLiteral("冀A") << QStringLiteral("civil 冀 A") << 0;
        // Today's names, their pinyin and first letters; the old names still.
        QTest::newRow("today: 广安") << QStringLiteral("广安") << QStringLiteral("civil 川 +X") << 0;
        QTest::newRow("today: guangan") << QStringLiteral("guangan") << QStringLiteral("civil 川 +X") << 0;
        QTest::newRow("today: ga") << QStringLiteral("ga") << QStringLiteral("civil 川 +X") << 0;
        QTest::newRow("today: 滨州") << QStringLiteral("滨州") << QStringLiteral("civil 鲁 M") << 0;
        QTest::newRow("today: 达州") << QStringLiteral("达州") << QStringLiteral("civil 川 S") << 0;
        QTest::newRow("today: 襄阳") << QStringLiteral("襄阳") << QStringLiteral("civil 鄂 F") << 0;
        QTest::newRow("today: xiangyang") << QStringLiteral("xiangyang") << QStringLiteral("civil 鄂 F") << 0;
        QTest::newRow("today: 普洱") << QStringLiteral("普洱") << QStringLiteral("civil 云 J") << 0;
        QTest::newRow("today: 中卫") << QStringLiteral("中卫") << QStringLiteral("civil 宁 +E") << 0;
        QTest::newRow("today: 亳州") << QStringLiteral("亳州") << QStringLiteral("civil 皖 +S") << 0;
        QTest::newRow("old name: 襄樊") << QStringLiteral("襄樊") << QStringLiteral("civil 鄂 F") << 0;
        QTest::newRow("old name: 莱芜") << QStringLiteral("莱芜") << QStringLiteral("civil 鲁 M") << 0;
        QTest::newRow("old name: 思茅") << QStringLiteral("思茅") << QStringLiteral("civil 云 J") << 0;
        // clang-format on
    }
    void lookUp()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QFETCH(int, atMost);
        const QStringList rows = spelled(search::lookUp(text));
        const int at = int(rows.indexOf(expected));
        QVERIFY2(at >= 0 && at <= atMost, qPrintable(rows.join(QStringLiteral(" | "))));
    }

    // A place comes before the province alone that its first character also is.
    // A place whose name begins with a province's character is that place, not the province's
    // plate: 宁波 is no 宁夏 plate, 鄂尔多斯 none of 湖北.
    void placeNotProvince_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("宁波") << QStringLiteral("宁波")
                              << QStringList{QStringLiteral("civil 浙 B")};
        QTest::newRow("鄂尔多斯") << QStringLiteral("鄂尔多斯")
                                  << QStringList{QStringLiteral("civil 蒙 K")};
        QTest::newRow("吉林市") << QStringLiteral("吉林市")
                                << QStringList{QStringLiteral("civil 吉 B")};
    }
    void placeNotProvince()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, rows);
        const search::Rows found = search::lookUp(text);
        QCOMPARE(spelled(found), rows);
        QCOMPARE(found[0].found, search::Found::Chinese);
    }

    void misses()
    {
        QVERIFY(search::lookUp(QStringLiteral("xqxqxq")).empty());
        QVERIFY(search::lookUp(QStringLiteral("没有这个地方")).empty());
        QVERIFY(search::lookUp(QString()).empty());
        QVERIFY(search::lookUp(QStringLiteral("   ")).empty());
    }

    void atMostTenRowsEachOnce()
    {
        const search::Rows rows = search::lookUp(QStringLiteral("河北"));
        QCOMPARE(rows.size(), search::kMaxRows);
        for (std::size_t i = 0; i < rows.size(); ++i) {
            for (std::size_t j = i + 1; j < rows.size(); ++j)
                QVERIFY(!(rows[i].reading == rows[j].reading));
        }
    }
};

QTEST_APPLESS_MAIN(TestSearch)
#include "tst_search.moc"
