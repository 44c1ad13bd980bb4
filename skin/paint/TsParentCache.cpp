#include "skin/paint/TsParentCache.h"

const TsParentCache& EmptyParentCache()
{
    static const TsParentCache empty;
    return empty;
}
