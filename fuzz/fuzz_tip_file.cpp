// A tip file (".tlt") loaded onto the sheet: every cell passes the cell rule, and a refused file (a row
// with a number twice) leaves the sheet untouched.
#include "FuzzCheck.h"
#include "draws/Error.h"
#include "draws/Game.h"
#include "tipfiles/TipFile.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const Game game = Game::classic();
    TipSheet sheet;
    QString ticketNumber;
    try {
        TipFile::apply(bytes, sheet, ticketNumber, game);
    } catch (const FileError&) {
        FUZZ_CHECK(sheet == TipSheet{} && ticketNumber.isEmpty());
        return 0;
    }
    for (const auto& row : sheet.cells) {
        FUZZ_CHECK(!TipSheet::hasRepeat(row));
        for (int cell : row)
            FUZZ_CHECK(cell == 0 || game.contains(cell));
    }
    // What was loaded saves and loads again unchanged.
    TipSheet again;
    QString ticketNumberAgain;
    TipFile::apply(TipFile::encode(sheet, ticketNumber), again, ticketNumberAgain, game);
    FUZZ_CHECK(again.cells == sheet.cells);
    return 0;
}
