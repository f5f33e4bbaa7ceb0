#include "../draws/UpdateServer.h"
#include "draws/DrawDate.h"
#include "gui/LoEingab.h"
#include "gui/LottoZahlen.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>

namespace {

QDate d(const char* text)
{
    return DrawDate::parse(QLatin1String(text));
}

DrawRecord draw(const char* date, std::array<std::uint8_t, 7> numbers, std::uint8_t bonus)
{
    DrawRecord r;
    r.datum = DrawDate::fromQDate(d(date));
    r.zahlen = numbers;
    r.bonus = bonus;
    return r;
}

const std::vector<DrawRecord> kStored{
    draw("27.12.2019", {3, 9, 14, 20, 33, 41, 44}, 5),
    draw("03.01.2020", {8, 18, 20, 24, 31, 37, 39}, 34),
    draw("03.01.2020", {1, 3, 8, 9, 15, 31, 36}, 0),
};

// Runs `check` once the entry dialog is on screen.
void whenEntryDialogShows(std::function<void(LoEingab&)> check)
{
    QTimer::singleShot(0, [check] {
        auto* dialog = qobject_cast<LoEingab*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        check(*dialog);
    });
}

QSpinBox* spin(QWidget& parent, int index)
{
    return parent.findChild<QSpinBox*>(QStringLiteral("UpDown%1").arg(index));
}

} // namespace

class TestDrawMaintenanceWindow : public QObject
{
    Q_OBJECT

    QTemporaryDir m_home;
    std::unique_ptr<LottoZahlen> m_window;

    LottoZahlen& window() { return *m_window; }
    template <typename T = QAbstractButton> T* control(const char* name)
    {
        return window().control<T>(QLatin1String(name));
    }
    std::vector<DrawRecord> stored() { return window().session().drawFile().readAll(); }

private slots:
    void init()
    {
        qputenv("XDG_RUNTIME_DIR", QByteArray(m_home.path().toUtf8()));
        const QString home = m_home.path() + QLatin1Char('/');
        QFile::remove(home + QLatin1String(DrawFile::DefaultName));
        DrawFile(home + QLatin1String(DrawFile::DefaultName)).replaceAll(kStored);
        m_window = std::make_unique<LottoZahlen>(LottoZahlen::Options{home, false});
        Session& s = window().session();
        s.today = d("18.01.2020");
        s.gameRules = GameRules::Classic;
        s.setSelectedDate(d("03.01.2020"));
        window().lookupAction();
    }
    void cleanup() { m_window.reset(); }

    void updateShowsProgressAndStops()
    {
        UpdateServer server(
            {{QStringLiteral("20200110"),
              UpdateServer::answer(200, QStringLiteral("x,10,13,14,24,28,47,48,12,0471126;"))},
             {QStringLiteral("20200117"), UpdateServer::answer(200, QString(), 20)}});
        Session& s = window().session();
        s.updateServer = server.url();
        window().refresh();
        auto* stop = control("SpeedButton8");
        auto* menu = window().findChild<QAction*>(QStringLiteral("Aktualisieren1"));
        auto* generate = window().findChild<QAction*>(QStringLiteral("Berechnen1"));
        QVERIFY(stop->isHidden());

        // Once the second request hangs, look at the window, try a second start, then stop.
        QStringList seen;
        QTimer poll;
        int rounds = 0;
        poll.setInterval(50);
        connect(&poll, &QTimer::timeout, [&] {
            if (server.requestedDates().size() < 2 && ++rounds < 200)
                return;
            poll.stop();
            seen << window().progressText() << window().statusText() << window().drawLine();
            seen << QString::number(control("BitBtn1")->isEnabled())
                 << QString::number(control("SpeedButton10")->isEnabled())
                 << QString::number(menu->isEnabled()) << QString::number(generate->isEnabled())
                 << QString::number(!stop->isHidden() && stop->isEnabled());
            menu->trigger();
            QTest::mouseClick(stop, Qt::LeftButton);
        });
        poll.start();
        QElapsedTimer clock;
        clock.start();
        QTest::mouseClick(control("BitBtn1"), Qt::LeftButton);
        QVERIFY(clock.elapsed() < 10000);

        QCOMPARE(seen, (QStringList{QStringLiteral("Loading"), QStringLiteral("17.01.2020"),
                                    DrawDate::shortDayLine(DrawDate::fromQDate(d("10.01.2020"))) +
                                        QStringLiteral(" 00:00     10  13  14  24  28  47  48  12  B: 12"),
                                    "0", "0", "0", "0", "1"}));
        QCOMPARE(server.requestedDates(),
                 (QStringList{QStringLiteral("20200110"), QStringLiteral("20200117")}));
        QCOMPARE(stored().size(), 4u);
        QVERIFY(control("BitBtn1")->isEnabled() && control("SpeedButton10")->isEnabled() &&
                menu->isEnabled() && generate->isEnabled());
        QVERIFY(stop->isHidden());
        QVERIFY(!s.busy);
        // The end looks up the newest draw.
        QCOMPARE(DrawDate::toQDate(s.current.date), d("10.01.2020"));
        QVERIFY(control<QLabel>("Label35")->text().contains(QLatin1String("10.01.20")));
    }

