#include "gui/LottoZahlen.h"

#include "draws/DrawDate.h"
#include "draws/Error.h"
#include "draws/OutputFile.h"
#include "gui/Attach.h"
#include "gui/CalcPage.h"
#include "gui/ChartPage.h"
#include "gui/DatabasePage.h"
#include "gui/InternetPage.h"
#include "gui/LoEingab.h"
#include "gui/MainUnit.h"
#include "gui/QtTranslations.h"
#include "gui/SoundView.h"
#include "gui/TipPage.h"
#include "gui/WebLinks.h"
#include "gui/Zahlenwahl.h"
#include "session/DrawMaintenance.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QUrl>
#include <cmath>
#include <exception>

LottoZahlen::LottoZahlen(const Options& options, QWidget* parent)
    : QMainWindow(parent)
    , m_session(options.home)
    , m_prompts(this)
    , m_sound(new SoundView(this))
    , m_runStartUp(options.runStartUp)
    , m_shippedHistory(options.shippedHistory)
    , m_programFiles(options.programFiles.isEmpty() ? options.home : options.programFiles)
{
    m_languageFolder = options.languageFolder.isEmpty() ? options.home + QLatin1String(LanguageFiles::Folder)
                                                        : options.languageFolder;
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Torvanes Numerant for Lotto Max Lotto 7 / 49"));

    m_panel0 = new QLabel(this);
    m_panel0->setObjectName(QStringLiteral("StatusPanel0"));
    m_panel0->setFixedWidth(150);
    m_panel1 = new QLabel(this);
    m_panel1->setObjectName(QStringLiteral("StatusPanel1"));
    m_panel1->setMinimumWidth(50);
    auto* bar = new QStatusBar(this);
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setSizeGripEnabled(false);
    bar->addWidget(m_panel0);
    bar->addWidget(m_panel1, 1);
    setStatusBar(bar);

    buildMenu();
    buildPages();

    // The dialogs exist for the whole run, created after the window in this order; the entry dialog
    // (TForm3) is made afresh for every entry.
    m_form6 = new Zahlenwahl(this);
    m_mailer = new MainUnit(this);

    attachDraws(*this);
    attachChecking(*this);
    attachStatistics(*this);
    attachGenerator(*this);
    attachTipFiles(*this);
    attachAnalyses(*this);
    attachSettings(*this);
    attachMail(*this);
    attachExports(*this);

    // The languages visit the window, then its dialogs in the order they were made.
    m_languages.addView(this);
    for (QObject* child : children()) {
        if (auto* dialog = qobject_cast<QDialog*>(child); dialog && !dialog->objectName().isEmpty())
            m_languages.addView(dialog);
    }
    loadLanguage = [this] { applyLanguage(m_session.language); };

    qApp->installEventFilter(this);
    resize(DesignedWidth, 474 + menuBar()->sizeHint().height() + bar->sizeHint().height());
    move(400, 193);
    m_groesse = height();
    m_baseFontSize = m_pages->font().pointSizeF();
    // The pages' contents never hold the window's height: a lower window scales them down instead.
    m_pages->setMinimumSize(1, 1);
}

LottoZahlen::~LottoZahlen()
{
    qApp->removeEventFilter(this);
}

