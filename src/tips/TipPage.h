#pragma once

#include <QWidget>

class LottoZahlen;

class TipPage : public QWidget
{
    Q_OBJECT
public:
    explicit TipPage(LottoZahlen& window, QWidget* parent = nullptr);
};
