#pragma once

#include <QDialog>

// TForm3: entry of one draw by hand.
class LoEingab : public QDialog
{
    Q_OBJECT
public:
    explicit LoEingab(QWidget* parent = nullptr);
};
