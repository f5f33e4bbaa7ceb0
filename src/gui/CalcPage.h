#pragma once

#include <QWidget>
#include <map>

class LottoZahlen;
class QButtonGroup;
class QCheckBox;
class QSpinBox;
class QTabWidget;

// TabSheet6 "Berechnung": the generator's options on five sub-pages. Every control carries the control
// name of its option (GeneratorOptions::fields() maps it to the option); a change is copied into the
// session at once. The small chart buttons and underlined texts are placed here and connected by the
// statistics.
class CalcPage : public QWidget
{
    Q_OBJECT
public:
    explicit CalcPage(LottoZahlen& window, QWidget* parent = nullptr);

private:
    QWidget* buildStatistisch();
    QWidget* buildOptimierung();
    QWidget* buildMathematisch();
    QWidget* buildSuperzahl();
    QWidget* buildAllgemein();

    QCheckBox* check(QWidget* parent, const char* name, const QString& caption, const QString& hint = {});
    QSpinBox* number(QWidget* parent, const char* name, const QString& hint = {});
    void numberChanged(const QString& name, int value);
    void applyCouplings();
    void showSession();

    LottoZahlen& m_window;
    QTabWidget* m_pages = nullptr;
    std::map<QString, QCheckBox*> m_checks;
    std::map<QString, QSpinBox*> m_numbers;
    QButtonGroup* m_gameRules = nullptr;
    bool m_showing = false;
};
