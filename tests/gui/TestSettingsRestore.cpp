#include "draws/DrawDate.h"
#include "gui/LottoZahlen.h"
#include "session/SettingsStore.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

// The real window against a settings file in a temporary configuration folder.
class TestSettingsRestore : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_config;
    QTemporaryDir m_home;
    int m_lookups = 0;

    static SettingsStore store() { return SettingsStore(SettingsStore::defaultFilePath()); }

    std::unique_ptr<LottoZahlen> startWindow()
    {
        auto window =
            std::make_unique<LottoZahlen>(LottoZahlen::Options{m_home.path() + QLatin1Char('/'), false});
        window->lookupAction = [this] { ++m_lookups; };
        window->frequencyAction = {};
        window->show();
        window->startUp();
        return window;
    }
    template <typename T> static T* find(LottoZahlen& w, const QString& name)
    {
        auto* c = w.control<T>(name);
        if (!c)
            qFatal("missing control %s", qPrintable(name));
        return c;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_config.isValid());
        qputenv("XDG_CONFIG_HOME", m_config.path().toLocal8Bit());
        QVERIFY(SettingsStore::defaultFilePath().startsWith(m_config.path()));
    }
    void init()
    {
        QFile::remove(SettingsStore::defaultFilePath());
        m_lookups = 0;
    }

    void unreadableValueSkipsTheRestOfItsGroupOnly()
    {
        SettingsStore s = store();
        for (int n = 1; n <= 4; ++n)
            s.writeBool(QStringLiteral("Chekcbox%1").arg(n), n <= 2); // designed: 1, 2 off; 3, 4 on
        s.writeText(QStringLiteral("Chekcbox5"), QStringLiteral("true"));
        s.writeBool(QStringLiteral("Chekcbox6"), true);
        s.writeInteger(QStringLiteral("Spiel77Ja"), 1);
        s.writeInteger(QStringLiteral("height"), 900);
        s.writeInteger(QStringLiteral("UpDown7"), 300);
        s.writeInteger(QStringLiteral("UpDown8"), 9);
        s.writeInteger(QStringLiteral("UpDown12"), 500); // clamped to 75
        s.writeText(QStringLiteral("Edit1"), QStringLiteral("07"));
        s.writeText(QStringLiteral("Edit2"), QStringLiteral("53")); // no game has 53
        s.writeText(QStringLiteral("Edit3"), QStringLiteral("x"));
        s.writeText(QStringLiteral("Edit107"), QStringLiteral("49"));
        s.writeText(QStringLiteral("Edit36"), QStringLiteral("6"));
        s.commit();

        auto w = startWindow();
        const Session& session = w->session();
        QCOMPARE(session.options.pairs.frequent, true);
        QCOMPARE(session.options.preferFrequent.on, true);
        QCOMPARE(session.options.overlapWithSheet.maxOn, false);
        QCOMPARE(session.options.sharedWithDraw[0].on, false);
        QCOMPARE(session.options.sharedWithDraw[1].on, true); // designed state kept
        QCOMPARE(session.options.triples.frequent, false);    // skipped
        QCOMPARE(session.compareTicket, 0);
        QVERIFY(w->height() != 900);

        QCOMPARE(session.options.budgetThousands, 300);
        QCOMPARE(session.options.budget(), 300000);
        QCOMPARE(session.options.preferFrequent.percent, 75);
        QCOMPARE(session.options.notInDatabase.hits, 6);
        QCOMPARE(find<QLineEdit>(*w, QStringLiteral("Edit36"))->text(), QStringLiteral("6"));
        QCOMPARE(find<QSpinBox>(*w, QStringLiteral("UpDown12"))->value(), 75);
        QVERIFY(find<QCheckBox>(*w, QStringLiteral("CheckBox1"))->isChecked());
        QVERIFY(!find<QCheckBox>(*w, QStringLiteral("CheckBox6"))->isChecked());
        QCOMPARE(session.sheet.tipCount, 9);
        QCOMPARE(find<QSpinBox>(*w, QStringLiteral("UpDown8"))->value(), 9);
        QCOMPARE(session.sheet.cells[0], (TipSheet::Row{7, 0, 0, 0, 0, 0, 0}));
        QCOMPARE(find<QLineEdit>(*w, QStringLiteral("Edit1"))->text(), QStringLiteral("7"));
        QCOMPARE(find<QLineEdit>(*w, QStringLiteral("Edit2"))->text(), QString());
        QCOMPARE(find<QLineEdit>(*w, QStringLiteral("Edit107"))->text(), QStringLiteral("49"));
    }

    void storedHeightScalesThePagesAndMaximisedKeepsTheNormalSize()
    {
        int designedHeight = 0;
        double designedFont = 0;
        {
            LottoZahlen probe(LottoZahlen::Options{m_home.path() + QLatin1Char('/'), false});
            designedHeight = probe.height();
            designedFont = find<QTabWidget>(probe, QStringLiteral("PageControl1"))->font().pointSizeF();
        }
        // As large as the screen allows.
        const QSize screen = QGuiApplication::primaryScreen()->availableGeometry().size();
        const int height = std::min(2 * designedHeight, screen.height());
        const int width = screen.width();
        SettingsStore s = store();
        s.writeInteger(QStringLiteral("height"), height);
        s.writeInteger(QStringLiteral("width"), width);
        s.commit();
        QSize normal;
        {
            auto w = startWindow();
            QCOMPARE(w->height(), height);
            QCOMPARE(w->width(), width);
            QCOMPARE(find<QTabWidget>(*w, QStringLiteral("PageControl1"))->font().pointSizeF(),
                     designedFont * height / designedHeight);
            w->resize(w->width() - 20, w->height() - 20);
            normal = w->size();
            QVERIFY(w->close());
        }
        QCOMPARE(store().readInteger(QStringLiteral("height")), normal.height());
        QCOMPARE(store().readInteger(QStringLiteral("width")), normal.width());
        {
            auto w = startWindow();
            w->resize(normal.width() + 100, normal.height() + 100);
            w->showMaximized();
            QVERIFY(w->windowState() & Qt::WindowMaximized);
            QVERIFY(w->size() != normal);
            QVERIFY(w->close());
        }
        QCOMPARE(store().readInteger(QStringLiteral("height")), normal.height());
        QCOMPARE(store().readInteger(QStringLiteral("width")), normal.width());
    }

    void absurdStoredValuesAreClampedAndSaidOnce()
    {
        SettingsStore s = store();
        s.writeInteger(QStringLiteral("height"), 2147483647);
        s.writeInteger(QStringLiteral("width"), 2147483647);
        s.writeText(QStringLiteral("Losnummer"), QString(2 * 1024 * 1024, QLatin1Char('1')));
        s.commit();
        auto w = startWindow();
        const QSize screen = w->screen()->availableGeometry().size();
        QVERIFY(w->height() <= screen.height() && w->width() <= screen.width());
        QCOMPARE(w->session().ticketNumber.size(), StoredSettings::MaxTicketNumber);
        QVERIFY(find<QLabel>(*w, QStringLiteral("Losnummer"))->sizeHint().width() < screen.width());
        QCOMPARE(w->statusText(),
                 QStringLiteral(
                     "Gespeicherte Einstellungen angepasst oder zurückgesetzt: height, width, Losnummer"));
    }

    void damagedStoreFileIsSaidInTheStatusBar()
    {
        QFile file(SettingsStore::defaultFilePath());
        QVERIFY(QDir().mkpath(QFileInfo(file).absolutePath()));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("{ not json");
        file.close();
        auto w = startWindow();
        QVERIFY2(w->statusText().contains(QStringLiteral("beiseitegelegt")), qPrintable(w->statusText()));
        QVERIFY(w->statusText().contains(SettingsStore::defaultFilePath() + QStringLiteral(".corrupt-")));
    }

    void firstCloseWritesEveryValue()
    {
        {
            auto w = startWindow();
            QVERIFY(w->close());
        }
        const SettingsStore s = store();
        QCOMPARE(s.readBool(QStringLiteral("Chekcbox16")), true);
        QCOMPARE(s.readBool(QStringLiteral("Chekcbox31")), false);
        QCOMPARE(s.readText(QStringLiteral("Edit36")), QStringLiteral("5"));
        QCOMPARE(s.readText(QStringLiteral("Edit1")), QString());
        QCOMPARE(s.readInteger(QStringLiteral("UpDown8")), 6);
        QCOMPARE(s.readText(QStringLiteral("ProxyPortEdit")), QStringLiteral("80"));
        QCOMPARE(s.readText(QStringLiteral("Losnummer")), QString());
        QVERIFY(s.exists(QStringLiteral("DateTimePicker2")));
        QVERIFY(!s.exists(QStringLiteral("Chekcbox17")));
        // 33 check boxes, the size, the language, 21 up-downs, 85 edits, ticket, proxy pair, date, two flags
        int count = 0;
        for (const QString& name :
             QStringList{QStringLiteral("height"), QStringLiteral("width"), QStringLiteral("Sprache"),
                         QStringLiteral("Losnummer"), QStringLiteral("ProxyHostEdit"),
                         QStringLiteral("ProxyPortEdit"), QStringLiteral("DateTimePicker2"),
                         QStringLiteral("Spiel77Ja"), QStringLiteral("Super6Ja")})
            count += s.exists(name);
        for (int n = 1; n <= 35; ++n)
            count += s.exists(QStringLiteral("Chekcbox%1").arg(n));
        for (int n = 1; n <= 21; ++n)
            count += s.exists(QStringLiteral("UpDown%1").arg(n));
        for (int n = 1; n <= 107; ++n)
            count += s.exists(QStringLiteral("Edit%1").arg(n));
        QCOMPARE(count, 9 + 33 + 21 + 85);
    }

    void startDate_data()
    {
        const QDate today = QDate::currentDate();
        QTest::addColumn<QString>("stored"); // "" = absent, "text" = wrong type, else days before today
        QTest::addColumn<QDate>("expected");
        QTest::newRow("absent") << "" << QDate(2011, 5, 22);
        QTest::newRow("wrong type") << "text" << DrawDate::earliestPickerDate();
        QTest::newRow("six days ago") << "6" << DrawDate::earliestPickerDate();
        QTest::newRow("seven days ago") << "7" << today.addDays(-7);
        QTest::newRow("a year ago") << "365" << today.addDays(-365);
        QTest::newRow("before the earliest") << "20000" << DrawDate::earliestPickerDate();
    }
    void startDate()
    {
        QFETCH(QString, stored);
        QFETCH(QDate, expected);
        SettingsStore s = store();
        if (stored == QLatin1String("text"))
            s.writeText(QStringLiteral("DateTimePicker2"), QStringLiteral("01.01.2015"));
        else if (!stored.isEmpty())
            s.writeDate(QStringLiteral("DateTimePicker2"),
                        DrawDate::fromQDate(QDate::currentDate().addDays(-stored.toInt())));
        s.commit();
        auto w = startWindow();
        QCOMPARE(w->session().startDate, expected);
        QCOMPARE(find<QDateEdit>(*w, QStringLiteral("DateTimePicker2"))->date(), expected);
    }

    void ticketNumberOfWrongTypeDoesNotStopStartUp()
    {
        SettingsStore s = store();
        s.writeInteger(QStringLiteral("Losnummer"), 1234567);
        s.writeText(QStringLiteral("ProxyHostEdit"), QStringLiteral("proxy.example"));
        s.writeText(QStringLiteral("ProxyPortEdit"), QStringLiteral("3128"));
        s.commit();
        auto w = startWindow();
        QCOMPARE(w->session().ticketNumber, QString());
        QCOMPARE(find<QLabel>(*w, QStringLiteral("Losnummer"))->text(),
                 w->session().messages.text(Msg::TicketNumberQuestion));
        QCOMPARE(find<QLineEdit>(*w, QStringLiteral("ProxyHostEdit"))->text(),
                 QStringLiteral("proxy.example"));
        QCOMPARE(find<QLineEdit>(*w, QStringLiteral("ProxyPortEdit"))->text(), QStringLiteral("3128"));
        QCOMPARE(m_lookups, 1);
    }

    void closingAndRestartingBringsTheStateBack()
    {
        GeneratorOptions options;
        TipSheet sheet;
        {
            auto w = startWindow();
            Session& s = w->session();
            find<QCheckBox>(*w, QStringLiteral("CheckBox2"))->setChecked(true);
            find<QCheckBox>(*w, QStringLiteral("CheckBox18"))->setChecked(false);
            find<QCheckBox>(*w, QStringLiteral("CheckBox33"))->setChecked(true);
            find<QSpinBox>(*w, QStringLiteral("UpDown1"))->setValue(60);
            find<QSpinBox>(*w, QStringLiteral("UpDown21"))->setValue(250);
            find<QSpinBox>(*w, QStringLiteral("UpDown6"))->setValue(4);
            find<QSpinBox>(*w, QStringLiteral("UpDown7"))->setValue(1200);
            s.ticketNumber = QStringLiteral("1234567");
            w->refresh();
            const int tip[] = {3, 12, 17, 25, 33, 41, 48};
            for (int c = 0; c < 7; ++c) {
                find<QLineEdit>(*w, QStringLiteral("Edit%1").arg(c + 1))->setText(QString::number(tip[c]));
                find<QLineEdit>(*w, QStringLiteral("Edit%1").arg(101 + c))
                    ->setText(QString::number(tip[c] + 1));
            }
            find<QSpinBox>(*w, QStringLiteral("UpDown8"))->setValue(11);
            find<QLineEdit>(*w, QStringLiteral("ProxyHostEdit"))->setText(QStringLiteral("proxy.example"));
            find<QLineEdit>(*w, QStringLiteral("ProxyPortEdit"))->setText(QStringLiteral("8080"));
            find<QDateEdit>(*w, QStringLiteral("DateTimePicker2"))->setDate(QDate(2014, 3, 8));
            find<QCheckBox>(*w, QStringLiteral("CheckBox31"))->setChecked(true);
            find<QCheckBox>(*w, QStringLiteral("CheckBox16"))->setChecked(false);
            options = s.options;
            sheet = s.sheet;
            QVERIFY(w->close());
        }
        auto w = startWindow();
        const Session& s = w->session();
        QCOMPARE(s.options, options);
        QVERIFY(s.options.preferFrequent.on && !s.options.noRunsOfThree && s.options.bonusNumber.avoidRecent);
        QCOMPARE(s.options.notInDatabase.hits, 4);
        QCOMPARE(s.options.budget(), 1200000);
        QVERIFY(find<QCheckBox>(*w, QStringLiteral("CheckBox2"))->isChecked());
        QVERIFY(!find<QCheckBox>(*w, QStringLiteral("CheckBox18"))->isChecked());
        QCOMPARE(find<QSpinBox>(*w, QStringLiteral("UpDown21"))->value(), 250);
        QCOMPARE(find<QSpinBox>(*w, QStringLiteral("UpDown7"))->value(), 1200);
        QCOMPARE(s.sheet.cells, sheet.cells);
        QCOMPARE(s.sheet.tipCount, 11);
        QCOMPARE(s.ticketNumber, QStringLiteral("1234567"));
        QCOMPARE(s.proxyHost, QStringLiteral("proxy.example"));
        QCOMPARE(s.proxyPort, QStringLiteral("8080"));
        QCOMPARE(s.startDate, QDate(2014, 3, 8));
        QCOMPARE(s.mainDrawOnly, false);
        QCOMPARE(find<QLineEdit>(*w, QStringLiteral("Edit101"))->text(), QStringLiteral("4"));
        QCOMPARE(find<QSpinBox>(*w, QStringLiteral("UpDown8"))->value(), 11);
        QCOMPARE(find<QDateEdit>(*w, QStringLiteral("DateTimePicker2"))->date(), QDate(2014, 3, 8));
        QVERIFY(find<QCheckBox>(*w, QStringLiteral("CheckBox31"))->isChecked());
    }
};

QTEST_MAIN(TestSettingsRestore)
#include "TestSettingsRestore.moc"
