// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/ui/readaloud.h"

#include "base/language.h"
#include "base/ui/speaker.h"
#include "exercise/exercisesettings.h"
#include "exercise/spokentext.h"

#include <QMainWindow>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QShortcut>
#include <QStatusBar>

namespace {

// The window that spoke last, whose speech stops when it closes.
const ReadAloud *speaking = nullptr;

// A loudspeaker in the button's text colour, with sound waves while it reads
// aloud: a child who cannot read the button sees whether it is on.
QIcon speakerIcon(const QColor &colour)
{
    QIcon icon;
    for (const QIcon::State state : {QIcon::Off, QIcon::On}) {
        QPixmap pixmap(40, 40);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        QPainterPath speaker;
        speaker.addPolygon(QPolygonF({{4, 14}, {12, 14}, {22, 5}, {22, 35}, {12, 26}, {4, 26}}));
        speaker.closeSubpath();
        painter.fillPath(speaker, colour);
        if (state == QIcon::On) {
            painter.setPen(QPen(colour, 3, Qt::SolidLine, Qt::RoundCap));
            painter.drawArc(QRectF(18, 12, 10, 16), -60 * 16, 120 * 16);
            painter.drawArc(QRectF(18, 5, 18, 30), -60 * 16, 120 * 16);
        }
        icon.addPixmap(pixmap, QIcon::Normal, state);
    }
    return icon;
}

} // namespace

ReadAloud::ReadAloud(QMainWindow *window, QWidget *page, const QString &player)
    : QObject(window)
    , m_window(window)
    , m_player(player)
    , m_toggle(new QPushButton(tr("Read Aloud"), page))
{
    const QKeySequence toggleKey(Qt::CTRL | Qt::Key_L);
    const QKeySequence repeatKey(Qt::Key_F5);
    m_toggle->setObjectName(QStringLiteral("readAloud"));
    m_toggle->setCheckable(true);
    m_toggle->setChecked(ExerciseSettings::readsAloud(player));
    m_toggle->setIcon(speakerIcon(m_toggle->palette().color(QPalette::ButtonText)));
    m_toggle->setIconSize(QSize(20, 20));
    m_toggle->setToolTip(tr("Hear each question, clue and choice (%1). %2 says the question again.")
                             .arg(toggleKey.toString(QKeySequence::NativeText),
                                  repeatKey.toString(QKeySequence::NativeText)));
    connect(m_toggle, &QPushButton::toggled, this, &ReadAloud::switched);

    // Keys of this exercise window, whichever of its controls has the focus.
    auto *toggleShortcut = new QShortcut(toggleKey, window, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
    connect(toggleShortcut, &QShortcut::activated, m_toggle, &QPushButton::click);
    auto *repeatShortcut = new QShortcut(repeatKey, window, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
    connect(repeatShortcut, &QShortcut::activated, this, &ReadAloud::repeat);

    connect(&Speaker::current(), &Speaker::unavailable, this, [this] {
        if (speaking == this)
            m_window->statusBar()->showMessage(tr("Reading aloud is not available on this computer."));
    });
}

ReadAloud::~ReadAloud()
{
    if (speaking != this)
        return;
    Speaker::current().stop();
    speaking = nullptr;
}

void ReadAloud::ask(const QString &question, const QString &before)
{
    m_question = question;
    if (m_toggle->isChecked())
        speak(before.isEmpty() ? question : before + QLatin1Char('\n') + question);
}

void ReadAloud::tell(const QString &text)
{
    if (m_toggle->isChecked())
        speak(text);
}

void ReadAloud::repeat()
{
    speak(m_question);
}

void ReadAloud::switched(bool on)
{
    ExerciseSettings::rememberReadAloud(m_player, on);
    if (on) {
        speak(m_question);
    } else if (speaking == this) {
        Speaker::current().stop();
        speaking = nullptr;
    }
}

void ReadAloud::speak(const QString &text)
{
    speaking = this;
    const QString language = Language::current();
    Speaker::current().say(SpokenText::of(text, language), language);
}
