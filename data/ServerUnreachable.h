#pragma once

#include "data/DataError.h"

// The server did not answer (refused, timed out, or the link dropped mid-statement): the
// statement did not run, or its fate is unknown and a retry must not repeat it blindly.
class ServerUnreachable : public DataError
{
public:
    using DataError::DataError;
};
