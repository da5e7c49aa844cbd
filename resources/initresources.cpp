#include "initresources.h"

#include <QtGlobal>

#include <mutex>

// Q_INIT_RESOURCE must be used outside any namespace.
static void registerTervaneloResources()
{
    Q_INIT_RESOURCE(tervanelo);
}

namespace tervanelo
{
void initResources()
{
    static std::once_flag once;
    std::call_once(once, registerTervaneloResources);
}
} // namespace tervanelo
