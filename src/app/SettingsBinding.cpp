#include "app/Attach.h"
#include "app/LottoZahlen.h"

void attachSettings(LottoZahlen& window)
{
    (void)window;
}
