// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

// What a civil prefix means today, as a person reads it from a plate seen on the road: today's
// place in the command line's fifth column, and what changed since the catalogue in the plate
// line, each as its source says it.

#include "catalogue/description.h"
#include "catalogue/provinces.h"
#include "catalogue/search.h"
#include "catalogue/today.h"

#include <QSet>
#include <QTest>

#include <map>

using namespace korvanta;

class TestToday : public QObject
{
    Q_OBJECT

private slots:
    // A few rows of each kind, with the fact their source gives.
    void prefixes_data()
    {
        QTest::addColumn<QString>("plate");
        QTest::addColumn<QString>("today"); // the fifth column of korvanta --read
        QTest::addColumn<QString>("note");  // the plate line after a pick of the key
        // clang-format off
        // Two public lists agree.
        QTest::newRow("lists: 冀A") << QStringLiteral("冀A12345") << QStringLiteral("河北省石家庄市") << QString();
        QTest::newRow("lists: 川X, missing") << QStringLiteral("川X12345") << QStringLiteral("四川省广安市") << QString();
        QTest::newRow("lists: 宁E, missing") << QStringLiteral("宁E12345") << QStringLiteral("宁夏回族自治区中卫市") << QString();
        QTest::newRow("lists: 鲁M, another place") << QStringLiteral("鲁M12345") << QStringLiteral("山东省滨州市") << QStringLiteral("今：山东省滨州市（公开名单均作滨州）");
        QTest::newRow("lists: 蒙K, one letter off") << QStringLiteral("蒙K12345") << QStringLiteral("内蒙古自治区鄂尔多斯市") << QStringLiteral("今：内蒙古自治区鄂尔多斯市（公开名单均作鄂尔多斯）");
        QTest::newRow("lists: 蒙G, one letter off") << QStringLiteral("蒙G12345") << QStringLiteral("内蒙古自治区通辽市") << QStringLiteral("今：内蒙古自治区通辽市（公开名单均作通辽）");
        QTest::newRow("lists: 鄂M") << QStringLiteral("鄂M12345") << QStringLiteral("湖北省仙桃市") << QStringLiteral("今：湖北省仙桃市（公开名单均作仙桃）");
        QTest::newRow("lists: 桂J") << QStringLiteral("桂J12345") << QStringLiteral("广西壮族自治区贺州市") << QStringLiteral("今：广西壮族自治区贺州市（公开名单均作贺州）");
        QTest::newRow("lists: 桂G") << QStringLiteral("桂G12345") << QStringLiteral("广西壮族自治区来宾市") << QStringLiteral("今：广西壮族自治区来宾市（柳州今用桂B）");
        // Notices in the press.
        QTest::newRow("notice: 鲁S, Jinan again") << QStringLiteral("鲁S12345") << QStringLiteral("山东省济南市") << QString();
        QTest::newRow("notice: 鄂W") << QStringLiteral("鄂W12345") << QStringLiteral("湖北省武汉市") << QString();
        QTest::newRow("notice: 苏U") << QStringLiteral("苏U12345") << QStringLiteral("江苏省苏州市") << QString();
        QTest::newRow("notice: 川G") << QStringLiteral("川G12345") << QStringLiteral("四川省成都市") << QStringLiteral("今：四川省成都市（2022年起为成都市的第二代号）");
        QTest::newRow("notice: 陕U") << QStringLiteral("陕U12345") << QStringLiteral("陕西省西安市") << QStringLiteral("今：陕西省西安市（原省直机关代号，2020年4月起为西安市的第二代号）");
        // Place pages.
        QTest::newRow("place page: 鄂F") << QStringLiteral("鄂F12345") << QStringLiteral("湖北省襄阳市") << QStringLiteral("今：湖北省襄阳市（襄樊市2010年更名襄阳市）");
        QTest::newRow("place page: 粤X") << QStringLiteral("粤X12345") << QStringLiteral("广东省佛山市顺德区") << QStringLiteral("今：广东省佛山市顺德区（顺德市2002年撤市设区，今属佛山市）");
        QTest::newRow("place page: 藏B, 地区 made 市") << QStringLiteral("藏B12345") << QStringLiteral("西藏自治区昌都市") << QString();
        // No longer issued: no place today.
        QTest::newRow("gone: 云B") << QStringLiteral("云B12345") << QString() << QStringLiteral("今已不再发放（地级东川市已撤销，今为昆明市东川区）");
        QTest::newRow("gone: 湘P") << QStringLiteral("湘P12345") << QString() << QStringLiteral("今已不再发放（湘西土家族苗族自治州今用湘U）");
        // Sources split, or silent: the province or the city alone.
        QTest::newRow("split: 辽V") << QStringLiteral("辽V12345") << QStringLiteral("辽宁省") << QString();
        QTest::newRow("split: 琼C") << QStringLiteral("琼C12345") << QStringLiteral("海南省") << QString();
        QTest::newRow("city: 京B") << QStringLiteral("京B12345") << QStringLiteral("北京市") << QString();
        QTest::newRow("no row: 吉K") << QStringLiteral("吉K12345") << QString() << QString();
        // Letters the catalogue lacks, from the lists and pages of municipal and Hainan letters.
        QTest::newRow("lists: 京J, the city") << QStringLiteral("京J12345") << QStringLiteral("北京市") << QString();
        QTest::newRow("one list: 京N, the city") << QStringLiteral("京N12345") << QStringLiteral("北京市") << QString();
        QTest::newRow("a list and a page: 津F") << QStringLiteral("津F12345") << QStringLiteral("天津市") << QString();
        QTest::newRow("a page alone: 津Q") << QStringLiteral("津Q12345") << QStringLiteral("天津市") << QString();
        QTest::newRow("lists and a page: 琼D") << QStringLiteral("琼D12345") << QStringLiteral("海南省五指山市") << QString();
        QTest::newRow("a list and a page: 琼F") << QStringLiteral("琼F12345") << QStringLiteral("海南省儋州市") << QString();
        QTest::newRow("no source: 京P") << QStringLiteral("京P12345") << QString() << QString();
        // clang-format on
    }
    void prefixes()
    {
        QFETCH(QString, plate);
        QFETCH(QString, today);
        QFETCH(QString, note);
        const search::Rows rows = search::lookUp(plate);
        QVERIFY(!rows.empty());
        QCOMPARE(describe(rows[0].reading).today, today);
        QCOMPARE(todayNote(plate.first(1), plate.sliced(1, 1)), note);
    }

