// One line of the draw CSV, as the import reads it.
#include "FuzzCheck.h"
#include "draws/DrawFile.h"
#include "draws/DrawImport.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size)
{
    QByteArray line(reinterpret_cast<const char*>(data), qsizetype(size));
    line.truncate(line.indexOf('\n') < 0 ? line.size() : line.indexOf('\n'));
    const DrawImport::ParseResult result = DrawImport::parse(line);
    if (!result.ok()) {
        FUZZ_CHECK(result.errorLine == 1 && result.records.empty() && !result.error.isEmpty());
        FUZZ_CHECK(!result.error.contains(QChar(0)));
        return 0;
    }
    FUZZ_CHECK(result.records.size() <= 1);
    for (const DrawRecord& r : result.records) {
        FUZZ_CHECK(DrawFile::isSupportedDate(r.datum));
        auto numbers = r.zahlen;
        std::sort(numbers.begin(), numbers.end());
        FUZZ_CHECK(std::adjacent_find(numbers.begin(), numbers.end()) == numbers.end());
        FUZZ_CHECK(DrawRecord::fromBytes(r.toBytes().constData()) == r);
    }
    return 0;
}
