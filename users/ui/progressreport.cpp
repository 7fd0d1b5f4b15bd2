// SPDX-License-Identifier: GPL-3.0-or-later
#include "users/ui/progressreport.h"

#include "base/clock.h"
#include "base/ui/prompts.h"
#include "exercise/documents.h"
#include "exercise/ui/paper.h"
#include "users/practiceprogress.h"
#include "users/ui/progresschart.h"
#include "users/ui/timestablemap.h"

#include <QAbstractAxis>
#include <QLegend>
#include <QChart>
#include <QCoreApplication>
#include <QDir>
#include <QGraphicsScene>
#include <QLocale>
#include <QPainter>
#include <QPrinter>
#include <QTextDocument>

namespace {

// The page is laid out on a width of this many units, whatever the printer's
// resolution; text sizes below are in these units (16 is about 11 points on A4).
constexpr qreal PageUnits = 1000;
constexpr qreal MarginMm = 18;
constexpr qreal ChartAspect = 0.7;
constexpr qreal Gap = 24;

QString tr(const char *text)
{
    return QCoreApplication::translate("ProgressReport", text);
}

QString tableHtml(const QStringList &header, const QList<QStringList> &rows)
{
    QString out = QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"6\" width=\"100%\" "
                                 "style=\"font-size:15px; border-color:#999999; border-style:solid\"><tr>");
    for (const QString &heading : header)
        out += QStringLiteral("<th bgcolor=\"#e8e8e8\">%1</th>").arg(heading.toHtmlEscaped());
    out += QStringLiteral("</tr>");
    for (const QStringList &row : rows) {
        out += QStringLiteral("<tr>");
        for (qsizetype column = 0; column < row.size(); ++column)
            out += QStringLiteral("<td align=\"%1\">%2</td>")
                       .arg(column == 0 ? QStringLiteral("left") : QStringLiteral("center"), row.at(column).toHtmlEscaped());
        out += QStringLiteral("</tr>");
    }
    return out + QStringLiteral("</table>");
}

QString html(const Progress::Figures &figures, const QDate &printedOn)
{
    QString out = QStringLiteral("<p style=\"font-size:15px; color:#555555\">%1</p>"
                                 "<h1 style=\"font-size:34px; margin-bottom:4px\">%2</h1>"
                                 "<p style=\"font-size:16px\">%3<br>%4</p>")
                      .arg(QCoreApplication::translate("ProgressReport", "Brightsum progress report").toHtmlEscaped(), figures.player.toHtmlEscaped(),
                           QCoreApplication::translate("ProgressReport", "Printed on %1").arg(QLocale().toString(printedOn, QLocale::LongFormat)).toHtmlEscaped(),
                           Progress::summary(figures).toHtmlEscaped());
    return out + tableHtml(Progress::tableHeader(), Progress::tableRows(figures));
}

// The practice page: what is practised and known per topic, then the map.
void paintPractice(QPainter &painter, const QFont &font, qreal pageHeight, const QString &player,
                   const Practice::Box &practice, const QDate &today)
{
    QTextDocument text;
    text.setDefaultFont(font);
    text.setHtml(QStringLiteral("<h1 style=\"font-size:28px; margin-bottom:4px\">%1</h1><p style=\"font-size:16px\">%2</p>")
                     .arg(QCoreApplication::translate("ProgressReport", "Practice: %1").arg(player).toHtmlEscaped(),
                          PracticeProgress::summary(practice, today).toHtmlEscaped())
                 + tableHtml(PracticeProgress::tableHeader(),
                             PracticeProgress::tableRows(PracticeProgress::topics(practice, today))));
    text.setTextWidth(PageUnits);
    text.drawContents(&painter);
    const qreal top = text.size().height() + Gap;
    painter.save();
    painter.setFont(font);
    const qreal side = std::min<qreal>(PageUnits * 0.8, pageHeight - top - Gap);
    TimesTableMap::paint(painter, QRectF((PageUnits - side) / 2, top, side, side), PracticeProgress::map(practice));
    painter.restore();
}

