// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

// korvanta --read: what it prints for a text and for standard input, and its exit statuses, run
// as a person runs it, with no display.

#include "app/commandline/console.h"
#include "app/commandline/startup.h"

#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTest>

#include <memory>
#include <vector>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace
{

struct Run {
    int status = -1;
    QStringList lines;
    QString errors;
};

// Runs korvanta with no display at all (the reader must not need one), or with the environment
// `more` adds; `input` comes through a pipe.
Run runKorvanta(const QStringList &arguments, const QByteArray &input = {},
                const QStringList &more = {})
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    for (const QString &entry : more)
        environment.insert(entry.section(u'=', 0, 0), entry.section(u'=', 1));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(KORVANTA_BINARY), arguments);
    for (const QByteArray &line : input.split('\n')) {
        process.write(line + (line.isEmpty() ? QByteArray() : QByteArray("\n")));
    }
    process.closeWriteChannel();
    if (!process.waitForFinished(60000))
        return {};
    Run run;
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.lines = QString::fromUtf8(process.readAllStandardOutput())
                    .remove(u'\r')
                    .split(u'\n', Qt::SkipEmptyParts);
    run.errors = QString::fromUtf8(process.readAllStandardError());
    return run;
}

} // namespace

class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void read_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<int>("status");
        QTest::addColumn<QStringList>("firstLines");
        const QString miss = QStringLiteral("没有找到与此相符的车牌、地名或拼音");
        // clang-format off
        QTest::newRow("a green plate")
            << QStringList{QStringLiteral("--read"), QStringLiteral("粤B·D12345")} << QByteArray() << 0
            << QStringList{QStringLiteral("粤B\t民用车辆\t广东省深圳市车辆\t新能源汽车（纯电动）\t广东省深圳市")};
        QTest::newRow("a place: its whole answer and today's place")
            << QStringList{QStringLiteral("--read=宁波")} << QByteArray() << 0
            << QStringList{QStringLiteral("浙B\t民用车辆\t浙江省宁波市车辆\t\t浙江省宁波市")};
        QTest::newRow("nothing found")
            << QStringList{QStringLiteral("--read"), QStringLiteral("xyzzy")} << QByteArray() << 1
            << QStringList{miss};
        QTest::newRow("standard input, one line each")
            << QStringList{QStringLiteral("--read"), QStringLiteral("-")}
            << QByteArray("WJ·12345\r\n\n123456使\n")
            << 0
            << QStringList{QStringLiteral("WJ·12345\tWJ·\t武警车辆\t武警总部\t武警车辆（2012式号牌）\t"),
                           QStringLiteral("123456使\t使aaaaa\t特种牌照\t外国大使馆用车或国外在中国有外交豁免权的国家政府机构专用车\t使馆汽车\t")};
        QTest::newRow("standard input, one not found")
            << QStringList{QStringLiteral("--read"), QStringLiteral("-")}
            << QByteArray("冀A12345\nqqq\n")
            << 1
            << QStringList{QStringLiteral("冀A12345\t冀A\t民用车辆\t河北省石家庄市车辆\t\t河北省石家庄市"),
                           QStringLiteral("qqq\t") + miss};
        QTest::newRow("no text") << QStringList{QStringLiteral("--read")} << QByteArray() << 2 << QStringList();
        QTest::newRow("two texts") << QStringList{QStringLiteral("--read"), QStringLiteral("a"), QStringLiteral("b")} << QByteArray() << 2 << QStringList();
        QTest::newRow("unknown option") << QStringList{QStringLiteral("--read"), QStringLiteral("a"), QStringLiteral("--bogus")} << QByteArray() << 2 << QStringList();
        QTest::newRow("a photo without a file") << QStringList{QStringLiteral("--photo")} << QByteArray() << 2 << QStringList();
        QTest::newRow("a photo and a text") << QStringList{QStringLiteral("--photo"), QStringLiteral("a.jpg"), QStringLiteral("--read"), QStringLiteral("b")} << QByteArray() << 2 << QStringList();
        // clang-format on
    }
    void read()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, input);
        QFETCH(int, status);
        QFETCH(QStringList, firstLines);
        const Run run = runKorvanta(arguments, input);
        QCOMPARE(run.status, status);
        QCOMPARE(run.lines.first(qMin(run.lines.size(), firstLines.size())), firstLines);
        if (status == 2)
            QVERIFY(!run.errors.isEmpty());
    }

    // Through a pipe that delivers its lines one at a time: each line is answered, with exactly
    // one line, before the next one is sent.
    void slowPipe()
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("DISPLAY"));
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(KORVANTA_BINARY),
                      {QStringLiteral("--read"), QStringLiteral("-")});
        QVERIFY(process.waitForStarted());
        const QList<QPair<QByteArray, QString>> lines = {
            {"冀A12345", QStringLiteral("冀A12345\t冀A\t")},
            {"", QString()},
            {"京A12345", QStringLiteral("京A12345\t京A\t")},
            {"qqq", QStringLiteral("qqq\t")}};
        for (const auto &[in, out] : lines) {
            process.write(in + '\n');
            QByteArray answered;
            while (!answered.endsWith('\n') && process.waitForReadyRead(30000))
                answered += process.readLine();
            QVERIFY2(answered.endsWith('\n'), in.constData());
            QVERIFY2(QString::fromUtf8(answered).remove(u'\r').startsWith(out),
                     answered.constData());
            QCOMPARE(process.bytesAvailable(), 0); // one line, no more
        }
        process.closeWriteChannel();
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitCode(), 1);
        QCOMPARE(process.readAllStandardOutput(), QByteArray());
    }

    // A window that cannot be shown, or a command line that neither Qt nor we know, says so and
    // ends with a status, never an abort.
    void refused_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("environment");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("says");
        const QStringList offscreen{QStringLiteral("QT_QPA_PLATFORM=offscreen")};
        // clang-format off
        QTest::newRow("an unknown option") << QStringList{QStringLiteral("--no-such-option")} << offscreen << 2 << QStringLiteral("--no-such-option");
        QTest::newRow("an unknown option after Qt's") << QStringList{QStringLiteral("-reverse"), QStringLiteral("-style"), QStringLiteral("fusion"), QStringLiteral("-x")} << offscreen << 2 << QStringLiteral("-x");
        QTest::newRow("the usage line") << QStringList{QStringLiteral("--no-such-option")} << offscreen << 2 << QStringLiteral("usage: korvanta");
