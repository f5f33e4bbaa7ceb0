#include "gui/MainUnit.h"

MainUnit::MainUnit(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("MailerForm"));
    setWindowTitle(QStringLiteral("Torvanes Numerant Email-Client"));
}
