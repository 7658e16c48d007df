#pragma once

#include <QDialog>

namespace mirandel {

class Program;

class TfrmcleDlg : public QDialog
{
    Q_OBJECT

public:
    TfrmcleDlg(Program& program, QWidget* parent);

private:
    Program& m_program;
};

} // namespace mirandel
