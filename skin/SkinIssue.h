#pragma once

#include <QString>

#include <vector>

// One problem found in a skin's text, with where it is.
struct SkinIssue
{
    QString file;
    int line = 0;
    QString message;
};
using SkinIssues = std::vector<SkinIssue>;
