#include "skin/TsParentCache.h"

const TsParentCache& EmptyParentCache()
{
    static const TsParentCache empty;
    return empty;
}