void LottoZahlen::buildMenu()
{
    auto* menu = menuBar();
    menu->setObjectName(QStringLiteral("MainMenu1"));
    auto addItem = [&](const char* name, const QString& caption, const QKeySequence& key = {}) {
        auto* action = menu->addAction(caption);
        action->setObjectName(QLatin1String(name));
        action->setShortcut(key);
        return action;
    };
    addItem("Aktualisieren1", QStringLiteral("&Aktualisieren"), QKeySequence(QStringLiteral("Ctrl+A")));
    addItem("Berechnen1", QStringLiteral("&Berechnen"), QKeySequence(QStringLiteral("Ctrl+R")));
    addItem("Abgeben1", QStringLiteral("Ab&geben"), QKeySequence(QStringLiteral("Ctrl+G")));

    // The sheet and the chart as files for other programs.
    auto* exports = menu->addMenu(QStringLiteral("E&xportieren"));
    exports->setObjectName(QStringLiteral("Exportieren1"));
    exports->menuAction()->setObjectName(QStringLiteral("Exportieren1"));
    exports->addAction(QStringLiteral("Tipps als CSV speichern…"))
        ->setObjectName(QStringLiteral("TippsalsCSVspeichern1"));
    exports->addAction(QStringLiteral("Diagramm als Bild speichern…"))
        ->setObjectName(QStringLiteral("DiagrammalsBildspeichern1"));

    auto* language = menu->addMenu(QStringLiteral("Sprache/Language/Langue"));
    language->setObjectName(QStringLiteral("SpracheLanguageLangue1"));
    language->menuAction()->setObjectName(QStringLiteral("SpracheLanguageLangue1"));
    auto* group = new QActionGroup(language);
    const std::pair<const char*, const char*> languages[] = {
        {"Deutsch1", "Deutsch"},   {"Englisch1", "Englisch"},      {"Franzsisch1", "Französisch"},
        {"Spanisch1", "Spanisch"}, {"Trkisch1", "Türkisch"},       {"Russisch1", "Russisch"},
        {"Polnisch1", "Polnisch"}, {"schechisch1", "Tschechisch"}, {"Niederlndisch1", "Niederländisch"},
    };
    group->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (const auto& [name, caption] : languages) {
        auto* action = language->addAction(QString::fromUtf8(caption));
        action->setObjectName(QLatin1String(name));
        action->setCheckable(true);
        group->addAction(action);
        for (int number = 0; number < LanguageFiles::LanguageCount; ++number) {
            if (qstrcmp(LanguageFiles::byNumber(number)->action, name) == 0)
                connect(action, &QAction::triggered, this, [this, number] { chooseLanguage(number); });
        }
    }
    group->actions().first()->setChecked(true);
    auto* separator = language->addSeparator();
    separator->setObjectName(QStringLiteral("N1"));
    separator->setVisible(false);
    auto* exportAction = language->addAction(QStringLiteral("Export"));
    exportAction->setObjectName(QStringLiteral("Export1"));
    exportAction->setVisible(false);
    connect(exportAction, &QAction::triggered, this, &LottoZahlen::exportLanguage);

    auto* help = menu->addMenu(QStringLiteral("Hilfe"));
    help->setObjectName(QStringLiteral("Hilfe1"));
    help->menuAction()->setObjectName(QStringLiteral("Hilfe1"));
    auto* docs = help->addAction(QStringLiteral("Dokumentation anzeigen"));
    docs->setObjectName(QStringLiteral("Dokumentationanzeigen1"));
    connect(docs, &QAction::triggered, this, &LottoZahlen::openHelp);
    // Where the player's files are: one entry opens the folder, the one below names it. The name is
    // no wording, so it has no object name and the language files pass it by.
    auto* folder = help->addAction(QStringLiteral("Datenordner öffnen"));
    folder->setObjectName(QStringLiteral("Datenordner1"));
    connect(folder, &QAction::triggered, this, &LottoZahlen::openHomeFolder);
    auto* path = help->addAction(QDir::toNativeSeparators(QDir::cleanPath(m_session.home)));
    connect(path, &QAction::triggered, this, &LottoZahlen::openHomeFolder);

    auto* close = addItem("Schlieen1", QStringLiteral("S&chließen"));
    connect(close, &QAction::triggered, this, &QWidget::close);
}

void LottoZahlen::buildPages()
{
    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("PageControl1"));
    m_pages->setUsesScrollButtons(false);
    auto add = [&](QWidget* page, const char* name, const QString& caption) {
        page->setObjectName(QLatin1String(name));
        m_pages->addTab(page, caption);
        return page;
    };
    m_tipPage = new TipPage(*this);
    add(m_tipPage, "TabSheet1", QStringLiteral("Lottotipp"));
    add(new CalcPage(*this), "TabSheet6", QStringLiteral("Berechnung"));
    add(new ChartPage(*this), "TabSheet5", QStringLiteral("Diagramm"));
    add(new DatabasePage(*this), "TabSheet4", QStringLiteral("Datenbank"));
    add(new HiddenDrawPage(*this, HiddenDrawPage::Super6), "TabSheet11", QStringLiteral("Super6"));
    auto* encore =
        add(new HiddenDrawPage(*this, HiddenDrawPage::Encore), "TabSheet12", QStringLiteral("ENCORE"));
    encore->setProperty("tag", 8);
    add(new InternetPage(*this), "TabSheet3", QStringLiteral("Internet-Optionen"));
    m_pages->setTabVisible(4, false);
    m_pages->setTabVisible(5, false);
    m_pages->setCurrentIndex(0);
    setCentralWidget(m_pages);
}

