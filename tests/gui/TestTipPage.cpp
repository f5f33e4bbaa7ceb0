#include "draws/DrawDate.h"
#include "gui/LottoZahlen.h"
#include "gui/TipPage.h"
#include "gui/Zahlenwahl.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

DrawRecord record(const QDate& date, std::array<int, 7> numbers, int bonus)
{
    DrawRecord r;
    r.datum = DrawDate::fromQDate(date);
    for (int k = 0; k < 7; ++k)
        r.zahlen[k] = std::uint8_t(numbers[k]);
    r.bonus = std::uint8_t(bonus);
    r.spiel77 = {1, 2, 3, 4, 5, 6, 7};
    return r;
}

} // namespace

// The tip page in the real main window over a draw file of three Friday draws; the newest is
// 1, 2, 3, 40, 41, 42, 43 with bonus 7.
class TestTipPage : public QObject
{
    Q_OBJECT

    QTemporaryDir m_home;
    std::unique_ptr<LottoZahlen> m_window;

    Session& session() { return m_window->session(); }
    QLineEdit* cell(int number) { return m_window->control<QLineEdit>(QStringLiteral("Edit%1").arg(number)); }
    QString text(const char* name) { return m_window->control<QLabel>(QLatin1String(name))->text(); }
    void click(const char* name)
    {
        auto* button = m_window->control<QAbstractButton>(QLatin1String(name));
        QVERIFY(button);
        button->click();
    }
    void type(int firstEdit, const QStringList& numbers)
    {
        for (int k = 0; k < numbers.size(); ++k) {
            QLineEdit* c = cell(firstEdit + k);
            c->setFocus(Qt::TabFocusReason);
            QTest::keyClicks(c, numbers[k]);
        }
        QTest::keyClick(cell(firstEdit + int(numbers.size()) - 1), Qt::Key_Tab);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_home.isValid());
        qputenv("XDG_RUNTIME_DIR", m_home.path().toUtf8());
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        DrawFile(m_home.filePath(QStringLiteral("ZahlenMax.dat")))
            .replaceAll({record({2024, 1, 5}, {10, 11, 12, 13, 14, 15, 16}, 17),
                         record({2024, 1, 12}, {20, 21, 22, 23, 24, 25, 26}, 27),
                         record({2024, 1, 19}, {1, 2, 3, 40, 41, 42, 43}, 7)});
    }

    void init()
    {
        m_window =
            std::make_unique<LottoZahlen>(LottoZahlen::Options{m_home.path() + QLatin1Char('/'), false});
        session().sheetSettled = true;
        session().mainDrawOnly = true;
        m_window->show();
        QApplication::setActiveWindow(m_window.get());
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        QVERIFY(m_window->lookupAction);
        m_window->lookupAction();
    }
    void cleanup() { m_window.reset(); }

    void typedTipIsSortedAndColoured()
    {
        QCOMPARE(text("Label35"), QStringLiteral("Fr 19.01.24    1  2  3  40  41  42  43"));
        QCOMPARE(text("Label13"), QStringLiteral("QS: 172"));

        type(8, {"30", "5", "7", "1", "49", "2", "40"});
        QCOMPARE(session().sheet.cells[1], (TipSheet::Row{1, 2, 5, 7, 30, 40, 49}));
        QStringList shown;
        for (int e = 8; e <= 14; ++e)
            shown << cell(e)->text();
        QCOMPARE(shown, (QStringList{"1", "2", "5", "7", "30", "40", "49"}));
        const QColor lime(0, 255, 0), yellow(255, 255, 0);
        QCOMPARE(cell(8)->palette().color(QPalette::Base), lime);
        QCOMPARE(cell(11)->palette().color(QPalette::Base), yellow);
        QVERIFY(cell(10)->palette().color(QPalette::Base) != lime);
        const QImage image = cell(8)->grab().toImage();
        QCOMPARE(image.pixelColor(4, image.height() / 2), lime);
        QCOMPARE(text("Label23"), QStringLiteral("3 + B"));
        QCOMPARE(m_window->control<QLabel>(QStringLiteral("Label23"))->palette().color(QPalette::WindowText),
                 QColor(255, 0, 0));
        QCOMPARE(text("Label37"), QStringLiteral("134"));
    }

    void rowWithANumberTwiceIsShownInvalidAndLeftOut()
    {
        const QColor red(255, 0, 0);
        type(8, {"40", "1", "2", "40", "3", "41", "42"});
        QCOMPARE(session().sheet.cells[1], (TipSheet::Row{40, 1, 2, 40, 3, 41, 42})); // as typed
        QCOMPARE(cell(8)->palette().color(QPalette::Base), red);
        QCOMPARE(cell(11)->palette().color(QPalette::Base), red);
        QVERIFY(cell(9)->palette().color(QPalette::Base) != red);
        QVERIFY2(m_window->statusText().contains(QStringLiteral("Tipp 2: die Zahl 40 steht mehrfach")),
                 qPrintable(m_window->statusText()));
        QVERIFY(!cell(8)->toolTip().isEmpty());
        QCOMPARE(text("Label23"), QString()); // no hits shown, none tallied
        QCOMPARE(session().tally, HitTally{});

        // Correcting the repeat makes it an ordinary row again.
        QLineEdit* c = cell(11);
        c->setFocus(Qt::TabFocusReason);
        c->selectAll();
        QTest::keyClicks(c, QStringLiteral("43"));
        QTest::keyClick(c, Qt::Key_Tab);
        QCOMPARE(session().sheet.cells[1], (TipSheet::Row{1, 2, 3, 40, 41, 42, 43}));
        QCOMPARE(cell(8)->palette().color(QPalette::Base), QColor(0, 255, 0));
        QVERIFY(cell(8)->toolTip().isEmpty());
        QCOMPARE(text("Label23"), QStringLiteral("7"));
    }

    void cellRuleOnInput()
    {
        QLineEdit* c = cell(1);
        c->setFocus();
        QTest::keyClicks(c, QStringLiteral("07"));
        QCOMPARE(c->text(), QStringLiteral("7"));
        QCOMPARE(session().sheet.cells[0][0], 7);
        QTest::keyClicks(c, QStringLiteral("3")); // 73
        QCOMPARE(c->text(), QString());
        c->setText(QStringLiteral("-3")); // pasted
        QCOMPARE(c->text(), QString());
        c->setText(QStringLiteral(" 12 "));
        QCOMPARE(c->text(), QStringLiteral("12"));
        QCOMPARE(session().sheet.cells[0][0], 12);
    }

    void labelClickTogglesLock()
    {
        auto* label = m_window->control<QLabel>(QStringLiteral("Label30"));
        const QColor normal = label->palette().color(QPalette::WindowText);
        QTest::mouseClick(label, Qt::LeftButton);
        QVERIFY(session().sheet.locked[1]);
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QTest::mouseClick(label, Qt::LeftButton);
        QVERIFY(!session().sheet.locked[1]);
        QCOMPARE(label->palette().color(QPalette::WindowText), normal);
    }

    void arrowsStepThroughDraws()
    {
        click("SpeedButton6");
        QCOMPARE(text("Label35"), QStringLiteral("Fr 12.01.24    20  21  22  23  24  25  26 B: 27"));
        click("SpeedButton6");
        QCOMPARE(session().current.position, 0);
        click("SpeedButton7");
        QCOMPARE(text("Label35"), QStringLiteral("Fr 12.01.24    20  21  22  23  24  25  26 B: 27"));
        QCOMPARE(session().selectedDate, QDate(2024, 1, 12));
        QCOMPARE(session().encoreDigits, QStringLiteral("1234567"));
    }

    void ticketNumberAndClearing()
    {
        m_window->prompts().nextAnswers = {QStringLiteral("7654321")};
        QTest::mouseClick(m_window->control<QLabel>(QStringLiteral("Losnummer")), Qt::LeftButton);
        QCOMPARE(text("Losnummer"), QStringLiteral("Schein Nr : 7654321"));

        session().sheet.cells[0] = {1, 2, 3, 4, 5, 6, 7};
        session().sheet.cells[1] = {8, 9, 10, 11, 12, 13, 14};
        session().sheet.locked[1] = true;
        m_window->prompts().nextAnswers = {QStringLiteral("no")};
        click("SpeedButton11");
        QCOMPARE(session().sheet.cells[0][0], 1);
        m_window->prompts().nextAnswers = {QStringLiteral("yes")};
        click("SpeedButton11");
        QCOMPARE(cell(1)->text(), QString());
        QCOMPARE(cell(8)->text(), QStringLiteral("8"));
    }

    void editButtonOpensNumberDialog()
    {
        session().sheet.cells[2] = {3, 12, 17, 25, 33, 41, 48};
        m_window->refresh();
        Zahlenwahl& dialog = m_window->numberDialog();
        bool seen = false;
        QTimer::singleShot(0, &dialog, [&] {
            seen = dialog.windowTitle() == QLatin1String("3. Tipp") && dialog.box(48)->isChecked() &&
                   !dialog.box(49)->isChecked() &&
                   !dialog.findChild<QWidget*>(QStringLiteral("BitBtn3"))->isVisible() &&
                   dialog.isMarked(3) && !dialog.isMarked(4);
            QTest::mouseClick(dialog.box(48), Qt::LeftButton);
            QTest::mouseClick(dialog.box(49), Qt::LeftButton);
            dialog.findChild<QAbstractButton*>(QStringLiteral("BitBtn1"))->click();
        });
        click("Tipp3Edit");
        QVERIFY(seen);
        QCOMPARE(session().sheet.cells[2], (TipSheet::Row{3, 12, 17, 25, 33, 41, 49}));
        QCOMPARE(cell(21)->text(), QStringLiteral("49"));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Zahlen für Berechnung wählen"));
        QVERIFY(!dialog.isMarked(3));
        QVERIFY(dialog.findChild<QWidget*>(QStringLiteral("BitBtn3"))->isVisibleTo(&dialog));
    }

    // The dialog keeps its size whatever is clicked, counts the ticked numbers and says which seven the
    // row takes; in list mode "&Rechnen" covers OK, which only Enter reaches.
    void numberDialogCountsAndStaysPut()
    {
        session().sheet.cells[0] = {3, 12, 17, 25, 33, 41, 48};
        m_window->refresh();
        Zahlenwahl& dialog = m_window->numberDialog();
        QSize size;
        bool samePlace = true;
        QStringList counts;
        QString hintOfEight, statusOfEight, hintOfSix;
        QTimer::singleShot(0, &dialog, [&] {
            QCoreApplication::processEvents();
            size = dialog.size();
            const QPoint box20 = dialog.box(20)->mapTo(&dialog, QPoint());
            counts << dialog.countText();
            QTest::mouseClick(dialog.box(1), Qt::LeftButton);
            counts << dialog.countText();
            hintOfEight = dialog.countHint();
            statusOfEight = dialog.statusText();
            QTest::mouseClick(dialog.box(48), Qt::LeftButton);
            QTest::mouseClick(dialog.box(41), Qt::LeftButton);
            counts << dialog.countText();
            hintOfSix = dialog.countHint();
            QCoreApplication::processEvents();
            samePlace = dialog.size() == size && dialog.box(20)->mapTo(&dialog, QPoint()) == box20;
            dialog.reject();
        });
        click("Tipp1Edit");
        QCOMPARE(counts, (QStringList{"7 von 7", "8 von 7", "6 von 7"}));
        QCOMPARE(
            hintOfEight,
            QStringLiteral(
                "8 Zahlen angekreuzt, der Tipp übernimmt die sieben kleinsten: 1, 3, 12, 17, 25, 33, 41"));
        QCOMPARE(statusOfEight, hintOfEight);
        QCOMPARE(hintOfSix, QStringLiteral("6 Zahlen angekreuzt, der Tipp braucht 7"));
        QVERIFY(samePlace);

        auto* ok = dialog.findChild<QAbstractButton*>(QStringLiteral("BitBtn1"));
        auto* retry = dialog.findChild<QAbstractButton*>(QStringLiteral("BitBtn3"));
        QWidget* atOk = nullptr;
        QSize listSize;
        QTimer::singleShot(0, &dialog, [&] {
            QCoreApplication::processEvents();
            listSize = dialog.size();
            atOk = dialog.childAt(ok->geometry().center());
            QTest::keyClick(&dialog, Qt::Key_Return);
        });
        QCOMPARE(dialog.execList(), Zahlenwahl::Result::Ok);
        QCOMPARE(atOk, retry);
        QCOMPARE(listSize, size);
        QVERIFY(!dialog.findChild<QWidget*>(QStringLiteral("Label1"))->isVisibleTo(&dialog));
    }

    void numberDialogRandomAndRightClick()
    {
        Zahlenwahl& dialog = m_window->numberDialog();
        auto* random = dialog.findChild<QAbstractButton*>(QStringLiteral("BitBtn4"));
        int checkedWhileRunning = 0;
        QString caption;
        QTimer::singleShot(0, &dialog, [&] {
            random->click();
            (void)QTest::qWaitFor([&] { return random->text().endsWith(QLatin1String("Stopp")); }, 5000);
            caption = random->text();
            for (int n = 1; n <= 49; ++n)
                checkedWhileRunning += dialog.box(n)->isChecked();
            random->click(); // keeps the first number
            QTest::qWait(60);
            dialog.reject(); // closing stops the animation
        });
        click("Tipp1Edit");
        QCOMPARE(caption, QStringLiteral("1 Stopp"));
        QCOMPARE(checkedWhileRunning, 7);
        QVERIFY(!dialog.animationRunning());
        QCOMPARE(random->text().remove(QLatin1Char('&')), QStringLiteral("Zufall"));
        QCOMPARE(session().sheet.cells[0], TipSheet::Row{}); // aborted: row unchanged

        ValueList list;
        list.entries[5] = {true, QStringLiteral("1")};
        dialog.setList(list);
        QTest::mouseClick(dialog.box(5), Qt::RightButton);
        QVERIFY(!dialog.box(5)->isChecked());
        QCOMPARE(dialog.list().entries[5].weight, QStringLiteral("0"));
        QCOMPARE(dialog.statusText(),
                 QStringLiteral("Die Zahl 5 geht mit der Gewichtung 0 in die Berechnung ein"));
        QTest::mouseClick(dialog.box(5), Qt::LeftButton);
        QVERIFY(dialog.box(5)->isChecked());
        QCOMPARE(dialog.box(5)->toolTip(), QStringLiteral("1"));
    }
};

QTEST_MAIN(TestTipPage)
#include "TestTipPage.moc"
