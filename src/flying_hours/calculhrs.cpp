#include "flying_hours/calculhrs.h"

#include "platform/windowkit.h"

namespace mirandel {

Tfrmcalculhrs::Tfrmcalculhrs(Program& program, QWidget* parent)
    : QDialog(parent), m_program(program)
{
    setObjectName(QStringLiteral("Tfrmcalculhrs"));
    windowkit::setupFixedWindow(this, QStringLiteral(" Calcul Hrs de vol"), {540, 416},
                                windowkit::TitleButtons::None);
}

} // namespace mirandel
