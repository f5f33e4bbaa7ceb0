#pragma once

#include <QWidget>

class LottoZahlen;

class ChartPage : public QWidget
{
    Q_OBJECT
public:
    explicit ChartPage(LottoZahlen& window, QWidget* parent = nullptr);
};
