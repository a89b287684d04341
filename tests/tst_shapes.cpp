// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

// Whole plates read by their shapes: what each kind of plate on the road answers, what its shape
// says it is, and the catalogue answers that a shape contradicts, which must never come.

#include "catalogue/civil.h"
#include "catalogue/description.h"
#include "catalogue/provinces.h"
#include "catalogue/search.h"
#include "catalogue/shapes.h"

#include <QTest>

#include <cstdlib>
#include <new>

using namespace korvanta;

// Every allocation of the test program passes through here, and is counted while `counting`.
namespace
{
bool counting = false;
int allocations = 0;
} // namespace

void *operator new(std::size_t size)
{
    if (counting)
        ++allocations;
    if (void *p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}
void operator delete(void *p) noexcept
{
    std::free(p);
}
void operator delete(void *p, std::size_t) noexcept
{
    std::free(p);
}

namespace
{

// A row as the tests write it: the plate, the kind, the answer and the type, tab-separated, as
// the command line prints it.
QString spelled(const search::Row &row)
{
    const Answer a = describe(row.reading);
    return QStringList{a.plate, kindName(a.kind), a.answer, typeOrKind(a)}.join(u'\t');
}

// Every row, or where there is none what the command line then prints.
QStringList spelled(const search::Rows &rows)
{
    QStringList out;
    for (const search::Row &row : rows)
        out << spelled(row);
    if (out.isEmpty())
        out << toQString(kNothingFound);
    return out;
}

} // namespace

class TestShapes : public QObject
{
    Q_OBJECT

private slots:
    // The first row of a whole plate of each shape, from the plates people see on the road.
    void wholePlates_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("first");
        const auto row = [](const char *text, std::initializer_list<const char *> first) {
            QStringList columns;
            for (const char *column : first)
                columns << QString::fromUtf8(column);
            QTest::newRow(text) << QString::fromUtf8(text) << columns.join(u'\t');
        };
        // clang-format off
        // Civil, ordinary: no type, the catalogue's answer.
        row("冀A·12345", {"冀A", "民用车辆", "河北省石家庄市车辆", ""});
        row("冀A·B12C4", {"冀A", "民用车辆", "河北省石家庄市车辆", ""});
        // New energy, small: D, A, B, C and E pure electric, F, G, H, J and K not (today's
        // Shenzhen and Beijing plates start with A and B); any other first letter says no type.
        row("粤B·D12345", {"粤B", "民用车辆", "广东省深圳市车辆", "新能源汽车（纯电动）"});
        row("粤B·DF1234", {"粤B", "民用车辆", "广东省深圳市车辆", "新能源汽车（纯电动）"});
        row("粤B·A12345", {"粤B", "民用车辆", "广东省深圳市车辆", "新能源汽车（纯电动）"});
        row("京A·A92035", {"京A", "民用车辆", "北京城区的车辆,一般指东城、西城、崇文、宣武、海淀、朝阳、丰台、石景山", "新能源汽车（纯电动）"});
        row("京A·B12345", {"京A", "民用车辆", "北京城区的车辆,一般指东城、西城、崇文、宣武、海淀、朝阳、丰台、石景山", "新能源汽车（纯电动）"});
        row("沪A·C12345", {"沪A", "民用车辆", "上海市市区车辆", "新能源汽车（纯电动）"});
        row("沪A·E12345", {"沪A", "民用车辆", "上海市市区车辆", "新能源汽车（纯电动）"});
        row("沪A·F12345", {"沪A", "民用车辆", "上海市市区车辆", "新能源汽车（非纯电动）"});
        row("粤E·G12345", {"粤E", "民用车辆", "广东省佛山市车辆", "新能源汽车（非纯电动）"});
        row("沪A·H12345", {"沪A", "民用车辆", "上海市市区车辆", "新能源汽车（非纯电动）"});
        row("沪A·J12345", {"沪A", "民用车辆", "上海市市区车辆", "新能源汽车（非纯电动）"});
        row("沪A·K12345", {"沪A", "民用车辆", "上海市市区车辆", "新能源汽车（非纯电动）"});
        row("沪A·L12345", {"沪A", "民用车辆", "上海市市区车辆", ""});
        row("沪A·Z12345", {"沪A", "民用车辆", "上海市市区车辆", ""});
        // New energy, large: five digits, then D or F.
        row("冀A·12345D", {"冀A", "民用车辆", "河北省石家庄市车辆", "新能源汽车（纯电动）"});
        row("冀A·12345F", {"冀A", "民用车辆", "河北省石家庄市车辆", "新能源汽车（非纯电动）"});
        // Suffixed.
        row("鲁A·1234挂", {"鲁A", "民用车辆", "山东省济南市车辆", "挂车"});
        row("冀B·1234学", {"冀B", "民用车辆", "河北省唐山市车辆", "教练汽车"});
        row("沪A·1234领", {"沪A", "民用车辆", "上海市市区车辆", "领馆汽车"});
        row("冀A·1234警", {"冀A", "民用车辆", "河北省石家庄市车辆", "警用汽车"});
        row("浙O·1234警", {"浙O", "民用车辆", "浙江省（目录中没有浙O）", "警用汽车（省公安厅）"});
        row("陕O·A123警", {"陕O", "民用车辆", "陕西省（目录中没有陕O）", "警用汽车（省级机关）"});
        row("粤Z·1234港", {"粤Z", "民用车辆", "香港、澳门特别行政区进入内地车辆", "港澳入出境车"});
        row("粤Z·1234澳", {"粤Z", "民用车辆", "香港、澳门特别行政区进入内地车辆", "港澳入出境车"});
        // Embassy, in both styles.
        row("使123·456", {"使aaaaa", "特种牌照", "外国大使馆用车或国外在中国有外交豁免权的国家政府机构专用车", "使馆汽车"});
        row("123456使", {"使aaaaa", "特种牌照", "外国大使馆用车或国外在中国有外交豁免权的国家政府机构专用车", "使馆汽车"});
        // Emergency rescue, car and motorcycle.
        row("粤X·1234应急", {"粤X…应急", "特种牌照", "广东省", "应急救援车辆（消防救援）"});
        row("川S·1234应急", {"川S…应急", "特种牌照", "四川省", "应急救援车辆（森林消防）"});
        row("应急粤·123X", {"应急粤…X", "特种牌照", "广东省", "应急救援车辆（消防救援）"});
        // Military, 2012 style: the kind alone, no answer.
        row("VA·12345", {"VA", "军用车辆", "", "军队车辆（2012式号牌）"});
        row("KA·12345", {"KA", "军用车辆", "", "军队车辆（2012式号牌）"});
        // Armed police, 2012 style: the headquarters' dot, a corps' province, a letter.
        row("WJ·12345", {"WJ·", "武警车辆", "武警总部", "武警车辆（2012式号牌）"});
        row("WJ·1234J", {"WJ·…J", "武警车辆", "武警总部", "武警车辆（2012式号牌）"});
        row("WJ琼12345", {"WJ琼", "武警车辆", "海南省", "武警车辆（2012式号牌）"});
        row("WJ粤·8888X", {"WJ粤…X", "武警车辆", "广东省", "武警车辆（2012式号牌）"});
        // Armed police, 2007 style, as the catalogue has it.
        row("WJ02·消1234", {"WJ02-消", "武警车辆", "河北省武装警察消防部队", ""});
        row("WJ02·12345", {"WJ02", "武警车辆", "河北省", ""});
        // Letters the catalogue lacks: the province, never a city.
        row("京N·12345", {"京N", "民用车辆", "北京市（目录中没有京N）", ""});
        row("沪K·12345", {"沪K", "民用车辆", "上海市（目录中没有沪K）", ""});
        row("京N·D12345", {"京N", "民用车辆", "北京市（目录中没有京N）", "新能源汽车（纯电动）"});
        // A special item keeps its remark, and shows the shape's type too.
        row("京A·1234警", {"京A aaaa警", "特种牌照", "北京市公安局及下属各分局各总队，警务车如治安防暴巡查", "警用汽车"});
        // clang-format on
    }
    void wholePlates()
    {
        QFETCH(QString, text);
        QFETCH(QString, first);
        const search::Rows rows = search::lookUp(text);
        QVERIFY2(!rows.empty(), qPrintable(text));
        QCOMPARE(spelled(rows[0]), first);
    }

    // Answers that a plate's shape contradicts never come, in any row; while typing, and for odd
    // serials, the catalogue's answer still comes, without a type.
    void neverContradicted_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("never");
        QTest::addColumn<QString>("stillFirst");
        // clang-format off
        QTest::newRow("rescue team X is not 顺德") << QStringLiteral("粤X·1234应急") << QStringLiteral("广东省顺德市车辆") << QString();
        QTest::newRow("... nor while 应急 is typed") << QStringLiteral("粤X1234应") << QStringLiteral("广东省顺德市车辆") << toQString(kNothingFound);
        QTest::newRow("rescue team S is not 达县") << QStringLiteral("川S1234应急") << QStringLiteral("四川省达县市车辆") << QString();
        QTest::newRow("2012 headquarters is not unit 12") << QStringLiteral("WJ·12345") << QStringLiteral("江西省") << QString();
        QTest::newRow("2012 letter plate is not unit 12") << QStringLiteral("WJ1234J") << QStringLiteral("江西省") << QString();
        QTest::newRow("a corps' plate is no civil province") << QStringLiteral("WJ琼12345") << QStringLiteral("民用车辆") << QString();
        QTest::newRow("typing a city") << QStringLiteral("粤X1") << QString() << QStringLiteral("粤X\t民用车辆\t广东省顺德市车辆\t");
        QTest::newRow("typing a green plate") << QStringLiteral("粤B·D1") << QString() << QStringLiteral("粤B\t民用车辆\t广东省深圳市车辆\t");
        QTest::newRow("typing a unit") << QStringLiteral("WJ1234") << QString() << QStringLiteral("WJ12\t武警车辆\t江西省\t");
        QTest::newRow("an over-long serial") << QStringLiteral("冀A1234567") << QString() << QStringLiteral("冀A\t民用车辆\t河北省石家庄市车辆\t");
        QTest::newRow("港 under another letter") << QStringLiteral("粤B1234港") << QString() << QStringLiteral("粤B\t民用车辆\t广东省深圳市车辆\t");
        // clang-format on
    }
    void neverContradicted()
    {
        QFETCH(QString, text);
        QFETCH(QString, never);
        QFETCH(QString, stillFirst);
        const QStringList rows = spelled(search::lookUp(text));
        // A text that gives no row says nothing wrong, and tests nothing, unless that is what the
        // row expects.
        if (stillFirst.isEmpty())
            QVERIFY2(rows.front() != toQString(kNothingFound), qPrintable(text));
        if (!never.isEmpty()) {
            for (const QString &row : rows)
                QVERIFY2(!row.split(u'\t').contains(never), qPrintable(row));
        }
        if (!stillFirst.isEmpty()) {
            QCOMPARE(rows.front(), stillFirst);
        }
    }

    // Plates as public plate validators and pages write them, each the first row it must give
    // or a word that no row may say.
    void outsidePlates_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("never");
        const auto row = [](const char *text, const char *first, const char *never = "") {
            QTest::newRow(text) << QString::fromUtf8(text) << QString::fromUtf8(first)
                                << QString::fromUtf8(never);
        };
        // clang-format off
        // A suffixed plate's serial is no special item's number.
        row("京A·8066警", "京A aaaa警\t特种牌照\t北京市公安局及下属各分局各总队，警务车如治安防暴巡查\t警用汽车", "京A 80");
        row("京A·8012挂", "京A\t民用车辆\t北京城区的车辆,一般指东城、西城、崇文、宣武、海淀、朝阳、丰台、石景山\t挂车", "京A 80");
        row("京A·81234D", "京A\t民用车辆\t北京城区的车辆,一般指东城、西城、崇文、宣武、海淀、朝阳、丰台、石景山\t新能源汽车（纯电动）", "京A 81");
        row("京A·80123", "京A 80\t特种牌照\t中华人民共和国家管理局公务专用车\t特种牌照");
        // A full stop is a dot, in ASCII and full width.
        row("WJ.23456", "WJ·\t武警车辆\t武警总部\t武警车辆（2012式号牌）");
        row("闽.X5678应急", "闽X…应急\t特种牌照\t福建省\t应急救援车辆（消防救援）");
        row("冀A．12345", "冀A\t民用车辆\t河北省石家庄市车辆\t");
        // A plate starts and ends where letters and digits do.
        row("浙BV12345", "", "军队车辆（2012式号牌）");
        row("WJK12345", "没有找到与此相符的车牌、地名或拼音", "军队车辆（2012式号牌）");
        row("1234567使", "没有找到与此相符的车牌、地名或拼音", "使馆汽车");
        row("X123456使", "没有找到与此相符的车牌、地名或拼音", "使馆汽车");
        row("粤WJ02消1234", "", "武警车辆");
        // Any two capitals and five digits but WJ are a 2012-style military plate.
        row("AB12345", "AB\t军用车辆\t\t军队车辆（2012式号牌）");
        row("QA·12345", "QA\t军用车辆\t\t军队车辆（2012式号牌）");
        row("ZA 12345", "ZA\t军用车辆\t\t军队车辆（2012式号牌）");
        row("WJ12345", "WJ·\t武警车辆\t武警总部\t武警车辆（2012式号牌）", "军队车辆（2012式号牌）");
        // A province followed by digits names the province.
        row("湘0123456", "湘…\t民用车辆\t湖南省\t");
        row("川 12345", "川…\t民用车辆\t四川省\t");
        // An embassy plate is the special catalogue's embassy item, in either style.
        row("123456使", "使aaaaa\t特种牌照\t外国大使馆用车或国外在中国有外交豁免权的国家政府机构专用车\t使馆汽车", "民用车辆");
        row("使224-009", "使aaaaa\t特种牌照\t外国大使馆用车或国外在中国有外交豁免权的国家政府机构专用车\t使馆汽车");
        // 粤Z takes 港 and 澳 alone.
        row("粤Z·1234警", "粤Z\t民用车辆\t香港、澳门特别行政区进入内地车辆\t", "警用汽车");
        row("粤Z·1234学", "粤Z\t民用车辆\t香港、澳门特别行政区进入内地车辆\t", "教练汽车");
        row("粤Z·1234挂", "粤Z\t民用车辆\t香港、澳门特别行政区进入内地车辆\t", "挂车");
        row("粤Z·D12345", "粤Z\t民用车辆\t香港、澳门特别行政区进入内地车辆\t", "新能源汽车（纯电动）");
        // A letter the lists offer without words is answered as one the catalogue lacks, with
        // today's place: every row says something (the fuzzer found "成").
        row("成", "川A\t民用车辆\t四川省成都市车辆\t");
        row("川G12345", "川G\t民用车辆\t四川省成都市（目录中没有川G）\t");
        // A large new-energy plate ends in D or F alone.
        row("冀A·12345F", "冀A\t民用车辆\t河北省石家庄市车辆\t新能源汽车（非纯电动）");
        row("冀A·12345K", "冀A\t民用车辆\t河北省石家庄市车辆\t", "新能源汽车（非纯电动）");
        row("冀A·12345A", "冀A\t民用车辆\t河北省石家庄市车辆\t", "新能源汽车（纯电动）");
        // clang-format on
    }
    void outsidePlates()
    {
        QFETCH(QString, text);
        QFETCH(QString, first);
        QFETCH(QString, never);
        const QStringList rows = spelled(search::lookUp(text));
        // A text that gives no row says nothing wrong, and tests nothing, unless that is what the
        // row expects.
        if (first.isEmpty())
            QVERIFY2(rows.front() != toQString(kNothingFound), qPrintable(text));
        else
            QCOMPARE(rows.front(), first);
        if (rows.front() == toQString(kNothingFound))
            return;
        for (const QString &row : rows) {
            QVERIFY2(never.isEmpty() || !row.contains(never), qPrintable(row));
            QVERIFY2(!row.split(u'\t').value(2).isEmpty() || !row.split(u'\t').value(3).isEmpty(),
                     qPrintable(row));
        }
    }

    // What runs at every key a person types allocates nothing, whatever the text: plates of
    // every shape, places, pinyin, and a long paste.
    void readingAllocatesNothing()
    {
        QStringList texts = {QStringLiteral("粤X·1234应急"),
                             QStringLiteral("WJ琼12345"),
                             QStringLiteral("粤B·D12345"),
                             QStringLiteral("京N·12345"),
                             QStringLiteral("京A·1234警"),
                             QStringLiteral("应急粤·123X"),
                             QStringLiteral("石家庄"),
                             QStringLiteral("shijiazhuang"),
                             QStringLiteral("前面那辆冀A12345的车") + QString(300, u'挂')};
        for (const QString &text : std::as_const(texts)) {
            for (qsizetype length = 1; length <= text.size(); ++length) {
                const QStringView typed = QStringView(text).first(length);
                allocations = 0;
                counting = true;
                const search::Rows rows = search::lookUp(typed);
                counting = false;
                QVERIFY2(allocations == 0, qPrintable(typed.toString()));
                QVERIFY(rows.size() <= search::kMaxRows);
            }
        }
    }

    // The provinces are the civil catalogue's, each with its name, and no others.
    void everyProvinceNamed()
    {
        const Items provinces = civil::provinces();
        for (Text province : provinces) {
            QVERIFY2(!provinces::name(province).empty(), qPrintable(toQString(province)));
            QCOMPARE(toQString(provinces::at(province, 0)), toQString(province));
        }
        for (char16_t c = 0x4E00; c < 0x9FA6; ++c) {
            const Text one(&c, 1);
            const bool listed =
                std::find(provinces.begin(), provinces.end(), one) != provinces.end();
            QCOMPARE(!provinces::at(one, 0).empty(), listed);
        }
    }

    // Every civil key of the catalogue, in each civil shape: the whole plate reads as that key
    // with its shape's type, and every start of it still suggests the key.
    void everyCivilKey()
    {
        struct Made {
            QString serial;
            bool suffix; // a last character after the serial
            QString type;
        };
        const QList<Made> shapes = {
            {QStringLiteral("12345"), false, QString()},
            {QStringLiteral("D12345"), false, QStringLiteral("新能源汽车（纯电动）")},
            {QStringLiteral("F1234"), false, QString()}, // five places: an ordinary plate
            {QStringLiteral("A12345"), false, QStringLiteral("新能源汽车（纯电动）")},
            {QStringLiteral("G12345"), false, QStringLiteral("新能源汽车（非纯电动）")},
            {QStringLiteral("L12345"), false, QString()}, // no page gives L a meaning
            {QStringLiteral("12345D"), false, QStringLiteral("新能源汽车（纯电动）")},
            {QStringLiteral("12345F"), false, QStringLiteral("新能源汽车（非纯电动）")},
            {QStringLiteral("1234挂"), true, QStringLiteral("挂车")},
            {QStringLiteral("1234学"), true, QStringLiteral("教练汽车")},
            {QStringLiteral("1234领"), true, QStringLiteral("领馆汽车")},
            {QStringLiteral("1234港"), true, QStringLiteral("港澳入出境车")},
            {QStringLiteral("1234澳"), true, QStringLiteral("港澳入出境车")},
        };
        int plates = 0;
        for (Text keyText : civil::describedKeys()) {
            const QString key = toQString(keyText);
            const QString answer = toQString(*civil::describe(key.first(1), key.sliced(1)));
            for (const Made &made : shapes) {
                const QString plate = key + QStringLiteral("·") + made.serial;
                // 港 and 澳 are issued under 粤Z, which issues no other kind: elsewhere, and
                // for other kinds there, the key stands without a type.
                const bool hongKongMacau =
                    made.serial.endsWith(u'港') || made.serial.endsWith(u'澳');
                const QString type =
                    hongKongMacau == (key == QStringLiteral("粤Z")) ? made.type : QString();
                const search::Rows rows = search::lookUp(plate);
                const auto ours =
                    std::find_if(rows.begin(), rows.end(), [&](const search::Row &row) {
                        return row.reading.kind == PlateKind::Civil &&
                               describe(row.reading).plate == key;
                    });
                QVERIFY2(ours != rows.end(), qPrintable(plate));
                QCOMPARE(describe(ours->reading).answer, answer);
                QCOMPARE(describe(ours->reading).type, type);
                for (qsizetype length = 2; length < plate.size(); ++length) {
                    const QStringList started = spelled(search::lookUp(plate.first(length)));
                    QVERIFY2(std::any_of(
                                 started.begin(), started.end(),
                                 [&](const QString &row) { return row.startsWith(key + u'\t'); }),
                             qPrintable(plate.first(length)));
                }
                ++plates;
            }
        }
        QVERIFY(plates > 3000);
    }
};

QTEST_MAIN(TestShapes)
#include "tst_shapes.moc"
