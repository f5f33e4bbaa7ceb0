#include "statistics/ChartPage.h"

#include "app/LottoZahlen.h"

ChartPage::ChartPage(LottoZahlen& window, QWidget* parent)
    : QWidget(parent)
{
    (void)window;
}
