#pragma once

#include <QDialog>

namespace mirandel {

class Program;

class TfrmhrsatDlg : public QDialog
{
    Q_OBJECT

public:
    TfrmhrsatDlg(Program& program, QWidget* parent);

private:
    Program& m_program;
};

} // namespace mirandel
