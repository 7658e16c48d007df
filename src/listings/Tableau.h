#pragma once

// The hidden form that holds the two report pages: QuickRepTableau1, the general listing
// page with headings set by the caller, and QuickRepTableau2, the atmosphere page.

#include <QWidget>

namespace mirandel {

class Program;

class TWinControlForm1 : public QWidget
{
    Q_OBJECT

public:
    TWinControlForm1(Program& program, QWidget* parent);

private:
    Program& m_program;
};

} // namespace mirandel