    void unusableProxyPortLeavesTheButtonsUsable()
    {
        UpdateServer server({});
        Session& s = window().session();
        s.updateServer = server.url();
        s.proxyHost = QStringLiteral("127.0.0.1");
        s.proxyPort = QStringLiteral("acht");
        window().prompts().nextAnswers = {QStringLiteral("ok")};
        control("SpeedButton10")->click();
        QCOMPARE(window().prompts().shown.last(),
                 QStringLiteral("Der Proxy-Port \"acht\" ist keine ganze Zahl von 1 bis 65535."));
        QVERIFY(control("BitBtn1")->isEnabled() && control("SpeedButton10")->isEnabled());
        QVERIFY(control("SpeedButton8")->isHidden());
        QVERIFY(server.requests().isEmpty());
    }

    void unreadableAnswerIsShown()
    {
        UpdateServer server(
            {{QStringLiteral("20200110"), UpdateServer::answer(200, QStringLiteral("Wartung bis 18 Uhr"))}});
        window().session().updateServer = server.url();
        window().prompts().nextAnswers = {QStringLiteral("ok")};
        window().findChild<QAction*>(QStringLiteral("Aktualisieren1"))->trigger();
        QVERIFY(window().prompts().shown.last().endsWith(QLatin1String("Wartung bis 18 Uhr")));
        QCOMPARE(stored(), kStored);
        QVERIFY(control("BitBtn1")->isEnabled());
    }

    void entryStoresTheTypedDrawSorted()
    {
        QPointer<LoEingab> first;
        QStringList problems;
        whenEntryDialogShows([&](LoEingab& dialog) {
            first = &dialog;
            // Prefilled from the draw of the selected date; its bonus field is visible.
            QCOMPARE(dialog.value(), DrawEntryValue::of(kStored[1]));
            QVERIFY(spin(dialog, 8)->isVisibleTo(&dialog));
            QVERIFY(!dialog.findChild<QLineEdit*>(QStringLiteral("S77_1"))->isVisibleTo(&dialog));
            QCOMPARE(dialog.findChild<QLineEdit*>(QStringLiteral("Edit8"))->text(), QStringLiteral("34"));
            // The range follows the game of the date (classic keeps 1..49).
            QCOMPARE(spin(dialog, 1)->maximum(), 49);
            dialog.findChild<QDateEdit*>(QStringLiteral("DateTimePicker1"))->setDate(d("10.01.2020"));
            const int typed[] = {40, 3, 17, 9, 1, 25, 11};
            for (int i = 0; i < 7; ++i) {
                auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("Edit%1").arg(i + 1));
                edit->selectAll();
                QTest::keyClicks(edit, QString::number(typed[i]));
            }
            // A letter is no number: the field keeps its value.
            auto* bonus = dialog.findChild<QLineEdit*>(QStringLiteral("Edit8"));
            bonus->selectAll();
            QTest::keyClicks(bonus, QStringLiteral("33x"));
            QCOMPARE(spin(dialog, 8)->value(), 33);
            dialog.findChild<QPushButton*>(QStringLiteral("BitBtn2"))->click();
        });
        control("BitBtn8")->click();
        QVERIFY(first.isNull()); // gone with the entry
        auto records = stored();
        QCOMPARE(records.size(), 4u);
        QCOMPARE(records[3], draw("10.01.2020", {1, 3, 9, 11, 17, 25, 40}, 33));
        // The draw of the remembered date is shown again.
        QCOMPARE(DrawDate::toQDate(window().session().current.date), d("03.01.2020"));

        // Stored without bonus on purpose, replacing both records of 03.01.2020.
        whenEntryDialogShows([&](LoEingab& dialog) {
            QVERIFY(&dialog != first.data());
            dialog.findChild<QCheckBox*>(QStringLiteral("CheckBox1"))->setChecked(true);
            QVERIFY(!spin(dialog, 8)->isEnabled());
            dialog.accept();
        });
        control("BitBtn8")->click();
        records = stored();
        QCOMPARE(records.size(), 3u);
        QCOMPARE(records[1], draw("03.01.2020", {8, 18, 20, 24, 31, 37, 39}, 0));
        QVERIFY(window().prompts().shown.isEmpty());
    }

    void firstDrawIntoAnEmptyFile()
    {
        window().session().drawFile().replaceAll({});
        window().prompts().nextAnswers = {QStringLiteral("ok")};
        whenEntryDialogShows([](LoEingab& dialog) {
            QCOMPARE(dialog.value().date, d("03.01.2020"));
            QCOMPARE(dialog.findChild<QLineEdit*>(QStringLiteral("Edit1"))->text(), QStringLiteral("–"));
            QVERIFY(!dialog.findChild<QCheckBox*>(QStringLiteral("CheckBox1"))->isChecked());
            // OK with empty fields is refused and the dialog stays.
            dialog.accept();
            QVERIFY(dialog.isVisible());
            for (int i = 1; i <= 8; ++i)
                spin(dialog, i)->setValue(i * 5);
            dialog.accept();
        });
        control("BitBtn8")->click();
        QCOMPARE(window().prompts().shown.size(), 1);
        QCOMPARE(stored(), std::vector{draw("03.01.2020", {5, 10, 15, 20, 25, 30, 35}, 40)});
        QVERIFY(window().drawLine().contains(QLatin1String("03.01.20")));
    }

    void deletionRemovesEveryRecordOfTheShownDate()
    {
        control("BitBtn6")->click();
        QCOMPARE(stored(), std::vector{kStored[0]});
        QCOMPARE(DrawDate::toQDate(window().session().current.date), d("27.12.2019"));
    }
};

QTEST_MAIN(TestDrawMaintenanceWindow)
#include "TestDrawMaintenanceWindow.moc"
