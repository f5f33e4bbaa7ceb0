#include "tips/TipPage.h"

#include "app/LottoZahlen.h"

TipPage::TipPage(LottoZahlen& window, QWidget* parent)
    : QWidget(parent)
{
    (void)window;
}