#ifndef Q_OS_WIN
        // A usage error is one wherever it is made: before the display is looked for.
        QTest::newRow("an unknown option, no display") << QStringList{QStringLiteral("--no-such-option")} << QStringList() << 2 << QStringLiteral("usage: korvanta");
        QTest::newRow("... after Qt's, no display") << QStringList{QStringLiteral("-style"), QStringLiteral("fusion"), QStringLiteral("-x")} << QStringList() << 2 << QStringLiteral("-x");
        QTest::newRow("Qt's value that looks like an option") << QStringList{QStringLiteral("-qwindowtitle"), QStringLiteral("-x")} << QStringList() << 1 << QStringLiteral("no display");
        QTest::newRow("no display") << QStringList() << QStringList() << 1 << QStringLiteral("no display");
        QTest::newRow("a display that is not there") << QStringList() << QStringList{QStringLiteral("DISPLAY=:97")} << 1 << QStringLiteral("cannot be shown");
#endif
        // clang-format on
    }
    void refused()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, environment);
        QFETCH(int, status);
        QFETCH(QString, says);
        const Run run = runKorvanta(arguments, {}, environment);
        QCOMPARE(run.status, status);
        QVERIFY2(run.errors.contains(says), qPrintable(run.errors));
    }

#ifdef KORVANTA_TEST_PHOTOS
    // korvanta --photo: a line for each plate, one for a photo with none, a word on standard
    // error for a file that is no photo while the others are still read, and the exit status.
    void photo_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<int>("status");
        QTest::addColumn<QStringList>("starts");
        QTest::addColumn<QString>("says");
        const QDir photos(QStringLiteral(KORVANTA_TEST_PHOTOS));
        const QString plate = photos.filePath(QStringLiteral("rendered-粤Z1234港.jpg"));
        const QString none = photos.filePath(QStringLiteral("np0.jpg"));
        const QString text = photos.filePath(QStringLiteral("README.md"));
        // clang-format off
        QTest::newRow("a plate") << QStringList{plate} << 0 << QStringList{plate + QStringLiteral("\t粤Z1234港\t")} << QString();
        QTest::newRow("no plate") << QStringList{none} << 1 << QStringList{none + QStringLiteral("\t\t没有找到车牌")} << QString();
        QTest::newRow("not a photo, then a plate") << QStringList{text, plate} << 1 << QStringList{plate + QStringLiteral("\t粤Z1234港\t")} << QStringLiteral("README.md: not a picture");
        QTest::newRow("a folder") << QStringList{photos.path()} << 1 << QStringList() << QStringLiteral("a folder");
        // clang-format on
    }
    void photo()
    {
        QFETCH(QStringList, files);
        QFETCH(int, status);
        QFETCH(QStringList, starts);
        QFETCH(QString, says);
        const Run run = runKorvanta(QStringList{QStringLiteral("--photo")} + files);
        QCOMPARE(run.status, status);
        QCOMPARE(run.lines.size(), starts.size());
        for (qsizetype i = 0; i < starts.size(); ++i)
            QVERIFY2(run.lines[i].startsWith(starts[i]), qPrintable(run.lines[i]));
        QVERIFY2(run.errors.contains(says), qPrintable(run.errors));
    }
