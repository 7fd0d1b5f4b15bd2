// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/exercisebank.h"

#include "app/language.h"

QList<int> ExerciseBank::load()
{
    QList<int> failed;
    for (int i = 0; i < Topics::count; ++i) {
        QuestionRecords records;
        if (QuestionFile::read(Language::localized(Topics::at(i).questionFile()), records) == QuestionFile::ReadStatus::Ok)
            m_rows[static_cast<size_t>(i)] = records;
        else
            failed.append(i);
    }
    return failed;
}
