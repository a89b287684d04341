// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

// Drives the window with long random sequences of what a person can do, and checks it after every
// step against a model that keeps the window's state as plain lists and strings.
//
// The model re-implements the handlers on purpose, in its own plain terms, so that it checks the
// window rather than repeats it. A change of behaviour that is meant must therefore be made twice:
// in the window's handlers and in the model here.
//
// KORVANTA_RANDOM_SEED=N replays one seed; KORVANTA_RANDOM_EVENTS=N sets how many events each seed
// applies (events that cannot apply, such as a pick while the lists are hidden, do not count).

#include "app/form1.h"
#include "catalogue/armedpolice.h"
#include "catalogue/civil.h"
#include "catalogue/military.h"
#include "catalogue/search.h"
#include "catalogue/special.h"
#include "catalogue_helpers.h"
#include "tools/drive/drive.h"

#include <QRandomGenerator>

#include <array>
#include <memory>
#include <optional>

using namespace korvanta;

namespace
{

enum class Kind {
    Option,
    Pick,
    PopupPick,
    Type,
    TypeKeys,
    TypePlate,
    Open,
    CloseClick,
    CloseKey,
    Tick1,
    Tick2
};

// An event names what is done; which control and item it reaches is decided when it runs, so that
// any sublist of a failing sequence can be replayed.
struct Event {
    Kind kind;
    int a;
    int b;
};

QString describe(const Event &e)
{
    static const char *names[] = {"option",    "pick",       "popup-pick", "type",
                                  "type-keys", "type-plate", "open",       "close",
                                  "close-key", "tick1",      "tick2"};
    return QStringLiteral("%1(%2,%3)").arg(QLatin1String(names[int(e.kind)])).arg(e.a).arg(e.b);
}

QString lookup(std::optional<Text> text)
{
    return text ? toQString(*text) : QString();
}

// Text a person may type: catalogue items, near misses and hostile input.
QStringList hostileTexts()
{
    QStringList texts = {QString(),
                         QStringLiteral(" "),
                         QStringLiteral("  "),
                         QStringLiteral("Ａ"),
                         QStringLiteral("１２"),
                         QStringLiteral("a"),
                         QStringLiteral("g"),
                         QStringLiteral("京 "),
                         QStringLiteral(" 京"),
                         QStringLiteral("冀"),
                         QStringLiteral("晋"),
                         QStringLiteral("01"),
                         QStringLiteral("1"),
                         QStringLiteral("31"),
                         QStringLiteral("WJxx-Xaaaa"),
                         QStringLiteral("WJxx-Xaaaa "),
                         QStringLiteral("wjxx-xaaaa"),
                         QStringLiteral("选择样式"),
                         QStringLiteral("消"),
                         QStringLiteral("戌"),
                         QStringLiteral("戍"),
                         QStringLiteral("京0 Baaaa"),
                         QStringLiteral("京A"),
                         QString(10001, QLatin1Char('A')),
                         QStringLiteral("\U0001F600"),
                         QString(QChar(0xD800)),
                         QStringLiteral("\a"),
                         QStringLiteral("\u200F京\u200E"),
                         QStringLiteral("\u202EA")};
    // The special items with one space more and one space less.
    for (Text item : special::items()) {
        const QString text = toQString(item);
        const qsizetype space = text.indexOf(QLatin1Char(' '));
        if (space >= 0) {
            texts << QString(text).insert(space, QLatin1Char(' '));
            texts << QString(text).remove(space, 1);
        }
    }
    return texts;
}

// Plates, places and pastes a person may type into the first list's field and confirm with
// Return.
QStringList plateTexts()
{
    return {QStringLiteral("冀A12345"),
            QStringLiteral("冀a·12345"),
            QStringLiteral("京Z12345"),
            QStringLiteral("前面那辆冀A12345的车"),
            QStringLiteral("WJ 02-消1234"),
            QStringLiteral("WJ02-12345"),
            QStringLiteral("甲A02712"),
            QStringLiteral("京A80123"),
            QStringLiteral("石家庄"),
            QStringLiteral("shijiazhuang"),
            QStringLiteral("sjz"),
            QStringLiteral("宁波"),
            QStringLiteral("消防"),
            QStringLiteral("中央警卫局"),
            QStringLiteral("xqxqxq"),
            QStringLiteral("粤"),
            QStringLiteral("901"),
            QStringLiteral("庚K"),
            QStringLiteral("车牌是京A88123，") + QString(180, QChar(u'哈'))};
}

// Whether a keyboard can enter `text`; control characters and lone surrogates arrive by pasting.
bool typeable(const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        else if (!c.isPrint() && c.category() != QChar::Other_Format)
            return false;
    }
    return text.size() < 100;
}