void LottoZahlen::chooseLanguage(int number)
{
    applyLanguage(number);
    // Texts composed from the message table follow at once.
    refresh();
    // Longer words must not be cut off; the size stored at closing keeps the width for the next start.
    widenToFitPages();
}

void LottoZahlen::applyLanguage(int number)
{
    QtTranslations::load(QtTranslations::codeOf(number));
    const LanguageFiles::Language* language = LanguageFiles::byNumber(number);
    if (language) {
        m_languages.apply(m_languageFolder, QLatin1String(language->code), m_session.messages);
    }
    m_session.language = number;
    for (int n = 0; n < LanguageFiles::LanguageCount; ++n) {
        if (auto* action = findChild<QAction*>(QLatin1String(LanguageFiles::byNumber(n)->action)))
            action->setChecked(n == number);
    }
}

LanguageView::Export LottoZahlen::exportLanguageTexts()
{
    // The dialogs made for one use are made here too, so that their items get records.
    LoEingab entry([](const QDate&) { return Game::classic(); }, this);
    return m_languages.exportTexts({&entry});
}

void LottoZahlen::exportLanguage()
{
    auto* dialog = new QFileDialog(this, QString(), m_session.home, QStringLiteral("Textdatei (*.txt)"));
    dialog->setObjectName(QStringLiteral("SaveDialog1"));
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setDefaultSuffix(QStringLiteral("txt"));
    dialog->deleteLater();
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return;
    const QString path = dialog->selectedFiles().constFirst();
    const LanguageView::Export texts = exportLanguageTexts();
    // An export that cannot be written leaves nothing half-done; the hidden export says nothing else.
    try {
        OutputFile::write(path, LanguageFiles::encodeWindows1252(texts.captionLines));
        OutputFile::write(path + QStringLiteral(".trans"), LanguageFiles::encodeUtf16Le(texts.templateLines));
    } catch (const FileError&) {
        // The hidden export has no message of its own; a file not written stays as it was.
    }
}

void LottoZahlen::guarded(const std::function<void()>& action)
{
    try {
        action();
    } catch (const Error& e) {
        QApplication::restoreOverrideCursor();
        m_prompts.error(e.message);
    } catch (const std::exception& e) {
        QApplication::restoreOverrideCursor();
        m_prompts.error(QString::fromLocal8Bit(e.what()));
    }
    refresh();
}

void LottoZahlen::refresh()
{
    for (const auto& r : m_refreshers)
        r();
    setStatus(m_session.status);
    if (m_session.soundDue) {
        m_session.soundDue = false;
        m_sound->play(m_session.home + m_session.soundName);
    }
}

QString LottoZahlen::drawLine() const
{
    return m_session.drawShown ? DrawHistory::drawLine(m_session.current, m_session.shownBy) : QString();
}

void LottoZahlen::setBusy(bool busy, const QList<QWidget*>& keepEnabled)
{
    if (busy == m_busy)
        return;
    m_busy = busy;
    stopRequested = false;
    if (!busy) {
        for (const auto& object : std::as_const(m_disabled)) {
            if (auto* widget = qobject_cast<QWidget*>(object))
                widget->setEnabled(true);
            else if (auto* action = qobject_cast<QAction*>(object))
                action->setEnabled(true);
        }
        m_disabled.clear();
        return;
    }
    const auto changesState = [](QWidget* w) {
        return qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) ||
               qobject_cast<QAbstractSpinBox*>(w) || qobject_cast<QComboBox*>(w) ||
               qobject_cast<ClickableLabel*>(w);
    };
    for (QWidget* w : m_pages->findChildren<QWidget*>()) {
        if (!changesState(w) || !w->isEnabled() || keepEnabled.contains(w))
            continue;
        // A spin box's own line edit follows its spin box.
        if (qobject_cast<QAbstractSpinBox*>(w->parentWidget()))
            continue;
        w->setEnabled(false);
        m_disabled << w;
    }
    for (const char* name : {"Aktualisieren1", "Abgeben1", "SpracheLanguageLangue1"}) {
        for (QAction* action : findChildren<QAction*>(QLatin1String(name))) {
            if (action->isEnabled()) {
                action->setEnabled(false);
                m_disabled << action;
            }
        }
    }
}

