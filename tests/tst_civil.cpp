// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

#include "catalogue/civil.h"
#include "catalogue_helpers.h"

#include <QSet>

using namespace korvanta;

class TestCivil : public QObject
{
    Q_OBJECT

private slots:
    void provincesInCatalogueOrder()
    {
        const QStringList provinces = toList(civil::provinces());
        QCOMPARE(provinces.size(), 31);
        QCOMPARE(provinces.join(QString()),
                 QStringLiteral("京津沪渝黑吉辽冀豫晋鲁鄂湘陕甘川苏浙皖赣宁闽粤桂蒙新青藏云琼贵"));
    }

    void letterRows_data()
    {
        QTest::addColumn<QString>("province");
        QTest::addColumn<QStringList>("row");
        // clang-format off
        QTest::newRow("京 irregular, B fifth") << "京" << words("A C E F B G H");
        QTest::newRow("津 no D") << "津" << words("A B C E");
        QTest::newRow("渝 no D, E") << "渝" << words("A B C F G H");
        QTest::newRow("辽 then V") << "辽" << words("A B C D E F G H J K L M N P V");
        QTest::newRow("冀 then R T") << "冀" << words("A B C D E F G H J R T");
        QTest::newRow("豫 no T") << "豫" << words("A B C D E F G H J K L M N P Q R S U");
        QTest::newRow("鲁 no S T") << "鲁" << words("A B C D E F G H J K L M N P Q R U");
        QTest::newRow("陕 then U") << "陕" << words("A B C D E F G H J K U");
        QTest::newRow("川 no M N P") << "川" << words("A B C D E F G H J K L Q R S T U V W");
        QTest::newRow("新 A to R") << "新" << words("A B C D E F G H J K L M N P Q R");
        QTest::newRow("云 A to S") << "云" << words("A B C D E F G H J K L M N P Q R S");
        QTest::newRow("粤 whole run") << "粤" << words("A B C D E F G H J K L M N P Q R S T U V W X Y Z");
        QTest::newRow("琼 A to C") << "琼" << words("A B C");
        QTest::newRow("贵 A to J") << "贵" << words("A B C D E F G H J");
        // clang-format on
    }
    void letterRows()
    {
        QFETCH(QString, province);
        QFETCH(QStringList, row);
        QCOMPARE(toList(civil::letters(province)), row);
    }

    void letterTableShape()
    {
        qsizetype total = 0;
        for (Text province : civil::provinces()) {
            const QStringList row = toList(civil::letters(toQString(province)));
            QVERIFY2(!row.isEmpty(), qPrintable(toQString(province)));
            QCOMPARE(QSet<QString>(row.begin(), row.end()).size(), row.size());
            for (const QString &letter : row) {
                QCOMPARE(letter.size(), 1);
                QVERIFY(letter.at(0) >= u'A' && letter.at(0) <= u'Z');
                QVERIFY(letter != u"I" && letter != u"O");
            }
            total += row.size();
        }
        QCOMPARE(total, 362);
    }

    void lettersMiss_data()
    {
        QTest::addColumn<QString>("province");
        // clang-format off
        QTest::newRow("empty") << "";
        QTest::newRow("military character") << "甲";
        QTest::newRow("leading space") << " 京";
        QTest::newRow("trailing space") << "京 ";
        QTest::newRow("longer text") << "京A";
        // clang-format on
    }
    void lettersMiss()
    {
        QFETCH(QString, province);
        QVERIFY(civil::letters(province).empty());
    }

    void descriptionTableShape()
    {
        const QStringList keys = toList(civil::describedKeys());
        QCOMPARE(keys.size(), 360);
        QCOMPARE(QSet<QString>(keys.begin(), keys.end()).size(), 360);
        QSet<QString> texts;
        for (const QString &key : keys) {
            const auto text = civil::describe(key.first(1), key.sliced(1));
            QVERIFY2(text.has_value(), qPrintable(key));
            QVERIFY(text->size() >= 6 && text->size() <= 41);
            texts.insert(toQString(*text));
        }
        QCOMPARE(texts.size(), 349);
    }

    // Every described key can be picked from the lists, and only 晋G and 川G can be picked
    // without having a description.
    void describedKeysMatchThePickableKeys()
    {
        const QStringList described = toList(civil::describedKeys());
        QStringList pickable;
        for (Text province : civil::provinces())
            for (Text letter : civil::letters(toQString(province)))
                pickable << toQString(province) + toQString(letter);
        for (const QString &key : described)
            QVERIFY2(pickable.contains(key), qPrintable(key));
        QStringList undescribed;
        for (const QString &key : pickable)
            if (!described.contains(key))
                undescribed << key;
        QCOMPARE(undescribed, QStringList({QStringLiteral("晋G"), QStringLiteral("川G")}));
    }

