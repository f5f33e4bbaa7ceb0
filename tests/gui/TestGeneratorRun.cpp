#include "../generator/GeneratorFixture.h"
#include "gui/LottoZahlen.h"
#include "gui/Zahlenwahl.h"

#include <QAction>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

class TestGeneratorRun : public QObject
{
    Q_OBJECT

    QTemporaryDir m_home;
    std::unique_ptr<LottoZahlen> m_window;

    LottoZahlen& window() { return *m_window; }
    QPushButton* runButton() { return window().control<QPushButton>(QStringLiteral("BitBtn4")); }
    QSpinBox* spin(const char* name) { return window().control<QSpinBox>(QLatin1String(name)); }

private slots:
    void init()
    {
        qputenv("XDG_RUNTIME_DIR", QByteArray(m_home.path().toUtf8()));
        const QString home = m_home.path() + QLatin1Char('/');
        DrawFile(home + QLatin1String(DrawFile::DefaultName))
            .replaceAll(Fixture::weeklyDraws(300, QDate(2024, 6, 1)));
        m_window = std::make_unique<LottoZahlen>(LottoZahlen::Options{home, false});
        window().session().sheetSettled = true;
        window().session().setSelectedDate(QDate(2024, 6, 1));
        window().refresh();
    }
    void cleanup() { m_window.reset(); }

    void optionsShowTheirDefaultsAndCopyChanges()
    {
        const GeneratorOptions defaults;
        for (const auto& f : GeneratorOptions::fields()) {
            switch (f.kind) {
            case GeneratorOptions::Kind::Flag: {
                auto* box = window().control<QCheckBox>(QLatin1String(f.control));
                QVERIFY2(box, f.control);
                QCOMPARE(int(box->isChecked()), defaults.get(f));
                break;
            }
            case GeneratorOptions::Kind::Choice:
                QVERIFY(window().control<QGroupBox>(QLatin1String(f.control)));
                break;
            case GeneratorOptions::Kind::Number: {
                auto* s = window().control<QSpinBox>(QLatin1String(f.control));
                QVERIFY2(s, f.control);
                QCOMPARE(s->value(), defaults.get(f));
                auto* edit = window().control<QLineEdit>(QLatin1String(f.edit));
                QVERIFY2(edit, f.edit);
                QCOMPARE(edit->text(), QString::number(defaults.get(f)));
                break;
            }
            }
        }
        for (const char* name :
             {"SpeedButton17", "SpeedButton21", "SpeedButton22", "SpeedButton23", "SpeedButton24",
              "SpeedButton25", "SpeedButton26", "SpeedButton27", "SpeedButton28", "SpeedButton29",
              "SpeedButton31", "SpeedButton32", "Label88",       "Label89",       "Label90",
              "Label91",       "PageControl2",  "TabSheet2",     "TabSheet7",     "TabSheet8",
              "TabSheet9",     "TabSheet10"})
            QVERIFY2(window().findChild<QWidget*>(QLatin1String(name)), name);

        Session& s = window().session();
        spin("UpDown7")->setValue(7);
        QCOMPARE(s.options.budgetThousands, 7);
        QCOMPARE(s.options.budget(), 7000);
        window().control<QCheckBox>(QStringLiteral("CheckBox8"))->setChecked(true);
        QVERIFY(s.options.forcePair);

        spin("UpDown16")->setValue(4);
        QCOMPARE(spin("UpDown15")->maximum(), 2);
        spin("UpDown3")->setValue(1);
        QCOMPARE(spin("UpDown9")->maximum(), 1);
        spin("UpDown3")->setValue(3);
        spin("UpDown9")->setValue(2);
        QCOMPARE(spin("UpDown3")->minimum(), 2);

        s.options.preferOverdue.percent = 55; // a change in the session shows after the next action
        window().refresh();
        QCOMPARE(spin("UpDown13")->value(), 55);
    }

    void runLeavesLockedRowsAndRepeatsWithTheSeed()
    {
        Session& s = window().session();
        s.sheet.cells[1] = {3, 9, 14, 20, 33, 41, 44};
        s.sheet.locked[1] = true;
        window().refresh();
        s.random.seed = 4711;
        QTest::mouseClick(runButton(), Qt::LeftButton);
        QCOMPARE(runButton()->text(), QStringLiteral("Tipps &berechnen"));
        QCOMPARE(window().statusText(), QStringLiteral("Tipps wurden neu berechnet"));
        QCOMPARE(s.sheet.cells[1], (TipSheet::Row{3, 9, 14, 20, 33, 41, 44}));
        for (int r = 0; r < TipSheet::Rows; ++r)
            QCOMPARE(s.sheet.rowComplete(r), r < 6);
        QCOMPARE(window().control<QLineEdit>(QStringLiteral("Edit8"))->text(), QStringLiteral("3"));

        const auto first = s.sheet.cells;
        s.random.seed = 4711;
        window().findChild<QAction*>(QStringLiteral("Berechnen1"))->trigger();
        QCOMPARE(s.sheet.cells, first);
    }