struct ModelList {
    QStringList items;
    QString text;
    bool enabled = true;
    QString current; // the item picked last, while the list holds it
};

// What the window should hold, computed independently of the window's code from what each click,
// pick, key and tick is meant to do.
struct Model {
    int category = 0; // 0 none, 1 civil, 2 military, 3 armed police, 4 special
    std::array<ModelList, 3> lists{ModelList{{}, QStringLiteral("汉字部分"), true, {}},
                                   ModelList{{}, QStringLiteral("英文部分"), true, {}},
                                   ModelList{{}, QStringLiteral("武警专用"), true, {}}};
    QString label4, label5, pub, give;
    bool info = false;
    int x = 1, y = 1, scrolled = 0;
    // Answers found since the category was chosen, and the second line kept from before it.
    QStringList answers;
    QString keptLabel5;

    QString &t(int i) { return lists[i].text; }
    void clear(int i)
    {
        lists[i].items.clear();
        lists[i].text.clear();
        lists[i].current.clear();
    }
    void found(QString &member, const QString &text)
    {
        if (!text.isEmpty()) {
            member = text;
            answers << text;
        }
    }

    void chooseCategory(int c)
    {
        category = c;
        static const bool enabled[5][3] = {
            {}, {true, true, false}, {true, true, false}, {true, true, true}, {true, false, false}};
        for (int i = 0; i < 3; ++i)
            lists[i].enabled = enabled[c][i];
        label4.clear();
        keptLabel5 = c == 2 ? label5 : QString();
        if (c != 2)
            label5.clear();
        pub.clear();
        give.clear();
        answers.clear();
        for (int i = 0; i < 3; ++i)
            clear(i);
        switch (c) {
        case 1:
            lists[0].items = toList(civil::provinces());
            break;
        case 2:
            lists[0].items = toList(military::firstLevel());
            break;
        case 3:
            t(0) = QStringLiteral("选择样式");
            lists[0].items = toList(armedpolice::styles());
            break;
        case 4:
            lists[0].items = toList(special::items());
            break;
        }
    }

    void pickedInFirst()
    {
        clear(1);
        if (category == 1)
            lists[1].items = toList(civil::letters(t(0)));
        if (category == 2 && !t(0).isEmpty()) {
            lists[1].items = toList(military::secondLevel());
            pub.clear();
            found(pub, lookup(military::describeFirstLevel(t(0))));
            label4 = t(0) + QStringLiteral("----") + pub;
        }
        if (category == 3) {
            lists[1].items = toList(armedpolice::numbers());
            clear(2);
            const bool branches = t(0) == QStringLiteral("WJxx-Xaaaa");
            lists[2].enabled = branches;
            if (branches)
                lists[2].items = toList(armedpolice::branches());
        }
        if (category == 4) {
            pub.clear();
            found(pub, lookup(special::describe(t(0))));
            label4 = pub;
        }
    }

    void pickedInSecond()
    {
        pub.clear();
        if (category == 2)
            give.clear();
        if (t(1).isEmpty())
            lists[1].items += toList(civil::letters(t(0)));
        const bool both = !t(0).isEmpty() && !t(1).isEmpty();
        if (category == 2 && both) {
            found(pub, lookup(military::describeFirstLevel(t(0))));
            found(give, lookup(military::describeSecondLevel(t(1))));
            label5 = t(1) + QStringLiteral("----") + give;
        }
        if (category == 1 && both)
            found(pub, lookup(civil::describe(t(0), t(1))));
        if (!t(0).isEmpty()) {
            found(pub, lookup(armedpolice::describeNumber(t(1))));
            label4 = pub;
        }
    }

    void pickedInThird()
    {
        found(give, lookup(armedpolice::branchName(t(2))));
        label4 = pub + give;
    }

