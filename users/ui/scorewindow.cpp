// SPDX-License-Identifier: GPL-3.0-or-later
#include "users/ui/scorewindow.h"

#include "base/store/store.h"
#include "content/topics.h"

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>

#include <algorithm>

namespace {

// The records as a read-only table of five columns.
class ScoreTableModel : public QAbstractTableModel
{
public:
    ScoreTableModel(const QList<ScoreRecord> &records, QObject *parent)
        : QAbstractTableModel(parent)
        , m_records(records)
    {
    }

    int rowCount(const QModelIndex &parent) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(m_records.size());
    }
    int columnCount(const QModelIndex &parent) const override
    {
        return parent.isValid() ? 0 : ScoreRecord::FieldCount;
    }
    QVariant data(const QModelIndex &index, int role) const override
    {
        if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)
            return {};
        const QString text = m_records.at(index.row()).field(index.column());
        return index.column() == ScoreRecord::Topic ? Topics::shownName(text) : text;
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
            return QAbstractTableModel::headerData(section, orientation, role);
        static const char *const headers[] = {QT_TRANSLATE_NOOP("ScoreWindow", "Name"), QT_TRANSLATE_NOOP("ScoreWindow", "Topic"),
                                              QT_TRANSLATE_NOOP("ScoreWindow", "No. of Clues"),
                                              QT_TRANSLATE_NOOP("ScoreWindow", "No. of Choices"),
                                              QT_TRANSLATE_NOOP("ScoreWindow", "Score")};
        return ScoreWindow::tr(headers[section]);
    }

    // Records are only appended, or cleared all at once.
    void show(const QList<ScoreRecord> &records)
    {
        if (records.size() < m_records.size()) {
            beginResetModel();
            m_records = records;
            endResetModel();
        } else if (records.size() > m_records.size()) {
            beginInsertRows({}, int(m_records.size()), int(records.size()) - 1);
            m_records = records;
            endInsertRows();
        }
    }

private:
    QList<ScoreRecord> m_records;
};

} // namespace

ScoreWindow::ScoreWindow(QWidget *parent, const QList<ScoreRecord> &records, Mode mode, const QString &playerName)
    : QMainWindow(parent)
{
    const auto shownOf = [mode, playerName](const QList<ScoreRecord> &all) {
        return mode == Everybody ? all : ScoreBook::recordsOf(all, playerName);
    };
    m_table = new QTableView(this);
    auto *model = new ScoreTableModel(shownOf(records), m_table);
    m_table->setModel(model);
    // Records that arrive from other computers through a shared folder join
    // the table, with any made here meanwhile; a window shows this computer's
    // own records as they were when it opened, and is emptied by a clear.
    connect(&StoreEvents::instance(), &StoreEvents::recordsChanged, this,
            [model, shownOf, seen = ScoreBook::records().size()]() mutable {
                const QList<ScoreRecord> &all = ScoreBook::records();
                const bool arrived = std::any_of(all.cbegin() + std::min(seen, all.size()), all.cend(),
                                                 [](const ScoreRecord &record) { return !record.origin.isEmpty(); });
                if (arrived || all.size() < seen)
                    model->show(shownOf(all));
                seen = all.size();
            });
    m_table->setAccessibleName(mode == Everybody ? tr("Everybody's Scores") : tr("My Scores"));
    m_table->setTabKeyNavigation(false);
    setWindowTitle(mode == Everybody ? tr("Everybody's Scores") : tr("My Scores"));
    setWindowIcon(QIcon(QStringLiteral("Art/Icons/scores.png")));
    setCentralWidget(m_table);
}

QSize ScoreWindow::sizeHint() const
{
    const int width = m_table->verticalHeader()->sizeHint().width() + m_table->horizontalHeader()->length()
                      + m_table->verticalScrollBar()->sizeHint().width() + 2 * m_table->frameWidth();
    return QSize(width, QMainWindow::sizeHint().height());
}
