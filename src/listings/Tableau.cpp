#include "listings/Tableau.h"

namespace mirandel {

TWinControlForm1::TWinControlForm1(Program& program, QWidget* parent)
    : QWidget(parent, Qt::Window), m_program(program)
{
    setObjectName(QStringLiteral("TWinControlForm1"));
    setWindowTitle(QStringLiteral("WinControlForm1"));
}

} // namespace mirandel
