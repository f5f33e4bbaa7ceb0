// A whole draw CSV file: what the import accepts is in date order with one main draw a date.
#include "FuzzCheck.h"
#include "draws/DrawFile.h"
#include "draws/DrawImport.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size)
{
    const QByteArray text(reinterpret_cast<const char*>(data), qsizetype(size));
    const DrawImport::ParseResult result = DrawImport::parse(text);
    if (!result.ok()) {
        FUZZ_CHECK(result.errorLine >= 1 && result.errorLine <= text.count('\n') + 1);
        FUZZ_CHECK(result.records.empty() && !result.error.isEmpty());
        FUZZ_CHECK(!result.error.contains(QChar(0)));
        return 0;
    }
    for (size_t i = 0; i < result.records.size(); ++i) {
        const DrawRecord& r = result.records[i];
        FUZZ_CHECK(DrawFile::isSupportedDate(r.datum));
        if (i > 0) {
            const DrawRecord& previous = result.records[i - 1];
            FUZZ_CHECK(previous.datum <= r.datum);
        }
    }
    return 0;
}
