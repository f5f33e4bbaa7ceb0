// A tip file (".tlt") loaded onto the sheet: every cell passes the cell rule.
#include "FuzzCheck.h"
#include "draws/Game.h"
#include "tipfiles/TipFile.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    TipSheet sheet;
    QString losNr;
    TipFile::apply(bytes, sheet, losNr);
    for (const auto& row : sheet.cells)
        for (int cell : row)
            FUZZ_CHECK(cell >= 0 && cell <= Game::HighestNumber);
    // What was loaded saves and loads again unchanged.
    TipSheet again;
    QString losNrAgain;
    TipFile::apply(TipFile::encode(sheet, losNr), again, losNrAgain);
    FUZZ_CHECK(again.cells == sheet.cells);
    return 0;
}
