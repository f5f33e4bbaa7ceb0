#pragma once

#include <QDialog>

// TMailerForm: the program's mail client.
class MainUnit : public QDialog
{
    Q_OBJECT
public:
    explicit MainUnit(QWidget* parent = nullptr);
};