    void pickedIn(int i)
    {
        if (i == 0)
            pickedInFirst();
        else if (i == 1)
            pickedInSecond();
        else
            pickedInThird();
    }

    // Text typed into the first list's field and confirmed with Return: an item of the list is
    // picked as always; anything else applies the first row the search gives, as its category's
    // click and the picks of the parts it has, up to one it lacks.
    void typedPlate(const QString &text)
    {
        if (lists[0].items.contains(text)) {
            // QComboBox reports it only when it is not the item picked already.
            t(0) = text;
            if (lists[0].current != text) {
                lists[0].current = text;
                pickedInFirst();
            }
            return;
        }
        t(0) = text;
        const search::Rows rows = search::lookUp(text);
        if (rows.empty())
            return;
        const Reading &reading = rows[0].reading;
        chooseCategory(int(reading.kind) + 1);
        for (int i = 0; i < 3; ++i) {
            const QString part = toQString(reading.picks[i]);
            if ((i > 0 && !lists[i].enabled) || part.isEmpty() || !lists[i].items.contains(part))
                return;
            t(i) = part;
            lists[i].current = part;
            pickedIn(i);
        }
    }
};

class Runner
{
public:
    Runner()
        : form(std::make_unique<Form1>())
    {
        form->Timer1->stop();
        form->Timer2->stop();
        form->show();
        start = form->Text3->text();
    }

    // Runs one event; returns false when it could not apply and was skipped.
    bool apply(const Event &e)
    {
        QComboBox *lists[] = {form->Combo1, form->Combo2, form->Combo3};
        switch (e.kind) {
        case Kind::Option: {
            if (model.info)
                return false;
            QRadioButton *options[] = {form->Option1, form->Option2, form->Option3, form->Option4};
            const int c = e.a % 4;
            options[c]->click();
            model.chooseCategory(c + 1);
            return true;
        }
        case Kind::Pick:
        case Kind::PopupPick: {
            const int i = reachable(e.a, true);
            if (i < 0)
                return false;
            ModelList &list = model.lists[i];
            const int item = e.b % int(list.items.size());
            if (e.kind == Kind::PopupPick) {
                // A pick that cannot be made fails the test; the run goes on to report the seed.
                const bool picked = pickIndex(lists[i], item);
                QTest::qVerify(picked, "pickIndex(lists[i], item)", "", __FILE__, __LINE__);
            } else {
                choose(lists[i], item);
            }
            list.text = list.items.at(item);
            list.current = list.text;
            model.pickedIn(i);
            return true;
        }
        case Kind::Type:
        case Kind::TypeKeys: {
            const int i = reachable(e.a, false);
            if (i < 0)
                return false;
            const QString text = texts.at(e.b % texts.size());
            if (e.kind == Kind::TypeKeys && typeable(text))
                typeInto(lists[i], text);
            else
                lists[i]->lineEdit()->setText(text);
            model.lists[i].text = text;
            return true;
        }
        case Kind::TypePlate: {
            if (model.info)
                return false;
            const QStringList plates = plateTexts();
            const QString text = plates.at(e.b % plates.size());
            typeInto(form->Combo1, text);
            QTest::keyClick(form->Combo1, Qt::Key_Return);
            // A list left open for a missing part, and the suggestions of a miss, are closed
            // as a person would before going on.
            for (QComboBox *list : lists)
                list->hidePopup();
            form->Combo2->setFocus();
            model.typedPlate(text);
            return true;
        }
        case Kind::Open:
            if (model.info)
                return false;
            form->Command1->click();
            model.info = true;
            return true;
        case Kind::CloseClick:
        case Kind::CloseKey: {
            if (!model.info)
                return false;
            QPlainTextEdit *box = e.a % 2 ? form->Text2 : form->Text1;
            if (e.kind == Kind::CloseClick) {
                QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
            } else {
                const Qt::Key keys[] = {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space,
                                        Qt::Key_Escape};
                QTest::keyClick(box, keys[e.b % 4]);
            }
            model.info = false;
            return true;
        }
        case Kind::Tick1:
            form->Timer1_Timer();
            model.x = model.x % 6 + 1;
            model.scrolled = (model.scrolled + 1) % 45;
            return true;
        case Kind::Tick2:
            form->Timer2_Timer();
            model.y = model.y % 6 + 1;
            return true;
        }
        return false;
    }

