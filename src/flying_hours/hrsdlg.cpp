#include "flying_hours/hrsdlg.h"

#include "platform/windowkit.h"

namespace mirandel {

TfrmhrsatDlg::TfrmhrsatDlg(Program& program, QWidget* parent) : QDialog(parent), m_program(program)
{
    setObjectName(QStringLiteral("TfrmhrsatDlg"));
    windowkit::setupFixedWindow(this, QStringLiteral("Prévisualiser / Imprimer"), {313, 310},
                                windowkit::TitleButtons::None);
}

} // namespace mirandel
