#pragma once

#include <QStringList>
#include <QVector>

// The tables and columns the program cannot work without: a file lacking any of them is
// not a course database.
namespace CourseSchema {

struct Table {
    QString name;
    QStringList columns;
};

const QVector<Table>& tables();

} // namespace CourseSchema