    // The `n`th of the lists a person can reach now (enabled, and holding items for a pick).
    int reachable(int n, bool withItems) const
    {
        QList<int> open;
        for (int i = 0; i < 3; ++i)
            if (!model.info && model.lists[i].enabled &&
                (!withItems || !model.lists[i].items.isEmpty()))
                open << i;
        return open.isEmpty() ? -1 : open.at(n % open.size());
    }

    // The first difference between the window and the model, or an empty text.
    QString difference() const
    {
        const QComboBox *lists[] = {form->Combo1, form->Combo2, form->Combo3};
        for (int i = 0; i < 3; ++i) {
            const ModelList &list = model.lists[i];
            if (itemsOf(lists[i]) != list.items)
                return QStringLiteral("Combo%1 items %2, expected %3")
                    .arg(i + 1)
                    .arg(itemsOf(lists[i]).join(u'|'), list.items.join(u'|'));
            if (lists[i]->currentText() != list.text)
                return QStringLiteral("Combo%1 text '%2', expected '%3'")
                    .arg(i + 1)
                    .arg(lists[i]->currentText().left(40), list.text.left(40));
            if (lists[i]->isEnabled() != list.enabled)
                return QStringLiteral("Combo%1 enabled %2").arg(i + 1).arg(lists[i]->isEnabled());
        }
        const std::pair<QString, QString> texts[] = {{form->Label4->text(), model.label4},
                                                     {form->Label5->text(), model.label5},
                                                     {form->PUB_massage, model.pub},
                                                     {form->GIVE_massage, model.give}};
        for (const auto &[actual, expected] : texts)
            if (actual != expected)
                return QStringLiteral("result '%1', expected '%2'").arg(actual, expected);
        if (form->Frame4->isVisible() != model.info || form->Frame1->isVisible() == model.info ||
            form->Label1->text() != (model.info ? QStringLiteral("关于软件的信息,谢谢观看")
                                                : QStringLiteral("Korvanta")))
            return QStringLiteral("view is not the %1 view")
                .arg(model.info ? QStringLiteral("information") : QStringLiteral("query"));
        if (form->X != model.x || form->Y != model.y || form->X < 1 || form->X > 6 || form->Y < 1 ||
            form->Y > 6)
            return QStringLiteral("X, Y = %1, %2").arg(form->X).arg(form->Y);
        if (form->Text3->text() != start.sliced(model.scrolled) + start.first(model.scrolled))
            return QStringLiteral("Text3 '%1'").arg(form->Text3->text());
        return staleAnswer();
    }

private:
    // The labels show answers of the current query only (or nothing); the second line may keep
    // the military answer that it held when the military category was chosen again.
    QString staleAnswer() const
    {
        const QString label4 = form->Label4->text();
        const QString label5 = form->Label5->text();
        const QStringList &found = model.answers;
        bool ok4 = label4.isEmpty() || found.contains(label4);
        for (qsizetype cut = 0; !ok4 && cut <= label4.size(); ++cut) {
            const QString head = label4.first(cut), tail = label4.sliced(cut);
            ok4 = (head.isEmpty() || found.contains(head)) &&
                  (tail.isEmpty() || found.contains(tail));
        }
        if (!ok4 && model.category == 2) {
            const qsizetype dash = label4.indexOf(QStringLiteral("----"));
            const QString answer = label4.sliced(dash + 4);
            ok4 = dash >= 0 && (answer.isEmpty() || found.contains(answer));
        }
        if (!ok4)
            return QStringLiteral("Label4 shows '%1', not an answer of this query").arg(label4);
        if (!label5.isEmpty() && label5 != model.keptLabel5) {
            const qsizetype dash = label5.indexOf(QStringLiteral("----"));
            const QString answer = dash >= 0 ? label5.sliced(dash + 4) : label5;
            if (!answer.isEmpty() && !found.contains(answer))
                return QStringLiteral("Label5 shows '%1', not an answer of this query").arg(label5);
        }
        return {};
    }

public:
    std::unique_ptr<Form1> form;
    Model model;
    QString start;
    QStringList texts = hostileTexts();
};