    void secondClickStopsTheRun()
    {
        Session& s = window().session();
        s.options.budgetThousands = 30000; // 30 million candidates, and no cross sum passes
        s.options.crossSum.min = 279;
        s.options.crossSum.max = 21;
        window().refresh();
        QString captionWhileRunning, statusWhileRunning, captionAfterStop;
        bool clearLiveWhileRunning = true;
        auto* clear = window().control<QAbstractButton>(QStringLiteral("SpeedButton11"));
        QTimer::singleShot(200, &window(), [&] {
            clearLiveWhileRunning = clear->isEnabled();
            captionWhileRunning = runButton()->text();
            statusWhileRunning = window().statusText();
            window().findChild<QAction*>(QStringLiteral("Berechnen1"))->trigger(); // Ctrl+R
            captionAfterStop = runButton()->text();
        });
        QElapsedTimer timer;
        timer.start();
        QTest::mouseClick(runButton(), Qt::LeftButton);
        QVERIFY(timer.elapsed() < 2500);
        QCOMPARE(captionWhileRunning, QStringLiteral("Stoppen"));
        QVERIFY2(statusWhileRunning.startsWith(QStringLiteral("1.Tipp:  ")), qPrintable(statusWhileRunning));
        QCOMPARE(captionAfterStop, QString());
        QCOMPARE(runButton()->text(), QStringLiteral("Tipps &berechnen"));
        QCOMPARE(window().statusText(), QStringLiteral("Tipps wurden neu berechnet"));
        QVERIFY(!s.sheet.rowComplete(0));
        QVERIFY(!s.busy);
        QVERIFY(!clearLiveWhileRunning && clear->isEnabled());
    }

    // While a run handles events nothing may change the sheet, the draws or the options; every ending
    // gives the controls back. The review dialog is a moment inside the run to look at them.
    void busyWhileTheRunHandlesEvents_data()
    {
        QTest::addColumn<bool>("accept");
        QTest::addColumn<bool>("budgetRunsOut");
        QTest::addRow("completed") << true << false;
        QTest::addRow("budget used up") << true << true;
        QTest::addRow("review aborted") << false << false;
    }
    void busyWhileTheRunHandlesEvents()
    {
        QFETCH(bool, accept);
        QFETCH(bool, budgetRunsOut);
        Session& s = window().session();
        s.options.reviewPool = true;
        if (budgetRunsOut) {
            s.options.budgetThousands = 1;
            s.options.crossSum.min = 279;
            s.options.crossSum.max = 21;
        }
        window().refresh();
        const QStringList watched{"Edit1",        "SpeedButton11", "SpeedButton5",
                                  "SpeedButton6", "SpeedButton16", "CheckBox2",
                                  "UpDown7",      "Losnummer",     "Label28"};
        auto disabled = [&] {
            QStringList names;
            for (const QString& name : watched) {
                auto* w = window().findChild<QWidget*>(name);
                if (!w || !w->isEnabled())
                    names << name;
            }
            auto* update = window().findChild<QAction*>(QStringLiteral("Aktualisieren1"));
            if (!update->isEnabled())
                names << update->objectName();
            return names;
        };
        QStringList whileRunning;
        bool runButtonLive = false;
        QTimer::singleShot(0, &window(), [&] {
            whileRunning = disabled();
            runButtonLive = runButton()->isEnabled();
            if (accept)
                window().numberDialog().accept();
            else
                window().numberDialog().reject();
        });
        QVERIFY(disabled().isEmpty());
        QTest::mouseClick(runButton(), Qt::LeftButton);
        QCOMPARE(whileRunning, watched + QStringList{QStringLiteral("Aktualisieren1")});
        QVERIFY(runButtonLive);
        QCOMPARE(disabled(), QStringList());
        QVERIFY(!s.busy);
    }

    void abortedReviewEndsTheRun()
    {
        Session& s = window().session();
        s.options.reviewPool = true;
        window().refresh();
        bool shown = false;
        QTimer::singleShot(0, &window(), [&] {
            shown = window().numberDialog().isVisible();
            window().numberDialog().reject();
        });
        QTest::mouseClick(runButton(), Qt::LeftButton);
        QVERIFY(shown);
        QVERIFY(!s.sheet.rowComplete(0));
        QCOMPARE(runButton()->text(), QStringLiteral("Tipps &berechnen"));
        QVERIFY(s.sheetSettled && !s.busy);
    }
};

QTEST_MAIN(TestGeneratorRun)
#include "TestGeneratorRun.moc"
