#pragma once

#include <QWidget>

class LottoZahlen;

class CalcPage : public QWidget
{
    Q_OBJECT
public:
    explicit CalcPage(LottoZahlen& window, QWidget* parent = nullptr);
};
