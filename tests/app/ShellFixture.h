#pragma once

#include "app/WindowSet.h"
#include "common/ScriptedDialogs.h"

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVector>

// A program folder of its own with a dbase.sqlite built from the course schema and the
// rows a test inserts, scripted boxes, and a recording shell.
class ShellFixture : public ::testing::Test
{
protected:
    struct ShellCall {
        QString file;
        QString parameters;
        QString directory;
        int showCommand = 0;
    };

    void SetUp() override;
    void TearDown() override;

    QString folder() const { return m_dir.path() + u'/'; }
    // Builds dbase.sqlite from the schema, then runs the given SQL.
    void buildDatabase(const QString& rows = QString());
    // Builds the database and creates the window set; fails the test when start-up fails.
    void startWithRows(const QString& rows);

    ScriptedDialogs dialogs;
    WindowSet windows;
    QVector<ShellCall> shellCalls;

private:
    QTemporaryDir m_dir;
};
