#include "tips/CalcPage.h"

#include "app/LottoZahlen.h"

CalcPage::CalcPage(LottoZahlen& window, QWidget* parent)
    : QWidget(parent)
{
    (void)window;
}
