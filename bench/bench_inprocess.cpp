// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

// In-process costs: building and showing the window, a query from the first click to the answer,
// and each catalogue lookup, each beside a floor measured the same way.

#include "app/form1.h"
#include "app/services/notice.h"
#include "catalogue/armedpolice.h"
#include "catalogue/civil.h"
#include "catalogue/military.h"
#include "catalogue/search.h"
#include "catalogue/special.h"
#include "tools/drive/drive.h"

#include <QApplication>
#include <QHash>
#include <QRegularExpression>

#include <benchmark/benchmark.h>

#include <memory>

using namespace korvanta;

namespace
{

void BM_ShowEmptyWidget(benchmark::State &state)
{
    for (auto _ : state) {
        QWidget window;
        window.setFixedSize(408, 287);
        window.show();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_ShowEmptyWidget)->Unit(benchmark::kMicrosecond);

void BM_ShowForm1(benchmark::State &state)
{
    for (auto _ : state) {
        Form1 window;
        window.show();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_ShowForm1)->Unit(benchmark::kMicrosecond);

// The first click of "About..." in a window just shown, to the information view painted.
void BM_FirstAboutClick(benchmark::State &state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto window = std::make_unique<Form1>();
        window->show();
        QCoreApplication::processEvents();
        window->repaint();
        state.ResumeTiming();
        window->Command1->click();
        window->repaint();
        state.PauseTiming();
        window.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FirstAboutClick)->Unit(benchmark::kMicrosecond);

// Each category from the click on its button to the answer in the labels.
void BM_Query(benchmark::State &state)
{
    Form1 form;
    const Query &query = queryOfEachCategory().at(state.range(0) - 1);
    for (auto _ : state) {
        if (!run(form, query))
            state.SkipWithError("a query did not run");
        benchmark::DoNotOptimize(form.Label4->text().size());
    }
}
BENCHMARK(BM_Query)->Arg(1)->Arg(2)->Arg(3)->Arg(4)->Unit(benchmark::kMicrosecond);

// The keys of one catalogue, split as the window passes them, and the same keys in a QHash.
struct Keys {
    QList<std::pair<QString, QString>> split;
    QHash<QString, QString> hash;
};

Keys keysOf(int catalogue)
{
    Keys keys;
    auto add = [&](const QString &first, const QString &second, Text text) {
        keys.split.append({first, second});
        keys.hash.insert(first + second, toQString(text));
    };
    switch (catalogue) {
    case 1:
        for (Text key : civil::describedKeys()) {
            const QString k = toQString(key);
            add(k.first(1), k.sliced(1), *civil::describe(k.first(1), k.sliced(1)));
        }
        break;
    case 2:
        for (Text key : military::firstLevel())
            add(toQString(key), {}, *military::describeFirstLevel(toQString(key)));
        break;
    case 3:
        for (Text key : armedpolice::numbers())
            add(toQString(key), {}, *armedpolice::describeNumber(toQString(key)));
        break;
    case 4:
        for (Text key : special::items())
            add(toQString(key), {}, *special::describe(toQString(key)));
        break;
    }
    return keys;
}

std::optional<Text> describe(int catalogue, const QString &first, const QString &second)
{
    switch (catalogue) {
    case 1:
        return civil::describe(first, second);
    case 2:
        return military::describeFirstLevel(first);
    case 3:
        return armedpolice::describeNumber(first);
    default:
        return special::describe(first);
    }
}

void BM_Describe(benchmark::State &state)
{
    const int catalogue = int(state.range(0));
    const Keys keys = keysOf(catalogue);
    qsizetype i = 0;
    for (auto _ : state) {
        const auto &[first, second] = keys.split[i];
        benchmark::DoNotOptimize(describe(catalogue, first, second));
        i = i + 1 == keys.split.size() ? 0 : i + 1;
    }
}
BENCHMARK(BM_Describe)->Arg(1)->Arg(2)->Arg(3)->Arg(4);

// The floor: the same keys, joined, found in a QHash.
void BM_QHashFloor(benchmark::State &state)
{
    const Keys keys = keysOf(int(state.range(0)));
    QList<QString> joined;
    for (const auto &[first, second] : keys.split)
        joined << first + second;
    qsizetype i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(keys.hash.constFind(joined[i]));
        i = i + 1 == joined.size() ? 0 : i + 1;
    }
}
BENCHMARK(BM_QHashFloor)->Arg(1)->Arg(2)->Arg(3)->Arg(4);

} // namespace

// What people type into the first list's field, each read and searched at every prefix, as a
// person typing it makes the window do; the last is a 200-character paste.
const QStringList &typedInputs()
{
    static const QStringList inputs{
        QStringLiteral("冀A·12345"),
        QStringLiteral("前面那辆冀A12345的车"),
        QStringLiteral("WJ 02-消1234"),
        QStringLiteral("甲A02712"),
        QStringLiteral("shijiazhuang"),
        QStringLiteral("sjz"),
        QStringLiteral("宁波"),
        QStringLiteral("塑封 白色 警备"),
        // Whole plates read by their shapes: a green plate, a rescue plate, a corps' plate.
        QStringLiteral("粤B·D12345"),
        QStringLiteral("粤X·1234应急"),
        QStringLiteral("WJ琼12345"),
        QStringLiteral("今天下午三点左右，在长安街上看到一辆车牌是京A80123的黑色轿车，") +
            QString(160, QChar(u'哈')),
    };
    return inputs;
}

// Reading and searching a typed text for the rows of the suggestions, no widget involved: each
// iteration one prefix, round all the prefixes of the input given (the last argument: all).
void BM_LookUp(benchmark::State &state)
{
    QList<QStringView> prefixes;
    const QStringList &inputs = typedInputs();
    for (qsizetype i = 0; i < inputs.size(); ++i) {
        if (state.range(0) != i && state.range(0) != inputs.size())
            continue;
        for (qsizetype n = 1; n <= inputs[i].size(); ++n)
            prefixes << QStringView(inputs[i]).first(n);
    }
    qsizetype next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(search::lookUp(prefixes[next]).size());
        next = (next + 1) % prefixes.size();
    }
}
BENCHMARK(BM_LookUp)->DenseRange(0, 12)->Unit(benchmark::kMicrosecond);

// The floor: one match of an ordinary plate pattern.
void BM_PlateRegexFloor(benchmark::State &state)
{
    static const QRegularExpression plate(QStringLiteral("[\\x{4e00}-\\x{9fff}][A-Z][A-Z0-9]{5}"));
    const QString text = QStringLiteral("冀A12345");
    for (auto _ : state)
        benchmark::DoNotOptimize(plate.match(text).hasMatch());
}
BENCHMARK(BM_PlateRegexFloor)->Unit(benchmark::kMicrosecond);

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    setNoticeHandler([](QWidget *, const QString &, const QString &) {});
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