void paintFooter(QPainter &painter, const QFont &font, qreal pageHeight)
{
    painter.save();
    painter.setPen(QColor(0x77, 0x77, 0x77));
    QFont footer = font;
    footer.setPixelSize(12);
    painter.setFont(footer);
    painter.drawText(QRectF(0, pageHeight - 16, PageUnits, 16), Qt::AlignRight,
                     QCoreApplication::translate("ProgressReport", "Made with Brightsum, %1").arg(Documents::WebAddress));
    painter.restore();
}

} // namespace

void ProgressReport::paint(QPrinter &printer, const Progress::Figures &figures, const Practice::Box &practice,
                           const QDate &printedOn)
{
    // The margins are the page's own, so a printer and a PDF look alike.
    printer.setFullPage(true);
    QPainter painter;
    if (!painter.begin(&printer))
        return;
    const QRectF paper = printer.paperRect(QPrinter::DevicePixel);
    const qreal margin = MarginMm / 25.4 * printer.resolution();
    const qreal scale = (paper.width() - 2 * margin) / PageUnits;
    const qreal pageHeight = (paper.height() - 2 * margin) / scale;
    painter.translate(margin, margin);
    painter.scale(scale, scale);

    QTextDocument text;
    QFont font = text.defaultFont();
    font.setPixelSize(16);
    text.setDefaultFont(font);
    text.setHtml(html(figures, printedOn));
    text.setTextWidth(PageUnits);
    // The chart keeps its room: a long table is made smaller rather than spill onto a second page.
    const qreal chartHeight = PageUnits * ChartAspect;
    const qreal textRoom = pageHeight - chartHeight - Gap;
    const qreal textScale = std::min<qreal>(1, textRoom / text.size().height());
    painter.save();
    painter.scale(textScale, textScale);
    text.drawContents(&painter);
    painter.restore();

    QGraphicsScene scene;
    QChart *chart = ProgressChart::build(figures);
    scene.addItem(chart);
    chart->setBackgroundVisible(false);
    // On paper the chart's words are the size of the table's.
    QFont labels = font;
    labels.setPixelSize(14);
    QFont titles = labels;
    titles.setBold(true);
    for (QAbstractAxis *axis : chart->axes()) {
        axis->setLabelsFont(labels);
        axis->setTitleFont(titles);
    }
    labels.setPixelSize(15);
    chart->legend()->setFont(labels);
    chart->resize(PageUnits, chartHeight);
    const QRectF target(0, text.size().height() * textScale + Gap, PageUnits, chartHeight);
    scene.render(&painter, target, QRectF(0, 0, PageUnits, chartHeight));

    paintFooter(painter, font, pageHeight);
    if (practice.items.isEmpty() && practice.known.isEmpty() && practice.practised.isEmpty())
        return;
    printer.newPage();
    paintPractice(painter, font, pageHeight - 16, figures.player, practice, printedOn);
    paintFooter(painter, font, pageHeight);
}

bool ProgressReport::print(QWidget *parent, const Progress::Figures &figures, const Practice::Box &practice)
{
    QPrinter printer(QPrinter::HighResolution);
    if (!Paper::choosePrinter(parent, printer))
        return false;
    paint(printer, figures, practice, Clock::today());
    return true;
}

QString ProgressReport::savePdf(QWidget *parent, const Progress::Figures &figures, const Practice::Box &practice)
{
    const QString chosen = Ask::saveFile(parent, RecentFolders::Kind::Worksheets, tr("Save Progress Report as PDF"),
                                         QStringLiteral("*.pdf"));
    if (chosen.isEmpty())
        return {};
    const QString fileName = Documents::withPdfSuffix(chosen);
    const QString title = tr("Brightsum progress report: %1").arg(figures.player);
    if (const std::optional<QString> failure = Paper::writePdf(
            title, fileName, [&](QPrinter &printer) { paint(printer, figures, practice, Clock::today()); })) {
        Ask::warning(parent, tr("Report Not Saved"),
                     tr("The report could not be saved to \"%1\": %2").arg(QDir::toNativeSeparators(fileName), *failure));
        return {};
    }
    return fileName;
}
