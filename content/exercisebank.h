// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "content/questionfile.h"
#include "content/topics.h"

#include <QList>

#include <array>

// The question records of the seven topics, read from "Exercises/<topic>.dat"
// relative to the working folder.
class ExerciseBank
{
public:
    // Rereads every question file. A topic whose file cannot be read keeps the
    // questions it held before; the indexes of those topics are returned.
    QList<int> load();

    const QuestionRecords &topic(int index) const { return m_rows.at(static_cast<size_t>(index)); }

private:
    std::array<QuestionRecords, Topics::count> m_rows{};
};
