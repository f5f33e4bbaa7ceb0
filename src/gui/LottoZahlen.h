#pragma once

#include "gui/LanguageView.h"
#include "gui/PromptDialog.h"
#include "session/Session.h"

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <vector>

class QLabel;
class QTabWidget;
class Zahlenwahl;
class MainUnit;
class SoundView;
class TipPage;

// TForm1, the main window. It owns the session (the shared model state), the pages and the dialogs.
// Subsystems attach their operations to its named controls (app/Attach.h) and register refreshers that
// show the session after every action.
class LottoZahlen : public QMainWindow
{
    Q_OBJECT
public:
    struct Options
    {
        QString home;           // ends with '/'
        bool runStartUp = true; // tests may drive the start-up themselves
        // The draw history shipped beside the program, imported at start-up into a home folder
        // without draw file; empty for none.
        QString shippedHistory;
        // The folder of the program's own files (the manual); ends with '/', empty for the home folder.
        QString programFiles;
        QString languageFolder; // the language files; empty: "land" in the home folder
    };
    explicit LottoZahlen(const Options& options, QWidget* parent = nullptr);
    ~LottoZahlen() override;

    Session& session() { return m_session; }
    Prompts& prompts() { return m_prompts; }
    Zahlenwahl& numberDialog() { return *m_form6; }
    MainUnit& mailDialog() { return *m_mailer; }
    TipPage& tipPage() { return *m_tipPage; }

    // The line of the draw on the draw bar, empty until a draw was shown.
    QString drawLine() const;

    // While a run handles events, every control that would change the sheet, the draws or the options
    // is disabled, except those in keepEnabled (the run's own stop button); false enables them again.
    void setBusy(bool busy, const QList<QWidget*>& keepEnabled = {});
    bool isBusy() const { return m_busy; }
    // Set by the stop button while the window is busy; every long run asks it.
    bool stopRequested = false;

    // Runs one user action: an Error or other exception ends it with a message box; the window stays
    // usable. The window shows the session afterwards either way.
    void guarded(const std::function<void()>& action);
    void refresh();
    void onRefresh(std::function<void()> refresher) { m_refreshers.push_back(std::move(refresher)); }

    // Status bar panel 1 (the wide one), painted at once.
    void setStatus(const QString& text);
    QString statusText() const;
    // Status bar panel 0 (the narrow one): the draw update's progress.
    void setProgress(const QString& text);
    QString progressText() const;
    void showPage(const QString& pageName); // e.g. "TabSheet5"
    void openProductPage();
    // A file the program wrote goes to the desktop's program for it; the status bar says where it is,
    // and a message naming it says so when no program opened it.
    void openWrittenFile(const QString& path, const QString& savedPrefix, const QString& notOpenedPrefix);
    void openHelp();
    void openHomeFolder();

    // Applies language `number` (the setting "Sprache") from the folder "land" and ticks its entry;
    // a number of no language loads nothing and ticks none.
    void chooseLanguage(int number);
    LanguageView& languages() { return m_languages; }
    // The hidden export: the caption file and its translation template of every view.
    LanguageView::Export exportLanguageTexts();

    template <typename T> T* control(const QString& name) const { return findChild<T*>(name); }

    // Start-up: runs once when the window is first shown (or by tests).
    void startUp();

    // Settings hooks, filled by the settings binding; each runs inside start-up or closing.
    std::function<void()> restoreGroups; // check boxes, window size, language index, up-downs, edits
    std::function<void()> loadLanguage;  // the stored language
    std::function<void()> restoreTicketNumber;
    std::function<void()> restoreProxyAndStartDate;
    std::function<void()> saveSettings;
    // Operations that start-up runs, filled by their subsystems.
    std::function<void()> lookupAction;    // the draw bar's lookup button
    std::function<void()> frequencyAction; // the frequency chart

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenu();
    void buildPages();
    void scaleContents(double factor);
    void applyLanguage(int number);
    void widenToFitPages();
    static constexpr int DesignedWidth = 604;
    void exportLanguage();

    Session m_session;
    Prompts m_prompts;
    SoundView* m_sound = nullptr;
    TipPage* m_tipPage = nullptr;
    QList<QPointer<QObject>> m_disabled;
    bool m_busy = false;
    std::vector<std::function<void()>> m_refreshers;
    QTabWidget* m_pages = nullptr;
    QLabel* m_panel0 = nullptr;
    QLabel* m_panel1 = nullptr;
    Zahlenwahl* m_form6 = nullptr;
    MainUnit* m_mailer = nullptr;
    LanguageView m_languages;
    QString m_languageFolder;
    bool m_startedUp = false;
    bool m_runStartUp = true;
    QString m_hint; // the hint in the status bar while the mouse is over its control
    QString m_shippedHistory;
    QString m_programFiles;
    int m_groesse = 0;
    double m_baseFontSize = 0;
    double m_scale = 1; // the pages' size against their designed size
};
