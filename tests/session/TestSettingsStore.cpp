#include "draws/DrawDate.h"
#include "draws/Error.h"
#include "session/Session.h"
#include "session/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/resource.h>
#endif

class TestSettingsStore : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString path(const QString& name = QStringLiteral("Korvex.json")) const { return m_dir.filePath(name); }
    static QByteArray fileBytes(const QString& p)
    {
        QFile f(p);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static void writeBytes(const QString& p, const QByteArray& bytes)
    {
        QFile f(p);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

private slots:
    void init() { QFile::remove(path()); }

    void typedValuesSurviveReopening()
    {
        {
            SettingsStore store(path());
            store.writeBool(QStringLiteral("Chekcbox1"), true);
            store.writeBool(QStringLiteral("Chekcbox2"), false);
            store.writeInteger(QStringLiteral("UpDown7"), -30000);
            store.writeText(QStringLiteral("Losnummer"), QString::fromUtf8("12 34 \x22\xc3\x9f\x5c"));
            store.writeDate(QStringLiteral("DateTimePicker2"), DrawDate::fromQDate(QDate(2011, 5, 22)));
            store.commit();
        }
        const SettingsStore store(path());
        QVERIFY(store.readBool(QStringLiteral("Chekcbox1")));
        QVERIFY(!store.readBool(QStringLiteral("Chekcbox2")));
        QCOMPARE(store.readInteger(QStringLiteral("UpDown7")), -30000);
        QCOMPARE(store.readText(QStringLiteral("Losnummer")), QString::fromUtf8("12 34 \x22\xc3\x9f\x5c"));
        QCOMPARE(DrawDate::toQDate(store.readDate(QStringLiteral("DateTimePicker2"))), QDate(2011, 5, 22));
        QCOMPARE(store.value(QStringLiteral("DateTimePicker2")).bytes.size(), 8);
        QVERIFY(!store.exists(QStringLiteral("Sprache")));
        // A boolean is an integer: any value other than 0 reads as true.
        SettingsStore memory;
        memory.writeInteger(QStringLiteral("b"), 7);
        QVERIFY(memory.readBool(QStringLiteral("b")));
    }

    void readingAnotherTypeFails_data()
    {
        QTest::addColumn<QByteArray>("entry");
        QTest::addColumn<QString>("readAs");
        QTest::newRow("text as boolean") << QByteArray(R"({"type":"text","value":"1"})") << "bool";
        QTest::newRow("text as integer") << QByteArray(R"({"type":"text","value":"1"})") << "int";
        QTest::newRow("integer as text") << QByteArray(R"({"type":"integer","value":1})") << "text";
        QTest::newRow("integer as date") << QByteArray(R"({"type":"integer","value":40000})") << "date";
        QTest::newRow("date as integer")
            << QByteArray(R"({"type":"binary","value":"0000000000d8e340"})") << "int";
        QTest::newRow("four bytes as date")
            << QByteArray(R"({"type":"binary","value":"00000000"})") << "date";
        QTest::newRow("NaN as date") << QByteArray(R"({"type":"binary","value":"000000000000f87f"})")
                                     << "date";
        QTest::newRow("fraction as integer") << QByteArray(R"({"type":"integer","value":1.5})") << "int";
        QTest::newRow("unknown type") << QByteArray(R"({"type":"qword","value":1})") << "int";
    }
    void readingAnotherTypeFails()
    {
        QFETCH(QByteArray, entry);
        QFETCH(QString, readAs);
        writeBytes(path(),
                   "\x7b\"values\":\x7b\"v\":" + entry + R"(,"ok":{"type":"integer","value":3}})" + "\x7d");
        const SettingsStore store(path());
        QVERIFY(store.keptAsidePath().isEmpty());
        QCOMPARE(store.readInteger(QStringLiteral("ok")), 3);
        const QString v = QStringLiteral("v");
        bool failed = false;
        try {
            if (readAs == QLatin1String("bool"))
                store.readBool(v);
            else if (readAs == QLatin1String("int"))
                store.readInteger(v);
            else if (readAs == QLatin1String("text"))
                store.readText(v);
            else
                store.readDate(v);
        } catch (const SettingsStore::ReadError&) {
            failed = true;
        }
        QVERIFY(failed);
    }

    void unparsableFileIsKeptAsideAndStoreStartsEmpty_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("garbage") << QByteArray("\x00\x01garbage\x7b", 10);
        QTest::newRow("truncated") << QByteArray(
            "\x7b\"values\":\x7b\"Chekcbox1\":\x7b\"type\":\"integer\",\"val");
        QTest::newRow("empty file") << QByteArray();
        QTest::newRow("no values") << QByteArray(R"([1,2,3])");
    }
    void unparsableFileIsKeptAsideAndStoreStartsEmpty()
    {
        QFETCH(QByteArray, content);
        writeBytes(path(), content);
        {
            const SettingsStore readOnly(path(), SettingsStore::Mode::ReadOnly);
            QVERIFY(readOnly.isEmpty());
            QCOMPARE(fileBytes(path()), content); // a reader never moves the user's file
        }
        SettingsStore store(path());
        QVERIFY(store.isEmpty());
        QVERIFY(!QFile::exists(path()));
        QVERIFY(store.keptAsidePath().startsWith(path() + QStringLiteral(".corrupt-")));
        QCOMPARE(fileBytes(store.keptAsidePath()), content);

        store.writeInteger(QStringLiteral("Sprache"), 1);
        store.commit();
        QCOMPARE(SettingsStore(path()).readInteger(QStringLiteral("Sprache")), 1);
        QCOMPARE(fileBytes(store.keptAsidePath()), content);
        QFile::remove(store.keptAsidePath());
    }

    void commitReplacesTheFileWholeOrNotAtAll()
    {
        {
            SettingsStore store(path());
            store.writeText(QStringLiteral("Losnummer"), QStringLiteral("old"));
            store.commit();
        }
        {
            SettingsStore store(path());
            store.writeText(QStringLiteral("Losnummer"), QStringLiteral("new"));
            store.commit();
        }
        QCOMPARE(SettingsStore(path()).readText(QStringLiteral("Losnummer")), QStringLiteral("new"));
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("Korvex.json")});

