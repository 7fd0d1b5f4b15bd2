// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/ui/prompts.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QPushButton>
#include <QProgressDialog>
#include <QTimer>

namespace {
Prompts *installed = nullptr;

// The program works in its data folder (DataFolder::enter), where no dialog should start.
QString startFolder(RecentFolders::Kind kind)
{
    return RecentFolders::startFolder(kind, QDir::currentPath());
}

QMessageBox::Icon iconOf(Prompts::Kind kind)
{
    switch (kind) {
    case Prompts::Kind::Information: return QMessageBox::Information;
    case Prompts::Kind::Warning: return QMessageBox::Warning;
    case Prompts::Kind::Critical: return QMessageBox::Critical;
    case Prompts::Kind::Question: return QMessageBox::Question;
    case Prompts::Kind::About: break;
    }
    return QMessageBox::NoIcon;
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
    QString folderName(QWidget *, const QString &, const QString &) override { return {}; }
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

std::unique_ptr<QMessageBox> Prompts::messageBox(QWidget *parent, Kind kind, const QString &title, const QString &text,
                                                QMessageBox::StandardButtons buttons)
{
    auto box = std::make_unique<QMessageBox>(iconOf(kind), title, text, QMessageBox::NoButton, parent);
    // A text may name a person, a topic or a file, and shows it as it is:
    // never as rich text, which could show a picture in its place.
    box->setTextFormat(Qt::PlainText);
    // The buttons in the toolkit's order, the first that accepts as the default,
    // as the toolkit's own message boxes have them.
    for (uint button = QMessageBox::FirstButton; button <= QMessageBox::LastButton; button <<= 1) {
        if (!(buttons & button))
            continue;
        QPushButton *added = box->addButton(QMessageBox::StandardButton(button));
        if (!box->defaultButton() && box->buttonRole(added) == QMessageBox::AcceptRole)
            box->setDefaultButton(added);
    }
    return box;
}

QMessageBox::StandardButton Prompts::message(QWidget *parent, Kind kind, const QString &title,
                                             const QString &text, QMessageBox::StandardButtons buttons)
{
    // The about boxes are the program's own rich text, with its logo.
    if (kind == Kind::About) {
        QMessageBox::about(parent, title, text);
        return QMessageBox::Ok;
    }
    const std::unique_ptr<QMessageBox> box = messageBox(parent, kind, title, text, buttons);
    if (box->exec() == -1)
        return QMessageBox::Cancel;
    return box->standardButton(box->clickedButton());
}

QString Prompts::openFileName(QWidget *parent, const QString &caption, const QString &folder, const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, caption, folder, filter);
}

QString Prompts::saveFileName(QWidget *parent, const QString &caption, const QString &folder, const QString &filter)
{
    return QFileDialog::getSaveFileName(parent, caption, folder, filter);
}

QString Prompts::folderName(QWidget *parent, const QString &caption, const QString &folder)
{
    return QFileDialog::getExistingDirectory(parent, caption, folder);
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

bool Ask::mayCloseAfter(QMessageBox::StandardButton answer, const std::function<bool()> &saveFailed)
{
    switch (answer) {
    case QMessageBox::Yes: return !saveFailed();
    case QMessageBox::No: return true;
    default: return false;
    }
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
