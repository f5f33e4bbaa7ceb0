#include "app/Attach.h"
#include "app/LottoZahlen.h"

void attachTipFiles(LottoZahlen& window)
{
    (void)window;
}