#ifdef Q_OS_LINUX
        // A full disk: writes beyond a few bytes fail. The old file must stay as it was.
        {
            SettingsStore store(path());
            for (int i = 0; i < 200; ++i)
                store.writeText(QStringLiteral("Edit%1").arg(i), QStringLiteral("48"));
            const QByteArray good = fileBytes(path());
            std::signal(SIGXFSZ, SIG_IGN);
            rlimit old{};
            getrlimit(RLIMIT_FSIZE, &old);
            rlimit tiny = old;
            tiny.rlim_cur = 64;
            setrlimit(RLIMIT_FSIZE, &tiny);
            bool threw = false;
            try {
                store.commit();
            } catch (const FileError&) {
                threw = true;
            }
            setrlimit(RLIMIT_FSIZE, &old);
            QVERIFY(threw);
            QCOMPARE(fileBytes(path()), good);
            QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("Korvex.json")});
        }
#endif

        // A folder that cannot be made fails loudly instead of pretending to have saved.
        writeBytes(path(QStringLiteral("plainfile")), "x");
        SettingsStore blocked(path(QStringLiteral("plainfile/sub/Korvex.json")));
        blocked.writeInteger(QStringLiteral("x"), 1);
        QVERIFY_THROWS_EXCEPTION(FileError, blocked.commit());
    }

    void sessionSurvivesSaveAndRestore()
    {
        Session saved;
        saved.today = QDate(2021, 6, 20);
        saved.ticketNumber = QStringLiteral("1234567");
        saved.mainDrawOnly = false;
        saved.options.preferFrequent.on = true;
        saved.options.preferRare.on = false;
        saved.options.budgetThousands = 300;
        saved.options.notInDatabase.hits = 6;
        saved.options.lastDrawsLong.draws = 250;
        saved.sheet.cells[0] = {3, 12, 17, 25, 33, 41, 48};
        saved.sheet.cells[11] = {1, 2, 3, 4, 5, 6, 49};
        saved.sheet.tipCount = 11;
        saved.proxyHost = QStringLiteral("proxy.local");
        saved.proxyPort = QStringLiteral("3128");
        saved.startDate = QDate(2015, 1, 3);
        saved.language = 2;
        saved.compareTicket = 1;
        saved.gameRules = GameRules::Classic;
        SettingsStore store(path());
        StoredSettings::save(store, saved, {});

        Session restored;
        restored.today = saved.today;
        StoredSettings::restoreAll(SettingsStore(path(), SettingsStore::Mode::ReadOnly), restored);
        QCOMPARE(restored.options, saved.options);
        QCOMPARE(restored.sheet, saved.sheet);
        QCOMPARE(restored.ticketNumber, saved.ticketNumber);
        QCOMPARE(restored.mainDrawOnly, false);
        QCOMPARE(restored.proxyHost, saved.proxyHost);
        QCOMPARE(restored.proxyPort, saved.proxyPort);
        QCOMPARE(restored.startDate, saved.startDate);
        QCOMPARE(restored.language, 2);
        QCOMPARE(restored.compareTicket, 1);
        QCOMPARE(restored.gameRules, GameRules::Classic);
        QCOMPARE(store.readInteger(QStringLiteral("Spielregeln")), 1);
        QCOMPARE(restored.options.budget(), 300000);
        QCOMPARE(store.readText(QStringLiteral("Edit36")), QStringLiteral("6"));
        QCOMPARE(store.readText(QStringLiteral("Edit2")), QStringLiteral("12"));
        QCOMPARE(store.readText(QStringLiteral("Edit8")), QString());
        QVERIFY(!store.exists(QStringLiteral("Chekcbox17")));
        QVERIFY(!store.exists(QStringLiteral("height")));
    }

    void unknownGameRulesKeepTheDefault()
    {
        for (int stored : {2, -1}) {
            SettingsStore store;
            store.writeInteger(QStringLiteral("Spielregeln"), stored);
            Session s;
            StoredSettings::restoreGameRules(store, s);
            QCOMPARE(s.gameRules, GameRules::AsPlayed);
        }
        SettingsStore wrongType;
        wrongType.writeText(QStringLiteral("Spielregeln"), QStringLiteral("1"));
        Session s;
        StoredSettings::restoreGameRules(wrongType, s);
        QCOMPARE(s.gameRules, GameRules::AsPlayed);
    }

    // Each value as a text, to compare whatever field it lands in.
    static QString restoredText(const Session& s, const QString& name)
    {
        if (name == QLatin1String("Losnummer"))
            return s.ticketNumber;
        if (name == QLatin1String("ProxyHostEdit"))
            return s.proxyHost;
        if (name == QLatin1String("ProxyPortEdit"))
            return s.proxyPort;
        if (name == QLatin1String("Sprache"))
            return QString::number(s.language);
        if (name == QLatin1String("Spiel77Ja"))
            return QString::number(s.compareTicket);
        if (name == QLatin1String("UpDown8"))
            return QString::number(s.sheet.tipCount);
        if (name == QLatin1String("Edit1"))
            return QString::number(s.sheet.cells[0][0]);
        return QString::number(s.options.get(name).value_or(-1));
    }

    void storedValuesAreKeptWithinWhatTheProgramShows_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QVariant>("stored"); // int or QString
        QTest::addColumn<QString>("restored");
        QTest::addColumn<bool>("noted");
        const QString huge(2 * 1024 * 1024, QLatin1Char('7'));
        // clang-format off
        QTest::addRow("2 MB ticket number") << "Losnummer" << QVariant(huge) << QString(40, QLatin1Char('7')) << true;
        QTest::addRow("long proxy host")    << "ProxyHostEdit" << QVariant(QString(1000, QLatin1Char('h')))
                                            << QString(255, QLatin1Char('h')) << true;
        QTest::addRow("long proxy port")    << "ProxyPortEdit" << QVariant(QStringLiteral("808080808080")) << "80808" << true;
        QTest::addRow("long tip cell text") << "Edit1" << QVariant(QStringLiteral("0000000000000000000000007")) << "0" << true;
        QTest::addRow("no such language")   << "Sprache" << QVariant(9) << "9" << false;
        QTest::addRow("negative language")  << "Sprache" << QVariant(-5) << "-5" << false;
        QTest::addRow("ticket comparison")  << "Spiel77Ja" << QVariant(7) << "1" << true;
        QTest::addRow("tip count")          << "UpDown8" << QVariant(-2147483647 - 1) << "1" << true;
        QTest::addRow("option above range") << "UpDown12" << QVariant(500) << "75" << true;
        QTest::addRow("wrong type")         << "UpDown12" << QVariant(QStringLiteral("50")) << "30" << true;
        QTest::addRow("sane ticket number") << "Losnummer" << QVariant(QStringLiteral("1234567")) << "1234567" << false;
        QTest::addRow("sane option")        << "UpDown12" << QVariant(40) << "40" << false;
        // clang-format on
    }
    void storedValuesAreKeptWithinWhatTheProgramShows()
    {
        QFETCH(QString, name);
        QFETCH(QVariant, stored);
        QFETCH(QString, restored);
        QFETCH(bool, noted);
        SettingsStore store;
        if (stored.typeId() == QMetaType::Int)
            store.writeInteger(name, stored.toInt());
        else
            store.writeText(name, stored.toString());
        Session s;
        // The steps alone: start-up's own rules (no proxy host means port 80) come after them.
        const QStringList notes = StoredSettings::restoreGroup1(store, s) +
                                  StoredSettings::restoreGroup2(store, s) +
                                  StoredSettings::restoreTicketNumber(store, s) +
                                  StoredSettings::restoreProxyAndStartDate(store, s);
        QCOMPARE(restoredText(s, name), restored);
        QCOMPARE(notes, noted ? QStringList{name} : QStringList{});
    }
};

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "TestSettingsStore.moc"
