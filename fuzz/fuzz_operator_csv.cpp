// The operator's download: what the import accepts keeps the game's ranges and one main draw leading
// each date, and the operator layout written from it reads back to the same draws.
#include "FuzzCheck.h"
#include "draws/DrawDate.h"
#include "draws/DrawFile.h"
#include "draws/GameEras.h"
#include "draws/OperatorCsv.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size)
{
    const QByteArray text(reinterpret_cast<const char*>(data), qsizetype(size));
    const DrawImport::ParseResult result = OperatorCsv::parse(text);
    if (!result.ok()) {
        FUZZ_CHECK(result.errorLine >= 1 && result.errorLine <= text.count('\n') + 1);
        FUZZ_CHECK(result.records.empty() && !result.error.isEmpty());
        FUZZ_CHECK(!result.error.contains(QChar(0)));
        return 0;
    }
    for (size_t i = 0; i < result.records.size(); ++i) {
        const DrawRecord& r = result.records[i];
        FUZZ_CHECK(DrawFile::isSupportedDate(r.datum));
        const Game game = GameEras::on(DrawDate::toQDate(r.datum), GameRules::AsPlayed);
        for (int n : r.zahlen)
            FUZZ_CHECK(game.contains(n));
        const bool firstOfDate = i == 0 || result.records[i - 1].datum < r.datum;
        FUZZ_CHECK(i == 0 || result.records[i - 1].datum <= r.datum);
        FUZZ_CHECK(firstOfDate || !r.isMainDraw());
        FUZZ_CHECK(r.bonus == 0 || game.contains(r.bonus));
    }
    const DrawImport::ParseResult again = OperatorCsv::parse(OperatorCsv::write(result.records));
    FUZZ_CHECK(again.ok() && again.records == result.records);
    return 0;
}
