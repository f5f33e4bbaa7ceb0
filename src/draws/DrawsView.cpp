#include "app/Attach.h"
#include "app/LottoZahlen.h"

void attachDraws(LottoZahlen& window)
{
    (void)window;
}
