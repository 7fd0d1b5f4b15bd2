// SPDX-License-Identifier: GPL-3.0-or-later
#include "testsupport.h"

#include <QCoreApplication>
#include <QDialog>

int ScriptedPrompts::count(const QString &title) const
{
    return static_cast<int>(std::count_if(asked.cbegin(), asked.cend(), [&](const Asked &a) { return a.title == title; }));
}

QStringList ScriptedPrompts::titles() const
{
    QStringList result;
    for (const Asked &a : asked)
        result << a.title;
    return result;
}

QMessageBox::StandardButton ScriptedPrompts::message(QWidget *, Kind kind, const QString &title, const QString &text,
                                                     QMessageBox::StandardButtons choices)
{
    asked.append({QStringLiteral("message"), title, text, kind});
    if (onMessage)
        onMessage(asked.constLast());
    if (!buttons.isEmpty())
        return buttons.takeFirst();
    if (choices.testFlag(QMessageBox::Cancel))
        return QMessageBox::Cancel;
    return QMessageBox::Ok;
}

QString ScriptedPrompts::openFileName(QWidget *, const QString &caption, const QString &folder,
                                      const QString &filter)
{
    asked.append({QStringLiteral("open"), caption, filter, Kind::Information, folder});
    return fileNames.isEmpty() ? QString() : fileNames.takeFirst();
}

QString ScriptedPrompts::saveFileName(QWidget *, const QString &caption, const QString &folder,
                                      const QString &filter)
{
    asked.append({QStringLiteral("save"), caption, filter, Kind::Information, folder});
    return fileNames.isEmpty() ? QString() : fileNames.takeFirst();
}

QString ScriptedPrompts::folderName(QWidget *, const QString &caption, const QString &folder)
{
    asked.append({QStringLiteral("folder"), caption, QString(), Kind::Information, folder});
    return fileNames.isEmpty() ? QString() : fileNames.takeFirst();
}

std::optional<QString> ScriptedPrompts::text(QWidget *, const QString &title, const QString &label,
                                             QLineEdit::EchoMode)
{
    asked.append({QStringLiteral("text"), title, label});
    return texts.isEmpty() ? std::nullopt : texts.takeFirst();
}

bool ScriptedPrompts::exec(QDialog &dialog)
{
    asked.append({QStringLiteral("exec"), dialog.windowTitle(), QString()});
    return onExec ? onExec(dialog) : false;
}

bool ScriptedPrompts::wait(QWidget *, const QString &title, const QString &text, const std::function<bool()> &finished)
{
    asked.append({QStringLiteral("wait"), title, text});
    if (!waits.isEmpty() && !waits.takeFirst())
        return false;
    while (!finished())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return true;
}