void LottoZahlen::setStatus(const QString& text)
{
    m_session.status = text;
    m_panel1->setText(text);
    m_panel1->repaint();
}

QString LottoZahlen::statusText() const
{
    return m_panel1->text();
}

void LottoZahlen::setProgress(const QString& text)
{
    m_panel0->setText(text);
    m_panel0->repaint();
}

QString LottoZahlen::progressText() const
{
    return m_panel0->text();
}

void LottoZahlen::showPage(const QString& pageName)
{
    if (auto* page = m_pages->findChild<QWidget*>(pageName))
        m_pages->setCurrentWidget(page);
}

void LottoZahlen::openProductPage()
{
    QDesktopServices::openUrl(QUrl(WebLinks::ProductPage));
}

void LottoZahlen::openWrittenFile(const QString& path, const QString& savedPrefix,
                                  const QString& notOpenedPrefix)
{
    const QString shown = QDir::toNativeSeparators(path);
    m_session.status = savedPrefix + shown;
    setStatus(m_session.status);
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
        m_prompts.information(notOpenedPrefix + shown);
}

void LottoZahlen::openHelp()
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(m_programFiles + QStringLiteral("Numerant.pdf")));
}

void LottoZahlen::openHomeFolder()
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(m_session.home));
}

void LottoZahlen::startUp()
{
    if (m_startedUp)
        return;
    m_startedUp = true;
    Session& s = m_session;
    s.today = QDate::currentDate();
    s.sheetSettled = false;
    if (restoreGroups)
        restoreGroups();
    if (loadLanguage)
        loadLanguage();
    if (restoreTicketNumber)
        restoreTicketNumber();
    m_tipPage->showTicket(Ticket::labelText(s.messages, s.ticketNumber));
    s.sheetSettled = true;
    if (restoreProxyAndStartDate)
        restoreProxyAndStartDate();
    s.applyStartUpRules();
    s.drawFileName = QString::fromLatin1(DrawFile::DefaultName);
    s.random.randomize();
    std::optional<DrawMaintenance::ShippedImport> shipped;
    try {
        shipped = DrawMaintenance::importShippedHistory(s, m_shippedHistory);
    } catch (const Error& e) {
        m_prompts.error(e.message);
    }
    s.setSelectedDate(s.today);
    if (lookupAction)
        lookupAction();
    if (frequencyAction)
        frequencyAction();
    if (shipped)
        s.status = QStringLiteral("%1 %2 eingelesen (mitgelieferte Ziehungen bis %3)")
                       .arg(shipped->count)
                       .arg(s.messages.text(Msg::Draws), DrawDate::format(shipped->newest));
    showPage(QStringLiteral("TabSheet1"));
    refresh();
    // Without a stored size the window widens to what the pages show (the draw bar with seven numbers).
    if (width() == DesignedWidth)
        widenToFitPages();
}

void LottoZahlen::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    // Start-up may ask questions; let the window appear on screen first so a box has a parent to sit on.
    if (m_runStartUp && !m_startedUp)
        QTimer::singleShot(0, this, &LottoZahlen::startUp);
}

void LottoZahlen::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    if (m_groesse > 0 && height() != m_groesse) {
        // Scaling may widen the window, which comes back here: the height is taken first.
        const double factor = double(height()) / m_groesse;
        m_groesse = height();
        scaleContents(factor);
    }
}

