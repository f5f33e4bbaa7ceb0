#pragma once

#include <QDialog>

// TForm6: the number selection dialog.
class Zahlenwahl : public QDialog
{
    Q_OBJECT
public:
    explicit Zahlenwahl(QWidget* parent = nullptr);
};
