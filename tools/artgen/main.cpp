// SPDX-License-Identifier: GPL-3.0-or-later
// artgen: draws every picture of data/Art.
//
// Build it on its own (it is not part of the program's build):
//   cmake -S tools/artgen -B /tmp/artgen-build && cmake --build /tmp/artgen-build -j2
// Run it from the repository root with the Art folder to write:
//   QT_QPA_PLATFORM=offscreen /tmp/artgen-build/artgen data/Art
// Options:
//   --exercises DIR  question files to draw the question pictures from
//                    (default: the Exercises folder beside the Art folder)
//   --mock DIR       also paint 600 x 400 mock-ups of the exercise window,
//                    one per theme, into DIR
// Icons, tiles, progress marks, score digits and logos are always redrawn;
// the question pictures Images/<Topic>_<n>.png are redrawn from the question
// files, so rerun it whenever a question changes. A question picture that
// writes words ("3/4 of 20", place-value headings) also gets a French and a
// Spanish one, Images/fr/<Topic>_<n>.png and Images/es/<Topic>_<n>.png. Afterwards every picture is
// checked against the place it is drawn in; problems are listed and the exit
// code is 1.
#include "checks.h"
#include "families.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    auto option = [&args](const QString &name) {
        const qsizetype i = args.indexOf(name);
        if (i < 0 || i + 1 >= args.size())
            return QString();
        const QString value = args.at(i + 1);
        args.remove(i, 2);
        return value;
    };
    const QString mockDir = option(QStringLiteral("--mock"));
    QString exerciseDir = option(QStringLiteral("--exercises"));
    if (args.size() != 1) {
        std::fprintf(stderr, "usage: artgen ART_DIR [--exercises DIR] [--mock DIR]\n");
        return 2;
    }
    const QString artDir = QDir(args.first()).absolutePath();
    if (exerciseDir.isEmpty())
        exerciseDir = QDir(artDir).absoluteFilePath(QStringLiteral("../Exercises"));

    bool ok = art::makeIcons(artDir);
    ok &= art::makeTiles(artDir);
    ok &= art::makeMarks(artDir);
    ok &= art::makeDigits(artDir);
    ok &= art::makeLogos(artDir);
    ok &= art::makeQuestionPictures(artDir, exerciseDir);
    if (!mockDir.isEmpty())
        ok &= art::makeMocks(artDir, exerciseDir, mockDir);
    ok &= art::checkArt(artDir, exerciseDir);
    return ok ? 0 : 1;
}