#endif

    // The command line the window is made with: on Windows it asks Qt to follow Windows' dark
    // mode, unless the person names a platform of their own; elsewhere it is the one given.
    void windowCommandLine_data()
    {
        QTest::addColumn<QStringList>("given");
        QTest::addColumn<QStringList>("made");
        const QStringList plain{QStringLiteral("korvanta")};
        const QStringList own{QStringLiteral("korvanta"), QStringLiteral("-platform"),
                              QStringLiteral("offscreen")};
#ifdef Q_OS_WIN
        QTest::newRow("none given") << plain
                                    << (plain + QStringList{QStringLiteral("-platform"),
                                                            QStringLiteral("windows:darkmode=2")});
#else
        QTest::newRow("none given") << plain << plain;
#endif
        QTest::newRow("a platform of one's own") << own << own;
    }
    void windowCommandLine()
    {
        QFETCH(QStringList, given);
        QFETCH(QStringList, made);
        const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
        qunsetenv("QT_QPA_PLATFORM");
        std::vector<QByteArray> bytes;
        std::vector<char *> argv;
        for (const QString &argument : given)
            bytes.push_back(argument.toLocal8Bit());
        for (QByteArray &argument : bytes)
            argv.push_back(argument.data());
        korvanta::WindowCommandLine line(int(argv.size()), argv.data());
        qputenv("QT_QPA_PLATFORM", platform);
        QStringList arguments;
        for (int i = 0; i < line.count(); ++i)
            arguments << QString::fromLocal8Bit(line.arguments()[i]);
        QCOMPARE(arguments, made);
        QCOMPARE(line.arguments()[line.count()], nullptr);
    }

