// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/savedexercise.h"

#include "base/safefile.h"
#include "content/names.h"
#include "content/questionfile.h"
#include "content/scoring.h"
#include "content/topics.h"

#include <QFile>
#include <QIODevice>

static_assert(SavedExercise::MaxScore == Scoring::PointsForRightAnswer * QuestionsPerExercise);

QByteArray SavedExercise::toBytes() const
{
    QByteArray data;
    for (const QString &line : {topic, player, QString::number(score), QString::number(cluesUsed),
                                QString::number(choicesUsed), QString::number(currentQuestion)}) {
        data += line.toLocal8Bit();
        data += '\n';
    }
    return data;
}

SavedExercise::ReadStatus SavedExercise::read(QIODevice &device)
{
    QString lines[LineCount];
    for (QString &line : lines) {
        if (device.atEnd())
            break;
        QByteArray raw = device.readLine(MaxLineBytes);
        if (raw.endsWith('\n'))
            raw.chop(1);
        if (raw.endsWith('\r'))
            raw.chop(1);
        line = QString::fromLocal8Bit(raw);
    }
    topic = Names::cleaned(lines[0]);
    player = Names::cleaned(lines[1]);
    score = lines[2].toInt();
    cluesUsed = lines[3].toInt();
    choicesUsed = lines[4].toInt();
    currentQuestion = lines[5].toInt();

    if (Topics::indexOf(topic) < 0 && topic != Topics::practice)
        return ReadStatus::UnknownTopic;
    // The player becomes the owner of a score record and a list of topics to do.
    if (!Names::problemWithName(player).isEmpty())
        return ReadStatus::BadPlayer;
    if (score < MinScore || score > MaxScore || cluesUsed < 0 || cluesUsed > Scoring::MaxClues
        || choicesUsed < 0 || choicesUsed > Scoring::MaxChoices || currentQuestion < 0
        || currentQuestion >= QuestionsPerExercise)
        return ReadStatus::OutOfRange;
    return ReadStatus::Ok;
}

SavedExercise::ReadStatus SavedExercise::read(const QString &path)
{
    QFile file;
    if (!SafeFile::openRegular(file, path))
        return ReadStatus::CannotOpen;
    return read(file);
}

QString SavedExercises::withDatSuffix(const QString &fileName)
{
    return fileName.endsWith(QLatin1String(".dat")) ? fileName : fileName + QLatin1String(".dat");
}