void LottoZahlen::scaleContents(double factor)
{
    // The layouts carry most of the geometry; what they do not (fixed widths, icons, column minimums,
    // fonts) is scaled from its designed value, so steps in both directions never accumulate rounding.
    if (m_baseFontSize * m_scale * factor <= 1)
        return;
    m_scale *= factor;
    const char* const BaseWidth = "numerantBaseWidth";
    const char* const BaseIcon = "numerantBaseIcon";
    const char* const BaseFont = "numerantBaseFont";
    const char* const BaseColumns = "numerantBaseColumns";
    const QList<QWidget*> widgets = m_pages->findChildren<QWidget*>();
    for (QWidget* w : widgets) {
        if (!w->property(BaseWidth).isValid())
            w->setProperty(BaseWidth, w->minimumWidth() == w->maximumWidth() ? w->minimumWidth() : -1);
        if (auto* button = qobject_cast<QAbstractButton*>(w); button && !w->property(BaseIcon).isValid())
            w->setProperty(BaseIcon, button->iconSize());
        if (!w->property(BaseFont).isValid())
            w->setProperty(BaseFont, w->testAttribute(Qt::WA_SetFont) ? w->font().pointSizeF() : -1.0);
    }
    const QList<QGridLayout*> grids = m_pages->findChildren<QGridLayout*>();
    for (QGridLayout* grid : grids) {
        if (grid->property(BaseColumns).isValid())
            continue;
        QVariantList columns;
        for (int c = 0; c < grid->columnCount(); ++c)
            columns << grid->columnMinimumWidth(c);
        grid->setProperty(BaseColumns, columns);
    }

    const auto scaled = [this](double designed) { return int(std::lround(designed * m_scale)); };
    QFont font = m_pages->font();
    font.setPointSizeF(m_baseFontSize * m_scale);
    m_pages->setFont(font);
    for (QWidget* w : widgets) {
        if (const double base = w->property(BaseFont).toDouble(); base > 0) {
            QFont own = w->font();
            own.setPointSizeF(base * m_scale);
            w->setFont(own);
        }
        if (const int base = w->property(BaseWidth).toInt(); base > 0 && base < QWIDGETSIZE_MAX)
            w->setFixedWidth(scaled(base));
        if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            const QSize base = w->property(BaseIcon).toSize();
            button->setIconSize(QSize(scaled(base.width()), scaled(base.height())));
        }
    }
    for (QGridLayout* grid : grids) {
        const QVariantList columns = grid->property(BaseColumns).toList();
        for (int c = 0; c < columns.size(); ++c)
            if (columns[c].toInt() > 0)
                grid->setColumnMinimumWidth(c, scaled(columns[c].toInt()));
    }
    // Grown pages widen the window so nothing is cut at the right; the height stays the user's.
    widenToFitPages();
}

void LottoZahlen::widenToFitPages()
{
    // Measured once the layouts took in new texts and fonts.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    const int missing = m_pages->minimumSizeHint().width() - m_pages->width();
    if (missing > 0)
        resize(width() + missing, height());
}

void LottoZahlen::closeEvent(QCloseEvent* event)
{
    if (saveSettings)
        saveSettings();
    event->accept();
}

bool LottoZahlen::eventFilter(QObject* watched, QEvent* event)
{
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != this)
        return QMainWindow::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::Enter:
        // A hint is read when the mouse arrives, so it is the control's current one; it stands in the
        // status bar only while the mouse is over its control, then the last message is back.
        if (!widget->toolTip().isEmpty()) {
            m_hint = widget->toolTip();
            m_panel1->setText(m_hint);
        }
        break;
    case QEvent::Leave:
        if (!m_hint.isNull() && m_panel1->text() == m_hint)
            m_panel1->setText(m_session.status);
        m_hint = QString();
        break;
    case QEvent::ShortcutOverride: {
        // A text field or spin box would take Ctrl+A as select-all; in this window it is the update.
        const auto* key = static_cast<QKeyEvent*>(event);
        const QKeySequence pressed(key->keyCombination());
        for (const QAction* action : findChildren<QAction*>()) {
            if (action->isEnabled() && !action->shortcut().isEmpty() && action->shortcut() == pressed) {
                event->ignore();
                return true;
            }
        }
        break;
    }
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}
