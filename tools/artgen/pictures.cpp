// SPDX-License-Identifier: GPL-3.0-or-later
// Question pictures: one soft card per question, 200 x 180, showing the
// numbers of the question as things, blocks, lines or coins, with "?" where
// the answer goes. The card stands right of the question text at (380, 70).
#include "families.h"
#include "picturekit.h"

#include <QFile>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace art {
namespace {

void card(QPainter &p)
{
    const QPainterPath shape = roundRect(QRectF(3, 3, pictureWidth - 6, pictureHeight - 8), 16);
    softShadow(p, shape, QPointF(0, 2), 2, QColor(0, 0, 0, 45));
    p.setPen(QPen(QColor(226, 214, 188), 1.5));
    p.setBrush(colour::paper);
    p.drawPath(shape);
}

// Whether the scene's numbers suit its kind of picture; questions written
// later may hold numbers too big, too few or zero for the chosen kind.
bool drawable(const Scene &s)
{
    const QList<int> &n = s.numbers;
    auto positive = [&](int count) {
        return n.size() >= count && std::all_of(n.begin(), n.begin() + count, [](int v) { return v > 0; });
    };
    switch (s.kind) {
    case Kind::Counters: return !n.isEmpty() && n.size() <= 2 && std::all_of(n.begin(), n.end(), [](int v) { return v <= 30; });
    case Kind::TenFrames: return n.size() >= 2 && n[0] <= 20 && n[1] <= 20;
    case Kind::BaseTen: return !n.isEmpty() && (s.op != Op::Multiply || (positive(2) && n[1] <= 6 && n[0] <= 99));
    case Kind::NumberLine: return s.lineMode == LineMode::Round ? !n.isEmpty() : n.size() >= 2;
    case Kind::Column: return n.size() >= 2 && n.size() <= 4;
    case Kind::Array: return positive(2) && n[0] * n[1] <= 144;
    case Kind::AreaModel: return positive(2);
    case Kind::Sharing: return positive(2) && n[0] <= 48 && n[1] <= 8;
    case Kind::Grouping: return positive(2) && n[0] <= 48 && n[1] <= 12;
    case Kind::Bar: return positive(2) && n[1] <= 24;
    case Kind::Pies: return n.value(0, 1) <= (s.emphasis ? 24 : 3);
    case Kind::FractionBars: return !s.fractions.isEmpty() && s.fractions[0].bottom > 0 && s.fractions[0].bottom <= 24;
    case Kind::FractionOf: return !n.isEmpty() && s.fractions.value(0).bottom <= 24;
    case Kind::Money: return !n.isEmpty() && n.size() <= 4;
    case Kind::Measure: return !n.isEmpty() && (s.op != Op::Multiply || (n.size() >= 2 && n[1] <= 12));
    case Kind::Sequence: return n.size() <= 6;
    case Kind::PlaceValue: return n.isEmpty() || n[0] < 1000000;
    case Kind::Equation: return n.size() >= 2;
    case Kind::NumberCards: return n.size() <= 8;
    }
    return false;
}

} // namespace

QImage questionPicture(const Scene &scene)
{
    QImage img = canvas(pictureWidth, pictureHeight);
    QPainter p(&img);
    prepare(p);
    card(p);
    if (!drawable(scene)) {
        // Fall back to the numbers on cards, as many as fit.
        Scene cards;
        cards.numbers = scene.numbers.mid(0, 8);
        drawNumberCards(p, cards);
        return img;
    }
    const Scene &s = scene;
    switch (s.kind) {
    case Kind::Counters: drawCounters(p, s); break;
    case Kind::TenFrames: drawTenFrames(p, s); break;
    case Kind::BaseTen: drawBaseTen(p, s); break;
    case Kind::NumberLine: drawNumberLine(p, s); break;
    case Kind::Column: drawColumn(p, s); break;
    case Kind::Array: drawArray(p, s); break;
    case Kind::AreaModel: drawAreaModel(p, s); break;
    case Kind::Sharing: drawSharing(p, s); break;
    case Kind::Grouping: drawGrouping(p, s); break;
    case Kind::Bar: drawBar(p, s); break;
    case Kind::Pies: drawPies(p, s); break;
    case Kind::FractionBars: drawFractionBars(p, s); break;
    case Kind::FractionOf: drawFractionOf(p, s); break;
    case Kind::Money: drawMoney(p, s); break;
    case Kind::Measure: drawMeasure(p, s); break;
    case Kind::Sequence: drawSequence(p, s); break;
    case Kind::PlaceValue: drawPlaceValue(p, s); break;
    case Kind::Equation: drawEquation(p, s); break;
    case Kind::NumberCards: drawNumberCards(p, s); break;
    }
    return img;
}

QList<Translation> translations()
{
    return {{Language::French, QStringLiteral("fr")}, {Language::Spanish, QStringLiteral("es")}};
}

bool writesWords(const Scene &s)
{
    if (!drawable(s))
        return false;
    switch (s.kind) {
    case Kind::FractionOf: return s.op != Op::Subtract;
    case Kind::Bar: return s.barMode == BarMode::PartKnown;
    case Kind::PlaceValue: return true;
    default: return false;
    }
}

bool looksAlike(const QImage &a, const QImage &b)
{
    if (a.size() != b.size())
        return false;
    const QImage x = a.convertToFormat(QImage::Format_ARGB32), y = b.convertToFormat(QImage::Format_ARGB32);
    for (int row = 0; row < x.height(); ++row) {
        const auto *p = reinterpret_cast<const uchar *>(x.constScanLine(row));
        const auto *q = reinterpret_cast<const uchar *>(y.constScanLine(row));
        for (int i = 0; i < x.width() * 4; ++i)
            if (std::abs(p[i] - q[i]) > 24)
                return false;
    }
    return true;
}

bool makeQuestionPictures(const QString &artDir, const QString &exerciseDir)
{
    // The font hinter keeps some state from one text to the next, so the
    // English pictures are drawn first and in a fixed order, then the
    // translations: the same run gives the same bytes.
    struct Drawn {
        QString name;
        Scene scene;
        QImage english;
    };
    QList<Drawn> drawn;
    bool ok = true;
    for (const QString &topic : topicNames()) {
        const QStringList questions = readQuestionTexts(exerciseDir + QLatin1Char('/') + topic + QStringLiteral(".dat"));
        if (questions.isEmpty()) {
            std::fprintf(stderr, "artgen: no questions for %s, pictures skipped\n", qPrintable(topic));
            continue;
        }
        for (int i = 0; i < questions.size(); ++i) {
            Drawn d{QStringLiteral("%1_%2.png").arg(topic).arg(i), describe(topic, questions[i]), {}};
            d.english = questionPicture(d.scene);
            ok &= save(d.english, artDir + QStringLiteral("/Images/") + d.name);
            drawn << d;
        }
    }
    for (const Translation &t : translations()) {
        for (Drawn &d : drawn) {
            d.scene.language = t.language;
            const QImage translated = questionPicture(d.scene);
            const QString path = artDir + QStringLiteral("/Images/%1/").arg(t.folder) + d.name;
            if (!looksAlike(translated, d.english)) {
                ok &= save(translated, path);
            } else if (QFile::exists(path) && !QFile::remove(path)) { // its words have gone
                std::fprintf(stderr, "artgen: cannot remove %s\n", qPrintable(path));
                ok = false;
            }
        }
    }
    return ok;
}

} // namespace art