    void descriptions_data()
    {
        QTest::addColumn<QString>("province");
        QTest::addColumn<QString>("letter");
        QTest::addColumn<QString>("text");
        const QString urban =
            QStringLiteral("北京城区的车辆,一般指东城、西城、崇文、宣武、海淀、朝阳、丰台、石景山");
        for (const char *letter : {"A", "C", "E", "F"})
            QTest::addRow("京%s", letter) << "京" << letter << urban;
        // clang-format off
        QTest::newRow("京B") << "京" << "B" << "北京市出租车或是小公共";
        QTest::newRow("京G") << "京" << "G" << "北京远郊的车辆,一般指顺义、通州、密云、怀柔、门头沟、房山、" "大兴、延庆、昌平、平谷";
        QTest::newRow("京H") << "京" << "H" << "北京市交通局后发的车辆,一般好像不分城区、郊区";
        QTest::newRow("津E") << "津" << "E" << "天津市出租车";
        QTest::newRow("津A") << "津" << "A" << "天津市城区车辆";
        QTest::newRow("沪C") << "沪" << "C" << "上海市远郊区车辆";
        QTest::newRow("渝F full-width brackets") << "渝" << "F" << "重庆市（万州）车辆";
        QTest::newRow("冀A") << "冀" << "A" << "河北省石家庄市车辆";
        QTest::newRow("云D") << "云" << "D" << "云南省市曲靖车辆";
        QTest::newRow("云L") << "云" << "L" << "云南省大理白族车辆";
        QTest::newRow("云K") << "云" << "K" << "云南省西双牌纳市车辆";
        QTest::newRow("赣K") << "赣" << "K" << "江西省市新余车辆";
        QTest::newRow("鲁U") << "鲁" << "U" << "山东省市青岛开发区车辆";
        QTest::newRow("鄂D") << "鄂" << "D" << "湖北省沙市车辆";
        QTest::newRow("鄂E") << "鄂" << "E" << "湖北省宜昌市车辆";
        QTest::newRow("鄂P") << "鄂" << "P" << "湖北省宜昌市车辆";
        QTest::newRow("蒙B") << "蒙" << "B" << "内蒙古呼包头市车辆";
        QTest::newRow("桂B") << "桂" << "B" << "广西壮族自治区柳州市车辆";
        QTest::newRow("桂G") << "桂" << "G" << "广西壮族自治区柳洲市车辆";
        QTest::newRow("桂F") << "桂" << "F" << "广西壮族自治区南宁市车辆";
        QTest::newRow("新G") << "新" << "G" << "新疆维吾尔自治区塔城市车辆";
        QTest::newRow("贵A") << "贵" << "A" << "贵州省贵阳市车辆";
        QTest::newRow("粤Z") << "粤" << "Z" << "香港、澳门特别行政区进入内地车辆";
        QTest::newRow("川W") << "川" << "W" << "四川省凉山彝族市车辆";
        QTest::newRow("琼C") << "琼" << "C" << "海南省琼北市车辆";
        // clang-format on
    }
    void descriptions()
    {
        QFETCH(QString, province);
        QFETCH(QString, letter);
        QFETCH(QString, text);
        QCOMPARE(describedOrMiss(civil::describe(province, letter)), text);
    }

    void beijingPunctuation()
    {
        const QString urban = toQString(*civil::describe(u"京", u"A"));
        QVERIFY(urban.contains(QChar(0x002C)));
        QVERIFY(urban.contains(QChar(0x3001)));
        QVERIFY(!urban.contains(QChar(0xFF0C)));
    }

    void descriptionMisses_data()
    {
        QTest::addColumn<QString>("province");
        QTest::addColumn<QString>("letter");
        // clang-format off
        QTest::newRow("京D") << "京" << "D";
        QTest::newRow("晋G") << "晋" << "G";
        QTest::newRow("川G") << "川" << "G";
        QTest::newRow("lower case") << "京" << "a";
        QTest::newRow("full-width letter") << "京" << "Ａ";
        QTest::newRow("trailing space") << "京" << "A ";
        QTest::newRow("empty letter") << "京" << "";
        QTest::newRow("longer Chinese part") << "京京" << "A";
        QTest::newRow("both empty") << "" << "";
        // clang-format on
    }
    void descriptionMisses()
    {
        QFETCH(QString, province);
        QFETCH(QString, letter);
        QCOMPARE(describedOrMiss(civil::describe(province, letter)), QStringLiteral("<none>"));
    }
};

QTEST_APPLESS_MAIN(TestCivil)
#include "tst_civil.moc"
