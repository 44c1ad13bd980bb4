#pragma once

#include "data/SqlText.h"

#include <QString>
#include <QStringList>

// The program's SQL statements: every text the data layer runs, with the values it binds
// (never spliced into the text). Where the server's words differ from the file's, the
// statement carries both.
namespace Statements {

// 'text' with every inner single quote doubled.
QString quoteText(const QString& text);

// Topics (settings window).
QString selectTopicsByNumber();                                        // open
SqlText markTopic(const QString& name, bool marked);                   // execute
SqlText insertTopic(const QString& fileName, const QString& name);     // execute
SqlText deleteTopic(const QString& name);                              // execute

// The timed-test bank (settings window and add-question dialog).
QString selectQuestionIds();                                           // open
SqlText selectQuestionWithKey(qint64 id);                              // open
SqlText updateQuestionText(qint64 id, const QString& text);            // execute
SqlText updateKey(qint64 id, const QString& letter);                   // execute
SqlText deleteQuestion(qint64 id);                                     // execute
SqlText deleteKey(qint64 id);                                          // execute
QString selectLargestQuestionId();                                     // open, column "m"
SqlText insertKey(qint64 id, const QString& letter);                   // execute
SqlText insertQuestion(qint64 id, const QString& text);                // execute

// Test parameters, results and password (settings window).
QString countQuestions();                                              // open, column "m"
SqlText updateParameters(qint32 minutes, qint32 count);                // execute
QString deleteAllResults();                                            // execute
QString selectResultsForGrid();                                        // open
QString selectPassword();                                              // open
// The new password goes in as the bound parameter ":par"; callers pass only whole
// numbers of decimal digits (see isDigitsOnly).
QString updatePassword();                                              // execute with :par
bool isDigitsOnly(const QString& text);

// The timed test.
QString selectParameters();                                            // open
QString selectQuestionByParameter();                                   // open, :par = number
QString selectKeyByParameter();                                        // open, :par = number
SqlText insertTimedResult(const QString& fio, const QString& gruppa, const QString& procent,
                          const QString& started, const QString& finished); // execute

// The timed test's answer log (settings window): cleared together with the results.
QString deleteAllAnswers();                                            // execute
QString countAnswers();                                                // open, column "m"

// Results, for the CSV export.
QString selectFixedResultsForGrid();                                   // open
QString countTimedResults();                                           // open, column "m"
QString countBankQuestions();                                          // first column
QString selectQuestionCount();                                         // first column: kolvo

// The answers of the timed test (AnswerLog).
QString answerLogExists();                                             // a row when it exists
QStringList createAnswerLog();                                         // execute each
SqlText recordAnswer(const QString& fio, const QString& gruppa, const QString& started, qint64 questionId,
                     const QString& letter);
QString selectAnswers();

// The question bank as a whole (import and export).
QString selectBank();
QString largestQuestionIdOrZero();
SqlText insertBankKey(qint64 id, const QString& letter);
SqlText insertBankQuestion(qint64 id, const QString& text);
QStringList clearBank();                                               // execute each

// The main window's catalogue of topic documents: name and file of temi or lab.
QString selectTopicDocuments(const QString& table);

// A table object's statements over a whole table, by row id. Names are quoted here.
QString selectTableRecords(const QString& table, const QStringList& columns);
QString selectTableRecord(const QString& table, const QStringList& columns); // ? = row id
QString updateTableRecord(const QString& table, const QStringList& changedColumns); // values, then row id
// Returns the new row: its rowid, then the returned columns (all when none are named) as
// the engine stored them.
QString insertTableRecord(const QString& table, const QStringList& columns, const QStringList& returned = {});
QString deleteTableRecord(const QString& table); // ? = row id
QString deleteAllRows(const QString& table);
// A table of plain columns (a backup of the course on the server).
QString createPlainTable(const QString& table, const QStringList& columns);

// The outbox file of this computer, and the server's note of what it has taken.
QString createOutbox();
SqlText keepInOutbox(const QString& id, const QString& text, const QString& serverText, const QByteArray& values);
QString countOutbox();
QString selectOutbox();
SqlText forgetKept(qint64 rowid);
SqlText noteDelivered(const QString& id);

// Jet forms the program's statements are written in, turned into SQLite's:
// "DELETE * FROM" becomes "DELETE FROM" (brackets are native).
QString toEngineDialect(const QString& sql);

} // namespace Statements
