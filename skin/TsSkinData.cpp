#include "skin/TsSkinData.h"

TsSkinData& TsSkinData::instance()
{
    static TsSkinData data;
    return data;
}
