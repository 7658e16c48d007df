#pragma once

#include <QDialog>

namespace mirandel {

class Program;

class Tfrmcalculhrs : public QDialog
{
    Q_OBJECT

public:
    Tfrmcalculhrs(Program& program, QWidget* parent);

private:
    Program& m_program;
};

} // namespace mirandel
