#pragma once

#include <QString>

// The program's SQL statements, built from literal pieces and values. Text values are
// always quoted with quoteText(); numbers are written as bare decimal text.
namespace Statements {

// 'text' with every inner single quote doubled.
QString quoteText(const QString& text);

// Topics (settings window).
QString selectTopicsByNumber();                                        // open
QString markTopic(const QString& name, bool marked);                   // execute
QString insertTopic(const QString& fileName, const QString& name);     // execute
QString deleteTopic(const QString& name);                              // execute

// The timed-test bank (settings window and add-question dialog).
QString selectQuestionIds();                                           // open
QString selectQuestionWithKey(qint64 id);                              // open
QString updateQuestionText(qint64 id, const QString& text);            // execute
QString updateKey(qint64 id, const QString& letter);                   // execute
QString deleteQuestion(qint64 id);                                     // execute
QString deleteKey(qint64 id);                                          // execute
QString selectLargestQuestionId();                                     // open, column "m"
QString insertKey(qint64 id, const QString& letter);                   // execute
QString insertQuestion(qint64 id, const QString& text);                // execute

// Test parameters, results and password (settings window).
QString countQuestions();                                              // open, column "m"
QString updateParameters(qint32 minutes, qint32 count);                // execute
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
QString insertTimedResult(const QString& fio, const QString& gruppa, const QString& procent,
                          const QString& started, const QString& finished); // execute

// The timed test's answer log (settings window): cleared together with the results.
QString deleteAllAnswers();                                            // execute
QString countAnswers();                                                // open, column "m"

// Jet forms the program's statements are written in, turned into SQLite's:
// "DELETE * FROM" becomes "DELETE FROM" (brackets are native).
QString toEngineDialect(const QString& sql);

} // namespace Statements
