#include "wrench/cleangl.h"

#include "platform/windowkit.h"

namespace mirandel {

TfrmcleDlg::TfrmcleDlg(Program& program, QWidget* parent) : QDialog(parent), m_program(program)
{
    setObjectName(QStringLiteral("TfrmcleDlg"));
    windowkit::setupFixedWindow(this, QStringLiteral(""), {318, 139},
                                windowkit::TitleButtons::None);
}

} // namespace mirandel
