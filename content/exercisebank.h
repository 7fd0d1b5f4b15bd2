// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "content/questionfile.h"
#include "content/topics.h"

#include <QList>
#include <QStringList>

#include <array>

// The question records of the seven topics, read from "Exercises/<topic>.dat"
// relative to the working folder, or from the file of the same name in the
// language's folder beside it ("Exercises/fr/Addition.dat") when there is one.
class ExerciseBank
{
public:
    // Rereads every question file. A topic whose file cannot be read keeps the
    // questions it held before; the indexes of those topics are returned.
    // A language's file that cannot be read, or that holds no sound questions
    // (QuestionFile::isSound), gives way to the English one.
    QList<int> load();

    const QuestionRecords &topic(int index) const { return m_rows.at(static_cast<size_t>(index)); }
    // The language's files that gave way to the English ones at the last load.
    const QStringList &filesInEnglish() const { return m_filesInEnglish; }

private:
    std::array<QuestionRecords, Topics::count> m_rows{};
    QStringList m_filesInEnglish;
};
