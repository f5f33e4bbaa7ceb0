#include "app/Attach.h"
#include "app/LottoZahlen.h"

void attachChecking(LottoZahlen& window)
{
    (void)window;
}
