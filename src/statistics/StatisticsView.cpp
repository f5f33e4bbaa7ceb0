#include "app/Attach.h"
#include "app/LottoZahlen.h"

void attachStatistics(LottoZahlen& window)
{
    (void)window;
}
