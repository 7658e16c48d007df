#include "flying_hours/hrsdlg.h"

#include "app/program.h"
#include "platform/platform.h"
#include "platform/windowkit.h"

#include <QDate>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

namespace mirandel {

using namespace Qt::StringLiterals;
using windowkit::place;

TfrmhrsatDlg::TfrmhrsatDlg(Program& program, QWidget* parent) : QDialog(parent), m_program(program)
{
    setObjectName(u"TfrmhrsatDlg"_s);
    windowkit::setupFixedWindow(this, u"Prévisualiser / Imprimer"_s, {313, 310},
                                windowkit::TitleButtons::None);
    setFont(windowkit::arial(8));
    windowkit::setBackground(this, QColor(0xCF, 0xC8, 0x9C));

    auto* title =
        place<QLabel>(this, u"LabelTitle"_s, {80, 4, 220, 16}, u"Preview /printing flying hours"_s);
    title->setFont(windowkit::arial(9, true));
    place<QLabel>(this, u"LabelTotal"_s, {55, 30, 33, 14}, u"Total :"_s);
    Labeltotal2 = place<QLabel>(this, u"Labeltotal2"_s, {88, 28, 211, 18}, u"00 hrs 00mn  "_s);
    place<QLabel>(this, u"LabelAverage"_s, {8, 48, 108, 14}, u"Average value(days) : "_s);
    StaticTextmoyenne =
        place<QLabel>(this, u"StaticTextmoyenne"_s, {116, 48, 187, 17}, u"00 hrs 00mn  "_s);
    place<QLabel>(this, u"LabelSince"_s, {21, 65, 145, 14}, u"Flying hours since"_s);
    StaticTextnjour = place<QLabel>(this, u"StaticTextnjour"_s, {168, 65, 39, 14}, u"0"_s);
    place<QLabel>(this, u"LabelDays"_s, {211, 65, 40, 14}, u"Days"_s);
    for (QLabel* label : {Labeltotal2, StaticTextmoyenne, StaticTextnjour})
        label->setFont(windowkit::arial(8, true));
    StaticTextnjour->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    // Escape presses EXIT: the dialog closes with a cancel result.
    CancelBtn = place<QPushButton>(this, u"CancelBtn"_s, {185, 256, 67, 23}, u"EXIT"_s);
    CancelBtn->setAutoDefault(false);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    FormCreate();
}

qint64 TfrmhrsatDlg::dayCount(const QDate& start, const QDate& end)
{
    return start.daysTo(end);
}

void TfrmhrsatDlg::FormCreate()
{
    const QDate end = m_program.platform().today();
    const QDate start = end.addDays(-30);
    StaticTextnjour->setText(QString::number(dayCount(start, end)));
}

void TfrmhrsatDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        windowkit::centreOnScreen(this);
        activateWindow();
    }
}

} // namespace mirandel
