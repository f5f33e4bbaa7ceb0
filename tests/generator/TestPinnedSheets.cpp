#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// Sheets the generator gave before the game became a value, on draws cut from the real 7-of-49 history
// (2018 to 10.05.2019): in the classic rules every seed and option set must give the same rows, status
// and candidate count, so the order of random draws stays as it was.
class TestPinnedSheets : public QObject
{
    Q_OBJECT

    QTemporaryDir m_home;
    QTemporaryDir m_config; // no stored settings: the options are the defaults and --set

    QByteArray run(const QStringList& args)
    {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_config.path());
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(NUMERANT_CLI_PATH),
                      QStringList{QStringLiteral("--home"), m_home.path()} + args);
        if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
            process.exitCode() != 0)
            return "failed: " + process.readAllStandardError();
        return process.readAllStandardOutput().trimmed();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_home.isValid());
        QCOMPARE(run({QStringLiteral("import"), QStringLiteral(TEST_DATA_DIR "/draws-2018-2019.csv")}),
                 QByteArray("73"));
    }

    void sheets_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("output");
        // clang-format off
        QTest::addRow("defaults, twelve tips") << QStringList{"--seed", "1", "--date", "10.05.2019", "--tips", "12", "--start", "01.01.2018"}
                             << QStringLiteral("{\"candidates\":99,\"end\":\"completed\",\"rows\":[[4,5,10,11,14,38,47],[1,3,25,26,30,38,47],[4,13,30,33,37,38,42],[4,19,22,24,26,44,49],[1,13,14,24,30,43,46],[6,9,13,20,28,32,48],[1,8,19,23,27,33,46],[4,13,24,25,27,45,47],[4,5,20,25,30,46,49],[4,8,15,24,29,38,46],[23,26,27,29,30,37,43],[6,11,20,37,38,45,46]],\"status\":\"Tipps wurden neu berechnet\"}");
        QTest::addRow("defaults, six tips") << QStringList{"--seed", "4711", "--date", "01.03.2019", "--start", "01.01.2018"}
                             << QStringLiteral("{\"candidates\":40,\"end\":\"completed\",\"rows\":[[1,14,27,30,35,38,46],[7,15,21,22,27,31,42],[5,8,10,14,16,19,35],[4,9,10,14,26,27,31],[4,18,27,33,35,36,41],[4,10,22,35,39,42,43],null,null,null,null,null,null],\"status\":\"Tipps wurden neu berechnet\"}");
        QTest::addRow("statistics options") << QStringList{"--seed", "17", "--date", "10.05.2019", "--tips", "12", "--set", "CheckBox1=1", "--set", "CheckBox12=1", "--set", "CheckBox7=1", "--set", "CheckBox19=1", "--set", "CheckBox2=1", "--start", "01.01.2018"}
                             << QStringLiteral("{\"candidates\":139,\"end\":\"completed\",\"rows\":[[2,4,25,28,30,32,35],[11,19,30,33,35,37,38],[11,20,28,32,40,43,49],[1,3,11,14,38,42,47],[4,15,18,23,32,33,40],[15,19,21,28,33,43,46],[4,19,20,25,42,46,47],[1,7,8,22,23,29,45],[9,10,15,35,40,42,46],[9,14,15,18,19,25,38],[1,2,8,9,11,24,33],[4,7,9,20,22,33,38]],\"status\":\"Tipps wurden neu berechnet\"}");
        QTest::addRow("parity, primes, pair, no month numbers") << QStringList{"--seed", "5", "--date", "15.02.2019", "--tips", "12", "--set", "CheckBox22=1", "--set", "UpDown10=3", "--set", "CheckBox25=1", "--set", "UpDown15=3", "--set", "CheckBox8=1", "--set", "CheckBox29=1", "--start", "01.01.2018"}
                             << QStringLiteral("{\"candidates\":50000,\"end\":\"budget\",\"rows\":[[14,15,26,41,43,46,47],[19,20,31,41,44,46,49],[13,14,17,18,25,28,41],[13,21,24,29,44,46,47],[13,16,17,20,23,42,46],[14,17,19,34,43,44,48],[17,24,26,31,33,34,47],[13,23,29,30,34,40,49],[17,19,30,35,36,46,47],[14,18,19,29,33,40,47],[13,20,22,30,31,47,48],null],\"status\":\"Ändern Sie die Parameter um 12 Tipps zuberechnen\"}");
        QTest::addRow("pool without the reference draws, locked row") << QStringList{"--seed", "99", "--date", "10.05.2019", "--tips", "8", "--set", "UpDown4=0", "--set", "UpDown5=0", "--set", "UpDown11=0", "--set", "CheckBox30=1", "--set", "CheckBox35=1", "--set", "UpDown6=4", "--lock", "3=1,8,16,19,26,34,41", "--start", "01.01.2018"}
                             << QStringLiteral("{\"candidates\":50000,\"end\":\"budget\",\"rows\":[[4,10,14,35,42,44,47],[4,14,33,38,43,45,46],[1,8,16,19,26,34,41],[1,10,32,38,46,47,49],null,null,null,null,null,null,null,null],\"status\":\"Ändern Sie die Parameter um 12 Tipps zuberechnen\"}");
        QTest::addRow("budget used up") << QStringList{"--seed", "3", "--date", "10.05.2019", "--tips", "12", "--set", "UpDown7=1", "--set", "CheckBox22=1", "--set", "UpDown10=6", "--start", "01.01.2018"}
                             << QStringLiteral("{\"candidates\":1000,\"end\":\"budget\",\"rows\":[null,null,null,null,null,null,null,null,null,null,null,null],\"status\":\"Ändern Sie die Parameter um 12 Tipps zuberechnen\"}");
        // clang-format on
    }
    void sheets()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, output);
        const QStringList classic{QStringLiteral("--game"), QStringLiteral("classic"),
                                  QStringLiteral("generate")};
        QCOMPARE(QString::fromUtf8(run(classic + arguments)), output);
    }
};

QTEST_GUILESS_MAIN(TestPinnedSheets)
#include "TestPinnedSheets.moc"
