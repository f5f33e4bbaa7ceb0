#include "draws/WriteFaults.h"

#include <QByteArray>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>

namespace WriteFaults {

namespace {

struct Fault
{
    int step = 0; // 0: none
    bool kill = false;
};

Fault configured()
{
    const QByteArray value = qgetenv(Variable);
    const qsizetype colon = value.indexOf(':');
    if (colon <= 0)
        return {};
    bool ok = false;
    const int step = value.left(colon).toInt(&ok);
    if (!ok || step <= 0)
        return {};
    return Fault{step, value.mid(colon + 1) == "kill"};
}

} // namespace

bool stepFails()
{
    static const Fault fault = configured();
    static std::atomic<int> steps{0};
    if (fault.step == 0)
        return false;
    if (++steps != fault.step)
        return false;
    if (fault.kill) {
#ifdef SIGKILL
        std::raise(SIGKILL);
#endif
        std::_Exit(137);
    }
    return true;
}

const char* failureText()
{
    return std::strerror(ENOSPC);
}

} // namespace WriteFaults
