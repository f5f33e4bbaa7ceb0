// The settings store's file: what parses serialises and parses again to the same values.
#include "FuzzCheck.h"

#if __has_include("session/SettingsStore.h")
#include "session/SettingsStore.h"
#else
#include "session/SettingsStore.h"
#endif

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size)
{
    const auto values = SettingsStore::parse(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (!values)
        return 0;
    QMap<QString, SettingsStore::Value> readable;
    for (auto it = values->cbegin(); it != values->cend(); ++it)
        if (it->type != SettingsStore::Type::Unreadable)
            readable.insert(it.key(), *it);
    const auto again = SettingsStore::parse(SettingsStore::serialize(*values));
    FUZZ_CHECK(again.has_value());
    FUZZ_CHECK(*again == readable);
    return 0;
}
