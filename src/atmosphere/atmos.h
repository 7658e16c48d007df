#pragma once

#include <QDialog>

namespace mirandel {

class Program;

class TFrmAtmosphere : public QDialog
{
    Q_OBJECT

public:
    TFrmAtmosphere(Program& program, QWidget* parent);

private:
    Program& m_program;
};

} // namespace mirandel
