#pragma once

#include "admin/BankFileTypes.h"
#include "data/StoredQuestion.h"

#include <gtest/gtest.h>

// The one question a file should give: its text (unchecked when null), options and notes
// joined by "|", and its key.
inline void expectOneQuestion(const ImportResult& result, const char* text, const char* options, const char* key,
                              const char* notes)
{
    ASSERT_EQ(result.questions.size(), 1) << result.issues.value(0).reason.toStdString();
    EXPECT_TRUE(result.issues.isEmpty()) << result.issues.value(0).reason.toStdString();
    const BankQuestion& q = result.questions.front();
    if (text) {
        EXPECT_EQ(q.text, QString::fromUtf8(text));
    }
    EXPECT_EQ(q.options.join(u'|'), QString::fromUtf8(options));
    EXPECT_EQ(q.key(), QString::fromUtf8(key));
    EXPECT_EQ(q.notes.join(u'|'), QString::fromUtf8(notes));
}

// A file of one question that is refused for the given reason, never as "more than one right".
inline void expectRefused(const ImportResult& result, const char* reason)
{
    EXPECT_TRUE(result.questions.isEmpty());
    ASSERT_EQ(result.issues.size(), 1);
    const QString got = result.issues.front().reason;
    EXPECT_TRUE(got.contains(QString::fromUtf8(reason))) << got.toStdString();
    if (!QString::fromUtf8(reason).contains(QStringLiteral("больше одного"))) {
        EXPECT_FALSE(got.contains(QStringLiteral("больше одного"))) << got.toStdString();
    }
}

// The questions a written file reads back as: each text and key as the bank held it.
inline void expectReadBack(const ImportResult& back, const QVector<StoredQuestion>& expected)
{
    EXPECT_TRUE(back.issues.isEmpty()) << back.issues.value(0).reason.toStdString();
    ASSERT_EQ(back.questions.size(), expected.size());
    for (qsizetype i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(back.questions.at(i).storedText(), expected.at(i).text) << i;
        EXPECT_EQ(back.questions.at(i).key(), expected.at(i).key) << i;
    }
}
