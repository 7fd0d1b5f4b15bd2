// SPDX-License-Identifier: GPL-3.0-or-later
#include "families.h"
#include "paint.h"
#include "questions.h"
#include "themes.h"

#include <QTextOption>

namespace art {
namespace {

// Paints the exercise window the way the program does: bands, title, tile,
// prompt, marks, question picture and score digits, plus stand-ins for the
// child widgets (question text, answer box, buttons, question number).
QImage mockWindow(const QString &artDir, const Theme &theme, const QString &topic, int question,
                  const QString &questionText, int clues, int choices, int score)
{
    QImage img(600, 400, QImage::Format_ARGB32_Premultiplied);
    img.fill(QColor(239, 239, 239));
    QPainter p(&img);
    prepare(p);
    p.fillRect(0, 0, 600, 70, theme.bands[0]);
    p.fillRect(0, 370, 600, 30, theme.bands[1]);
    p.fillRect(0, 330, 600, 40, theme.bands[2]);
    QFont title(QStringLiteral("Liberation Sans"));
    title.setPointSize(22);
    p.setFont(title);
    p.setPen(Qt::black);
    p.drawText(QPointF(10, 60), topic);
    p.save();
    p.setBrushOrigin(20, 220);
    p.fillRect(QRect(20, 220, 340, 140), QBrush(QImage(artDir + QStringLiteral("/Tiles/") + theme.name + QStringLiteral(".png"))));
    p.restore();
    QFont prompt(QStringLiteral("Liberation Sans"));
    prompt.setPointSize(13);
    prompt.setBold(true);
    p.setFont(prompt);
    p.setPen(Qt::white);
    p.drawText(QPointF(30, 240), QStringLiteral("Your Answer (hit enter):"));
    const QImage mark(artDir + QStringLiteral("/Circle/") + theme.name + QStringLiteral(".png"));
    for (int i = 0; i < clues; ++i)
        p.drawImage(QPointF(200 + 50 * i, 260), mark);
    for (int i = 0; i < choices; ++i)
        p.drawImage(QPointF(200 + 50 * i, 310), mark);
    p.drawImage(QPointF(380, 70), QImage(artDir + QStringLiteral("/Images/%1_%2.png").arg(topic).arg(question)));
    p.drawImage(QPointF(380, 260), QImage(artDir + QStringLiteral("/Score/%1.png").arg(score / 10)));
    p.drawImage(QPointF(480, 260), QImage(artDir + QStringLiteral("/Score/%1.png").arg(score % 10)));

    // Stand-ins for the child widgets.
    QFont body(QStringLiteral("Liberation Sans"));
    body.setPointSize(11);
    p.setFont(body);
    p.setPen(Qt::black);
    QTextOption wrap;
    wrap.setWrapMode(QTextOption::WordWrap);
    wrap.setAlignment(Qt::AlignJustify | Qt::AlignVCenter);
    p.drawText(QRectF(20, 70, 340, 150), questionText, wrap);
    p.setPen(QColor(120, 120, 120));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(310.5, 225.5, 40, 20));
    p.setBrush(QColor(230, 230, 230));
    for (int y : {275, 325}) {
        p.drawRoundedRect(QRectF(30.5, y + 0.5, 100, 20), 3, 3);
    }
    p.setPen(Qt::black);
    p.drawText(QRectF(30, 275, 100, 20), Qt::AlignCenter, QStringLiteral("Clue"));
    p.drawText(QRectF(30, 325, 100, 20), Qt::AlignCenter, QStringLiteral("Choice"));
    p.setPen(QColor(60, 60, 60));
    p.setBrush(QColor(0, 0, 0, 30));
    p.drawRect(QRectF(535, 10, 40, 50));
    p.drawText(QRectF(535, 10, 40, 50), Qt::AlignCenter, QString::number(question + 1));
    return img;
}

} // namespace

bool makeMocks(const QString &artDir, const QString &exerciseDir, const QString &outDir)
{
    bool ok = true;
    const QStringList topics = topicNames();
    for (int t = 0; t < themes().size(); ++t) {
        const QString topic = topics[(t * 2 + 1) % topics.size()];
        const int question = (t * 7 + 3) % 20;
        const QStringList texts = readQuestionTexts(exerciseDir + QLatin1Char('/') + topic + QStringLiteral(".dat"));
        const QString text = texts.value(question, QStringLiteral("What is 4 + 3?"));
        const int score = (t * 13 + 7) % 41;
        ok &= save(mockWindow(artDir, themes()[t], topic, question, text, 1 + t % 3, t % 4, score),
                   outDir + QStringLiteral("/mock-") + themes()[t].name + QStringLiteral(".png"));
    }
    return ok;
}

} // namespace art
