#include "atmosphere/atmos.h"

#include "platform/windowkit.h"

namespace mirandel {

TFrmAtmosphere::TFrmAtmosphere(Program& program, QWidget* parent)
    : QDialog(parent), m_program(program)
{
    setObjectName(QStringLiteral("TFrmAtmosphere"));
    windowkit::setupFixedWindow(this, QStringLiteral("STANDARD ATMOSPHERE"), {617, 365},
                                windowkit::TitleButtons::None);
}

} // namespace mirandel
