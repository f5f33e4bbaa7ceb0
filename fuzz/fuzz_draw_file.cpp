// Any bytes as the draw file: every record is read or counted as skipped, and what is read can be
// shown and written back.
#include "FuzzCheck.h"
#include "draws/DrawDate.h"
#include "draws/DrawFile.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const DrawFile::Contents contents = DrawFile::decode(bytes);
    FUZZ_CHECK(qsizetype(contents.records.size()) + contents.skipped == bytes.size() / DrawRecord::Size);
    for (const DrawRecord& r : contents.records) {
        FUZZ_CHECK(DrawFile::isSupportedDate(r.datum));
        FUZZ_CHECK(DrawDate::format(r.datum).size() == 10);
        FUZZ_CHECK(DrawRecord::fromBytes(r.toBytes().constData()) == r);
        (void)r.crossSum();
    }
    return 0;
}
