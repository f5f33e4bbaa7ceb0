#pragma once

class LottoZahlen;

// Each subsystem connects its operations to the named controls of the main window and registers what
// it shows after every action. Called once, after all pages exist.
void attachDraws(LottoZahlen& window);      // src/draws/DrawsView.cpp
void attachChecking(LottoZahlen& window);   // src/checking/CheckingView.cpp
void attachStatistics(LottoZahlen& window); // src/statistics/StatisticsView.cpp
void attachGenerator(LottoZahlen& window);  // src/tips/GeneratorView.cpp
void attachTipFiles(LottoZahlen& window);   // src/tipfiles/TipFilesView.cpp
void attachAnalyses(LottoZahlen& window);   // src/gui/AnalysisView.cpp
void attachSettings(LottoZahlen& window);   // src/app/SettingsBinding.cpp
void attachMail(LottoZahlen& window);       // src/gui/MailView.cpp
void attachExports(LottoZahlen& window);    // src/gui/ExportView.cpp