    // A letter the catalogue lacks is answered by today's place where the sources give it (the
    // city itself for a city's own letters); where they do not, by the province, with the letter
    // left for the person to see.
    void lettersTheCatalogueLacks_data()
    {
        QTest::addColumn<QString>("plate");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("standsAlone");
        // clang-format off
        QTest::newRow("川X") << QStringLiteral("川X12345") << QStringLiteral("四川省广安市（目录中没有川X）") << true;
        QTest::newRow("鄂W") << QStringLiteral("鄂W12345") << QStringLiteral("湖北省武汉市（目录中没有鄂W）") << true;
        QTest::newRow("京J") << QStringLiteral("京J12345") << QStringLiteral("北京市（目录中没有京J）") << true;
        QTest::newRow("琼F") << QStringLiteral("琼F12345") << QStringLiteral("海南省儋州市（目录中没有琼F）") << true;
        QTest::newRow("川G, listed without words") << QStringLiteral("川G12345") << QStringLiteral("四川省成都市（目录中没有川G）") << true;
        QTest::newRow("京N, one list") << QStringLiteral("京N12345") << QStringLiteral("北京市（目录中没有京N）") << false;
        QTest::newRow("琼C, split") << QStringLiteral("琼C12345") << QStringLiteral("海南省琼北市车辆") << false;
        QTest::newRow("京P, no row") << QStringLiteral("京P12345") << QStringLiteral("北京市（目录中没有京P）") << false;
        QTest::newRow("晋G, listed, no source") << QStringLiteral("晋G12345") << QStringLiteral("山西省（目录中没有晋G）") << false;
        // clang-format on
    }
    void lettersTheCatalogueLacks()
    {
        QFETCH(QString, plate);
        QFETCH(QString, answer);
        QFETCH(bool, standsAlone);
        const search::Rows rows = search::lookUp(plate);
        QVERIFY(!rows.empty());
        const Answer said = describe(rows[0].reading);
        QCOMPARE(said.answer, answer);
        QCOMPARE(said.standsAlone, standsAlone);
    }

    // The table as a whole: one row a prefix, in the catalogue's province order, each with a
    // province's character and a capital; every row is counted by how it is known, so that a row
    // added or changed is a row someone looked at.
    void tableShape()
    {
        const auto rows = today::rows();
        QCOMPARE(rows.size(), std::size_t(405));
        QSet<QString> keys;
        QStringList provinceOrder;
        std::map<today::Evidence, int> byEvidence;
        for (const today::Row &row : rows) {
            const QString key = toQString(row.key);
            QVERIFY2(!keys.contains(key), qPrintable(key));
            keys.insert(key);
            QVERIFY2(!provinces::name(row.key.substr(0, 1)).empty(), qPrintable(key));
            if (provinceOrder.isEmpty() || provinceOrder.last() != key.first(1)) {
                QVERIFY2(!provinceOrder.contains(key.first(1)), qPrintable(key));
                provinceOrder << key.first(1);
            }
            ++byEvidence[row.meaning.evidence];
        }
        QCOMPARE(provinceOrder.size(), 31);
        QCOMPARE(byEvidence[today::Evidence::Notice], 8);
        QCOMPARE(byEvidence[today::Evidence::PlacePage], 12);
        QCOMPARE(byEvidence[today::Evidence::Lists], 369);
        QCOMPARE(byEvidence[today::Evidence::None], 16);
    }

    // The catalogue's words stay as they are, beside today's: a key that means another place
    // today still answers with the catalogue's text, character for character.
    void catalogueWordsStay()
    {
        const search::Rows rows = search::lookUp(QStringLiteral("鲁M12345"));
        QCOMPARE(describe(rows[0].reading).answer, QStringLiteral("山东省莱芜市车辆"));
        QCOMPARE(describe(Part::CivilKey, u"鲁", u"M").value_or(Text{}), Text(u"山东省莱芜市车辆"));
    }
};

QTEST_GUILESS_MAIN(TestToday)
#include "tst_today.moc"
