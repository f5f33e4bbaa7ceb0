// A value-list file (".tlw") loaded into the number selection.
#include "FuzzCheck.h"
#include "tips/ValueList.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size)
{
    ValueList list;
    list.fromFileBytes(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    for (int n = 1; n <= list.highestNumber; ++n) {
        (void)list.weightOf(n);
        (void)list.statusLine(n);
    }
    ValueList again;
    again.fromFileBytes(list.toFileBytes());
    FUZZ_CHECK(again.toFileBytes() == list.toFileBytes());
    return 0;
}