Event randomEvent(QRandomGenerator &random)
{
    // Weighted towards picks, which carry the queries.
    static const std::pair<Kind, int> weights[] = {
        {Kind::Option, 8},   {Kind::Pick, 40},     {Kind::PopupPick, 1}, {Kind::Type, 8},
        {Kind::TypeKeys, 1}, {Kind::TypePlate, 1}, {Kind::Open, 2},      {Kind::CloseClick, 2},
        {Kind::CloseKey, 2}, {Kind::Tick1, 6},     {Kind::Tick2, 4}};
    int total = 0;
    for (const auto &[kind, weight] : weights)
        total += weight;
    int roll = int(random.bounded(total));
    Kind kind = Kind::Tick1;
    for (const auto &[k, weight] : weights) {
        if (roll < weight) {
            kind = k;
            break;
        }
        roll -= weight;
    }
    return {kind, int(random.bounded(1 << 20)), int(random.bounded(1 << 20))};
}

// Replays `events` on a fresh window; returns the index of the first failing event, or -1.
qsizetype firstFailure(const QList<Event> &events, QString *why = nullptr)
{
    Runner runner;
    for (qsizetype i = 0; i < events.size(); ++i) {
        runner.apply(events.at(i));
        const QString difference = runner.difference();
        if (!difference.isEmpty()) {
            if (why)
                *why = difference;
            return i;
        }
    }
    return -1;
}

// Removes ever smaller runs of events while the sequence still fails.
QList<Event> shrink(QList<Event> events)
{
    for (qsizetype chunk = events.size() / 2; chunk >= 1; chunk /= 2) {
        for (qsizetype start = 0; start + chunk <= events.size();) {
            QList<Event> candidate = events;
            candidate.remove(start, chunk);
            const qsizetype failure = firstFailure(candidate);
            if (failure >= 0)
                events = candidate.first(failure + 1);
            else
                start += chunk;
        }
    }
    return events;
}

int eventsPerSeed()
{
    bool ok = false;
    const int n = qEnvironmentVariableIntValue("KORVANTA_RANDOM_EVENTS", &ok);
    return ok && n > 0 ? n : 50000;
}

} // namespace

class TestRandom : public QObject
{
    Q_OBJECT

    NoticeRecorder recorder;

private slots:
    void initTestCase()
    {
        // Opening a list's popup offscreen warns that it cannot grab the keyboard or raise.
        static const QtMessageHandler previous = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext &context, const QString &message) {
                if (!message.contains(QLatin1String("This plugin does not support")))
                    previous(type, context, message);
            });
    }

    void sequences_data()
    {
        QTest::addColumn<quint32>("seed");
        bool fromEnvironment = false;
        const quint32 seed =
            quint32(qEnvironmentVariableIntValue("KORVANTA_RANDOM_SEED", &fromEnvironment));
        if (fromEnvironment) {
            QTest::addRow("seed %u", seed) << seed;
            return;
        }
        for (quint32 fixed : {1u, 2u, 3u, 20261208u})
            QTest::addRow("seed %u", fixed) << fixed;
    }

    void sequences()
    {
        QFETCH(quint32, seed);
        QRandomGenerator random(seed);
        Runner runner;
        QList<Event> events;
        const int count = eventsPerSeed();
        int applied = 0;
        for (int i = 0; applied < count; ++i) {
            events << randomEvent(random);
            applied += runner.apply(events.last());
            const QString difference = runner.difference();
            if (difference.isEmpty())
                continue;
            const QList<Event> shortest = shrink(events);
            QString why;
            firstFailure(shortest, &why);
            QStringList steps;
            for (const Event &e : shortest)
                steps << describe(e);
            QFAIL(qPrintable(QStringLiteral("seed %1, event %2: %3\nshortest failing sequence "
                                            "(%4 events): %5\nits failure: %6")
                                 .arg(seed)
                                 .arg(i)
                                 .arg(difference)
                                 .arg(shortest.size())
                                 .arg(steps.join(u' '), why)));
        }
        qInfo("seed %u: %d events applied (%lld drawn)", seed, applied, qlonglong(events.size()));
    }
};

QTEST_MAIN(TestRandom)
#include "tst_random.moc"
