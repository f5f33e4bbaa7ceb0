// The body of the update server's answer, as the draw update reads it.
#include "FuzzCheck.h"
#include "draws/DrawDate.h"
#include "draws/UpdateAnswer.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size)
{
    const QByteArray body(reinterpret_cast<const char*>(data), qsizetype(size));
    const QDate date(2020, 1, 10);
    DrawRecord before;
    before.super6 = {1, 2, 3, 4, 5, 6};
    const UpdateAnswer::Parsed parsed = UpdateAnswer::parse(body, date, before);

    const qsizetype lines = body.count('\n') + body.count('\r') + 1;
    FUZZ_CHECK(qsizetype(parsed.records.size()) <= lines);
    FUZZ_CHECK(parsed.unreadableLine >= 0 && parsed.unreadableLine <= lines);
    int mainDraws = 0;
    for (const DrawRecord& r : parsed.records) {
        FUZZ_CHECK(r.datum == DrawDate::fromQDate(date));
        FUZZ_CHECK(r.super6 == before.super6);
        FUZZ_CHECK(std::all_of(r.spiel77.begin(), r.spiel77.end(), [](auto digit) { return digit <= 9; }));
        auto numbers = r.zahlen;
        std::sort(numbers.begin(), numbers.end());
        FUZZ_CHECK(std::adjacent_find(numbers.begin(), numbers.end()) == numbers.end());
        mainDraws += r.isMainDraw() ? 1 : 0;
        FUZZ_CHECK(DrawRecord::fromBytes(r.toBytes().constData()) == r);
    }
    FUZZ_CHECK(mainDraws <= 1);

    const QString shown = UpdateAnswer::shownBody(body, 200);
    FUZZ_CHECK(shown.size() <= 201);
    FUZZ_CHECK(!shown.contains(QChar(0)));
    return 0;
}
