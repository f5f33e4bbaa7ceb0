#include "tips/Zahlenwahl.h"

Zahlenwahl::Zahlenwahl(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(QStringLiteral("Welche Zahlen für die Berechnung"));
}
