// SPDX-License-Identifier: GPL-3.0-or-later
#include "checks.h"
#include "families.h"
#include "questions.h"
#include "themes.h"

#include <QColor>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QStringList>
#include <QtMath>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace art {
namespace {

double luminance(const QColor &c)
{
    auto channel = [](double v) {
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

struct Limit {
    QString path;
    int maxWidth;
    int maxHeight;
};

bool problem(const QString &text)
{
    std::fprintf(stderr, "artgen check: %s\n", qPrintable(text));
    return false;
}

bool checkSize(const QString &artDir, const Limit &limit)
{
    const QImage img(artDir + QLatin1Char('/') + limit.path);
    if (img.isNull())
        return problem(limit.path + QStringLiteral(" is missing or unreadable"));
    if (img.width() > limit.maxWidth || img.height() > limit.maxHeight)
        return problem(QStringLiteral("%1 is %2x%3, more than %4x%5")
                           .arg(limit.path)
                           .arg(img.width())
                           .arg(img.height())
                           .arg(limit.maxWidth)
                           .arg(limit.maxHeight));
    return true;
}

// White bold text is drawn over the tile: check the contrast against the
// tile's lighter pixels (the 90th percentile of luminance), not only the mean.
bool checkTileContrast(const QString &artDir, const Theme &theme)
{
    const QImage img(artDir + QStringLiteral("/Tiles/") + theme.name + QStringLiteral(".png"));
    if (img.isNull())
        return false; // already reported by the size check
    std::vector<double> lum;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            lum.push_back(luminance(img.pixelColor(x, y)));
    std::sort(lum.begin(), lum.end());
    const double light = lum[lum.size() * 9 / 10];
    const double ratio = 1.05 / (light + 0.05);
    if (ratio < 3.0)
        return problem(QStringLiteral("white text on tile %1 has contrast %2, below 3")
                           .arg(theme.name)
                           .arg(ratio, 0, 'f', 2));
    return true;
}

// The pictures of each translation: there for every question picture that
// writes words, as large as the English one, and for no other.
bool checkTranslatedPictures(const QString &artDir, const QString &topic, const QStringList &questions)
{
    bool ok = true;
    for (int n = 0; n < questions.size(); ++n) {
        const QString name = QStringLiteral("%1_%2.png").arg(topic).arg(n);
        const bool words = writesWords(describe(topic, questions[n]));
        const QSize english = QImage(artDir + QStringLiteral("/Images/") + name).size();
        for (const Translation &t : translations()) {
            const QString path = QStringLiteral("Images/%1/").arg(t.folder) + name;
            const QImage translated(artDir + QLatin1Char('/') + path);
            if (!words && QFileInfo::exists(artDir + QLatin1Char('/') + path))
                ok = problem(path + QStringLiteral(" writes no words; the English picture serves"));
            else if (words && translated.isNull())
                ok = problem(path + QStringLiteral(" is missing: its English picture writes words"));
            else if (words && translated.size() != english)
                ok = problem(path + QStringLiteral(" is not the size of its English picture"));
        }
    }
    return ok;
}

} // namespace

double contrast(const QColor &a, const QColor &b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool checkArt(const QString &artDir, const QString &exerciseDir)
{
    const bool withQuestionPictures = !exerciseDir.isEmpty() && QDir(exerciseDir).exists();
    QList<Limit> limits;
    const QStringList icons{QStringLiteral("new"), QStringLiteral("open"), QStringLiteral("save"),
                            QStringLiteral("print"), QStringLiteral("worksheet"), QStringLiteral("rules"),
                            QStringLiteral("scores"), QStringLiteral("contents"), QStringLiteral("about"),
                            QStringLiteral("acknowledgements"), QStringLiteral("version"),
                            QStringLiteral("templateeditor"), QStringLiteral("options"), QStringLiteral("screen"),
                            QStringLiteral("sidebar"), QStringLiteral("clock"), QStringLiteral("digitalclock"),
                            QStringLiteral("previous"), QStringLiteral("next")};
    for (const QString &icon : icons) {
        limits << Limit{QStringLiteral("Icons/") + icon + QStringLiteral(".png"), 64, 64};
        limits << Limit{QStringLiteral("Icons/20x20/") + icon + QStringLiteral(".png"), 20, 20};
    }
    limits << Limit{QStringLiteral("Icons/main.png"), 256, 256};
    for (const QString &topic : topicNames()) {
        limits << Limit{QStringLiteral("Icons/") + topic.toLower() + QStringLiteral("Icon.png"), 64, 64};
        limits << Limit{QStringLiteral("Icons/") + topic + QStringLiteral("Icon.png"), 64, 64};
        if (withQuestionPictures)
            for (int n = 0; n < 20; ++n)
                limits << Limit{QStringLiteral("Images/%1_%2.png").arg(topic).arg(n), 210, 180};
    }
    for (const Theme &theme : themes()) {
        limits << Limit{QStringLiteral("Tiles/") + theme.name + QStringLiteral(".png"), 80, 80};
        // Marks stand in 50 px steps within a 40 px row.
        limits << Limit{QStringLiteral("Circle/") + theme.name + QStringLiteral(".png"), 48, 40};
    }
    // Digits stand 100 px apart from y 260 and must stay above the band at 330.
    for (int d = 0; d <= 9; ++d)
        limits << Limit{QStringLiteral("Score/%1.png").arg(d), 100, 70};
    limits << Limit{QStringLiteral("logo.png"), 320, 100} << Limit{QStringLiteral("Logo.png"), 128, 128};

    bool ok = true;
    for (const Limit &limit : limits)
        ok &= checkSize(artDir, limit);
    for (const Theme &theme : themes())
        ok &= checkTileContrast(artDir, theme);
    if (withQuestionPictures)
        for (const QString &topic : topicNames())
            ok &= checkTranslatedPictures(
                artDir, topic, readQuestionTexts(exerciseDir + QLatin1Char('/') + topic + QStringLiteral(".dat")));
    return ok;
}

} // namespace art
