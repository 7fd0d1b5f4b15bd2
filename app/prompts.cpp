// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/prompts.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QProgressDialog>
#include <QTimer>

namespace {
Prompts *installed = nullptr;

// The program works in its data folder (DataFolder::enter), where no dialog should start.
QString startFolder(RecentFolders::Kind kind)
{
    return RecentFolders::startFolder(kind, QDir::currentPath());
}

class Unattended : public Prompts
{
public:
    QMessageBox::StandardButton message(QWidget *, Kind, const QString &, const QString &,
                                        QMessageBox::StandardButtons buttons) override
    {
        return buttons.testFlag(QMessageBox::No) ? QMessageBox::No : QMessageBox::Ok;
    }
    QString openFileName(QWidget *, const QString &, const QString &, const QString &) override { return {}; }
    QString saveFileName(QWidget *, const QString &, const QString &, const QString &) override { return {}; }
    std::optional<QString> text(QWidget *, const QString &, const QString &, QLineEdit::EchoMode) override
    {
        return std::nullopt;
    }
    bool exec(QDialog &) override { return false; }
    bool wait(QWidget *, const QString &, const QString &, const std::function<bool()> &finished) override
    {
        return finished();
    }
};
} // namespace

QMessageBox::StandardButton Prompts::message(QWidget *parent, Kind kind, const QString &title,
                                             const QString &text, QMessageBox::StandardButtons buttons)
{
    switch (kind) {
    case Kind::Information: return QMessageBox::information(parent, title, text, buttons);
    case Kind::Warning: return QMessageBox::warning(parent, title, text, buttons);
    case Kind::Critical: return QMessageBox::critical(parent, title, text, buttons);
    case Kind::Question: return QMessageBox::question(parent, title, text, buttons);
    case Kind::About: QMessageBox::about(parent, title, text); return QMessageBox::Ok;
    }
    return QMessageBox::NoButton;
}

QString Prompts::openFileName(QWidget *parent, const QString &caption, const QString &folder, const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, caption, folder, filter);
}

QString Prompts::saveFileName(QWidget *parent, const QString &caption, const QString &folder, const QString &filter)
{
    return QFileDialog::getSaveFileName(parent, caption, folder, filter);
}

std::optional<QString> Prompts::text(QWidget *parent, const QString &title, const QString &label,
                                     QLineEdit::EchoMode echo)
{
    bool ok = false;
    const QString entered = QInputDialog::getText(parent, title, label, echo, QString(), &ok);
    if (!ok)
        return std::nullopt;
    return entered;
}

bool Prompts::exec(QDialog &dialog)
{
    return dialog.exec() == QDialog::Accepted;
}

bool Prompts::wait(QWidget *parent, const QString &title, const QString &text, const std::function<bool()> &finished)
{
    if (finished())
        return true;
    QProgressDialog dialog(text, QCoreApplication::translate("Prompts", "Stop Waiting"), 0, 0, parent);
    dialog.setWindowTitle(title);
    dialog.setAutoReset(false);
    dialog.setAutoClose(false);
    QObject::connect(&dialog, &QProgressDialog::canceled, &dialog, &QDialog::reject);
    QTimer look;
    QObject::connect(&look, &QTimer::timeout, &dialog, [&] {
        if (finished())
            dialog.accept();
    });
    look.start(50);
    return dialog.exec() == QDialog::Accepted || finished();
}

Prompts &Prompts::unattended()
{
    static Unattended nobody;
    return nobody;
}

Prompts &Prompts::current()
{
    static Prompts real;
    return installed ? *installed : real;
}

void Prompts::install(Prompts *prompts)
{
    installed = prompts;
}

void Ask::information(QWidget *parent, const QString &title, const QString &text)
{
    Prompts::current().message(parent, Prompts::Kind::Information, title, text, QMessageBox::Ok);
}

void Ask::warning(QWidget *parent, const QString &title, const QString &text)
{
    Prompts::current().message(parent, Prompts::Kind::Warning, title, text, QMessageBox::Ok);
}

void Ask::critical(QWidget *parent, const QString &title, const QString &text)
{
    Prompts::current().message(parent, Prompts::Kind::Critical, title, text, QMessageBox::Ok);
}

void Ask::about(QWidget *parent, const QString &title, const QString &text)
{
    Prompts::current().message(parent, Prompts::Kind::About, title, text, QMessageBox::Ok);
}

QMessageBox::StandardButton Ask::yesNoCancel(QWidget *parent, const QString &title, const QString &text)
{
    return Prompts::current().message(parent, Prompts::Kind::Question, title, text,
                                      QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
}

QString Ask::openFile(QWidget *parent, RecentFolders::Kind kind, const QString &caption, const QString &filter)
{
    const QString chosen = Prompts::current().openFileName(parent, caption, startFolder(kind), filter);
    RecentFolders::remember(kind, chosen);
    return chosen;
}

QString Ask::saveFile(QWidget *parent, RecentFolders::Kind kind, const QString &caption, const QString &filter)
{
    const QString chosen = Prompts::current().saveFileName(parent, caption, startFolder(kind), filter);
    RecentFolders::remember(kind, chosen);
    return chosen;
}
