#include "gui/LoEingab.h"

LoEingab::LoEingab(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Zahlen der Ziehung eingeben"));
}
