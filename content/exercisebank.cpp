// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/exercisebank.h"

#include "base/language.h"

QList<int> ExerciseBank::load()
{
    QList<int> failed;
    m_filesInEnglish.clear();
    for (int i = 0; i < Topics::count; ++i) {
        const QString english = Topics::at(i).questionFile();
        const QString localized = Language::localized(english);
        QuestionRecords records;
        if (localized != english) {
            if (QuestionFile::read(localized, records) == QuestionFile::ReadStatus::Ok && QuestionFile::isSound(records)) {
                m_rows[static_cast<size_t>(i)] = records;
                continue;
            }
            m_filesInEnglish.append(localized);
        }
        // The English files are the program's own and are taken as they are.
        if (QuestionFile::read(english, records) == QuestionFile::ReadStatus::Ok)
            m_rows[static_cast<size_t>(i)] = records;
        else
            failed.append(i);
    }
    return failed;
}
