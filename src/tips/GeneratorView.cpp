#include "app/Attach.h"
#include "app/LottoZahlen.h"

void attachGenerator(LottoZahlen& window)
{
    (void)window;
}