#ifdef Q_OS_WIN
    // In a console set to code page 936 (GBK, as a Chinese Windows sets it), Chinese reaches the
    // screen as the characters it is: they go to the console as UTF-16, not through its code page.
    void chineseInAConsole()
    {
        const HANDLE given = GetStdHandle(STD_OUTPUT_HANDLE);
        FreeConsole();
        QVERIFY(AllocConsole());
        QVERIFY(SetConsoleOutputCP(936));
        const HANDLE screen =
            CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE,
                        FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
        QVERIFY(screen != INVALID_HANDLE_VALUE);
        SetStdHandle(STD_OUTPUT_HANDLE, screen);
        CONSOLE_SCREEN_BUFFER_INFO info{};
        QVERIFY(GetConsoleScreenBufferInfo(screen, &info));
        const QString text = QStringLiteral("冀A河北省石家庄市车辆");
        korvanta::write(stdout, text);
        std::vector<wchar_t> cells(std::size_t(2 * text.size()));
        DWORD read = 0;
        QVERIFY(ReadConsoleOutputCharacterW(screen, cells.data(), DWORD(cells.size()),
                                            info.dwCursorPosition, &read));
        SetStdHandle(STD_OUTPUT_HANDLE, given);
        CloseHandle(screen);
        FreeConsole();
        // A wide character takes two cells of the screen, which some consoles give back twice.
        QString shown;
        for (const QChar c : QString::fromWCharArray(cells.data(), qsizetype(read))) {
            if (shown.isEmpty() || shown.back() != c || c.unicode() < 0x80)
                shown += c;
        }
        QVERIFY2(shown.startsWith(text), qPrintable(shown));
    }
#endif

    // Our own options, each by every name it has.
    void helpAndVersion_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QStringList>("says");
        const QStringList help{QStringLiteral("--read <TEXT>")};
        QTest::newRow("--help") << QStringLiteral("--help") << help;
        QTest::newRow("-h") << QStringLiteral("-h") << help;
        QTest::newRow("-?") << QStringLiteral("-?") << help;
        QTest::newRow("--help-all")
            << QStringLiteral("--help-all") << QStringList{help[0], QStringLiteral("-style NAME")};
        QTest::newRow("--version")
            << QStringLiteral("--version") << QStringList{QStringLiteral("korvanta 1.")};
        QTest::newRow("-v") << QStringLiteral("-v") << QStringList{QStringLiteral("korvanta 1.")};
    }
    void helpAndVersion()
    {
        QFETCH(QString, option);
        QFETCH(QStringList, says);
        const Run run = runKorvanta({option});
        QCOMPARE(run.status, 0);
        for (const QString &words : std::as_const(says))
            QVERIFY2(run.lines.join(u'\n').contains(words), qPrintable(words));
    }

    // The window's own options are Qt's, never taken for ours, even where they start with one
    // of our short names: the window starts and stays up.
    void windowOptionsStartTheWindow()
    {
        QList<QStringList> commandLines = {
            {QStringLiteral("-reverse")},
            {QStringLiteral("-style"), QStringLiteral("fusion")},
            {QStringLiteral("-qwindowtitle"), QStringLiteral("Korvanta")}};
        std::vector<std::unique_ptr<QProcess>> windows;
        for (const QStringList &arguments : commandLines) {
            // On the test's own platform (offscreen, or Windows under Wine).
            auto process = std::make_unique<QProcess>();
            process->start(QStringLiteral(KORVANTA_BINARY), arguments);
            QVERIFY(process->waitForStarted());
            windows.push_back(std::move(process));
        }
#ifndef Q_OS_WIN
        // A platform of a person's own needs no display.
        commandLines << QStringList{QStringLiteral("-platform"), QStringLiteral("offscreen")};
        auto own = std::make_unique<QProcess>();
        QProcessEnvironment noDisplay = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            noDisplay.remove(QString::fromLatin1(name));
        own->setProcessEnvironment(noDisplay);
        own->start(QStringLiteral(KORVANTA_BINARY), commandLines.back());
        QVERIFY(own->waitForStarted());
        windows.push_back(std::move(own));
#endif
        QTest::qWait(2000 * qMax(1, qEnvironmentVariableIntValue("KORVANTA_TIMEOUT_FACTOR")));
        for (std::size_t i = 0; i < windows.size(); ++i) {
            QVERIFY2(windows[i]->state() == QProcess::Running,
                     qPrintable(commandLines[qsizetype(i)].join(u' ') + u' ' +
                                QString::fromUtf8(windows[i]->readAllStandardError())));
            windows[i]->kill();
            windows[i]->waitForFinished();
        }
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
