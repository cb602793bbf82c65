#include "resources/CarriedResources.h"

#include "common/FileBytes.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside any namespace.
static bool registerResources()
{
    Q_INIT_RESOURCE(resources);
    Q_INIT_RESOURCE(storage);
    return true;
}

void InitCarriedResources()
{
    static const bool registered = registerResources();
    Q_UNUSED(registered);
}

QByteArray CarriedBytes(const QString& resourcePath)
{
    InitCarriedResources();
    return ReadFileBytes(resourcePath);
}
